// Any text as a tag name or an expression: no crash, and a name that parses formats
// back to a name that parses to the same reference.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/expression.h"
#include "core/tag_name.h"
#include "test_database.h"
#include "text/utf16le.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const tarvo::TagDatabase db = tarvo::test::SampleDatabase();
  const std::wstring text = orv::FromUtf16LE(data, size);
  tarvo::TagRef ref;
  if (tarvo::ParseTagName(db, text, ref)) {
    std::wstring name;
    tarvo::TagRef again;
    if (!tarvo::FormatTagName(db, ref, name) || !tarvo::ParseTagName(db, name, again) || again.tag != ref.tag ||
        again.member != ref.member || again.field != ref.field || again.index != ref.index)
      std::abort();
  }
  tarvo::CompileResult r = tarvo::CompileExpression(text, &db, (size & 1) != 0, 5);
  if (r.ok && tarvo::ListCompiledRefs(r.compiled).size() != r.refs.size()) std::abort();
  std::vector<tarvo::TagRef> refs;
  tarvo::FindTagsInText(db, text, refs);
  return 0;
}
