#include <gtest/gtest.h>

#include "process/run_process.h"

namespace {
using orv::testing::ProgramFolder;
using orv::testing::RunProcess;

std::wstring Orvctl(const std::wstring& args) { return L"\"" + ProgramFolder() + L"orvctl.exe\" " + args; }

TEST(Orvctl, HelpListsCommandsAndVersionPrints) {
  auto help = RunProcess(Orvctl(L"help"));
  EXPECT_EQ(0u, help.exitCode);
  EXPECT_NE(std::string::npos, help.out.find("version"));
  auto version = RunProcess(Orvctl(L"version"));
  EXPECT_EQ(0u, version.exitCode);
  EXPECT_EQ(0u, version.out.rfind("orvctl ", 0));
}

TEST(Orvctl, UnknownCommandIsAUsageError) {
  auto r = RunProcess(Orvctl(L"frobnicate"));
  EXPECT_EQ(2u, r.exitCode);
  EXPECT_NE(std::string::npos, r.err.find("unknown command"));
}

}  // namespace
