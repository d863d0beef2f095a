#include "test_printers.h"

#include <gtest/gtest.h>

#include <vector>

#include "printer_setup.h"
#include "printer_store.h"
#include "process/run_process.h"
#include "win/unique_resource.h"
#include "win_store_ports.h"

namespace orv::pdf::testing {

void EnsureTestPrinters() {
  std::wstring error;
  win::PrinterSetup folva;
  folva.printerName = kComPrinter;
  ASSERT_TRUE(win::InstallPrinter(folva, &error)) << std::string(error.begin(), error.end());
  win::PrinterSetup plain;
  plain.printerName = kPlainPrinter;
  plain.driverName = L"Generic Test Driver";
  plain.portName = L"FPD2:";
  ASSERT_TRUE(win::InstallPrinter(plain, &error)) << std::string(error.begin(), error.end());
}

std::wstring ServerPath() { return orv::testing::ProgramFolder() + L"folvapiDemo.dll"; }

DWORD RegisterServerWithRegsvr32() {
  return orv::testing::RunProcess(L"regsvr32 /s \"" + ServerPath() + L"\"").exitCode;
}

void ForgetPrinterStore(const std::wstring& printerName, const std::wstring& publicFile) {
  std::wstring key = L"Software\\Dunmere\\folvaPDF\\Printers\\" + PrinterStore::PrinterKeyName(printerName);
  ::RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, publicFile.c_str());
  ::DeleteFileW(publicFile.c_str());
}

std::wstring LocalPublicFile() {
  win::WinMachine machine;
  return machine.PrinterDriverFolder() + L"\\3\\folva_" + machine.ComputerName() + L"_D4.fvp";
}

std::wstring RegString(HKEY root, const std::wstring& key, const wchar_t* name, bool* found) {
  orv::win::UniqueRegKey k;
  if (found) *found = false;
  if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return L"";
  wchar_t buf[1024];
  DWORD size = sizeof(buf), type = 0;
  if (::RegQueryValueExW(k.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS) {
    return L"";
  }
  if (found) *found = true;
  if (type != REG_SZ) return L"<type " + std::to_wstring(type) + L">";
  return std::wstring(buf, size / sizeof(wchar_t)).c_str();
}

}  // namespace orv::pdf::testing
