#include <gtest/gtest.h>

#include "linkbase/link_files.h"
#include "process/run_process.h"

namespace orv::softplc {
namespace {

using orv::testing::ReadFileBytes;
using orv::testing::TempFolder;

std::string Utf16(const std::wstring& text) {
  std::string bytes("\xFF\xFE", 2);
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>((c >> 8) & 0xFF);
  }
  return bytes;
}

TEST(LinkFiles, WorksheetIsUtf16WithCrLfAndTheBareFormFeed) {
  TempFolder folder(L"linkbase");
  std::wstring path = folder / L"MURV001.DRV";
  ASSERT_TRUE(WriteLinkFile(path, WorksheetText({L"Think & Do", L"MURV", L""}, {{L"Flag3", L"2:3"}})));
  EXPECT_EQ(Utf16(L"Think & Do\r\nMURV\r\n0|0\r\n1\r\nT\r\nV1\r\nT\r\nT\r\nT\r\nV1\r\nT\r\nT\r\nS\r\nS\r\nI\r\nI\r\n"
                  L"F\r\nF\r\n\fTFlag3\tB2:3\tF\tF\r\n"),
            ReadFileBytes(path));
}

TEST(LinkFiles, AFileThatCannotBeCreatedIsReportedNotThrown) {
  TempFolder folder(L"linkbase");
  EXPECT_FALSE(WriteLinkFile(folder / L"no such folder\\MURV.TFC", L"x\n"));
}

TEST(LinkFiles, WithoutAHostLibraryFilesGoToTheCurrentFolder) {
  EXPECT_EQ(L"MURV.TFC", ConfigFilePath(L"MURV.TFC"));
  EXPECT_EQ(L"", ReadAppDirectory());
}

TEST(LinkFiles, FirstMatchAndWriteTimes) {
  TempFolder folder(L"linkbase");
  ASSERT_TRUE(orv::testing::WriteFileBytes(folder / L"Plant.map", "v\r\np\r\n"));
  EXPECT_EQ(L"Plant.map", FindFirstMatch(folder / L"*.MAP"));
  EXPECT_EQ(L"", FindFirstMatch(folder / L"*.dlo"));
  unsigned long long time = 0;
  EXPECT_TRUE(FileWriteTime(folder / L"Plant.map", time));
  EXPECT_NE(0u, time);
  EXPECT_FALSE(FileWriteTime(folder / L"missing.map", time));
  EXPECT_FALSE(FileWriteTime(folder.path(), time));
}

}  // namespace
}  // namespace orv::softplc
