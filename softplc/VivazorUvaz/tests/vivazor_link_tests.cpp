// IsagrafFirstLink and VivazorUvaz through their exports, with exchange files and the
// host double in a folder of the test's own.
#include <gtest/gtest.h>

#include "link_harness.h"
#include "seams/seam_capture.h"

namespace {

using orv::testing::LinkHarness;
using orv::testing::ReadFileBytes;
using orv::testing::TestDataFile;
using orv::testing::WalkedTag;

struct Product {
  const wchar_t* dll;
  const wchar_t* name;
  const wchar_t* server;
};
const Product kProducts[] = {{L"VivazorUvaz.dll", L"VivazorUvaz", L"ISAGRAF"},
                             {L"IsagrafFirstLink.dll", L"IsagrafFirstLink", L"First ISAGRAF"}};

void CopyExchangeFiles(LinkHarness& link, std::initializer_list<const wchar_t*> names) {
  for (const wchar_t* name : names)
    orv::testing::WriteFileBytes(link.Path(L"app\\") + name, TestDataFile(std::wstring(L"tests\\exchange\\") + name));
}

void Prepare(LinkHarness& link) {
  link.SetHost(L"project.SoftPLC", L"AppDirectory", L"  " + link.Path(L"app") + L" ");
}

TEST(VivazorLink, WalkReadsTheFourExchangeFilesOnce) {
  LinkHarness link(kProducts[0].dll);
  Prepare(link);
  CopyExchangeFiles(link, {L"appli.dlo", L"appli.dte", L"appli.dme"});
  ASSERT_EQ(1, link.Exports().openDLL());
  ASSERT_EQ(1, link.Exports().getTagNameHead());
  std::vector<WalkedTag> tags = link.Next();
  struct Expected {
    int skip;
    const wchar_t* name;
    int type;
    const wchar_t* description;
  } expected[] = {
      {1, L"", 0, L""},       {0, L"Pump1", 0, L"Pump running"}, {0, L"Level", 1, L"Tank level"},
      {0, L"Temp", 2, L"Temperature"}, {0, L"Msg", 3, L""},      {1, L"", 0, L""},
      {1, L"", 0, L""},  // end of appli.dlo
      {1, L"", 0, L""},  // appli.dco missing
      {0, L"Valve", 0, L"Valve open"},  {1, L"", 0, L""},
      {0, L"", 3, L""},  // appli.dme: the first 1022 characters
      {1, L"", 0, L""},  {1, L"", 0, L""},
  };
  ASSERT_EQ(std::size(expected), tags.size());
  for (std::size_t i = 0; i < tags.size(); ++i) {
    EXPECT_EQ(expected[i].skip, tags[i].skip) << i;
    if (expected[i].skip) continue;
    if (*expected[i].name) {
      EXPECT_EQ(expected[i].name, tags[i].name) << i;
    }
    EXPECT_EQ(expected[i].type, tags[i].type) << i;
    EXPECT_EQ(expected[i].description, tags[i].description) << i;
    EXPECT_EQ(0, tags[i].arraySize) << i;
  }
  EXPECT_EQ(std::wstring(1022 - 13, L'N'), tags[10].name);
  EXPECT_TRUE(link.Next().empty());            // stays ended
  EXPECT_EQ(1, link.Exports().getTagNameHead());
  EXPECT_TRUE(link.Next().empty());            // only OpenDLL starts again
  ASSERT_EQ(1, link.Exports().openDLL());
  EXPECT_EQ(tags.size(), link.Next().size());
  link.Exports().closeDLL();
  EXPECT_TRUE(link.Next().empty());
}

TEST(VivazorLink, EmptyDirectoryDoesNotOpenAndMissingFilesAreSkipped) {
  LinkHarness link(kProducts[0].dll);
  link.SetHost(L"project.SoftPLC", L"AppDirectory", L"");
  EXPECT_EQ(0, link.Exports().openDLL());
  EXPECT_TRUE(link.Next().empty());
  Prepare(link);
  ASSERT_EQ(1, link.Exports().openDLL());
  std::vector<WalkedTag> tags = link.Next();
  ASSERT_EQ(4u, tags.size());
  for (const WalkedTag& tag : tags) EXPECT_EQ(1, tag.skip);
  link.Exports().closeDLL();
}

TEST(VivazorLink, BadExchangeFilesAreReadWithinTheirLines) {
  LinkHarness link(kProducts[0].dll);
  Prepare(link);
  std::string junk;
  for (int i = 0; i < 3000; ++i) junk += static_cast<char>((i * 7919) % 256);
  std::string cases[] = {
      junk,                                                           // bytes that are not text
      std::string("#A01234567890") + std::string(3000, '%') + "\r\n",  // runs of separators
      "#A01234567890Name%" + std::string(2000, 'x') + "\n#B\n#\n\n",  // over-long, missing fields
      std::string("\xFF\xFE#\0A\0", 6) + std::string(5000, '\0'),        // UTF-16 of NULs, odd end
  };
  for (const std::string& bytes : cases) {
    orv::testing::WriteFileBytes(link.Path(L"app\\appli.dlo"), bytes);
    ASSERT_EQ(1, link.Exports().openDLL());
    std::vector<WalkedTag> tags = link.Next();
    link.Exports().closeDLL();
    EXPECT_LT(tags.size(), 5000u);
    for (const WalkedTag& tag : tags) {
      EXPECT_LE(tag.name.size() + tag.description.size(), 1022u);
      EXPECT_TRUE(tag.skip == 0 || tag.skip == 1);
    }
  }
}

TEST(VivazorLink, DriverFilesOfBothProducts) {
  for (const Product& product : kProducts) {
    LinkHarness link(product.dll);
    Prepare(link);
    link.SetHost(L"project.SoftPLC", L"AppDirectory", link.Path(L"app"));
    link.SetHost(L"project.SoftPLC", L"ServerName", L"ISAGRAF");
    link.SetHost(L"project.SoftPLC", L"AutoExchange", L"false");
    link.Exports().generateDriverWorksheet(1, 1);
    EXPECT_EQ(TestDataFile(L"tests\\expected\\PELDA.TFC"), ReadFileBytes(link.ConfigFolder() + L"PELDA.TFC"))
        << product.name;
    EXPECT_EQ(TestDataFile(std::wstring(L"tests\\expected\\PELDA001_") + product.name + L".DRV"),
              ReadFileBytes(link.ConfigFolder() + L"PELDA001.DRV"))
        << product.name;
  }
}

void SetWriteTime(const std::wstring& path, unsigned long long time) {
  orv::win::UniqueHandle file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
  FILETIME ft{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
  ::SetFileTime(file.get(), nullptr, nullptr, &ft);
}

TEST(VivazorLink, RecreateComparesExchangeFilesWithTheTagList) {
  LinkHarness link(kProducts[0].dll);
  link.SetHost(L"project.SoftPLC", L"AppDirectory", link.Path(L"app"));
  CopyExchangeFiles(link, {L"appli.dlo", L"appli.dme"});
  EXPECT_EQ(1, link.Exports().recreate());  // no tag list
  orv::testing::WriteFileBytes(link.Path(L"db\\tagl.plc"), "tags");
  const unsigned long long day = 864000000000ull, base = 133000000000000000ull;
  SetWriteTime(link.Path(L"db\\tagl.plc"), base);
  SetWriteTime(link.Path(L"app\\appli.dlo"), base - day);
  SetWriteTime(link.Path(L"app\\appli.dme"), base - day);
  EXPECT_EQ(0, link.Exports().recreate());
  SetWriteTime(link.Path(L"app\\appli.dme"), base + day);
  EXPECT_EQ(1, link.Exports().recreate());
  EXPECT_TRUE(ReadFileBytes(link.ConfigFolder() + L"PELDA001.DRV").empty());  // writes nothing
}

TEST(VivazorLink, ConfigureSimulationChoosesTheServerName) {
  for (const Product& product : kProducts) {
    LinkHarness link(product.dll);
    orv::testing::MessageBoxCapture boxes;
    link.SetHost(L"machine.NewProject::SoftPLC", L"AppDirectory", L"C:\\Plc\\");
    std::wstring initialServer, offServer, onServer;
    bool autoTicked = false, simTicked = false;
    auto text = [](HWND d, int id) {
      wchar_t buffer[256] = {};
      ::GetDlgItemTextW(d, id, buffer, 256);
      return std::wstring(buffer);
    };
    int result = orv::testing::DriveDialog(std::wstring(L"Configure: ") + product.name, link.Exports().configure,
        {[&](HWND d) {
           initialServer = text(d, 4000);
           autoTicked = ::IsDlgButtonChecked(d, 4001) == BST_CHECKED;
           simTicked = ::IsDlgButtonChecked(d, 4002) == BST_CHECKED;
           orv::testing::ClickButton(d, 4002);  // BS_AUTOCHECKBOX does not toggle on a sent click
           ::CheckDlgButton(d, 4002, BST_UNCHECKED);
           orv::testing::ClickButton(d, 4002);
           offServer = text(d, 4000);
           ::CheckDlgButton(d, 4002, BST_CHECKED);
           orv::testing::ClickButton(d, 4002);
           onServer = text(d, 4000);
           orv::testing::SetControlText(d, 4000, L"  ");
           ::CheckDlgButton(d, 4001, BST_UNCHECKED);
           orv::testing::ClickButton(d, IDOK);
         },
         [&](HWND d) {
           orv::testing::SetControlText(d, 4000, L"MyServer");
           orv::testing::ClickButton(d, IDOK);
         }});
    EXPECT_EQ(1, result) << product.name;
    EXPECT_EQ(product.server, initialServer);
    EXPECT_TRUE(autoTicked);
    EXPECT_TRUE(simTicked);
    EXPECT_EQ(L"ISASRV1", offServer);
    EXPECT_EQ(product.server, onServer);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(L"You must select a server name.", boxes.Boxes()[0].text);
    EXPECT_EQ(product.name, boxes.Boxes()[0].caption);
    EXPECT_EQ(L"MyServer", link.Host(L"machine.NewProject::SoftPLC", L"ServerName"));
    EXPECT_EQ(L"FALSE", link.Host(L"machine.NewProject::SoftPLC", L"AutoExchange"));
    EXPECT_EQ(L"TRUE", link.Host(L"machine.NewProject::SoftPLC", L"Simulate"));
    EXPECT_EQ(L"C:\\Plc\\", link.Host(L"machine.NewProject::SoftPLC", L"AppDirectory"));
  }
}

TEST(VivazorLink, BrowsePutsThePickedFolderWithABackslash) {
  LinkHarness link(kProducts[0].dll);
  std::wstring picked;
  int result = orv::testing::DriveDialog(L"Configure: VivazorUvaz", link.Exports().configure,
      {[&](HWND d) {
         orv::testing::ClickButton(d, 3003);
         wchar_t buffer[256] = {};
         ::GetDlgItemTextW(d, 3002, buffer, 256);
         picked = buffer;
         orv::testing::ClickButton(d, IDCANCEL);
       }});
  EXPECT_EQ(0, result);
  EXPECT_EQ(L"C:\\Picked\\Folder\\", picked);
}

}  // namespace

// The folder picker of the dialogs answers from here instead of the shell.
extern "C" __declspec(dllexport) int OrvFolderPickerHook(HWND, const wchar_t* title, wchar_t* path, int size) {
  if (std::wstring(title) != L"Select Directory") return 0;
  wcsncpy(path, L"C:\\Picked\\Folder", static_cast<size_t>(size));
  return 1;
}
