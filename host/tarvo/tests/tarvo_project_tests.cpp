// Paths, settings, security groups, messages and facts of tarvo.dll, through its
// exports, on a temporary copy of the sample project.
#include <gtest/gtest.h>

#include "seams/seam_capture.h"
#include "tarvo_loader.h"

namespace tarvo::test {
namespace {

class TarvoProject : public ::testing::Test {
 protected:
  TarvoLibrary lib;
  SampleProjectCopy project{lib};
};

TEST_F(TarvoProject, LibraryLoadsAndTheSampleProjectIsCurrent) {
  ASSERT_NE(nullptr, lib.module());
  TARVO_FN(lib, APGetAppPath);
  TARVO_FN(lib, APGetAppIniPath);
  TARVO_FN(lib, IsDBOpen);
  EXPECT_EQ(project.folder(), std::wstring(APGetAppPath()));
  EXPECT_EQ(project.ini(), std::wstring(APGetAppIniPath()));
  EXPECT_TRUE(IsDBOpen());
}

TEST_F(TarvoProject, NamesArePlacedInTheProjectFolders) {
  using PathFn = BOOL(WINAPI*)(const wchar_t*, wchar_t*);
  const struct {
    const char* fn;
    const wchar_t* name;
    std::wstring expected;
  } cases[] = {
      {"APAppPath", L"sysinfo.txt", project.path(L"sysinfo.txt")},
      {"APAppConfigPath", L"MATH007.MAT", project.path(L"Config\\MATH007.MAT")},
      {"APAppDatabasePath", L"*.MAP", project.path(L"Database\\*.MAP")},
      {"APAppDatabasePathEx", L"tagl.plc", project.path(L"Database\\tagl.plc")},
      {"_APAppDatabasePath@8", L"tagl.plc", project.path(L"Database\\tagl.plc")},
      {"APAppScreenPath", L"main.scr", project.path(L"Screen\\main.scr")},
      {"APAppWebPath", L"scriptglobal.gis", project.path(L"Web\\scriptglobal.gis")},
      {"APAppConfigPath", L"C:\\other\\file.txt", L"C:\\other\\file.txt"},
      {"APAppWebPath", L"\\\\server\\share\\a.txt", L"\\\\server\\share\\a.txt"},
      {"APTarvoBinPath", L"OCDLL.DLL", orv::testing::ProgramFolder() + L"OCDLL.DLL"},
  };
  for (const auto& c : cases) {
    const PathFn fn = lib.Get<PathFn>(c.fn);
    ASSERT_NE(nullptr, fn) << c.fn;
    wchar_t buffer[TARVO_MAX_PATH] = L"junk";
    EXPECT_TRUE(fn(c.name, buffer)) << c.fn;
    EXPECT_EQ(c.expected, std::wstring(buffer)) << c.fn;
  }
  // A name too long for a path buffer gives an empty buffer, never an overrun.
  wchar_t guard[TARVO_MAX_PATH + 8];
  wmemset(guard, L'#', TARVO_MAX_PATH + 8);
  TARVO_FN(lib, APAppPath);
  EXPECT_FALSE(APAppPath(std::wstring(400, L'a').c_str(), guard));
  EXPECT_EQ(L'\0', guard[0]);
  EXPECT_EQ(L'#', guard[TARVO_MAX_PATH]);
}

TEST_F(TarvoProject, CurrentFolderCallsEndAsTheirCallersNeed) {
  TARVO_FN(lib, APGetAppConfigPath);
  TARVO_FN(lib, APGetAppConfigPathEx);
  TARVO_FN(lib, APGetAppWebPath);
  TARVO_FN(lib, APTarvo32INI);
  EXPECT_EQ(project.path(L"Config\\"), std::wstring(APGetAppConfigPath()));
  EXPECT_EQ(project.path(L"Config\\"), std::wstring(APGetAppConfigPathEx()));
  EXPECT_EQ(APGetAppConfigPath, lib.Get<decltype(APGetAppConfigPath)>("_APGetAppConfigPath@0"));
  EXPECT_EQ(project.path(L"Web\\"), std::wstring(APGetAppWebPath()));
  EXPECT_EQ(orv::testing::ProgramFolder() + L"Program Settings.ini", std::wstring(APTarvo32INI()));
}

TEST_F(TarvoProject, ProjectSettingsReadWriteAndDefaults) {
  TARVO_FN(lib, APGetStr);
  TARVO_FN(lib, APGetInt);
  TARVO_FN(lib, APSetStr);
  wchar_t buffer[256];
  EXPECT_EQ(2u, APGetStr(L"Info", L"Revision", L"", buffer, 256));
  EXPECT_EQ(std::wstring(L"12"), buffer);
  APGetStr(L"Info", L"Missing", L"fallback", buffer, 256);
  EXPECT_EQ(std::wstring(L"fallback"), buffer);
  EXPECT_EQ(1234, APGetInt(L"TCP", L"Port", 0));
  EXPECT_EQ(-7, APGetInt(L"TCP", L"Nothing", -7));
  EXPECT_EQ(42, APGetInt(L"Info", L"Description", 42));  // not a number: the default
  EXPECT_TRUE(APSetStr(L"Script", L"CheckOptionExplicit", L"0"));
  EXPECT_EQ(0, APGetInt(L"Script", L"CheckOptionExplicit", 1));
  const std::wstring unicode = L"Stra\u00dfe \u6c34 \u0394";
  EXPECT_TRUE(APSetStr(L"Info", L"Site", unicode.c_str()));
  APGetStr(L"Info", L"Site", L"", buffer, 256);
  EXPECT_EQ(unicode, std::wstring(buffer));
  // Decorated names lead to the same functions.
  EXPECT_EQ(APGetStr, lib.Get<decltype(APGetStr)>("_APGetStr@20"));
  EXPECT_EQ(APSetStr, lib.Get<decltype(APSetStr)>("_APSetStr@12"));
}

TEST_F(TarvoProject, EveryCallerSizedBufferIsRespected) {
  TARVO_FN(lib, APGetStr);
  TARVO_FN(lib, APTarvoGetStr);
  TARVO_FN(lib, DBGetTagName);
  TARVO_FN(lib, UNGetExecutionModeString);
  TARVO_FN(lib, MTGetOrvaneFunction);
  const struct {
    int size;
    const wchar_t* expected;
  } sizes[] = {{0, L"#"}, {1, L""}, {2, L"1"}, {3, L"12"}, {4, L"12"}};
  for (const auto& s : sizes) {
    wchar_t buffer[8];
    wmemset(buffer, L'#', 8);
    buffer[7] = L'\0';
    APGetStr(L"Info", L"Revision", L"", buffer, s.size);
    if (s.size == 0)
      EXPECT_EQ(L'#', buffer[0]);
    else
      EXPECT_EQ(std::wstring(s.expected), std::wstring(buffer)) << s.size;
    EXPECT_EQ(L'#', buffer[s.size < 3 ? s.size : 3]) << s.size;  // nothing past the terminator
  }
  wchar_t small[4];
  wmemset(small, L'#', 4);
  APTarvoGetStr(L"OEM", L"ProductName", L"", small, 3);
  EXPECT_EQ(std::wstring(L"Or"), std::wstring(small));
  EXPECT_EQ(L'#', small[3]);
  wmemset(small, L'#', 4);
  EXPECT_FALSE(DBGetTagName(1, small, 3));  // "Level" does not fit
  EXPECT_EQ(std::wstring(L"Le"), std::wstring(small));
  wmemset(small, L'#', 4);
  UNGetExecutionModeString(small, 1);
  EXPECT_EQ(L'\0', small[0]);
  EXPECT_EQ(L'#', small[1]);
  MTGetOrvaneFunction(0, small, 0, 1);
  EXPECT_EQ(L'\0', small[0]);
  EXPECT_FALSE(DBGetTagName(1, nullptr, 10));
}

TEST_F(TarvoProject, ProductSettingsComeFromTheShippedFile) {
  TARVO_FN(lib, APTarvoGetStr);
  TARVO_FN(lib, APTarvoGetInt);
  wchar_t buffer[256];
  APTarvoGetStr(L"Install", L"Version", L"Unavailable", buffer, 31);
  EXPECT_EQ(std::wstring(L"1.0"), buffer);
  APTarvoGetStr(L"RuntimeTasks", L"Task0", L"", buffer, 256);
  EXPECT_EQ(std::wstring(L"DRIVER"), buffer);
  EXPECT_GT(APTarvoGetInt(L"Script-ScriptWorksheet", L"Count", 0), 0);
  EXPECT_EQ(26640, APTarvoGetInt(L"SNMP", L"OidEnterpriseNumber", 0));
  EXPECT_EQ(5, APTarvoGetInt(L"NoSection", L"NoKey", 5));
}

TEST_F(TarvoProject, PerMachineSettingsAreSharedWithOtherProcesses) {
  TARVO_FN(lib, APTarvoSetStrLocal);
  TARVO_FN(lib, APTarvoGetStrLocal);
  TARVO_FN(lib, APTarvoGetIntLocal);
  ASSERT_TRUE(APTarvoSetStrLocal(L"TarvoTest", L"Color", L"255"));
  EXPECT_EQ(255, APTarvoGetIntLocal(L"TarvoTest", L"Color", 0));
  EXPECT_EQ(0xFFFFFF, APTarvoGetIntLocal(L"TarvoTest", L"BackColor", 0xFFFFFF));
  wchar_t buffer[64];
  APTarvoGetStrLocal(L"TarvoTest", L"Missing", L"Courier New", buffer, 64);
  EXPECT_EQ(std::wstring(L"Courier New"), buffer);
  ASSERT_TRUE(APTarvoSetStrLocal(L"TarvoTest", L"FontName", L"Consolas"));
  // Another process reads the machine's registry: reg.exe of the same prefix.
  const auto result = orv::testing::RunProcess(L"reg.exe query \"HKCU\\Software\\Orvane\\Local\\TarvoTest\" /v FontName");
  EXPECT_NE(std::string::npos, result.out.find("Consolas"));
  EXPECT_FALSE(APTarvoSetStrLocal(L"", L"x", L"y"));
}

TEST_F(TarvoProject, WritingSettingsNeverCreatesAProjectFile) {
  TARVO_FN(lib, APSetAppIniPath);
  TARVO_FN(lib, APSetStr);
  TARVO_FN(lib, APGetStr);
  TARVO_FN(lib, UNGetVersion);
  const std::wstring missing = project.path(L"Nothing.APP");
  APSetAppIniPath(missing.c_str());
  EXPECT_FALSE(APSetStr(L"A", L"B", L"C"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(missing.c_str()));
  wchar_t buffer[16];
  APGetStr(L"Info", L"Revision", L"none", buffer, 16);
  EXPECT_EQ(std::wstring(L"none"), buffer);
  EXPECT_EQ(0u, UNGetVersion());  // no valid configuration
}

TEST_F(TarvoProject, VersionChangesWithTheConfiguration) {
  TARVO_FN(lib, UNGetVersion);
  TARVO_FN(lib, APSetStr);
  const DWORD v1 = UNGetVersion();
  EXPECT_NE(0u, v1);
  EXPECT_EQ(v1, UNGetVersion());
  ASSERT_TRUE(APSetStr(L"Info", L"Revision", L"13"));
  const DWORD v2 = UNGetVersion();
  EXPECT_NE(v1, v2);
  DeleteFileW(project.path(L"Database\\Tags.tdb").c_str());
  EXPECT_EQ(0u, UNGetVersion());
}

TEST_F(TarvoProject, SecurityGroupsOfTheProject) {
  TARVO_FN(lib, SEGetNumberOfGroups);
  TARVO_FN(lib, SEGetGroupNames);
  TARVO_FN(lib, SEGetGroupInformation);
  ASSERT_EQ(3, SEGetNumberOfGroups());
  wchar_t names[3][TARVO_GROUP_NAME_SIZE];
  ASSERT_EQ(3, SEGetGroupNames(names, 3));
  EXPECT_EQ(std::wstring(L"Operators"), names[0]);
  EXPECT_EQ(std::wstring(L"Guests"), names[2]);
  EXPECT_EQ(1, SEGetGroupNames(names, 1));
  SEGROUPINFO info;
  ASSERT_TRUE(SEGetGroupInformation(L"engineers", &info));
  EXPECT_EQ(std::wstring(L"Engineers"), info.szName);
  EXPECT_EQ(std::wstring(L"_UserName"), info.szText[0]);
  EXPECT_EQ(std::wstring(L"AlarmHigh"), info.szText[3]);
  EXPECT_FALSE(SEGetGroupInformation(L"Nobody", &info));
  EXPECT_FALSE(SEGetGroupInformation(nullptr, &info));
}

TEST_F(TarvoProject, TracesEventsAndDumpsLandInTheProject) {
  TARVO_FN(lib, UNTrace);
  TARVO_FN(lib, UNTraceDebugEx);
  TARVO_FN(lib, EVGenerateGeneralEvent);
  TARVO_FN(lib, UNGenerateDumpFile);
  UNTrace(L"first line \u00e9");
  UNTraceDebugEx(L"second", L"detail", 1);
  const std::string trace = orv::testing::ReadFileBytes(project.path(L"Database\\trace.log"));
  ASSERT_GE(trace.size(), 2u);
  EXPECT_EQ("\xFF\xFE", trace.substr(0, 2));
  const std::wstring text(reinterpret_cast<const wchar_t*>(trace.data() + 2), (trace.size() - 2) / 2);
  EXPECT_NE(std::wstring::npos, text.find(L"first line \u00e9\r\n"));
  EXPECT_NE(std::wstring::npos, text.find(L"second | detail"));
  EXPECT_TRUE(EVGenerateGeneralEvent(6, L"something happened"));
  EXPECT_FALSE(orv::testing::ReadFileBytes(project.path(L"Database\\events.log")).empty());
  wchar_t dump[TARVO_MAX_PATH];
  EXPECT_TRUE(UNGenerateDumpFile(nullptr, dump));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(dump));
  EXPECT_EQ(0u, std::wstring(dump).find(project.path(L"Database\\dump_")));
}

TEST_F(TarvoProject, PlaceTextsAndCompileErrors) {
  TARVO_FN(lib, UNGenerateFormatedMessage);
  wchar_t buffer[2048];
  for (int code = 0; code <= 7; ++code) {
    buffer[0] = L'\0';
    EXPECT_TRUE(UNGenerateFormatedMessage(0, L"MATH001.MAT", code, 3, 4, nullptr, 0, buffer, 2048));
    EXPECT_EQ(0u, std::wstring(buffer).find(L"MATH001.MAT")) << code;
  }
  UNGenerateFormatedMessage(0, L"script.is", 5, 7, 0, L"Expected 'End'", 0, buffer, 1024);
  EXPECT_EQ(std::wstring(L"Script compile error in script.is, line 7: Expected 'End'"), buffer);
  wchar_t tiny[2] = {L'#', L'#'};
  UNGenerateFormatedMessage(0, L"x", 2, 1, 0, nullptr, 0, tiny, 1);
  EXPECT_EQ(L'\0', tiny[0]);
  EXPECT_EQ(L'#', tiny[1]);
}

TEST_F(TarvoProject, FactsFromSettingsAndTheDatabase) {
  TARVO_FN(lib, UNGetOrderDateAndSeparator);
  TARVO_FN(lib, UNIsWebEnable);
  TARVO_FN(lib, UNIsAppForCE);
  TARVO_FN(lib, UNIsEnabledSoftPLC);
  TARVO_FN(lib, UNGetAppDatabaseSize);
  TARVO_FN(lib, UNGetInternalDatabaseSize);
  TARVO_FN(lib, UNGetNumAlarmInfo);
  TARVO_FN(lib, UNTrimString);
  TARVO_FN(lib, UNGetFileLanguage);
  TARVO_FN(lib, UNGetExecutionModeString);
  wchar_t order[4];
  wchar_t sep = 0;
  ASSERT_TRUE(UNGetOrderDateAndSeparator(order, 4, &sep));
  EXPECT_EQ(std::wstring(L"DMY"), order);
  EXPECT_EQ(L'/', sep);
  EXPECT_TRUE(UNIsWebEnable());
  EXPECT_FALSE(UNIsAppForCE());
  EXPECT_FALSE(UNIsEnabledSoftPLC());
  EXPECT_EQ(14, UNGetAppDatabaseSize());
  EXPECT_EQ(2, UNGetInternalDatabaseSize());
  EXPECT_EQ(2, UNGetNumAlarmInfo());
  wchar_t text[] = L" \t option explicit \r\n";
  EXPECT_EQ(std::wstring(L"option explicit"), UNTrimString(text));
  wchar_t path[260] = L"#";
  EXPECT_FALSE(UNGetFileLanguage(L"TARNDD", path, 260));
  EXPECT_EQ(L'\0', path[0]);
  wchar_t mode[64];
  EXPECT_TRUE(UNGetExecutionModeString(mode, 64));
  EXPECT_EQ(std::wstring(L"Local"), mode);
}

}  // namespace
}  // namespace tarvo::test
