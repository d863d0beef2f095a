#include <gtest/gtest.h>

#include "linkbase/link_text.h"

namespace orv::softplc {
namespace {

TEST(AppFolderName, LastFolderOfTheDirectory) {
  struct Case {
    const wchar_t* directory;
    const wchar_t* folder;
  } cases[] = {
      {L"C:\\Apps\\Line1\\", L"Line1"}, {L"C:\\Apps\\Line1", L"Line1"}, {L"Line1\\", L""},
      {L"", L""},                       {L"\\", L""},                   {L"C:\\", L""},
      {L"\\\\srv\\share\\Plc\\", L"Plc"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.folder, AppFolderName(c.directory)) << c.directory;
}

TEST(WithTrailingBackslash, AddsOneOnlyWhereMissing) {
  EXPECT_EQ(L"C:\\Apps\\", WithTrailingBackslash(L"C:\\Apps"));
  EXPECT_EQ(L"C:\\Apps\\", WithTrailingBackslash(L"C:\\Apps\\"));
  EXPECT_EQ(L"", WithTrailingBackslash(L""));
}

TEST(TrimAndFlags, WhiteSpaceAndTrueText) {
  EXPECT_EQ(L"a b", Trim(L" \t a b \r\n"));
  EXPECT_EQ(L"a ", TrimLeft(L"  a "));
  EXPECT_EQ(L"  a", TrimRight(L"  a \t"));
  EXPECT_TRUE(IsTrueText(L"TRUE"));
  EXPECT_TRUE(IsTrueText(L"true"));
  EXPECT_TRUE(IsTrueText(L"tRuE"));
  EXPECT_FALSE(IsTrueText(L"TRUE "));
  EXPECT_FALSE(IsTrueText(L"1"));
  EXPECT_FALSE(IsTrueText(L""));
}

TEST(ToolkitName, NamingRules) {
  struct Case {
    const char* asked;
    const char* toolkit;
    const char* undecorated;
  } cases[] = {
      {"_APGetStr@20", "APGetStr", "APGetStr"},
      {"_APAppDatabasePath@8", "APAppDatabasePathEx", "APAppDatabasePath"},
      {"_APGetAppConfigPath@0", "APGetAppConfigPathEx", "APGetAppConfigPath"},
      {"_DBGetVar@8", "DBGetVar", "DBGetVar"},
      {"__Two@1", "_Two", "_Two"},
      {"NoDecoration", "NoDecoration", "NoDecoration"},
      {"_APAppDatabasePathX@8", "APAppDatabasePathX", "APAppDatabasePathX"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.toolkit, ToolkitName(c.asked)) << c.asked;
    EXPECT_EQ(c.undecorated, UndecoratedName(c.asked)) << c.asked;
  }
  std::string longName = "_" + std::string(300, 'A') + "@4";
  EXPECT_EQ(std::string(255, 'A'), ToolkitName(longName));
}

}  // namespace
}  // namespace orv::softplc
