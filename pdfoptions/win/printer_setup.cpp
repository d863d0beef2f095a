#include "printer_setup.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "unique_printer.h"

namespace orv::pdf::win {
namespace {
std::wstring Failure(const wchar_t* step, DWORD code) {
  return std::wstring(step) + L" failed (error " + std::to_wstring(code) + L")";
}

bool AddDriver(const PrinterSetup& s, std::wstring* error) {
  DRIVER_INFO_3W info{};
  info.cVersion = 3;
  info.pName = const_cast<wchar_t*>(s.driverName.c_str());
  info.pDriverPath = const_cast<wchar_t*>(s.driverFile.c_str());
  info.pDataFile = const_cast<wchar_t*>(s.driverFile.c_str());
  info.pConfigFile = const_cast<wchar_t*>(s.driverFile.c_str());
  if (::AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&info))) return true;
  DWORD code = ::GetLastError();
  if (code == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) return true;
  *error = Failure(L"adding the printer driver", code);
  return false;
}

bool AddPort(const PrinterSetup& s, std::wstring* error) {
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
  UniquePrinter monitor;
  if (!::OpenPrinterW(const_cast<wchar_t*>(L",XcvMonitor Local Port"), monitor.put(), &defaults)) {
    *error = Failure(L"opening the local port monitor", ::GetLastError());
    return false;
  }
  DWORD needed = 0, status = 0;
  BOOL ok = ::XcvDataW(monitor.get(), L"AddPort", reinterpret_cast<BYTE*>(const_cast<wchar_t*>(s.portName.c_str())),
                       static_cast<DWORD>((s.portName.size() + 1) * sizeof(wchar_t)), nullptr, 0, &needed, &status);
  if (ok && (status == ERROR_SUCCESS || status == ERROR_ALREADY_EXISTS)) return true;
  *error = Failure(L"adding the port", ok ? status : ::GetLastError());
  return false;
}
}  // namespace

bool InstallPrinter(const PrinterSetup& s, std::wstring* error) {
  if (!AddDriver(s, error) || !AddPort(s, error)) return false;
  PRINTER_INFO_2W info{};
  info.pPrinterName = const_cast<wchar_t*>(s.printerName.c_str());
  info.pPortName = const_cast<wchar_t*>(s.portName.c_str());
  info.pDriverName = const_cast<wchar_t*>(s.driverName.c_str());
  info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
  info.pDatatype = const_cast<wchar_t*>(L"RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  UniquePrinter printer(::AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info)));
  if (printer) return true;
  DWORD code = ::GetLastError();
  if (code == ERROR_PRINTER_ALREADY_EXISTS) return true;
  *error = Failure(L"adding the printer", code);
  return false;
}

bool RemovePrinter(const std::wstring& printerName, std::wstring* error) {
  PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ALL_ACCESS};
  UniquePrinter printer;
  if (!::OpenPrinterW(const_cast<wchar_t*>(printerName.c_str()), printer.put(), &defaults)) {
    *error = Failure(L"opening the printer", ::GetLastError());
    return false;
  }
  if (::DeletePrinter(printer.get())) return true;
  *error = Failure(L"deleting the printer", ::GetLastError());
  return false;
}

}  // namespace orv::pdf::win
