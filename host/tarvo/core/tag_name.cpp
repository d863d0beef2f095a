#include "core/tag_name.h"

#include "core/text_util.h"

namespace tarvo {
namespace {

const wchar_t* const kFieldNames[kFieldCount] = {
    L"Name",        L"Description",  L"Value",        L"Quality",       L"TimeStamp",    L"Max",
    L"Min",         L"Unit",         L"Size",         L"Type",          L"Changed",      L"Blocked",
    L"Hidden",      L"Retentive",    L"DefaultValue", L"Format",        L"Decimals",     L"ScaleFactor",
    L"Offset",      L"HiHi",         L"Hi",           L"Lo",            L"LoLo",         L"Rate",
    L"DevPlus",     L"DevMinus",     L"HiHiLimit",    L"HiLimit",       L"LoLimit",      L"LoLoLimit",
    L"RateLimit",   L"DevPlusLimit", L"DevMinusLimit", L"DevSetpoint",  L"Deadband",     L"Ack",
    L"Unack",       L"AlarmEnable",  L"AlarmState",   L"AlarmCount",    L"AlarmTime",    L"AlarmGroup",
    L"AlarmText",   L"AlarmPriority", L"Trend",       L"TrendInterval", L"LogEnable",    L"LogDeadband",
    L"Owner",       L"Access",       L"SecurityLevel", L"ReadOnly",     L"Source",       L"Address",
    L"Driver",      L"Station",      L"ScanTime",     L"LastWriter",    L"WriteCount",   L"ReadCount",
    L"Comment"};

std::size_t ScanName(const std::wstring& t, std::size_t pos) {
  std::size_t p = pos;
  if (p < t.size() && IsNameStartChar(t[p])) {
    ++p;
    while (p < t.size() && IsNameChar(t[p])) ++p;
  }
  return p - pos;
}

bool ParseIndex(const std::wstring& s, int& value) {
  if (s.empty() || s.size() > 5) return false;
  int v = 0;
  for (wchar_t c : s) {
    if (c < L'0' || c > L'9') return false;
    v = v * 10 + (c - L'0');
  }
  value = v;
  return true;
}

}  // namespace

const wchar_t* FieldName(int field) { return field >= 1 && field <= kFieldCount ? kFieldNames[field - 1] : L""; }

int FindField(const std::wstring& name) {
  for (int i = 0; i < kFieldCount; ++i)
    if (EqualsNoCase(name, kFieldNames[i])) return i + 1;
  return 0;
}

bool ParseTagName(const TagDatabase& db, const std::wstring& text, TagRef& out) {
  TagRef ref;
  std::size_t p = 0;
  if (p < text.size() && text[p] == L'@') {
    ref.flags |= kRefIndirect;
    ++p;
  }
  const std::size_t nameLen = ScanName(text, p);
  if (nameLen == 0) return false;
  ref.tag = db.FindTag(text.substr(p, nameLen));
  if (ref.tag == 0) return false;
  const TagDef& tag = *db.Tag(ref.tag);
  p += nameLen;
  if ((ref.flags & kRefIndirect) && !(tag.flags & kTagIndirect) && tag.type != kTypeString) return false;
  if (p < text.size() && text[p] == L'[') {
    const std::size_t close = text.find(L']', p);
    if (close == std::wstring::npos || tag.arraySize == 0) return false;
    const std::wstring inner = text.substr(p + 1, close - p - 1);
    int index = 0;
    if (ParseIndex(inner, index)) {
      if (index > tag.arraySize) return false;
      ref.index = index;
    } else {
      const int indexTag = ScanName(inner, 0) == inner.size() ? db.FindTag(inner) : 0;
      if (indexTag == 0) return false;
      const TagDef& it = *db.Tag(indexTag);
      if (it.arraySize != 0 || it.type == kTypeString || it.type >= kFirstClassType) return false;
      ref.indexTag = indexTag;
    }
    p = close + 1;
  }
  if (p < text.size() && text[p] == L'.') {
    if (tag.type < kFirstClassType) return false;
    ++p;
    const std::size_t memberLen = ScanName(text, p);
    if (memberLen == 0) return false;
    ref.member = db.MemberNumber(tag.type - kFirstClassType + 1, text.substr(p, memberLen));
    if (ref.member == 0) return false;
    p += memberLen;
  }
  if (p + 1 < text.size() && text[p] == L'-' && text[p + 1] == L'>') {
    p += 2;
    const std::size_t fieldLen = ScanName(text, p);
    if (fieldLen == 0) return false;
    ref.field = FindField(text.substr(p, fieldLen));
    if (ref.field == 0) return false;
    p += fieldLen;
  }
  if (p != text.size()) return false;
  out = ref;
  return true;
}

bool FormatTagName(const TagDatabase& db, const TagRef& ref, std::wstring& text) {
  text.clear();
  const TagDef* tag = db.Tag(ref.tag);
  if (!tag) return false;
  std::wstring t;
  if (ref.flags & kRefIndirect) t += L'@';
  t += tag->name;
  if (ref.indexTag > 0) {
    const TagDef* it = db.Tag(ref.indexTag);
    if (!it) return false;
    t += L"[" + it->name + L"]";
  } else if (ref.index != 0) {
    if (ref.index < 0 || ref.index > tag->arraySize) return false;
    t += L"[" + std::to_wstring(ref.index) + L"]";
  }
  if (ref.member != 0) {
    const ClassDef* cls = db.ClassOfType(tag->type);
    if (!cls || ref.member < 0 || ref.member > static_cast<int>(cls->members.size())) return false;
    t += L"." + cls->members[static_cast<std::size_t>(ref.member - 1)].name;
  }
  if (ref.field != 0) {
    if (ref.field < 1 || ref.field > kFieldCount) return false;
    t += std::wstring(L"->") + FieldName(ref.field);
  }
  text = t;
  return true;
}

std::size_t ScanTagNameShape(const std::wstring& text, std::size_t pos) {
  std::size_t p = pos;
  if (p < text.size() && text[p] == L'@') ++p;
  const std::size_t n = ScanName(text, p);
  if (n == 0) return 0;
  p += n;
  if (p < text.size() && text[p] == L'[') {
    const std::size_t close = text.find(L']', p);
    if (close == std::wstring::npos) return p - pos;
    p = close + 1;
  }
  if (p + 1 < text.size() && text[p] == L'.' && IsNameStartChar(text[p + 1])) p += 1 + ScanName(text, p + 1);
  if (p + 2 < text.size() && text[p] == L'-' && text[p + 1] == L'>' && IsNameStartChar(text[p + 2]))
    p += 2 + ScanName(text, p + 2);
  return p - pos;
}

}  // namespace tarvo
