// Paper forms of a profile: the standard forms with their visibility flags and the
// custom form records stored as nibble text.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv::pdf {

constexpr int kStandardFormCount = 33;
constexpr std::size_t kMaxCustomForms = 34;
constexpr std::size_t kFormRecordBytes = 216;
constexpr std::size_t kFormRecordChars = 432;
constexpr std::size_t kMaxFormName = 31;
constexpr std::size_t kMaxFormDescription = 63;
constexpr std::int32_t kMinFormSize = 10000;     // thousandths of a millimetre
constexpr std::int32_t kMaxFormSize = 10000000;

// Index of a standard form (exact comparison), or -1.
int StandardFormIndex(const std::wstring& name);
const wchar_t* StandardFormName(int index);

struct CustomForm {
  std::wstring name;
  std::wstring description;
  std::int32_t width = 0;   // thousandths of a millimetre
  std::int32_t height = 0;
  std::int32_t hidden = 0;
  std::int32_t field204 = 1;
  std::uint16_t field208 = 256;
};

std::wstring EncodeCustomForms(const std::vector<CustomForm>& forms);
// Empty text is no forms; a length that is no multiple of 216 reads as nullopt
// (unreadable), as do characters that are no nibble digits.
std::optional<std::vector<CustomForm>> DecodeCustomForms(const std::wstring& text);

}  // namespace orv::pdf
