#include "paper_forms.h"

#include <cstring>

#include "text/utf16le.h"

namespace orv::pdf {
namespace {
const wchar_t* const kStandardForms[kStandardFormCount] = {
    L"A4",           L"Letter",         L"Legal",           L"Executive",           L"A5",
    L"Envelope #10", L"Envelope DL",    L"Envelope C5",     L"Envelope B5",         L"Envelope Monarch",
    L"A6",           L"Tabloid",        L"Statement",       L"B4 (JIS)",            L"B5 (JIS)",
    L"Folio",        L"Quarto",         L"10x14",           L"11x17",               L"Note",
    L"Envelope #9",  L"Envelope #11",   L"Envelope #12",    L"Envelope #14",        L"Envelope C3",
    L"Envelope C4",  L"Envelope C6",    L"Envelope C65",    L"Envelope B4",         L"Envelope B6",
    L"US Std Fanfold", L"German Std Fanfold", L"German Legal Fanfold"};

constexpr std::size_t kNameOffset = 0, kNameBytes = 64, kDescriptionOffset = 64, kDescriptionBytes = 128;

void PutText(unsigned char* at, std::size_t room, const std::wstring& text, std::size_t maxChars) {
  std::string bytes = ToUtf16LE(text.substr(0, maxChars));
  std::memcpy(at, bytes.data(), bytes.size() < room - 2 ? bytes.size() : room - 2);
}

std::wstring GetText(const unsigned char* at, std::size_t room) {
  std::size_t n = 0;
  while (n + 1 < room && (at[n] | at[n + 1])) n += 2;
  return FromUtf16LE(at, n);
}

void Put32(unsigned char* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(v >> (8 * i));
}
std::uint32_t Get32(const unsigned char* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}
}  // namespace

int StandardFormIndex(const std::wstring& name) {
  for (int i = 0; i < kStandardFormCount; ++i) {
    if (name == kStandardForms[i]) return i;
  }
  return -1;
}

const wchar_t* StandardFormName(int index) {
  return index >= 0 && index < kStandardFormCount ? kStandardForms[index] : nullptr;
}

std::wstring EncodeCustomForms(const std::vector<CustomForm>& forms) {
  std::wstring text;
  text.reserve(forms.size() * kFormRecordChars);
  for (const CustomForm& f : forms) {
    unsigned char record[kFormRecordBytes] = {};
    PutText(record + kNameOffset, kNameBytes, f.name, kMaxFormName);
    PutText(record + kDescriptionOffset, kDescriptionBytes, f.description, kMaxFormDescription);
    Put32(record + 192, static_cast<std::uint32_t>(f.width));
    Put32(record + 196, static_cast<std::uint32_t>(f.height));
    Put32(record + 200, static_cast<std::uint32_t>(f.hidden));
    Put32(record + 204, static_cast<std::uint32_t>(f.field204));
    record[208] = static_cast<unsigned char>(f.field208 & 0xFF);
    record[209] = static_cast<unsigned char>(f.field208 >> 8);
    for (unsigned char b : record) {
      text.push_back(static_cast<wchar_t>(L'0' + (static_cast<signed char>(b) >> 4)));
      text.push_back(static_cast<wchar_t>(L'0' + (b & 0xF)));
    }
  }
  return text;
}

std::optional<std::vector<CustomForm>> DecodeCustomForms(const std::wstring& text) {
  std::vector<CustomForm> forms;
  if (text.size() % kFormRecordBytes != 0) return std::nullopt;
  std::size_t count = text.size() / kFormRecordChars;
  if (count > 64) count = 64;
  for (std::size_t r = 0; r < count; ++r) {
    unsigned char record[kFormRecordBytes];
    for (std::size_t i = 0; i < kFormRecordBytes; ++i) {
      int hi = static_cast<int>(text[r * kFormRecordChars + 2 * i]) - L'0';
      int lo = static_cast<int>(text[r * kFormRecordChars + 2 * i + 1]) - L'0';
      if (hi < -8 || hi > 7 || lo < 0 || lo > 15) return std::nullopt;
      record[i] = static_cast<unsigned char>(((hi & 0xF) << 4) | lo);
    }
    CustomForm f;
    f.name = GetText(record + kNameOffset, kNameBytes);
    f.description = GetText(record + kDescriptionOffset, kDescriptionBytes);
    f.width = static_cast<std::int32_t>(Get32(record + 192));
    f.height = static_cast<std::int32_t>(Get32(record + 196));
    f.hidden = static_cast<std::int32_t>(Get32(record + 200));
    f.field204 = static_cast<std::int32_t>(Get32(record + 204));
    f.field208 = static_cast<std::uint16_t>(record[208] | (record[209] << 8));
    forms.push_back(std::move(f));
  }
  return forms;
}

}  // namespace orv::pdf
