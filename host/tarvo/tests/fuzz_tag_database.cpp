// Any bytes as a tag database file: loading fails cleanly or gives a database that
// saves and loads again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/tag_database.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tarvo::TagDatabase db;
  std::wstring error;
  if (!db.Load(std::string(reinterpret_cast<const char*>(data), size), error)) return 0;
  const std::string saved = db.Save();
  tarvo::TagDatabase again;
  if (!again.Load(saved, error) || again.Save() != saved || again.TagCount() != db.TagCount()) std::abort();
  return 0;
}
