// ThinkDoLink through its exports, with the host double and map files in a folder of
// the test's own.
#include <gtest/gtest.h>

#include "link_harness.h"
#include "seams/seam_capture.h"

namespace {

using orv::testing::LinkHarness;
using orv::testing::ReadFileBytes;
using orv::testing::TestDataFile;
using orv::testing::WalkedTag;

class ThinkDoLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { link = new LinkHarness(L"ThinkDoLink.dll"); }
  static void TearDownTestSuite() { delete link; }

  void SetUp() override {
    ASSERT_NE(nullptr, link->Exports().openDLL);
    link->SetHost(L"project.SoftPLC", L"AppDirectory", link->Path(L"app"));
    link->SetHost(L"project.SoftPLC", L"IPAddress", L"192.168.1.10");
    ::DeleteFileW(link->Path(L"app\\Plant.map").c_str());
    ::DeleteFileW(link->Path(L"db\\tagl.plc").c_str());
    for (const wchar_t* f : {L"MURV.TFC", L"MURV001.DRV"}) ::DeleteFileW((link->ConfigFolder() + f).c_str());
  }

  void WriteMap(const std::string& bytes) { ASSERT_TRUE(orv::testing::WriteFileBytes(link->Path(L"app\\Plant.map"), bytes)); }
  void WriteSampleMap() { WriteMap(TestDataFile(L"tests\\Plant.map")); }
  std::string Config(const wchar_t* name) { return ReadFileBytes(link->ConfigFolder() + name); }

  static LinkHarness* link;
};
LinkHarness* ThinkDoLinkTest::link = nullptr;

TEST_F(ThinkDoLinkTest, ExportsByNameAndOrdinal) {
  const char* names[] = {"CloseDLL", "Configure", "GenerateDriverWorksheet", "GetTagNameHead",
                         "GetTagNameNext", "OpenDLL", "Recreate"};
  for (int ordinal = 1; ordinal <= 7; ++ordinal) {
    FARPROC byOrdinal = ::GetProcAddress(link->Module(), MAKEINTRESOURCEA(ordinal));
    EXPECT_NE(nullptr, byOrdinal);
    EXPECT_EQ(byOrdinal, ::GetProcAddress(link->Module(), names[ordinal - 1])) << names[ordinal - 1];
  }
}

TEST_F(ThinkDoLinkTest, WalkOffersEveryPointOfAKnownKind) {
  WriteSampleMap();
  std::vector<WalkedTag> tags = link->Walk(true);
  struct Expected {
    const wchar_t* name;
    int type;
    const wchar_t* description;
    int skip;
  } expected[] = {
      {L"Input12", 0, L"Start PB", 0}, {L"Input5", 0, L"", 0},  {L"Number0", 1, L"Motor", 0},
      {L"Flag65535", 0, L"Pump", 0},   {L"", 0, L"Bad", 1},     {L"Output2", 0, L"Existing", 0},
      {L"Float4", 2, L"Speed", 0},     {L"Input0", 0, std::wstring(95, L'L').c_str(), 0},
      {L"ASCII0", 3, L"", 0},
  };
  ASSERT_EQ(std::size(expected), tags.size());
  for (std::size_t i = 0; i < tags.size(); ++i) {
    EXPECT_EQ(expected[i].skip, tags[i].skip) << i;
    if (tags[i].skip) continue;
    EXPECT_EQ(expected[i].name, tags[i].name) << i;
    EXPECT_EQ(expected[i].type, tags[i].type) << i;
    EXPECT_EQ(0, tags[i].arraySize) << i;
  }
  EXPECT_EQ(L"Start PB", tags[0].description);
  EXPECT_EQ(std::wstring(95, L'L'), tags[7].description);
}

TEST_F(ThinkDoLinkTest, HeadRestartsTheWalk) {
  WriteSampleMap();
  ASSERT_EQ(1, link->Exports().openDLL());
  ASSERT_EQ(1, link->Exports().getTagNameHead());
  std::size_t first = link->Next().size();
  EXPECT_EQ(0u, link->Next().size());  // stays ended
  ASSERT_EQ(1, link->Exports().getTagNameHead());
  EXPECT_EQ(first, link->Next().size());
  link->Exports().closeDLL();
  link->Exports().closeDLL();  // safe when closed
  EXPECT_EQ(0u, link->Next().size());
}

TEST_F(ThinkDoLinkTest, HeaderOnlyMapGivesNoTagsAndAnEmptyWorksheet) {
  WriteMap("Think & Do map version 1\r\nProject Plant\r\n");
  EXPECT_TRUE(link->Walk(true).empty());
  link->Exports().generateDriverWorksheet(0, 1);
  EXPECT_EQ(TestDataFile(L"tests\\expected\\MURV001_empty.DRV"), Config(L"MURV001.DRV"));
}

TEST_F(ThinkDoLinkTest, BadMapsEndOrSkipWithoutACrash) {
  std::string cases[] = {
      "",                                              // no header lines
      "only one line",                                 // one header line
      "v\np\n,,,,,,,,,,,,,,,,,,,,,,\n\n\x01\x02\xff\xfe,1,1\n",  // separators, control bytes
      std::string("v\r\np\r\n") + std::string(5000, ',') + "1,2,3\r\n" + std::string(400, 'x') + "\r\n",
      std::string("\xFF\xFE", 2) + std::string("v\0\n\0p\0\n\0A\0,\0x\0,\0001\0,\0y\0,\0003\0\n\0", 28),
      "v\np\nname,x,99999999999999999999999,y,1\nname,x,1,y,-99999999999999999\n",
  };
  for (const std::string& bytes : cases) {
    WriteMap(bytes);
    std::vector<WalkedTag> tags = link->Walk(true);
    EXPECT_LT(tags.size(), 200u);
    for (const WalkedTag& tag : tags) EXPECT_LE(tag.description.size(), 99u);
  }
}

TEST_F(ThinkDoLinkTest, WithoutAMapNothingOpensAndNoWorksheetIsWritten) {
  orv::testing::MessageBoxCapture boxes;
  EXPECT_EQ(0, link->Exports().openDLL());
  EXPECT_EQ(0, link->Exports().getTagNameHead() && link->Next().size());
  link->Exports().generateDriverWorksheet(0, 1);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((link->ConfigFolder() + L"MURV001.DRV").c_str()));
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ThinkDoLinkTest, AMapThatCannotBeOpenedIsReported) {
  // A folder whose name matches the map pattern: found, but not readable as a file.
  ASSERT_TRUE(::CreateDirectoryW(link->Path(L"app\\Broken.map").c_str(), nullptr));
  orv::testing::MessageBoxCapture boxes;
  EXPECT_EQ(0, link->Exports().openDLL());
  link->Exports().generateDriverWorksheet(0, 1);
  ::RemoveDirectoryW(link->Path(L"app\\Broken.map").c_str());
  ASSERT_EQ(2u, boxes.Boxes().size());
  EXPECT_EQ(L"Error opening tagname file: " + link->Path(L"app\\Broken.map"), boxes.Boxes()[0].text);
  EXPECT_EQ(L"Think & Do", boxes.Boxes()[0].caption);
  EXPECT_TRUE(Config(L"MURV001.DRV").empty());
  EXPECT_EQ(0, link->Exports().getTagNameHead() && !link->Next().empty());
}

TEST_F(ThinkDoLinkTest, DriverFilesMatchByteForByteAndSkipProjectTags) {
  WriteSampleMap();
  link->SetHost(L"tags", L"Output2", L"1");
  link->Exports().generateDriverWorksheet(1, 1);
  link->SetHost(L"tags", L"Output2", L"");
  EXPECT_EQ(TestDataFile(L"tests\\expected\\MURV.TFC"), Config(L"MURV.TFC"));
  EXPECT_EQ(TestDataFile(L"tests\\expected\\MURV001.DRV"), Config(L"MURV001.DRV"));
}

TEST_F(ThinkDoLinkTest, FlagsChooseTheFiles) {
  WriteSampleMap();
  link->Exports().generateDriverWorksheet(1, 0);
  EXPECT_FALSE(Config(L"MURV.TFC").empty());
  EXPECT_TRUE(Config(L"MURV001.DRV").empty());
  ::DeleteFileW((link->ConfigFolder() + L"MURV.TFC").c_str());
  link->Exports().generateDriverWorksheet(0, 0);
  EXPECT_TRUE(Config(L"MURV.TFC").empty());
}

void SetWriteTime(const std::wstring& path, unsigned long long time) {
  orv::win::UniqueHandle file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
  FILETIME ft{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
  ::SetFileTime(file.get(), nullptr, nullptr, &ft);
}

TEST_F(ThinkDoLinkTest, RecreateComparesTheMapWithTheTagList) {
  WriteSampleMap();
  // Without "tagl.plc": 1, and the worksheet is left alone.
  EXPECT_EQ(1, link->Exports().recreate());
  EXPECT_TRUE(Config(L"MURV001.DRV").empty());

  ASSERT_TRUE(orv::testing::WriteFileBytes(link->Path(L"db\\tagl.plc"), "tags"));
  const unsigned long long day = 864000000000ull;
  const unsigned long long base = 133000000000000000ull;
  SetWriteTime(link->Path(L"db\\tagl.plc"), base);
  SetWriteTime(link->Path(L"app\\Plant.map"), base - day);
  EXPECT_EQ(0, link->Exports().recreate());
  EXPECT_TRUE(Config(L"MURV001.DRV").empty());

  SetWriteTime(link->Path(L"app\\Plant.map"), base + day);
  EXPECT_EQ(1, link->Exports().recreate());
  EXPECT_EQ(TestDataFile(L"tests\\expected\\MURV001.DRV").size() > 0, true);
  EXPECT_FALSE(Config(L"MURV001.DRV").empty());
  EXPECT_TRUE(Config(L"MURV.TFC").empty());
}

TEST_F(ThinkDoLinkTest, ConfigureChecksTheFieldsAndStoresThem) {
  orv::testing::MessageBoxCapture boxes;
  link->SetHost(L"machine.NewProject::SoftPLC", L"AppDirectory", L"C:\\Old\\");
  link->SetHost(L"machine.NewProject::SoftPLC", L"IPAddress", L"");
  std::wstring seenDirectory;
  bool createEnabled = true, selectChecked = false;
  int result = orv::testing::DriveDialog(L"Configure: Think & Do", link->Exports().configure,
      {[&](HWND d) {
         wchar_t text[256] = {};
         ::GetDlgItemTextW(d, 3002, text, 256);
         seenDirectory = text;
         createEnabled = ::IsWindowEnabled(::GetDlgItem(d, 3000)) != FALSE;
         selectChecked = ::IsDlgButtonChecked(d, 3001) == BST_CHECKED;
         orv::testing::SetControlText(d, 3002, L"   ");
         orv::testing::ClickButton(d, IDOK);
       },
       [&](HWND d) {
         orv::testing::SetControlText(d, 3002, L"  C:\\Apps\\Line1\\ ");
         orv::testing::SetControlText(d, 3004, L" \t");
         orv::testing::ClickButton(d, IDOK);
       },
       [&](HWND d) {
         orv::testing::SetControlText(d, 3004, L" 10.0.0.7  ");
         orv::testing::ClickButton(d, IDOK);
       }});
  EXPECT_EQ(1, result);
  EXPECT_EQ(L"C:\\Old\\", seenDirectory);
  EXPECT_FALSE(createEnabled);
  EXPECT_TRUE(selectChecked);
  ASSERT_EQ(2u, boxes.Boxes().size());
  EXPECT_EQ(L"You must select an application directory.", boxes.Boxes()[0].text);
  EXPECT_EQ(L"You must select an IP address.", boxes.Boxes()[1].text);
  // (The fixture file, an INI file, drops blanks around the stored values.)
  EXPECT_EQ(L"C:\\Apps\\Line1\\", link->Host(L"machine.NewProject::SoftPLC", L"AppDirectory"));
  EXPECT_EQ(L"10.0.0.7", link->Host(L"machine.NewProject::SoftPLC", L"IPAddress"));
}

TEST_F(ThinkDoLinkTest, ConfigureCancelStoresNothing) {
  link->SetHost(L"machine.NewProject::SoftPLC", L"IPAddress", L"1.2.3.4");
  int result = orv::testing::DriveDialog(L"Configure: Think & Do", link->Exports().configure,
      {[](HWND d) {
         orv::testing::SetControlText(d, 3004, L"9.9.9.9");
         orv::testing::ClickButton(d, IDCANCEL);
       }});
  EXPECT_EQ(0, result);
  EXPECT_EQ(L"1.2.3.4", link->Host(L"machine.NewProject::SoftPLC", L"IPAddress"));
}

}  // namespace

namespace {

std::wstring FaceOf(HWND control) {
  HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW description{};
  if (!font || !::GetObjectW(font, sizeof(description), &description)) return L"";
  return description.lfFaceName;
}

TEST_F(ThinkDoLinkTest, EditFieldsShareTheFontOfTheMachineSettings) {
  link->SetHost(L"machine.Font", L"FontName", L"Courier New");
  link->SetHost(L"machine.Font", L"CharSet", L"0");
  std::wstring directoryFace, ipFace, buttonFace;
  HFONT directoryFont = nullptr, ipFont = nullptr;
  orv::testing::DriveDialog(L"Configure: Think & Do", link->Exports().configure,
      {[&](HWND d) {
         directoryFace = FaceOf(::GetDlgItem(d, 3002));
         ipFace = FaceOf(::GetDlgItem(d, 3004));
         buttonFace = FaceOf(::GetDlgItem(d, 3003));
         directoryFont = reinterpret_cast<HFONT>(::SendMessageW(::GetDlgItem(d, 3002), WM_GETFONT, 0, 0));
         ipFont = reinterpret_cast<HFONT>(::SendMessageW(::GetDlgItem(d, 3004), WM_GETFONT, 0, 0));
         orv::testing::ClickButton(d, IDCANCEL);
       }});
  ::WritePrivateProfileStringW(L"machine.Font", nullptr, nullptr, link->Path(L"host_fixture.ini").c_str());
  EXPECT_EQ(L"Courier New", directoryFace);
  EXPECT_EQ(L"Courier New", ipFace);
  EXPECT_EQ(directoryFont, ipFont);  // one font for all such children
  EXPECT_NE(L"Courier New", buttonFace);
}

}  // namespace
