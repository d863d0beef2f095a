#include "data_export.h"

#include <vector>

namespace orv::softplc {

std::wstring WideExportText(const char* text) {
  int length = 0;
  while (length < kExportTextBytes - 1 && text[length]) ++length;
  if (length == 0) return std::wstring();
  std::vector<wchar_t> wide(static_cast<std::size_t>(length));
  int n = ::MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), length);
  return std::wstring(wide.data(), static_cast<std::size_t>(n > 0 ? n : 0));
}

}  // namespace orv::softplc
