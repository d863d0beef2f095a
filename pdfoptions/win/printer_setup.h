// Sets up printers in the local spooler: a driver of a chosen name over existing
// driver files, a local port and the printer itself.
#pragma once
#include <string>

namespace orv::pdf::win {

inline constexpr const wchar_t* kFolvaDriverName = L"folvaPDF Writer";
inline constexpr const wchar_t* kFolvaPortName = L"FPD1:";

struct PrinterSetup {
  std::wstring printerName;
  std::wstring driverName = kFolvaDriverName;
  std::wstring portName = kFolvaPortName;
  std::wstring driverFile = L"wineps.drv";  // an existing file of the driver folder
};

// Creates what is missing; an existing driver, port or printer is kept. On failure
// *error tells which step failed and why.
bool InstallPrinter(const PrinterSetup& setup, std::wstring* error);
bool RemovePrinter(const std::wstring& printerName, std::wstring* error);

}  // namespace orv::pdf::win
