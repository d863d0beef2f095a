// A core bound to a local or a network folvaPDF printer over memory doubles.
#pragma once
#include <gtest/gtest.h>

#include "memory_ports.h"
#include "pdf_options_core.h"
#include "value_codec.h"

namespace orv::pdf::testing {

inline const std::wstring kLocalPrinter = L"PDF Local";
inline const std::wstring kNetworkPrinter = L"\\\\SRV\\Pdf";
inline const std::wstring kLocalProfiles = L"Software\\Dunmere\\folvaPDF\\Printers\\PDF Local\\Profiles";
inline const std::wstring kNetworkProfiles = L"Software\\Dunmere\\folvaPDF\\Printers\\SRV,Pdf\\Profiles";
inline const std::wstring kLocalFile = L"C:\\windows\\system32\\spool\\drivers\\x64\\3\\folva_HOST1_D4.fvp";
inline const std::wstring kNetworkFile = L"C:\\users\\me\\AppData\\Roaming\\Dunmere\\folvaPDF\\folva_SRV_D4.fvp";

class CoreTest : public ::testing::Test {
 protected:
  CoreTest() {
    mem.spooler.printers[kLocalPrinter] = {L"folvaPDF Writer", L"FPD1:", L""};
    mem.spooler.printers[kNetworkPrinter] = {L"folvaPDF Writer", L"FPD2:", L"\\\\SRV"};
    mem.spooler.printers[L"Laser"] = {L"Generic Laser", L"LPT1:", L""};
  }
  void Local() { ASSERT_EQ(core.Initialize(kLocalPrinter.c_str()), kOk); }
  void Network() { ASSERT_EQ(core.Initialize(kNetworkPrinter.c_str()), kOk); }
  std::wstring RegText(const std::wstring& key, const std::wstring& name) {
    RegValue v = mem.registry.Read(key, name);
    return v.kind == RegKind::Text ? v.text : L"<" + std::to_wstring(static_cast<int>(v.kind)) + L">";
  }
  std::optional<std::wstring> FileText(const std::wstring& path, const std::wstring& section,
                                       const std::wstring& key) {
    return mem.file.Read(path, section, key, 0);
  }

  MemoryPorts mem;
  PdfOptionsCore core{mem.ports()};
};

}  // namespace orv::pdf::testing
