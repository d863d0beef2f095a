// The project's tag database: tags (type, array size, flags, description) and classes
// (members with their types), read from and written to our own UTF-16 text format
// (see host/README.md, "Tag database file"). Tag and class numbers run from 1; a class
// tag's type code is 3 + its class number. Names are compared without regard to case.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tarvo {

constexpr int kTypeBoolean = 0;
constexpr int kTypeInteger = 1;
constexpr int kTypeReal = 2;
constexpr int kTypeString = 3;
constexpr int kFirstClassType = 4;
constexpr int kMaxArraySize = 255;  // array sizes are kept within 8 bits
constexpr std::size_t kMaxNameLength = 255;

// Flags of a tag, in the bits the host's tag descriptors use.
constexpr std::uint32_t kTagIndirect = 0x1;
constexpr std::uint32_t kTagTrend = 0x20;
constexpr std::uint32_t kTagAlarm = 0x100;

struct ClassMember {
  std::wstring name;
  int type = kTypeInteger;  // 0 to 3
};

struct ClassDef {
  std::wstring name;
  std::vector<ClassMember> members;  // member numbers from 1
};

struct TagDef {
  std::wstring name;
  int type = kTypeInteger;
  int arraySize = 0;  // 0: scalar; n: elements 0 to n
  std::uint32_t flags = 0;
  std::wstring description;
};

// Whether a text is acceptable as a tag, class or member name: a letter or "_" first,
// then letters, digits and "_" (letters include every non-ASCII letter), at most 255.
bool IsValidName(const std::wstring& name);
bool IsNameStartChar(wchar_t c);
bool IsNameChar(wchar_t c);

class TagDatabase {
 public:
  // Reads the file's bytes (UTF-16LE with byte order mark). On failure returns false,
  // leaves *this unchanged and describes the first fault with its line number.
  bool Load(const std::string& bytes, std::wstring& error);
  std::string Save() const;  // the file's bytes

  int TagCount() const { return static_cast<int>(tags_.size()); }
  const TagDef* Tag(int number) const;  // null outside 1..TagCount()
  int FindTag(const std::wstring& name) const;  // 0 when there is none

  int ClassCount() const { return static_cast<int>(classes_.size()); }
  const ClassDef* Class(int number) const;
  int FindClass(const std::wstring& name) const;
  // The class of a class type code, null for a basic type.
  const ClassDef* ClassOfType(int type) const { return Class(type - kFirstClassType + 1); }
  int MemberNumber(int classNumber, const std::wstring& member) const;  // 0 when none

  // Adds a tag or class; false with a reason for a bad or duplicate definition.
  bool AddTag(const TagDef& tag, std::wstring& error);
  bool AddClass(const ClassDef& cls, std::wstring& error);
  // The type code a text names: "0".."3", a basic type word, or a class name; -1 if none.
  int ParseType(const std::wstring& text) const;
  std::wstring TypeName(int type) const;

  int MaxArraySize() const;

 private:
  std::vector<TagDef> tags_;
  std::vector<ClassDef> classes_;
  std::unordered_map<std::wstring, int> tagIndex_;    // folded name -> number
  std::unordered_map<std::wstring, int> classIndex_;  // folded name -> number
};

std::wstring FlagsText(std::uint32_t flags);
bool ParseFlags(const std::wstring& text, std::uint32_t& flags);

}  // namespace tarvo
