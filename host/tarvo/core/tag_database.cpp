#include "core/tag_database.h"

#include "core/text_util.h"
#include "text/utf16le.h"

namespace tarvo {
namespace {

const wchar_t kHeader[] = L"ORVANE-TAGS\t1";

}  // namespace

bool IsNameStartChar(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7 && !(c >= 0x2000 && c <= 0x2BFF) && !(c >= 0x3000 && c <= 0x303F) &&
          !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFEFF && c != 0xFFFE && c != 0xFFFF);
}
bool IsNameChar(wchar_t c) { return IsNameStartChar(c) || (c >= L'0' && c <= L'9'); }

namespace {

std::vector<std::wstring> SplitTabs(const std::wstring& line) {
  std::vector<std::wstring> out(1);
  for (wchar_t c : line) {
    if (c == L'\t')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

bool ParseCount(const std::wstring& text, int maxValue, int& value) {
  if (text.empty() || text.size() > 6) return false;
  int v = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    v = v * 10 + (c - L'0');
  }
  if (v > maxValue) return false;
  value = v;
  return true;
}

std::wstring LineError(int line, const std::wstring& what) { return L"line " + std::to_wstring(line) + L": " + what; }

}  // namespace

bool IsValidName(const std::wstring& name) {
  if (name.empty() || name.size() > kMaxNameLength || !IsNameStartChar(name[0])) return false;
  for (wchar_t c : name)
    if (!IsNameChar(c)) return false;
  return true;
}

std::wstring FlagsText(std::uint32_t flags) {
  std::wstring t;
  if (flags & kTagIndirect) t += L'I';
  if (flags & kTagAlarm) t += L'A';
  if (flags & kTagTrend) t += L'T';
  return t.empty() ? L"-" : t;
}

bool ParseFlags(const std::wstring& text, std::uint32_t& flags) {
  flags = 0;
  if (text == L"-" || text.empty()) return true;
  for (wchar_t c : text) {
    switch (c) {
      case L'I': case L'i': flags |= kTagIndirect; break;
      case L'A': case L'a': flags |= kTagAlarm; break;
      case L'T': case L't': flags |= kTagTrend; break;
      default: return false;
    }
  }
  return true;
}

const TagDef* TagDatabase::Tag(int number) const {
  if (number < 1 || number > TagCount()) return nullptr;
  return &tags_[static_cast<std::size_t>(number - 1)];
}

int TagDatabase::FindTag(const std::wstring& name) const {
  auto it = tagIndex_.find(FoldCase(name));
  return it == tagIndex_.end() ? 0 : it->second;
}

const ClassDef* TagDatabase::Class(int number) const {
  if (number < 1 || number > ClassCount()) return nullptr;
  return &classes_[static_cast<std::size_t>(number - 1)];
}

int TagDatabase::FindClass(const std::wstring& name) const {
  auto it = classIndex_.find(FoldCase(name));
  return it == classIndex_.end() ? 0 : it->second;
}

int TagDatabase::MemberNumber(int classNumber, const std::wstring& member) const {
  const ClassDef* cls = Class(classNumber);
  if (!cls) return 0;
  for (std::size_t i = 0; i < cls->members.size(); ++i)
    if (EqualsNoCase(cls->members[i].name, member)) return static_cast<int>(i) + 1;
  return 0;
}

int TagDatabase::ParseType(const std::wstring& text) const {
  static const wchar_t* const kWords[] = {L"boolean", L"integer", L"real", L"string"};
  if (text.size() == 1 && text[0] >= L'0' && text[0] <= L'3') return text[0] - L'0';
  for (int i = 0; i < 4; ++i)
    if (EqualsNoCase(text, kWords[i])) return i;
  const int cls = FindClass(text);
  return cls > 0 ? kFirstClassType + cls - 1 : -1;
}

std::wstring TagDatabase::TypeName(int type) const {
  static const wchar_t* const kWords[] = {L"Boolean", L"Integer", L"Real", L"String"};
  if (type >= 0 && type < kFirstClassType) return kWords[type];
  const ClassDef* cls = ClassOfType(type);
  return cls ? cls->name : std::wstring();
}

int TagDatabase::MaxArraySize() const { return kMaxArraySize; }

bool TagDatabase::AddClass(const ClassDef& cls, std::wstring& error) {
  if (!IsValidName(cls.name)) { error = L"invalid class name \"" + cls.name + L"\""; return false; }
  if (FindClass(cls.name)) { error = L"class \"" + cls.name + L"\" is defined twice"; return false; }
  for (std::size_t i = 0; i < cls.members.size(); ++i) {
    const ClassMember& m = cls.members[i];
    if (!IsValidName(m.name)) { error = L"invalid member name \"" + m.name + L"\""; return false; }
    if (m.type < 0 || m.type >= kFirstClassType) { error = L"member \"" + m.name + L"\" has no basic type"; return false; }
    for (std::size_t j = 0; j < i; ++j)
      if (EqualsNoCase(cls.members[j].name, m.name)) { error = L"member \"" + m.name + L"\" is defined twice"; return false; }
  }
  classes_.push_back(cls);
  classIndex_[FoldCase(cls.name)] = ClassCount();
  return true;
}

bool TagDatabase::AddTag(const TagDef& tag, std::wstring& error) {
  if (!IsValidName(tag.name)) { error = L"invalid tag name \"" + tag.name + L"\""; return false; }
  if (FindTag(tag.name)) { error = L"tag \"" + tag.name + L"\" is defined twice"; return false; }
  if (tag.type < 0 || tag.type >= kFirstClassType + ClassCount()) { error = L"tag \"" + tag.name + L"\" has an unknown type"; return false; }
  if (tag.arraySize < 0 || tag.arraySize > kMaxArraySize) { error = L"tag \"" + tag.name + L"\" has an array size outside 0 to 255"; return false; }
  for (wchar_t c : tag.description)
    if (c == L'\t' || c == L'\r' || c == L'\n') { error = L"the description of \"" + tag.name + L"\" holds a tab or line end"; return false; }
  tags_.push_back(tag);
  tagIndex_[FoldCase(tag.name)] = TagCount();
  return true;
}

bool TagDatabase::Load(const std::string& bytes, std::wstring& error) {
  if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xFE) {
    error = L"not a UTF-16 tag database (no byte order mark)";
    return false;
  }
  const std::wstring text = orv::FromUtf16LE(bytes.data() + 2, bytes.size() - 2);
  TagDatabase db;
  ClassDef* openClass = nullptr;
  std::size_t pos = 0;
  int lineNo = 0;
  bool headerSeen = false;
  while (pos <= text.size()) {
    std::size_t end = text.find(L'\n', pos);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (!headerSeen) {
      if (line != kHeader) { error = LineError(lineNo, L"the file does not start with the tag database header"); return false; }
      headerSeen = true;
      continue;
    }
    if (line.empty() || line[0] == L'#') continue;
    const std::vector<std::wstring> f = SplitTabs(line);
    if (f[0] == L"CLASS" && f.size() == 2) {
      ClassDef cls;
      cls.name = f[1];
      if (!db.AddClass(cls, error)) { error = LineError(lineNo, error); return false; }
      openClass = &db.classes_.back();
    } else if (f[0] == L"MEMBER" && f.size() == 3) {
      if (!openClass) { error = LineError(lineNo, L"member outside a class"); return false; }
      ClassMember m;
      m.name = f[1];
      m.type = db.ParseType(f[2]);
      if (m.type < 0 || m.type >= kFirstClassType) { error = LineError(lineNo, L"member \"" + m.name + L"\" has no basic type"); return false; }
      if (!IsValidName(m.name) || db.MemberNumber(db.ClassCount(), m.name)) {
        error = LineError(lineNo, L"invalid or repeated member name \"" + m.name + L"\"");
        return false;
      }
      openClass->members.push_back(m);
    } else if (f[0] == L"TAG" && (f.size() == 5 || f.size() == 6)) {
      openClass = nullptr;
      TagDef tag;
      tag.name = f[1];
      tag.type = db.ParseType(f[2]);
      if (tag.type < 0) { error = LineError(lineNo, L"unknown type \"" + f[2] + L"\""); return false; }
      if (!ParseCount(f[3], kMaxArraySize, tag.arraySize)) { error = LineError(lineNo, L"bad array size \"" + f[3] + L"\""); return false; }
      if (!ParseFlags(f[4], tag.flags)) { error = LineError(lineNo, L"bad flags \"" + f[4] + L"\""); return false; }
      if (f.size() == 6) tag.description = f[5];
      if (!db.AddTag(tag, error)) { error = LineError(lineNo, error); return false; }
    } else {
      error = LineError(lineNo, L"unknown or malformed entry");
      return false;
    }
  }
  if (!headerSeen) { error = L"empty file"; return false; }
  *this = std::move(db);
  return true;
}

std::string TagDatabase::Save() const {
  std::wstring text = kHeader;
  text += L"\r\n# type: 0 Boolean, 1 Integer, 2 Real, 3 String, or a class name; flags: I indirect, A alarm, T trend\r\n";
  for (const ClassDef& cls : classes_) {
    text += L"CLASS\t" + cls.name + L"\r\n";
    for (const ClassMember& m : cls.members) text += L"MEMBER\t" + m.name + L"\t" + std::to_wstring(m.type) + L"\r\n";
  }
  for (const TagDef& tag : tags_) {
    text += L"TAG\t" + tag.name + L"\t" + (tag.type >= kFirstClassType ? TypeName(tag.type) : std::to_wstring(tag.type)) +
            L"\t" + std::to_wstring(tag.arraySize) + L"\t" + FlagsText(tag.flags);
    if (!tag.description.empty()) text += L"\t" + tag.description;
    text += L"\r\n";
  }
  std::string bytes("\xFF\xFE", 2);
  orv::AppendUtf16LE(bytes, text);
  return bytes;
}

}  // namespace tarvo
