#include "item_kind.h"

namespace orv::softplc {

namespace {

std::wstring Widen(const std::string& text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return wide;
}

struct KindRule {
  int typeCode;
  const wchar_t* prefix;  // empty: bare alias
};

KindRule RuleOf(const std::string& kind) {
  char third = kind.size() > 2 ? kind[2] : '\0';
  char fourth = kind.size() > 3 ? kind[3] : '\0';
  switch (third) {
    case 'B': return {1, L"B:"};
    case 'D': return {1, L"D:"};
    case 'F': return {2, L"F:"};
    case 'M': return {1, L""};
    case 'U':
      if (fourth == 'B') return {1, L"UB:"};
      if (fourth == 'D') return {1, L"UD:"};
      if (fourth == 'W') return {1, L"UW:"};
      return {1, L""};
    case 'W': return {1, L"W:"};
    case 'X': return {0, L"X:"};
    default: return {3, L""};
  }
}

}  // namespace

ItemTag TagOfItem(const std::string& alias, const std::string& kindText) {
  ItemTag tag;
  std::wstring wideAlias = Widen(alias);
  tag.tagName = wideAlias;
  std::size_t dot = tag.tagName.find(L'.');
  if (dot != std::wstring::npos) tag.tagName[dot] = L'_';
  KindRule rule = RuleOf(kindText);
  tag.typeCode = rule.typeCode;
  tag.address = rule.prefix + wideAlias;
  return tag;
}

}  // namespace orv::softplc
