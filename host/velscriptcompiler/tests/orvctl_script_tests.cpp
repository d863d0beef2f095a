// orvctl's "script check" command on real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "process/run_process.h"

namespace {

using orv::testing::ProgramFolder;
using orv::testing::RunProcess;
using orv::testing::TempFolder;
using orv::testing::WriteFileBytes;

std::wstring Orvctl(const std::wstring& args) { return L"\"" + ProgramFolder() + L"orvctl.exe\" " + args; }

TEST(OrvctlScriptCheck, ChecksUtf16And8BitFiles) {
  TempFolder folder(L"vsc");
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("x = 1\r\nIf x\r\nEnd If\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  ASSERT_TRUE(WriteFileBytes(folder / L"bad.vbs", utf16));
  ASSERT_TRUE(WriteFileBytes(folder / L"good.vbs", "Sub A()\r\n  MsgBox \"hi\"\r\nEnd Sub\r\n"));
  ASSERT_TRUE(WriteFileBytes(folder / L"loose.vbs", "Sub A()\r\nEnd Sub\r\nA\r\n"));

  auto bad = RunProcess(Orvctl(L"script check \"" + (folder / L"bad.vbs") + L"\""));
  EXPECT_EQ(bad.exitCode, 1u);
  EXPECT_EQ(bad.out.rfind("Line 2: ", 0), 0u) << bad.out;
  auto good = RunProcess(Orvctl(L"script check \"" + (folder / L"good.vbs") + L"\" --procedures"));
  EXPECT_EQ(good.exitCode, 0u) << good.out << good.err;
  EXPECT_NE(good.out.find("Script is OK!"), std::string::npos);
  auto loose = RunProcess(Orvctl(L"script check \"" + (folder / L"loose.vbs") + L"\" --procedures"));
  EXPECT_EQ(loose.exitCode, 1u);
  EXPECT_EQ(loose.out.rfind("Line 3: ", 0), 0u) << loose.out;
  auto missing = RunProcess(Orvctl(L"script check \"" + (folder / L"none.vbs") + L"\""));
  EXPECT_EQ(missing.exitCode, 1u);
  EXPECT_NE(missing.err.find("Cannot open"), std::string::npos);
  EXPECT_EQ(RunProcess(Orvctl(L"script check")).exitCode, 2u);
}

}  // namespace
