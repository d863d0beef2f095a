// Syntax colouring and the engine host through the control's exports in a real parent
// window: colours are read back from the edit window character by character.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "VelScriptEdit.h"
#include "colour_classes.h"
#include "golden_file.h"
#include "process/run_process.h"
#include "tarvo.h"
#include "text/utf16le.h"
#include "win/unique_resource.h"

namespace {

using orv::ColourClass;

// Distinct, non-zero colours per class (several defaults are equal), so that a colour
// read back names its class; 0 stays the quotes' own value.
orv::ColourRef TestColour(std::size_t index) { return 0x100000u + static_cast<orv::ColourRef>(index) * 0x0101u + 1u; }

wchar_t LetterOfColour(COLORREF colour) {
  if (colour == 0) return orv::testkit::ClassLetter(ColourClass::kUncoloured);
  for (std::size_t i = 0; i < orv::kConfigurableColourCount; ++i) {
    if (colour == TestColour(i)) return orv::testkit::ClassLetter(static_cast<ColourClass>(i));
  }
  return L'?';
}

// A project folder holding a tag database with the golden files' tags, current while alive.
class TagProject {
 public:
  TagProject() : temp_(L"vsecolour") {
    ::CreateDirectoryW((temp_ / L"Database").c_str(), nullptr);
    APSetAppIniPath((temp_ / L"Colour.APP").c_str());
    APSetAppPath(temp_.path().c_str());
    opened_ = Reopen(L"");
  }
  // Rewrites the tag database with the golden files' tags and `more`, writes the project
  // file (which gives the database a version) and opens the database again.
  bool Reopen(const wchar_t* more) {
    std::string bytes("\xFF\xFE", 2);
    orv::AppendUtf16LE(bytes, std::wstring(L"ORVANE-TAGS\t1\r\n"
                                           L"TAG\tLevel\t2\t0\t-\r\n"
                                           L"TAG\tTank\t2\t0\t-\r\n"
                                           L"TAG\tMotor\t2\t0\t-\r\n") + more);
    orv::testing::WriteFileBytes(temp_ / L"Database\\Tags.tdb", bytes);
    if (*more) orv::testing::WriteFileBytes(temp_ / L"Colour.APP", "[Options]\r\n");
    DBClose(0);
    return DBOpen() != FALSE;
  }
  ~TagProject() {
    DBClose(0);
    APSetAppIniPath(L"");
    APSetAppPath(L"");
  }
  TagProject(const TagProject&) = delete;
  TagProject& operator=(const TagProject&) = delete;
  bool opened() const { return opened_; }

 private:
  orv::testing::TempFolder temp_;
  bool opened_ = false;
};

HWND CreateParent() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VseColourTestParent";
    ::RegisterClassW(&wc);
    registered = true;
  }
  return ::CreateWindowExW(0, L"VseColourTestParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                           nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

class ColouringControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(project_.opened());
    parent_ = CreateParent();
    ASSERT_NE(parent_, nullptr);
    // The control reads its colours once, on creation; the shared settings are put back
    // at once so that other programs see the defaults again.
    for (std::size_t i = 0; i < orv::kConfigurableColourCount; ++i) {
      APTarvoSetStrLocal(orv::kColourSettingsSection, orv::kColourSettings[i].key,
                         std::to_wstring(TestColour(i)).c_str());
    }
    RECT rect{10, 10, 610, 410};
    h_ = VSECreateScriptEdit(L"VBScript", parent_, rect, 77, 4, L"Courier New", 10);
    for (const auto& setting : orv::kColourSettings) {
      APTarvoSetStrLocal(orv::kColourSettingsSection, setting.key, std::to_wstring(setting.defaultValue).c_str());
    }
    ASSERT_NE(h_, nullptr);
    edit_ = VSEGetEditHWnd(h_);
    Pump();
  }
  void TearDown() override {
    if (h_) VSEDetroyScriptEdit(h_);
    ::DestroyWindow(parent_);
    Pump();
  }

  std::wstring Text() {
    int n = VSEGetTextLength(h_);
    std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
    VSEGetText(h_, buffer.data(), n + 1);
    return buffer.data();
  }
  // The class letter of every character of the first line, from its colour in the window.
  std::wstring Letters() {
    std::wstring letters;
    const LONG length = static_cast<LONG>(::SendMessageW(edit_, EM_LINELENGTH, 0, 0));
    for (LONG i = 0; i < length; ++i) {
      ::SendMessageW(edit_, EM_SETSEL, i, i + 1);
      CHARFORMAT2W format{};
      format.cbSize = sizeof(format);
      ::SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
      letters += LetterOfColour(format.crTextColor);
    }
    return letters;
  }
  void Type(const std::wstring& chars) {
    for (wchar_t c : chars) {
      ::SendMessageW(edit_, WM_CHAR, c, 1);
      Pump();
    }
  }

  orv::win::ComInit com_;
  TagProject project_;
  HWND parent_ = nullptr;
  HVSE h_ = nullptr;
  HWND edit_ = nullptr;
};

// Every golden line, set as the control's text, is coloured and re-spelled as expected,
// with the real engine, the library's keyword resource and the project's tags.
TEST_F(ColouringControlTest, GoldenFilesReadBackFromTheWindow) {
  const char* dir = std::getenv("ORV_TEST_DATA");
  ASSERT_NE(dir, nullptr);
  std::size_t checked = 0;
  std::wstring language = L"VBScript";
  for (const auto& entry : std::filesystem::directory_iterator(std::string(dir) + "/colour/tests/golden")) {
    if (entry.path().extension() != ".golden") continue;
    const auto golden = orv::testkit::ReadGoldenFile(entry.path().string());
    // The files may name host functions for the stand-in that the real host library
    // does not have; lines using them cannot hold here.
    std::vector<std::wstring> unknownFunctions;
    for (const auto& f : golden.functions) {
      if (!MTIsFunctionName(f.c_str())) unknownFunctions.push_back(f);
    }
    for (const auto& c : golden.cases) {
      if (c.errorLine) continue;  // the error line is set by Check Script, not by text
      bool usesUnknown = false;
      for (const auto& f : unknownFunctions) usesUnknown = usesUnknown || c.text.find(f) != std::wstring::npos;
      if (usesUnknown) continue;
      if (c.language != language) {
        language = c.language;
        VSESetLanguage(h_, language.c_str());
      }
      VSESetCapitalizeWord(h_, c.capitalise ? TRUE : FALSE);
      VSESetText(h_, c.text.c_str());
      Pump();
      SCOPED_TRACE(entry.path().filename().string() + ":" + std::to_string(c.row));
      EXPECT_EQ(orv::ToUtf8(Text()), orv::ToUtf8(c.expectedText));
      EXPECT_EQ(orv::ToUtf8(Letters()), orv::ToUtf8(c.expectedClasses));
      ++checked;
    }
  }
  EXPECT_GE(checked, 40u);
}

TEST_F(ColouringControlTest, CapitalisationOnAndOff) {
  VSESetCapitalizeWord(h_, FALSE);
  EXPECT_FALSE(VSEGetCapitalizeWord(h_));
  VSESetText(h_, L"dim x : msgbox x");
  EXPECT_EQ(Text(), L"dim x : msgbox x");
  EXPECT_EQ(Letters(), L"KKK.....FFFFFF..");
  // Turning it on re-spells every line at once.
  VSESetCapitalizeWord(h_, TRUE);
  EXPECT_TRUE(VSEGetCapitalizeWord(h_));
  EXPECT_EQ(Text(), L"Dim x : MsgBox x");
  // Colouring and re-spelling never become undo steps.
  EXPECT_FALSE(VSECanEditUndo(h_));
}

TEST_F(ColouringControlTest, AnotherLanguageColoursNoKeywordsAndHasNoEngine) {
  VSESetLanguage(h_, L"JScript");
  VSESetText(h_, L"dim x = msgbox(1)");
  EXPECT_EQ(Text(), L"dim x = msgbox(1)");
  EXPECT_EQ(Letters(), L"...............N.");
  EXPECT_FALSE(VSECanAddObject(h_, L"Pump"));
  VSESetLanguage(h_, L"vbscript");
  EXPECT_EQ(Text(), L"Dim x = MsgBox(1)");
  EXPECT_TRUE(VSECanAddObject(h_, L"Pump"));
}

TEST_F(ColouringControlTest, ObjectsAndVariablesThroughTheEngine) {
  CLSID clsid{};
  orv::win::ComPtr<IDispatch> dictionary;
  ASSERT_TRUE(SUCCEEDED(::CLSIDFromProgID(L"Scripting.Dictionary", &clsid)));
  ASSERT_TRUE(SUCCEEDED(
      ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, dictionary.put_void())));
  EXPECT_TRUE(VSECanAddObject(h_, L"Pump"));
  EXPECT_FALSE(VSECanAddObject(h_, L"MSGBOX"));  // a built-in name
  VSEAddObject(h_, L"Pump", dictionary.get());
  EXPECT_FALSE(VSECanAddObject(h_, L"pump"));
  EXPECT_FALSE(VSECanAddVariable(h_, L"PUMP"));
  VSERemoveObject(h_, L"Pump");
  EXPECT_TRUE(VSECanAddObject(h_, L"Pump"));

  VSEAddVariable(h_, L"Counter");
  EXPECT_FALSE(VSECanAddVariable(h_, L"counter"));
  VSERemoveVariable(h_, L"Counter");
  EXPECT_TRUE(VSECanAddVariable(h_, L"Counter"));
}

TEST_F(ColouringControlTest, TypingRespellsAndUndoRestoresTheTextOnly) {
  VSESetText(h_, L"");
  ::SetFocus(edit_);
  Type(L"x = \"a\"");
  EXPECT_EQ(Text(), L"x = \"a\"");
  EXPECT_EQ(Letters(), L"...._S_");
  int steps = 0;
  while (VSECanEditUndo(h_) && steps < 50) {
    VSEEditUndo(h_);
    Pump();
    ++steps;
  }
  EXPECT_EQ(Text(), L"");
  // Colour changes made no steps of their own: at most one per typed character.
  EXPECT_LE(steps, 7);
}

// A changed tag database version recolours every line when the control gets the focus.
TEST_F(ColouringControlTest, NewTagDatabaseVersionRecoloursOnFocus) {
  VSESetText(h_, L"Pump = 1");
  EXPECT_EQ(Letters(), L".......N");
  const DWORD before = UNGetVersion();
  ASSERT_TRUE(project_.Reopen(L"TAG\tPump\t2\t0\t-\r\n"));
  ASSERT_NE(UNGetVersion(), before);
  ::SetFocus(parent_);
  ::SetFocus(edit_);
  Pump();
  EXPECT_EQ(Letters(), L"BBBB...N");
}

}  // namespace
