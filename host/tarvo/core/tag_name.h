// Tag names as modules write them: [@]Tag[[index]][.Member][->Field], the index a
// number or the name of another tag. Parsing checks every part against the tag
// database; anything else is not a tag.
#pragma once
#include <cstdint>
#include <string>

#include "core/tag_database.h"

namespace tarvo {

constexpr std::uint32_t kRefIndirect = 0x100;  // written with the "@" prefix
constexpr int kFieldCount = 61;

// The portable image of the host's tag reference record.
struct TagRef {
  std::int32_t tag = 0;       // tag number from 1
  std::int32_t index = 0;     // constant index
  std::int32_t indexTag = 0;  // > 0: the index is that tag's value
  std::int32_t member = 0;    // member number from 1
  std::int32_t field = 0;     // 1 to 61
  std::uint32_t flags = 0;
};

// Name of field 1..61 ("Value", "Description", ...); empty outside.
const wchar_t* FieldName(int field);
int FindField(const std::wstring& name);  // 0 when none (case ignored)

// Parses a tag name; false (ref untouched) for anything that is not a tag.
bool ParseTagName(const TagDatabase& db, const std::wstring& text, TagRef& ref);
// The full name of a reference; false (text empty) when it names no tag.
bool FormatTagName(const TagDatabase& db, const TagRef& ref, std::wstring& text);

// Length of the longest prefix of text[pos..] that has the shape of a tag name
// (name characters, "@", "[..]", ".", "->"), for scanners of expressions and texts.
std::size_t ScanTagNameShape(const std::wstring& text, std::size_t pos);

}  // namespace tarvo
