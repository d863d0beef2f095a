// The colorizer's host questions answered by tarvo.dll over a small project database,
// and the colours from the per-machine settings.
#include <gtest/gtest.h>

#include <windows.h>

#include "CColorizer.h"
#include "fake_lookups.h"
#include "golden_file.h"
#include "process/run_process.h"
#include "tarvo.h"
#include "tarvo_host_names.h"
#include "text/utf16le.h"

namespace {

using orv::CColorizer;
using orv::CTarvoHostNames;

// A project folder holding only a tag database, current while alive.
class SmallProject {
 public:
  SmallProject() : temp_(L"colour") {
    ::CreateDirectoryW((temp_ / L"Database").c_str(), nullptr);
    std::string bytes("\xFF\xFE", 2);
    orv::AppendUtf16LE(bytes,
                       L"ORVANE-TAGS\t1\r\n"
                       L"TAG\tLevel\t2\t0\t-\tTank level\r\n"
                       L"TAG\tFlow\t2\t0\t-\r\n");
    orv::testing::WriteFileBytes(temp_ / L"Database\\Tags.tdb", bytes);
    APSetAppIniPath((temp_ / L"Small.APP").c_str());
    APSetAppPath(temp_.path().c_str());
    DBClose(0);
    opened_ = DBOpen() != FALSE;
  }
  ~SmallProject() {
    DBClose(0);
    APSetAppIniPath(L"");
    APSetAppPath(L"");
  }
  SmallProject(const SmallProject&) = delete;
  SmallProject& operator=(const SmallProject&) = delete;
  bool opened() const { return opened_; }

 private:
  orv::testing::TempFolder temp_;
  bool opened_ = false;
};

TEST(TarvoHostNames, NoTagsWithoutAProjectDatabase) {
  DBClose(0);
  CTarvoHostNames host;
  EXPECT_FALSE(host.IsTagName(L"Level"));
}

TEST(TarvoHostNames, TagsAndHostFunctionsOfTheProject) {
  SmallProject project;
  ASSERT_TRUE(project.opened());
  CTarvoHostNames host;
  EXPECT_TRUE(host.IsTagName(L"Level"));
  EXPECT_FALSE(host.IsTagName(L"Levels"));
  EXPECT_FALSE(host.IsTagName(L""));
  for (const wchar_t* head : {L"Abs", L"$Abs(", L"$ Abs (", L"abs("}) {
    EXPECT_TRUE(host.IsHostFunctionName(head)) << orv::ToUtf8(head);
  }
  for (const wchar_t* head : {L"$NoSuchFunction(", L"$", L"Level"}) {
    EXPECT_FALSE(host.IsHostFunctionName(head)) << orv::ToUtf8(head);
  }

  orv::testkit::FakeScriptNames scripter;
  CColorizer colorizer;
  colorizer.SetScripter(&scripter);
  colorizer.SetHost(&host);
  std::wstring text = L"Level = $Abs(Flow) + Flow2";
  std::vector<orv::ColourClass> classes;
  colorizer.ColourLine(0, text, classes);
  EXPECT_EQ(orv::ToUtf8(orv::testkit::ClassLetters(classes)), "BBBBB...TTTTTTTTT.........");
}

TEST(TarvoHostNames, ColoursFromThePerMachineSettings) {
  const orv::ColourTable defaults = orv::ReadHostColourTable();
  EXPECT_EQ(defaults.Get(orv::ColourClass::kKeyword), 0xFF0000u);
  // A value set for this machine is read; the default is written back at once.
  ASSERT_TRUE(APTarvoSetStrLocal(L"ScriptEditor", L"CommentColor", L"1193046"));
  const orv::ColourTable changed = orv::ReadHostColourTable();
  APTarvoSetStrLocal(L"ScriptEditor", L"CommentColor", L"32768");
  EXPECT_EQ(changed.Get(orv::ColourClass::kComment), 0x123456u);
  EXPECT_EQ(orv::ReadHostColourTable().Get(orv::ColourClass::kComment), 0x008000u);
}

}  // namespace
