// Arbitrary bytes as a text file: never a crash, and bounded reads never exceed the bound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "memory_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::size_t bound = 1 + data[0] % 40;
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  orv::test::MemorySource src(bytes, 1 + data[0] % 7);
  orv::CVELTextReader reader(src);
  std::wstring part;
  int guard = 0;
  while (reader.ReadString(part, bound)) {
    if (part.size() >= bound) std::abort();
    if (++guard > 1 << 20) std::abort();
  }
  orv::test::MemorySource src2(bytes);
  orv::CVELTextReader lines(src2);
  while (lines.ReadLine(part)) {
    if (!part.empty() && part.back() == L'\n') std::abort();
  }
  return 0;
}
