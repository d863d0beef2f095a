#include "map_record.h"

#include <cstdint>
#include <vector>

namespace orv::softplc {

namespace {

// Decimal value as the C library's atoi reads it (leading blanks, a sign, digits),
// wrapping instead of overflowing.
std::int32_t DecimalValue(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || text[i] == L'\t' || text[i] == L'\v' || text[i] == L'\f' ||
                             text[i] == L'\r' || text[i] == L'\n'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
    value = value * 10u + static_cast<std::uint32_t>(text[i] - L'0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

// The tokens of `text` separated by runs of commas, as strtok gives them.
std::vector<std::wstring> Tokens(const std::wstring& text) {
  std::vector<std::wstring> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == L',') ++i;
    if (i >= text.size()) break;
    std::size_t end = text.find(L',', i);
    if (end == std::wstring::npos) end = text.size();
    tokens.push_back(text.substr(i, end - i));
    i = end;
  }
  return tokens;
}

struct KindRow {
  int code;
  const wchar_t* prefix;
  int typeCode;
};

const KindRow kKinds[] = {
    {1, L"Input", 0},    {2, L"Flag", 0},   {3, L"Timer", 1},  {4, L"Output", 0},  {5, L"Counter", 1},
    {7, L"Number", 1},   {8, L"ASCII", 3},  {19, L"Float", 2}, {20, L"System", 2}, {22, L"String", 3},
};

}  // namespace

MapRecord ParseMapRecord(const std::wstring& line) {
  std::wstring text = line;
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();

  // fields[0] is the point name; fields[1..4] are fields 2 to 5.
  std::wstring fields[5];
  std::vector<std::wstring> tokens;
  if (!text.empty() && text[0] == L',') {
    tokens = Tokens(text.substr(1));
    for (std::size_t i = 0; i < tokens.size() && i < 4; ++i) fields[i + 1] = tokens[i];
  } else {
    tokens = Tokens(text);
    for (std::size_t i = 0; i < tokens.size() && i < 5; ++i) fields[i] = tokens[i];
  }

  MapRecord record;
  record.pointName = fields[0];
  record.kindCode = static_cast<int>(static_cast<std::uint8_t>(DecimalValue(fields[2]))) % 90;
  if (!fields[4].empty() && record.kindCode != 0)
    record.pointNumber = static_cast<std::uint16_t>(DecimalValue(fields[4]));
  return record;
}

MapTag TagOfRecord(const MapRecord& record) {
  MapTag tag;
  for (const KindRow& row : kKinds) {
    if (row.code != record.kindCode) continue;
    tag.known = true;
    tag.tagName = row.prefix + std::to_wstring(record.pointNumber);
    tag.typeCode = row.typeCode;
    tag.address = std::to_wstring(row.code) + L":" + std::to_wstring(record.pointNumber);
  }
  return tag;
}

}  // namespace orv::softplc
