#include "exchange_line.h"

#include <cwctype>

#include "linkbase/link_text.h"

namespace orv::softplc {

namespace {
constexpr std::size_t kNameStart = 13;
}

ExchangeVariable ParseExchangeLine(const std::wstring& raw) {
  ExchangeVariable result;
  const std::wstring line = Trim(raw);
  if (line.empty() || line[0] != L'#') return result;

  wchar_t kind = line.size() > 1 ? static_cast<wchar_t>(std::towupper(static_cast<wint_t>(line[1]))) : L'\0';
  if (line.size() <= kNameStart) return result;
  std::size_t nameEnd = line.find(L'%', kNameStart);
  std::wstring name = line.substr(kNameStart, nameEnd == std::wstring::npos ? std::wstring::npos : nameEnd - kNameStart);
  if (name.empty()) return result;

  result.skip = false;
  result.name = name;
  if (kind == L'B') {
    result.typeCode = 0;
  } else if (kind == L'A') {
    // The mark after the next "%" tells integer from real; a line without that "%"
    // (or ending right after it) stays within its end and counts as real.
    result.typeCode = 2;
    std::size_t mark = nameEnd == std::wstring::npos ? std::wstring::npos : line.find(L'%', nameEnd + 1);
    if (mark != std::wstring::npos && mark + 1 < line.size() && (line[mark + 1] == L'I' || line[mark + 1] == L'i'))
      result.typeCode = 1;
  } else {
    result.typeCode = 3;
  }
  // The description follows the last "%" after the name; a "%" in front of the name
  // (in the line's fixed head) does not start one.
  std::size_t last = line.rfind(L'%');
  if (nameEnd != std::wstring::npos && last != std::wstring::npos && last >= nameEnd)
    result.description = line.substr(last + 1);
  return result;
}

}  // namespace orv::softplc
