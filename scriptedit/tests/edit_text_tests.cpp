#include "edit_text.h"
#include "line_colourer.h"

#include <gtest/gtest.h>

namespace vse {
namespace {

TEST(PackPosition, LineLowColumnHigh) {
  EXPECT_EQ(PackPosition(0, 0), 0u);
  EXPECT_EQ(PackPosition(5, 3), 0x00030005u);
  EXPECT_EQ(PackPosition(0x12345, 0x1ABCD), 0xABCD2345u);  // each part keeps its low 16 bits
}

TEST(LeadingWhitespace, SpacesAndTabsOnly) {
  struct Case {
    const wchar_t* line;
    const wchar_t* indent;
  } cases[] = {{L"", L""}, {L"abc", L""}, {L"\t\tx", L"\t\t"}, {L" \t y \t", L" \t "}, {L"\t\t", L"\t\t"}};
  for (const Case& c : cases) EXPECT_EQ(LeadingWhitespace(c.line), c.indent) << c.line;
}

TEST(WithoutLineBreak, DropsTrailingBreaks) {
  EXPECT_EQ(WithoutLineBreak(L"abc\r"), L"abc");
  EXPECT_EQ(WithoutLineBreak(L"abc\r\n"), L"abc");
  EXPECT_EQ(WithoutLineBreak(L"\r\n"), L"");
  EXPECT_EQ(WithoutLineBreak(L"a\rb"), L"a\rb");
}

TEST(BlockLines, SelectionEndingAtColumnZeroLeavesThatLineOut) {
  struct Case {
    int start, end, endColumn, first, last;
  } cases[] = {{0, 2, 5, 0, 2}, {0, 3, 0, 0, 2}, {1, 1, 0, 1, 1}, {2, 3, 1, 2, 3}};
  for (const Case& c : cases) {
    LineRange r = BlockLines(c.start, c.end, c.endColumn);
    EXPECT_EQ(r.first, c.first);
    EXPECT_EQ(r.last, c.last);
  }
}

TEST(IndentBlock, IndentAndOutdent) {
  std::vector<std::wstring> lines = {L"a", L"\tb", L"  c", L""};
  EXPECT_EQ(IndentBlock(lines, false, L"\r"), L"\ta\r\t\tb\r\t  c\r\t\r");
  EXPECT_EQ(IndentBlock(lines, true, L"\n"), L"a\nb\n  c\n\n");
  EXPECT_EQ(IndentBlock({L"\t\tx"}, true, L"\r"), L"\tx\r");  // only one tab goes
}

TEST(WrapInProcedure, HeaderAndEndSub) {
  EXPECT_EQ(WrapInProcedure(L"", L"x = 1"), L"x = 1");
  EXPECT_EQ(WrapInProcedure(L"Sub Main()", L"x = 1"), L"Sub Main()\nx = 1\nEnd Sub");
  EXPECT_EQ(WrapInProcedure(L"Sub Main()", L"x = 1\n"), L"Sub Main()\nx = 1\nEnd Sub");
  EXPECT_EQ(WrapInProcedure(L"Sub Main()", L""), L"Sub Main()\n\nEnd Sub");
}

TEST(NormalLineColourer, EveryCharacterNormalTextUnchanged) {
  NormalLineColourer colourer;
  std::wstring text = L"dim x ' note";
  std::vector<Colour> colours;
  colourer.ColourLine(0, text, colours);
  EXPECT_EQ(text, L"dim x ' note");
  ASSERT_EQ(colours.size(), text.size());
  for (Colour c : colours) EXPECT_EQ(c, kNormalColour);
  EXPECT_TRUE(colourer.Capitalize());
  colourer.SetCapitalize(false);
  EXPECT_FALSE(colourer.Capitalize());
}

}  // namespace
}  // namespace vse
