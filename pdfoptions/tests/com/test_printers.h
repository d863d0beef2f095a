// Printers, registration and store clean-up shared by the Windows tests.
#pragma once
#include <windows.h>

#include <string>

namespace orv::pdf::testing {

inline const std::wstring kComPrinter = L"folvaPDF Test COM";
inline const std::wstring kPlainPrinter = L"Plain Test Printer";

// Creates the two test printers once (kept in the prefix between runs).
void EnsureTestPrinters();
// Registers folvapiDemo.dll of this build with regsvr32; the exit code.
DWORD RegisterServerWithRegsvr32();
std::wstring ServerPath();
// Removes the printer's option store: its registry key and public profile file.
void ForgetPrinterStore(const std::wstring& printerName, const std::wstring& publicFile);
// The public profile file of a local test printer on port "FPD1:".
std::wstring LocalPublicFile();
std::wstring RegString(HKEY root, const std::wstring& key, const wchar_t* name, bool* found = nullptr);

}  // namespace orv::pdf::testing
