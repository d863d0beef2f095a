#include <gtest/gtest.h>

#include "linkbase/driver_files.h"

namespace orv::softplc {
namespace {

std::wstring Joined(const wchar_t* const* lines, std::size_t n) {
  std::wstring text;
  for (std::size_t i = 0; i < n; ++i) text += std::wstring(lines[i]) + L"\n";
  return text;
}

TEST(DriverConfig, LineCountsAndValuesPerDriver) {
  const wchar_t* const thinkDo[] = {L"COM2", L"9600", L"8", L"1", L"0", L"", L"10.0.0.5", L"Line1", L"0", L"1",
                                    L"1000", L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0"};
  EXPECT_EQ(Joined(thinkDo, 20), ConfigText(ThinkDoConfigLines(L"10.0.0.5", L"Line1")));

  const wchar_t* const vivazor[] = {L"COM2", L"9600", L"8", L"1", L"0", L"", L"ISAGRAF", L"", L"1", L"0",
                                    L"1000", L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0"};
  EXPECT_EQ(Joined(vivazor, 20), ConfigText(VivazorConfigLines(L"ISAGRAF", L"", true, false)));

  const wchar_t* const vuza[] = {L"COM2", L"9600", L"8", L"1", L"0", L"", L"", L"", L"0", L"0", L"1000",
                                 L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0", L"0"};
  EXPECT_EQ(Joined(vuza, 21), ConfigText(VuzaConfigLines()));

  const wchar_t* const revidad[] = {L"COM2", L"9600", L"8", L"1", L"0", L"", L"", L"", L"", L"0", L"0",
                                    L"1000", L"0", L"500", L"100", L"0", L"0", L"512", L"512", L"0", L"0"};
  EXPECT_EQ(Joined(revidad, 21), ConfigText(RevidadConfigLines()));
}

TEST(DriverWorksheet, HeaderFormFeedAndRows) {
  std::wstring expected =
      L"Think & Do\nMURV\n0|0\n2\nT\nV1\nT\nT\nT\nV1\nT\nT\nS\nS\nI\nI\nF\nF\n\f"
      L"TInput12\tB1:12\tF\tF\nTNumber0\tB7:0\tF\tF\n";
  EXPECT_EQ(expected, WorksheetText({L"Think & Do", L"MURV", L""}, {{L"Input12", L"1:12"}, {L"Number0", L"7:0"}}));
}

TEST(DriverWorksheet, WithoutRowsEndsWithTheFormFeed) {
  std::wstring text = WorksheetText({L"INPUTS", L"ZAVO", L"INPUTS"}, {});
  EXPECT_EQ(L"INPUTS\nZAVO\n0|0\n0\nT\nV1\nT\nT\nT\nV1\nT\nT\nS\nSINPUTS\nI\nI\nF\nF\n\f", text);
}

}  // namespace
}  // namespace orv::softplc
