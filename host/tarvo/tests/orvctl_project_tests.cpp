// orvctl's project and tag commands, run as separate processes on temporary projects:
// what they create, what they refuse, and that refused input changes nothing.
#include <gtest/gtest.h>

#include "tarvo_loader.h"

namespace tarvo::test {
namespace {

using orv::testing::ReadFileBytes;
using orv::testing::RunProcess;

orv::testing::ProcessResult Orvctl(const std::wstring& args) {
  return RunProcess(L"\"" + orv::testing::ProgramFolder() + L"orvctl.exe\" " + args, 30000);
}

class OrvctlProject : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableW(L"ORV_HEADLESS", L"1");  // a child's message box must never block
    TARVO_FN(lib, APTarvoGetStrLocal);
    wchar_t buffer[1024];
    APTarvoGetStrLocal(L"Application", L"Configuration", L"", buffer, 1024);
    savedConfiguration = buffer;
    APTarvoGetStrLocal(L"Application", L"Directory", L"", buffer, 1024);
    savedDirectory = buffer;
  }
  void TearDown() override {
    TARVO_FN(lib, APTarvoSetStrLocal);
    APTarvoSetStrLocal(L"Application", L"Configuration", savedConfiguration.c_str());
    APTarvoSetStrLocal(L"Application", L"Directory", savedDirectory.c_str());
  }
  TarvoLibrary lib;
  orv::testing::TempFolder temp{L"orvctlproj"};
  std::wstring savedConfiguration, savedDirectory;
};

TEST_F(OrvctlProject, NewOpenAddImportAndList) {
  const std::wstring folder = temp / L"Plant";
  auto r = Orvctl(L"project new \"" + folder + L"\"");
  ASSERT_EQ(0u, r.exitCode) << r.err;
  for (const wchar_t* sub : {L"Config", L"Database", L"Screen", L"Web"})
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder + L"\\" + sub).c_str()));
  r = Orvctl(L"project new \"" + folder + L"\"");
  EXPECT_EQ(1u, r.exitCode);  // an existing project is never overwritten

  ASSERT_EQ(0u, Orvctl(L"project open \"" + folder + L"\"").exitCode);
  TARVO_FN(lib, APTarvoGetStrLocal);
  wchar_t buffer[1024];
  APTarvoGetStrLocal(L"Application", L"Configuration", L"", buffer, 1024);
  EXPECT_EQ(folder + L"\\Plant.APP", std::wstring(buffer));

  r = Orvctl(L"tags add Speed Real --size 4 --alarm --description \"Motor speed\"");
  ASSERT_EQ(0u, r.exitCode) << r.err;
  orv::testing::WriteFileBytes(temp / L"tags.csv", "name,type,size,flags,description\r\nA1,Integer\r\nA2,String,3,I,second\r\n");
  r = Orvctl(L"tags import \"" + (temp / L"tags.csv") + L"\"");
  ASSERT_EQ(0u, r.exitCode) << r.err;
  r = Orvctl(L"tags list");
  ASSERT_EQ(0u, r.exitCode);
  EXPECT_NE(std::string::npos, r.out.find("1\tSpeed\tReal[4]\tA"));
  EXPECT_NE(std::string::npos, r.out.find("3\tA2\tString[3]\tI"));
  EXPECT_NE(std::string::npos, r.out.find("3 tags"));
  r = Orvctl(L"project show");
  EXPECT_EQ(0u, r.exitCode);
  EXPECT_NE(std::string::npos, r.out.find("Plant.APP"));
}

TEST_F(OrvctlProject, BadInputIsRefusedAndChangesNothing) {
  const std::wstring folder = temp / L"Plant";
  ASSERT_EQ(0u, Orvctl(L"project new \"" + folder + L"\"").exitCode);
  ASSERT_EQ(0u, Orvctl(L"project open \"" + folder + L"\"").exitCode);
  ASSERT_EQ(0u, Orvctl(L"tags add Level Real").exitCode);
  const std::wstring db = folder + L"\\Database\\Tags.tdb";
  const std::string before = ReadFileBytes(db);

  TARVO_FN(lib, APSetAppIniPath);
  TARVO_FN(lib, UNGetVersion);
  APSetAppIniPath((folder + L"\\Plant.APP").c_str());
  const DWORD version = UNGetVersion();

  const wchar_t* refused[] = {L"tags add Level Real", L"tags add \"bad name\" Real", L"tags add X Valve",
                              L"tags add X Real --size 300", L"tags add X"};
  for (const wchar_t* args : refused) {
    const auto r = Orvctl(args);
    EXPECT_NE(0u, r.exitCode) << std::wstring(args).size();
    EXPECT_FALSE(r.err.empty());
  }
  orv::testing::WriteFileBytes(temp / L"bad.csv", "B1,Integer\nbad name,Integer\nB2,Nope\n");
  const auto r = Orvctl(L"tags import \"" + (temp / L"bad.csv") + L"\"");
  EXPECT_EQ(2u, r.exitCode);
  EXPECT_NE(std::string::npos, r.err.find(":2:"));
  EXPECT_NE(std::string::npos, r.err.find(":3:"));
  EXPECT_EQ(before, ReadFileBytes(db));  // all or nothing
  EXPECT_EQ(version, UNGetVersion());

  // A damaged database: opening fails, the machine's running project stays.
  ASSERT_TRUE(orv::testing::WriteFileBytes(db, "garbage"));
  const auto open = Orvctl(L"project open \"" + folder + L"\"");
  EXPECT_EQ(1u, open.exitCode);
  EXPECT_EQ("garbage", ReadFileBytes(db));
  EXPECT_NE(0u, Orvctl(L"tags add Y Real").exitCode);
  EXPECT_EQ("garbage", ReadFileBytes(db));
  EXPECT_EQ(1u, Orvctl(L"project open \"" + (temp / L"Nowhere") + L"\"").exitCode);
}

TEST_F(OrvctlProject, AChangeInAnotherProcessChangesTheVersion) {
  const std::wstring folder = temp / L"Plant";
  ASSERT_EQ(0u, Orvctl(L"project new \"" + folder + L"\"").exitCode);
  ASSERT_EQ(0u, Orvctl(L"project open \"" + folder + L"\"").exitCode);
  TARVO_FN(lib, APSetAppIniPath);
  TARVO_FN(lib, UNGetVersion);
  APSetAppIniPath((folder + L"\\Plant.APP").c_str());
  const DWORD v1 = UNGetVersion();
  EXPECT_NE(0u, v1);
  ASSERT_EQ(0u, Orvctl(L"tags add Flow Real").exitCode);
  EXPECT_NE(v1, UNGetVersion());
  APSetAppIniPath(L"");
}

}  // namespace
}  // namespace tarvo::test
