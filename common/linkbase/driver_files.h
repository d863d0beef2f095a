// Contents of the driver configuration file and the driver worksheet file that the
// soft-PLC links write for the maker's communication drivers. The texts use "\n" for
// line ends; the text file class stores each as CR LF.
#pragma once
#include <string>
#include <vector>

namespace orv::softplc {

// The lines of a driver configuration file, one value per line.
std::vector<std::wstring> ThinkDoConfigLines(const std::wstring& ipAddress, const std::wstring& appFolder);
std::vector<std::wstring> VivazorConfigLines(const std::wstring& serverName, const std::wstring& appFolder,
                                             bool autoExchange, bool simulate);
std::vector<std::wstring> VuzaConfigLines();
std::vector<std::wstring> RevidadConfigLines();

// Every line followed by a line end.
std::wstring ConfigText(const std::vector<std::wstring>& lines);

struct WorksheetHeader {
  std::wstring description;
  std::wstring driverName;
  std::wstring stationText;
};

struct WorksheetRow {
  std::wstring tagName;
  std::wstring address;
};

// Header lines, the form feed without line end, then one row per entry.
std::wstring WorksheetText(const WorksheetHeader& header, const std::vector<WorksheetRow>& rows);

}  // namespace orv::softplc
