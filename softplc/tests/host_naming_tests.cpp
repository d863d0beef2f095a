// The links inside a program named like the project manager resolve the host library
// "Tarvo.dll" with host naming; inside any other program the runtime toolkit
// "DuzuveVidadez.dll" with toolkit naming. Both must give the same driver files.
#include <gtest/gtest.h>

#include "process/run_process.h"

namespace {

using orv::testing::ProgramFolder;
using orv::testing::ReadFileBytes;
using orv::testing::RunProcess;
using orv::testing::TempFolder;

std::wstring SourceFile(const std::wstring& relative) {
  wchar_t root[MAX_PATH] = {};
  ::GetEnvironmentVariableW(L"ORV_SOURCE_DIR", root, MAX_PATH);
  std::wstring path = std::wstring(root) + L"\\" + relative;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

// A folder with the driver program, ThinkDoLink, one host library and its fixture.
class LinkFolder {
 public:
  LinkFolder(const wchar_t* program, const wchar_t* hostDouble, const wchar_t* hostName) : folder_(L"naming") {
    for (const wchar_t* sub : {L"config", L"app", L"cwd"}) ::CreateDirectoryW((folder_ / sub).c_str(), nullptr);
    program_ = folder_ / program;
    ::CopyFileW((ProgramFolder() + L"Orvane Manager.exe").c_str(), program_.c_str(), FALSE);
    ::CopyFileW((ProgramFolder() + L"ThinkDoLink.dll").c_str(), (folder_ / L"ThinkDoLink.dll").c_str(), FALSE);
    if (hostDouble)
      ::CopyFileW((ProgramFolder() + hostDouble).c_str(), (folder_ / hostName).c_str(), FALSE);
    Set(L"paths", L"config", folder_ / L"config\\");
    Set(L"project.SoftPLC", L"AppDirectory", folder_ / L"app");
    Set(L"project.SoftPLC", L"IPAddress", L"192.168.1.10");
    Set(L"tags", L"Output2", L"1");
    orv::testing::WriteFileBytes(folder_ / L"app\\Plant.map",
                                 ReadFileBytes(SourceFile(L"softplc/ThinkDoLink/tests/Plant.map")));
  }

  void Set(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), (folder_ / L"host_fixture.ini").c_str());
  }

  // The program's output with its console line ends as "\n".
  orv::testing::ProcessResult Run(const std::wstring& arguments) {
    auto result = RunProcess(L"\"" + program_ + L"\" softplc ThinkDoLink " + arguments, 60000,
                             (folder_ / L"cwd").c_str());
    std::string out;
    for (char c : result.out) {
      if (c != '\r') out += c;
    }
    result.out = out;
    return result;
  }
  std::string File(const std::wstring& relative) { return ReadFileBytes(folder_ / relative); }

 private:
  TempFolder folder_;
  std::wstring program_;
};

const char kExpectedTags[] =
    "Input12\t0\t0\tStart PB\n"
    "Input5\t0\t0\t\n";

void ExpectSameFilesAsTheExpected(LinkFolder& folder) {
  EXPECT_EQ(ReadFileBytes(SourceFile(L"softplc/ThinkDoLink/tests/expected/MURV.TFC")), folder.File(L"config\\MURV.TFC"));
  EXPECT_EQ(ReadFileBytes(SourceFile(L"softplc/ThinkDoLink/tests/expected/MURV001.DRV")),
            folder.File(L"config\\MURV001.DRV"));
}

TEST(HostNaming, InsideTheProjectManagerTheLinksUseTarvo) {
  LinkFolder folder(L"Orvane Manager.exe", L"double_tarvo.dll", L"Tarvo.dll");
  auto generated = folder.Run(L"generate");
  EXPECT_EQ(0u, generated.exitCode) << generated.err;
  ExpectSameFilesAsTheExpected(folder);
  auto tags = folder.Run(L"tags");
  EXPECT_EQ(0u, tags.exitCode) << tags.err;
  EXPECT_EQ(0u, tags.out.find(kExpectedTags)) << tags.out;
  EXPECT_NE(std::string::npos, tags.out.find("tags: 8\n")) << tags.out;
}

TEST(HostNaming, ElsewhereTheLinksUseTheRuntimeToolkit) {
  LinkFolder folder(L"softplc_driver.exe", L"double_duzuvevidadez.dll", L"DuzuveVidadez.dll");
  auto generated = folder.Run(L"generate --config --worksheet");
  EXPECT_EQ(0u, generated.exitCode) << generated.err;
  ExpectSameFilesAsTheExpected(folder);
  auto tags = folder.Run(L"tags");
  EXPECT_EQ(0u, tags.out.find(kExpectedTags)) << tags.out;
}

TEST(HostNaming, TheProjectManagerDoesNotUseTheToolkit) {
  // Named like the project manager but with only the toolkit beside it: no host library,
  // so every call falls back and the configuration file lands in the current folder.
  LinkFolder folder(L"Orvane Manager.exe", L"double_duzuvevidadez.dll", L"DuzuveVidadez.dll");
  auto generated = folder.Run(L"generate --config");
  EXPECT_EQ(0u, generated.exitCode) << generated.err;
  EXPECT_TRUE(folder.File(L"config\\MURV.TFC").empty());
  // Empty IP address and folder name (lines 7 and 8).
  std::wstring expected = L"\uFEFFCOM2\r\n9600\r\n8\r\n1\r\n0\r\n\r\n\r\n\r\n0\r\n1\r\n1000\r\n0\r\n500\r\n100\r\n"
                          L"0\r\n0\r\n512\r\n512\r\n0\r\n0\r\n";
  std::string bytes;
  for (wchar_t c : expected) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  EXPECT_EQ(bytes, folder.File(L"cwd\\MURV.TFC"));
  auto opened = folder.Run(L"open");
  EXPECT_EQ(1u, opened.exitCode);
  EXPECT_EQ("OpenDLL: 0\n", opened.out);
}

TEST(HostNaming, DriverRejectsBadCommandLines) {
  LinkFolder folder(L"softplc_driver.exe", nullptr, L"");
  EXPECT_EQ(2u, folder.Run(L"fly").exitCode);
  EXPECT_EQ(2u, folder.Run(L"generate --everything").exitCode);
  auto missing = RunProcess(L"\"" + ProgramFolder() + L"Orvane Manager.exe\" softplc NoSuchLink tags");
  EXPECT_EQ(1u, missing.exitCode);
}

}  // namespace
