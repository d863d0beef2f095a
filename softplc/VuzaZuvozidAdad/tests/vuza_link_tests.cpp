// VuzaZuvozidAdad through its exports, with the doubles of "OCDLL.DLL" and
// "ocSystem.DLL" answering from a fixture the test writes.
#include <gtest/gtest.h>

#include "link_harness.h"
#include "seams/seam_capture.h"

namespace {

using orv::testing::LinkHarness;
using orv::testing::ReadFileBytes;
using orv::testing::TestDataFile;
using orv::testing::WalkedTag;

const wchar_t kOc[] = L"oc_fixture.ini";

class VuzaLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { link = new LinkHarness(L"VuzaZuvozidAdad.dll"); }
  static void TearDownTestSuite() { delete link; }

  void SetUp() override {
    link->ClearFixture(kOc);
    link->SetHost(L"paths", L"bin", link->Folder());
    for (const wchar_t* f : {L"ZAVO.TFC", L"ZAVO001.DRV", L"ZAVO002.DRV", L"ZAVO003.DRV", L"ZAVO004.DRV",
                             L"ZAVO005.DRV"})
      ::DeleteFileW((link->ConfigFolder() + f).c_str());
  }

  void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    link->SetFixture(kOc, section, key, value);
  }
  void SampleProject() {
    Set(L"inputs", L"count", L"4");
    Set(L"inputs", L"1", L"Motor.Run|%IX0.0");
    Set(L"inputs", L"2", L"|%IX0.1");
    Set(L"inputs", L"3", L"A.B.C|%MW10");
    Set(L"inputs", L"4", L"Level|%IF2");
    Set(L"memory", L"count", L"1");
    Set(L"memory", L"1", L"Mem1|%MUW5");
    Set(L"strings", L"count", L"1");
    Set(L"strings", L"1", L"Text1");
    Set(L"timers", L"5", L"T5");
    Set(L"timers", L"0", L"T.0");
  }
  std::string Config(const wchar_t* name) { return ReadFileBytes(link->ConfigFolder() + name); }
  int Detaches() { return _wtoi(link->Fixture(kOc, L"log", L"detach").c_str()); }

  static LinkHarness* link;
};
LinkHarness* VuzaLinkTest::link = nullptr;

TEST_F(VuzaLinkTest, WalkGoesThroughTheCategoriesAndReleasesAtTheEnd) {
  SampleProject();
  ASSERT_EQ(1, link->Exports().openDLL());
  ASSERT_EQ(1, link->Exports().getTagNameHead());
  std::vector<WalkedTag> tags = link->Next();
  struct Expected {
    const wchar_t* name;
    int type;
  } expected[] = {{L"Motor_Run", 0}, {L"A_B.C", 1}, {L"Level", 2}, {L"Mem1", 1},
                  {L"Text1", 3},     {L"T5", 1},    {L"T_0", 1}};
  ASSERT_EQ(std::size(expected), tags.size());
  for (std::size_t i = 0; i < tags.size(); ++i) {
    EXPECT_EQ(expected[i].name, tags[i].name) << i;
    EXPECT_EQ(expected[i].type, tags[i].type) << i;
    EXPECT_EQ(0, tags[i].skip);
    EXPECT_EQ(0, tags[i].arraySize);
    EXPECT_EQ(L"", tags[i].description);
  }
  // The end of the walk released the libraries: no new walk without OpenDLL.
  EXPECT_EQ(0, link->Exports().getTagNameHead());
  EXPECT_TRUE(link->Next().empty());
  link->Exports().closeDLL();
}

TEST_F(VuzaLinkTest, DriverFilesPerCategoryMatchByteForByte) {
  SampleProject();
  link->Exports().generateDriverWorksheet(1, 1);
  EXPECT_EQ(TestDataFile(L"tests\\expected\\ZAVO.TFC"), Config(L"ZAVO.TFC"));
  for (const wchar_t* name : {L"ZAVO001.DRV", L"ZAVO003.DRV", L"ZAVO004.DRV", L"ZAVO005.DRV"})
    EXPECT_EQ(TestDataFile(std::wstring(L"tests\\expected\\") + name), Config(name)) << name;
  EXPECT_TRUE(Config(L"ZAVO002.DRV").empty());  // no outputs
  EXPECT_EQ(1, Detaches());
}

TEST_F(VuzaLinkTest, ThreeInputsAndTimersOnly) {
  Set(L"inputs", L"count", L"3");
  Set(L"inputs", L"1", L"Motor.Run|%IX0.0");
  Set(L"inputs", L"2", L"A.B.C|%MW10");
  Set(L"inputs", L"3", L"Level|%IF2");
  Set(L"timers", L"5", L"T5");
  Set(L"timers", L"0", L"T.0");
  EXPECT_EQ(1, link->Exports().recreate());
  EXPECT_EQ(TestDataFile(L"tests\\expected\\ZAVO001.DRV"), Config(L"ZAVO001.DRV"));
  EXPECT_EQ(TestDataFile(L"tests\\expected\\ZAVO005.DRV"), Config(L"ZAVO005.DRV"));
  for (const wchar_t* name : {L"ZAVO.TFC", L"ZAVO002.DRV", L"ZAVO003.DRV", L"ZAVO004.DRV"})
    EXPECT_TRUE(Config(name).empty()) << name;
}

TEST_F(VuzaLinkTest, AllCategoriesEmpty) {
  ASSERT_EQ(1, link->Exports().openDLL());
  ASSERT_EQ(1, link->Exports().getTagNameHead());
  EXPECT_TRUE(link->Next().empty());
  link->Exports().closeDLL();
  link->Exports().generateDriverWorksheet(1, 1);
  EXPECT_FALSE(Config(L"ZAVO.TFC").empty());
  for (const wchar_t* name : {L"ZAVO001.DRV", L"ZAVO002.DRV", L"ZAVO003.DRV", L"ZAVO004.DRV", L"ZAVO005.DRV"})
    EXPECT_TRUE(Config(name).empty()) << name;
}

TEST_F(VuzaLinkTest, FailedAttachOpensNoWalkAndWritesNothing) {
  SampleProject();
  Set(L"database", L"attach", L"1");
  ASSERT_EQ(1, link->Exports().openDLL());
  EXPECT_EQ(0, link->Exports().getTagNameHead());
  EXPECT_EQ(1, Detaches());
  EXPECT_TRUE(link->Next().empty());
  link->Exports().generateDriverWorksheet(1, 1);
  EXPECT_TRUE(Config(L"ZAVO.TFC").empty());
  EXPECT_TRUE(Config(L"ZAVO001.DRV").empty());
  EXPECT_EQ(2, Detaches());
}

TEST_F(VuzaLinkTest, MissingFunctionOrLibraryDoesNotOpen) {
  link->SetHost(L"paths", L"bin", link->Path(L"partial\\"));  // OCDLL.DLL without ocLookupDRV
  EXPECT_EQ(0, link->Exports().openDLL());
  EXPECT_EQ(0, link->Exports().getTagNameHead());
  link->SetHost(L"paths", L"bin", link->Path(L"empty\\"));
  EXPECT_EQ(0, link->Exports().openDLL());
  link->Exports().closeDLL();
  EXPECT_EQ(0, Detaches());
}

TEST_F(VuzaLinkTest, FailedLookupEndsTheWalkAndCloseDetaches) {
  Set(L"inputs", L"count", L"2");
  Set(L"inputs", L"1", L"In1|%IX0.0");
  Set(L"inputs", L"2", L"!");
  ASSERT_EQ(1, link->Exports().openDLL());
  ASSERT_EQ(1, link->Exports().getTagNameHead());
  std::vector<WalkedTag> tags = link->Next();
  ASSERT_EQ(1u, tags.size());
  EXPECT_EQ(L"In1", tags[0].name);
  link->Exports().closeDLL();  // already released: nothing to detach
  EXPECT_EQ(0, Detaches());
  ASSERT_EQ(1, link->Exports().openDLL());
  link->Exports().closeDLL();
  EXPECT_EQ(1, Detaches());
}

TEST_F(VuzaLinkTest, ConfigureUpdateShowsTheMonitorStatus) {
  orv::testing::MessageBoxCapture boxes;
  auto text = [](HWND d, int id) {
    wchar_t buffer[256] = {};
    ::GetDlgItemTextW(d, id, buffer, 256);
    return std::wstring(buffer);
  };
  std::wstring before, running, stopped;
  int result = orv::testing::DriveDialog(L"Configure: VuzaZuvozidAdad", link->Exports().configure,
      {[&](HWND d) {
         before = text(d, 2000) + L"|" + text(d, 2002);
         orv::testing::ClickButton(d, 3);
         running = text(d, 2000) + L"|" + text(d, 2002);
         Set(L"database", L"attach", L"5");
         orv::testing::ClickButton(d, 3);
         stopped = text(d, 2000) + L"|" + text(d, 2002);
         orv::testing::ClickButton(d, IDOK);
       }});
  EXPECT_EQ(1, result);
  EXPECT_EQ(L"|", before);
  EXPECT_EQ(L"VuzaZuvozidAdad|Running...", running);
  EXPECT_EQ(L"VuzaZuvozidAdad|Stoped.", stopped);
  ASSERT_EQ(1u, boxes.Boxes().size());
  EXPECT_EQ(L"The VuzaZuvozidAdad Monitor is stoped.", boxes.Boxes()[0].text);
  EXPECT_EQ(L"VuzaZuvozidAdad", link->Host(L"machine.NewProject::SoftPLC", L"AppDirectory"));
  EXPECT_EQ(L"Stoped.", link->Host(L"machine.NewProject::SoftPLC", L"ProjectLastModification"));
}

}  // namespace
