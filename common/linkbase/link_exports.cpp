#include "linkbase/link_exports.h"

#include <algorithm>

namespace orv::softplc {

namespace {
void CopyText(const std::wstring& text, wchar_t* buffer) {
  if (!buffer) return;
  std::size_t n = std::min(text.size(), kTagTextChars - 1);
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), buffer);
  buffer[n] = L'\0';
}
}  // namespace

void FillTagRecord(const TagRecord& record, wchar_t* name, int* arraySize, int* type, wchar_t* description,
                   int* skip) {
  CopyText(record.name, name);
  CopyText(record.description, description);
  if (arraySize) *arraySize = record.arraySize;
  if (type) *type = record.type;
  if (skip) *skip = record.skip;
}

}  // namespace orv::softplc
