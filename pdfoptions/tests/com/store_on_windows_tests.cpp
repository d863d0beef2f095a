// The store's core over the real registry, profile-file functions and spooler:
// a network printer (which Wine cannot host) is given to the core by its printer
// information, while every registry and INI call stays real.
#include <windows.h>

#include <gtest/gtest.h>

#include "pdf_options_core.h"
#include "process/run_process.h"
#include "test_printers.h"
#include "value_codec.h"
#include "win/unique_resource.h"
#include "win_store_ports.h"

namespace orv::pdf::testing {
namespace {

const std::wstring kNetwork = L"\\\\SRV\\Pdf";
const std::wstring kNetworkProfiles = L"Software\\Dunmere\\folvaPDF\\Printers\\SRV,Pdf\\Profiles";

std::wstring NetworkFile() {
  return win::WinMachine().AppDataFolder() + L"\\Dunmere\\folvaPDF\\folva_SRV_D4.fvp";
}

bool KeyExists(const std::wstring& key) {
  orv::win::UniqueRegKey k;
  return ::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

class StoreOnWindowsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureTestPrinters(); }
  void SetUp() override {
    ForgetPrinterStore(kNetwork, NetworkFile());
    ForgetPrinterStore(kComPrinter, LocalPublicFile());
  }
  void BindNetwork() {
    PrinterInfo info{L"folvaPDF Writer", L"FPD1:", L"\\\\SRV"};
    ASSERT_EQ(core.Bind(kNetwork, info), kOk);
  }
  win::WinPorts ports;
  PdfOptionsCore core{ports.ports()};
};

TEST_F(StoreOnWindowsTest, NetworkPrinterKeepsUserChangesInTheRegistry) {
  BindNetwork();
  EXPECT_TRUE(core.printer().network);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kNetworkProfiles, L"ActiveProfile"), L"Default Profile");
  const std::wstring file = NetworkFile();
  ASSERT_NE(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);  // folder and file created
  ASSERT_TRUE(::WritePrivateProfileStringW(L"Shared", L"Save File", L"shared.pdf", file.c_str()));
  ASSERT_TRUE(::WritePrivateProfileStringW(L"Shared", L"AllowChangeProfile", L"1", file.c_str()));
  ASSERT_TRUE(::WritePrivateProfileStringW(L"Locked", L"AllowChangeProfile", L"0", file.c_str()));
  const std::string fileBefore = orv::testing::ReadFileBytes(file);

  std::wstring text;
  ASSERT_EQ(core.GetOptionString(L"Save File", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"shared.pdf");
  ASSERT_EQ(core.SetOptionString(L"Save File", L"mine.pdf", L"Shared"), kOk);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kNetworkProfiles + L"\\Shared", L"Save File"), L"mine.pdf");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kNetworkProfiles + L"\\Shared", L"PublicProfile"), L"1");
  ASSERT_EQ(core.GetOptionString(L"Save File", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"mine.pdf");

  EXPECT_EQ(core.SetOptionString(L"Save File", L"x.pdf", L"Locked"), kNetworkPublic);
  EXPECT_EQ(core.AddPublicProfile(L"New"), kNetworkPublic);
  EXPECT_EQ(core.DeleteProfile(L"Shared"), kNetworkPublic);
  EXPECT_FALSE(KeyExists(kNetworkProfiles + L"\\Locked"));

  // A list save keeps only the user's differences and leaves the shared file alone.
  ASSERT_EQ(core.AddProfile(L"Mine"), kOk);
  bool found = true;
  RegString(HKEY_CURRENT_USER, kNetworkProfiles + L"\\Shared", L"Page Zoom", &found);
  EXPECT_FALSE(found);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kNetworkProfiles + L"\\Shared", L"Save File"), L"mine.pdf");
  EXPECT_EQ(orv::testing::ReadFileBytes(file), fileBefore);
  std::vector<std::wstring> names;
  for (HResult hr = core.GetFirstProfile(&text); hr == kOk; hr = core.GetNextProfile(&text)) names.push_back(text);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Default Profile", L"Mine", L"Shared", L"Locked"}));
}

TEST_F(StoreOnWindowsTest, DamagedHexInTheRealFileFailsAndChangesNothing) {
  ASSERT_EQ(core.Initialize(kComPrinter.c_str()), kOk);
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  const std::wstring file = LocalPublicFile();
  ASSERT_TRUE(::WritePrivateProfileStringW(L"Shared", L"Owner Password", L"XYZ", file.c_str()));
  const std::string before = orv::testing::ReadFileBytes(file);
  std::wstring text;
  EXPECT_EQ(core.GetOptionEncString(L"Owner Password", &text, L"Shared"), kFail);
  EXPECT_EQ(core.AddProfile(L"Next"), kFail);
  EXPECT_EQ(orv::testing::ReadFileBytes(file), before);
  EXPECT_FALSE(KeyExists(L"Software\\Dunmere\\folvaPDF\\Printers\\" + kComPrinter + L"\\Profiles\\Next"));
}

TEST_F(StoreOnWindowsTest, EncodedTextLongerThan127HexDigitsIsNotReadFromTheFile) {
  ASSERT_EQ(core.Initialize(kComPrinter.c_str()), kOk);
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  ASSERT_EQ(core.SetOptionEncString(L"User Password", L"short", L"Shared"), kOk);
  std::wstring text;
  ASSERT_EQ(core.GetOptionEncString(L"User Password", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"short");
  std::wstring longText;
  unsigned state = 3;
  for (int i = 0; i < 80; ++i) {
    state = state * 1103515245u + 12345u;
    longText += static_cast<wchar_t>(L'!' + (state >> 16) % 90);
  }
  ASSERT_EQ(core.SetOptionEncString(L"User Password", longText.c_str(), L"Shared"), kOk);
  EXPECT_EQ(core.GetOptionEncString(L"User Password", &text, L"Shared"), kFail);
}

}  // namespace
}  // namespace orv::pdf::testing
