// The options a profile record holds, with their types, new-profile values and
// the room the record gives them.
#pragma once
#include <string>
#include <vector>

namespace orv::pdf {

enum class OptionType { Text, Number, Encoded };
// How a number is kept in the record: 32-bit, signed or unsigned 16-bit.
enum class NumberWidth { Long, Short, UShort };

struct OptionSpec {
  const wchar_t* name;
  OptionType type;
  const wchar_t* newValue;  // value of a new profile
  unsigned capacity;        // texts: characters kept (0 = unlimited)
  NumberWidth width;
  const wchar_t* fileMissing = nullptr;  // array items: value when missing from the file
};

const std::vector<OptionSpec>& ProfileOptions();
const std::vector<OptionSpec>& TextWatermarkValues();
const std::vector<OptionSpec>& ImageWatermarkValues();
const std::vector<OptionSpec>& BookmarkDefinitionValues();

const OptionSpec* FindProfileOption(const std::wstring& name);

constexpr int kMaxWatermarks = 10;
constexpr int kMaxHeadings = 9;
constexpr int kMaxDefinitions = 9;

// Names of the counts and of the values that are array items.
inline constexpr const wchar_t* kTextWatermarkCount = L"Number of Text Watermarks";
inline constexpr const wchar_t* kImageWatermarkCount = L"Number of Image Watermarks";
inline constexpr const wchar_t* kHeadingCount = L"Bookmark Items Number";
inline constexpr const wchar_t* kDefinitionCount = L"Bookmarks Number of Sub-Levels";
inline constexpr const wchar_t* kCustomForms = L"Custom Forms";
inline constexpr const wchar_t* kFormFlags = L"Standard Forms Visibility Flags";
inline constexpr const wchar_t* kDefaultFormFlags = L"1111111111100000000000000000000000000";
inline constexpr const wchar_t* kAllowChange = L"AllowChangeProfile";
inline constexpr const wchar_t* kPublicFlag = L"PublicProfile";

// Flattened names of array items, as the public profile file writes them.
std::wstring TextWatermarkKey(int index, const std::wstring& value);   // from 0
std::wstring ImageWatermarkKey(int index, const std::wstring& value);  // from 0
std::wstring HeadingKey(int heading, const std::wstring& value);       // from 1
std::wstring DefinitionKey(int heading, int definition, const std::wstring& value);  // from 1

}  // namespace orv::pdf
