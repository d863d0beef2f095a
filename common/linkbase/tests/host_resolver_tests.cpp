#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "linkbase/host_functions.h"

namespace orv::softplc {
namespace {

// A library whose exports and loads are counted, so naming and caching can be seen.
struct FakeLibrary {
  std::wstring programPath = L"C:\\Program Files\\Orvane\\Bin\\orvctl.exe";
  std::vector<std::wstring> loads;
  std::vector<std::string> lookups;
  std::map<std::string, int> exports;
  bool loadFails = false;
  int unloads = 0;
  int marker = 0;

  CHostResolver::Loader Loader() {
    return {[this] { return programPath; },
            [this](const wchar_t* name) -> HMODULE {
              loads.push_back(name);
              return loadFails ? nullptr : reinterpret_cast<HMODULE>(&marker);
            },
            [this](HMODULE, const char* name) -> FARPROC {
              lookups.push_back(name);
              auto it = exports.find(name);
              return it == exports.end() ? nullptr : reinterpret_cast<FARPROC>(static_cast<intptr_t>(it->second));
            },
            [this](HMODULE) { ++unloads; }};
  }
};

TEST(HostResolver, ProgramPathChoosesTheLibrary) {
  EXPECT_EQ(HostNaming::Host, CHostResolver::NamingForProgram(L"C:\\Orvane\\Orvane Manager.exe"));
  EXPECT_EQ(HostNaming::Host, CHostResolver::NamingForProgram(L"c:\\x\\ORVANE MANAGER.EXE"));
  EXPECT_EQ(HostNaming::Toolkit, CHostResolver::NamingForProgram(L"C:\\Orvane\\OrvaneManager.exe"));
  EXPECT_EQ(HostNaming::Toolkit, CHostResolver::NamingForProgram(L""));
}

TEST(HostResolver, ToolkitNamingOutsideTheProjectManager) {
  FakeLibrary lib;
  lib.exports = {{"APGetStr", 0x10}, {"APAppDatabasePathEx", 0x20}};
  CHostResolver resolver(lib.Loader());
  EXPECT_EQ(0x10, reinterpret_cast<intptr_t>(resolver.Resolve("_APGetStr@20")));
  EXPECT_EQ(0x20, reinterpret_cast<intptr_t>(resolver.Resolve("_APAppDatabasePath@8")));
  EXPECT_EQ(nullptr, resolver.Resolve("_APGetAppConfigPath@0"));
  ASSERT_EQ(1u, lib.loads.size());
  EXPECT_EQ(L"DuzuveVidadez.dll", lib.loads[0]);
  EXPECT_EQ((std::vector<std::string>{"APGetStr", "APAppDatabasePathEx", "APGetAppConfigPathEx"}), lib.lookups);
}

TEST(HostResolver, HostNamingAsksTheDecoratedNameThenThePlainOne) {
  FakeLibrary lib;
  lib.programPath = L"C:\\Orvane\\Bin\\Orvane Manager.exe";
  lib.exports = {{"_APGetStr@20", 0x30}, {"APAppDatabasePath", 0x40}};
  CHostResolver resolver(lib.Loader());
  EXPECT_EQ(0x30, reinterpret_cast<intptr_t>(resolver.Resolve("_APGetStr@20")));
  EXPECT_EQ(0x40, reinterpret_cast<intptr_t>(resolver.Resolve("_APAppDatabasePath@8")));
  ASSERT_EQ(1u, lib.loads.size());
  EXPECT_EQ(L"Tarvo.dll", lib.loads[0]);
  EXPECT_EQ((std::vector<std::string>{"_APGetStr@20", "_APAppDatabasePath@8", "APAppDatabasePath"}), lib.lookups);
}

TEST(HostResolver, EachAnswerIsKeptAMissingOneIncluded) {
  FakeLibrary lib;
  lib.exports = {{"APGetStr", 0x10}};
  CHostResolver resolver(lib.Loader());
  for (int i = 0; i < 3; ++i) {
    resolver.Resolve("_APGetStr@20");
    resolver.Resolve("_DBGetVar@8");
  }
  lib.exports["DBGetVar"] = 0x50;  // appearing later does not matter: the miss is kept
  EXPECT_EQ(nullptr, resolver.Resolve("_DBGetVar@8"));
  EXPECT_EQ(2u, lib.lookups.size());
  EXPECT_EQ(1u, lib.loads.size());
}

TEST(HostResolver, AFailedLoadIsTriedAgainAndUnloadsAtTheEnd) {
  FakeLibrary lib;
  lib.exports = {{"APGetStr", 0x10}};
  lib.loadFails = true;
  {
    CHostResolver resolver(lib.Loader());
    EXPECT_EQ(nullptr, resolver.Resolve("_APGetStr@20"));
    EXPECT_EQ(nullptr, resolver.Resolve("_APGetStr@20"));
    EXPECT_EQ(2u, lib.loads.size());
    lib.loadFails = false;
    EXPECT_EQ(0x10, reinterpret_cast<intptr_t>(resolver.Resolve("_APGetStr@20")));
    EXPECT_EQ(3u, lib.loads.size());
    EXPECT_EQ(0, lib.unloads);
  }
  EXPECT_EQ(1, lib.unloads);
}

TEST(HostCalls, FallbacksWithoutAnyHostLibrary) {
  // This test program has no host library beside it: every call takes its fallback.
  EXPECT_EQ(L"", HostGetStr(L"SoftPLC", L"AppDirectory", L"default", 64));
  EXPECT_EQ(L"", HostAppDatabasePath(L"tagl.plc"));
  EXPECT_EQ(L"", HostGetAppConfigPath());
  EXPECT_EQ(L"", HostTarvoGetStrLocal(L"Font", L"FontName", L"Arial", 32));
  EXPECT_EQ(7, HostTarvoGetIntLocal(L"Font", L"CharSet", 7));
  EXPECT_EQ(L"", HostTarvoBinPath(L"DataExp3.DLL"));
  EXPECT_FALSE(HostTagExists(L"Input1"));
  HostSetStr(L"SoftPLC", L"ProjVersion", L"1");
  HostTarvoSetStrLocal(L"NewProject::SoftPLC", L"AppDirectory", L"x");
}

}  // namespace
}  // namespace orv::softplc
