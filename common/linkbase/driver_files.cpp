#include "driver_files.h"

namespace orv::softplc {

namespace {
// Lines 1 to 6 are the same for every driver.
std::vector<std::wstring> SerialLines() { return {L"COM2", L"9600", L"8", L"1", L"0", L""}; }

void Append(std::vector<std::wstring>& lines, std::initializer_list<const wchar_t*> more) {
  for (const wchar_t* line : more) lines.emplace_back(line);
}
}  // namespace

std::vector<std::wstring> ThinkDoConfigLines(const std::wstring& ipAddress, const std::wstring& appFolder) {
  std::vector<std::wstring> lines = SerialLines();
  lines.push_back(ipAddress);
  lines.push_back(appFolder);
  Append(lines, {L"0", L"1", L"1000", L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0"});
  return lines;
}

std::vector<std::wstring> VivazorConfigLines(const std::wstring& serverName, const std::wstring& appFolder,
                                             bool autoExchange, bool simulate) {
  std::vector<std::wstring> lines = SerialLines();
  lines.push_back(serverName);
  lines.push_back(appFolder);
  lines.emplace_back(autoExchange ? L"1" : L"0");
  lines.emplace_back(simulate ? L"1" : L"0");
  Append(lines, {L"1000", L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0"});
  return lines;
}

std::vector<std::wstring> VuzaConfigLines() {
  std::vector<std::wstring> lines = SerialLines();
  Append(lines, {L"", L"", L"0", L"0", L"1000", L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0", L"0"});
  return lines;
}

std::vector<std::wstring> RevidadConfigLines() {
  std::vector<std::wstring> lines = SerialLines();
  Append(lines, {L"", L"", L"", L"0", L"0", L"1000", L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0"});
  return lines;
}

std::wstring ConfigText(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\n";
  return text;
}

std::wstring WorksheetText(const WorksheetHeader& header, const std::vector<WorksheetRow>& rows) {
  std::wstring text = header.description + L"\n" + header.driverName + L"\n" + L"0|0\n" +
                      std::to_wstring(rows.size()) + L"\n";
  text += L"T\nV1\nT\nT\nT\nV1\nT\nT\n";
  text += L"S\nS" + header.stationText + L"\n";
  text += L"I\nI\nF\nF\n";
  text += L'\f';
  for (const WorksheetRow& row : rows) text += L"T" + row.tagName + L"\tB" + row.address + L"\tF\tF\n";
  return text;
}

}  // namespace orv::softplc
