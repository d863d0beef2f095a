// RevidadEdozaDizu through its exports, with the double of "DataExp3.DLL" answering
// from a fixture the test writes.
#include <gtest/gtest.h>

#include "link_harness.h"
#include "seams/seam_capture.h"

namespace {

using orv::testing::LinkHarness;
using orv::testing::ReadFileBytes;
using orv::testing::TestDataFile;
using orv::testing::WalkedTag;

const wchar_t kData[] = L"dataexp_fixture.ini";

class RevidadLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { link = new LinkHarness(L"RevidadEdozaDizu.dll"); }
  static void TearDownTestSuite() { delete link; }

  void SetUp() override {
    link->Exports().closeDLL();
    link->ClearFixture(kData);
    link->SetHost(L"paths", L"bin", link->Folder());
    link->SetHost(L"project.SoftPLC", L"ProjVersion", L"");
    ::WritePrivateProfileStringW(L"project.SoftPLC", L"ProjVersion", nullptr, link->Path(L"host_fixture.ini").c_str());
    for (const wchar_t* f : {L"HOLMA.TFC", L"HOLMA001.DRV"}) ::DeleteFileW((link->ConfigFolder() + f).c_str());
    Set(L"project", L"name", L"Plant");
    Set(L"project", L"version", L"7");
    Set(L"project", L"status", L"3");
    const wchar_t* variables[] = {L"Run|1|0|0", L"Speed|2|1|3", L"Msg|5|1|10", L"Grid|4|2|9", L"Bad|15|0|0",
                                  L"Level|11|0|0"};
    Set(L"variables", L"count", L"6");
    for (int i = 0; i < 6; ++i) Set(L"variables", std::to_wstring(i + 1).c_str(), variables[i]);
  }

  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    link->SetFixture(kData, section, key, value);
  }
  std::string Config(const wchar_t* name) { return ReadFileBytes(link->ConfigFolder() + name); }

  static LinkHarness* link;
};
LinkHarness* RevidadLinkTest::link = nullptr;

TEST_F(RevidadLinkTest, WalkOffersArraysAsOneTagAndSkipsWhatHasNoTag) {
  std::vector<WalkedTag> tags = link->Walk(true);
  struct Expected {
    const wchar_t* name;
    int arraySize;
    int type;
    int skip;
  } expected[] = {{L"Run", 0, 0, 0},  {L"Speed", 3, 1, 0}, {L"Msg", 0, 3, 0},
                  {L"Grid", 0, 0, 1}, {L"Bad", 0, 0, 1},   {L"Level", 0, 2, 0}};
  ASSERT_EQ(std::size(expected), tags.size());
  for (std::size_t i = 0; i < tags.size(); ++i) {
    EXPECT_EQ(expected[i].skip, tags[i].skip) << i;
    EXPECT_EQ(expected[i].name, tags[i].name) << i;
    if (tags[i].skip) continue;
    EXPECT_EQ(expected[i].arraySize, tags[i].arraySize) << i;
    EXPECT_EQ(expected[i].type, tags[i].type) << i;
    EXPECT_EQ(L"", tags[i].description);
  }
}

TEST_F(RevidadLinkTest, NoWalkWithoutLibraryOrVariables) {
  EXPECT_EQ(0, link->Exports().getTagNameHead());  // not open
  EXPECT_TRUE(link->Next().empty());
  Set(L"variables", L"count", L"0");
  EXPECT_TRUE(link->Walk(true).empty());
  Set(L"variables", L"count", L"6");
  Set(L"head", L"result", L"1");
  EXPECT_TRUE(link->Walk(true).empty());
  link->SetHost(L"paths", L"bin", link->Path(L"empty\\"));
  EXPECT_EQ(0, link->Exports().openDLL());
}

TEST_F(RevidadLinkTest, DriverFilesWithArraysExpanded) {
  link->Exports().generateDriverWorksheet(1, 1);
  EXPECT_EQ(TestDataFile(L"tests\\expected\\HOLMA.TFC"), Config(L"HOLMA.TFC"));
  EXPECT_EQ(TestDataFile(L"tests\\expected\\HOLMA001.DRV"), Config(L"HOLMA001.DRV"));
}

TEST_F(RevidadLinkTest, FailedHeadGivesTheHeaderOnlyAndAMissingLibraryNothing) {
  Set(L"head", L"result", L"1");
  link->Exports().generateDriverWorksheet(0, 1);
  EXPECT_EQ(TestDataFile(L"tests\\expected\\HOLMA001_empty.DRV"), Config(L"HOLMA001.DRV"));
  ::DeleteFileW((link->ConfigFolder() + L"HOLMA001.DRV").c_str());
  link->SetHost(L"paths", L"bin", link->Path(L"empty\\"));
  link->Exports().generateDriverWorksheet(1, 1);
  EXPECT_TRUE(Config(L"HOLMA.TFC").empty());
  EXPECT_TRUE(Config(L"HOLMA001.DRV").empty());
}

TEST_F(RevidadLinkTest, RecreateChecksTheProjectVersion) {
  EXPECT_EQ(0, link->Exports().recreate());  // not open
  ASSERT_EQ(1, link->Exports().openDLL());
  EXPECT_EQ(1, link->Exports().recreate());  // first time: no "ProjVersion"
  EXPECT_EQ(L"7", link->Host(L"project.SoftPLC", L"ProjVersion"));
  EXPECT_EQ(TestDataFile(L"tests\\expected\\HOLMA001.DRV"), Config(L"HOLMA001.DRV"));
  EXPECT_TRUE(Config(L"HOLMA.TFC").empty());
  ::DeleteFileW((link->ConfigFolder() + L"HOLMA001.DRV").c_str());
  EXPECT_EQ(0, link->Exports().recreate());  // unchanged
  EXPECT_TRUE(Config(L"HOLMA001.DRV").empty());
  Set(L"project", L"version", L"8");
  EXPECT_EQ(1, link->Exports().recreate());
  EXPECT_EQ(L"8", link->Host(L"project.SoftPLC", L"ProjVersion"));
}

TEST_F(RevidadLinkTest, HighestVersionEqualsTheDefault) {
  ASSERT_EQ(1, link->Exports().openDLL());
  Set(L"project", L"version", L"4294967295");
  EXPECT_EQ(0, link->Exports().recreate());
  EXPECT_EQ(L"4294967295", link->Host(L"project.SoftPLC", L"ProjVersion"));
  EXPECT_EQ(0, link->Exports().recreate());  // read back as the same 32-bit value
  EXPECT_TRUE(Config(L"HOLMA001.DRV").empty());
}

TEST_F(RevidadLinkTest, NoRunningProjectLeavesTheVersionAlone) {
  ASSERT_EQ(1, link->Exports().openDLL());
  Set(L"project", L"name", L"");
  EXPECT_EQ(0, link->Exports().recreate());
  Set(L"project", L"name", L"Plant");
  Set(L"project", L"result", L"3");
  EXPECT_EQ(0, link->Exports().recreate());
  EXPECT_EQ(L"", link->Host(L"project.SoftPLC", L"ProjVersion"));
  link->Exports().closeDLL();
  link->SetHost(L"paths", L"bin", link->Path(L"partial\\"));  // no GetRunningProjectInfo
  ASSERT_EQ(1, link->Exports().openDLL());
  EXPECT_EQ(0, link->Exports().recreate());
}

TEST_F(RevidadLinkTest, ConfigureUpdateShowsTheRunningProject) {
  orv::testing::MessageBoxCapture boxes;
  Set(L"project", L"name", L"");
  auto text = [](HWND d, int id) {
    wchar_t buffer[256] = {};
    ::GetDlgItemTextW(d, id, buffer, 256);
    return std::wstring(buffer);
  };
  std::wstring shown;
  int result = orv::testing::DriveDialog(L"Configure: RevidadEdozaDizu", link->Exports().configure,
      {[&](HWND d) {
         orv::testing::ClickButton(d, 3);
         orv::testing::ClickButton(d, IDOK);  // empty name: stays open
       },
       [&](HWND d) {
         Set(L"project", L"name", L"Plant");
         Set(L"project", L"status", L"9");
         orv::testing::ClickButton(d, 3);
         Set(L"project", L"status", L"4");
         orv::testing::ClickButton(d, 3);
         shown = text(d, 2000) + L"|" + text(d, 2001) + L"|" + text(d, 2002);
         orv::testing::ClickButton(d, IDOK);
       }});
  EXPECT_EQ(1, result);
  EXPECT_EQ(L"Plant|no ZIZ|7", shown);
  ASSERT_EQ(1u, boxes.Boxes().size());
  EXPECT_EQ(L"Invalid project name.", boxes.Boxes()[0].text);
  EXPECT_EQ(L"Plant", link->Host(L"machine.NewProject::SoftPLC", L"AppDirectory"));
  EXPECT_EQ(L"no ZIZ", link->Host(L"machine.NewProject::SoftPLC", L"RunStatus"));
  EXPECT_EQ(L"7", link->Host(L"machine.NewProject::SoftPLC", L"ProjectVersion"));
}

}  // namespace
