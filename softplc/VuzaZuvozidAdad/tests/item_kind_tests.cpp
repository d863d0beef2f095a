#include <gtest/gtest.h>

#include "item_kind.h"

namespace orv::softplc {
namespace {

TEST(ItemKind, KindTextDecidesTypeAndAddress) {
  struct Case {
    const char* alias;
    const char* kind;
    const wchar_t* tag;
    int type;
    const wchar_t* address;
  } cases[] = {
      {"Motor.Run", "%IX0.0", L"Motor_Run", 0, L"X:Motor.Run"},
      {"A.B.C", "%IX0.1", L"A_B.C", 0, L"X:A.B.C"},
      {"Count", "%IB3", L"Count", 1, L"B:Count"},
      {"Pos", "%ID4", L"Pos", 1, L"D:Pos"},
      {"Temp", "%IF2", L"Temp", 2, L"F:Temp"},
      {"Marker", "%MM1", L"Marker", 1, L"Marker"},
      {"Mem1", "%MUW5", L"Mem1", 1, L"UW:Mem1"},
      {"Mem2", "%MUB5", L"Mem2", 1, L"UB:Mem2"},
      {"Mem3", "%MUD5", L"Mem3", 1, L"UD:Mem3"},
      {"Mem4", "%MUQ5", L"Mem4", 1, L"Mem4"},
      {"Mem5", "%MU", L"Mem5", 1, L"Mem5"},
      {"Word", "%QW7", L"Word", 1, L"W:Word"},
      {"Odd", "%QZ7", L"Odd", 3, L"Odd"},
      {"Short", "%Q", L"Short", 3, L"Short"},
      {"", "", L"", 3, L""},
      {"Text1", kStringKind, L"Text1", 3, L"Text1"},
      {"T.5", kTimerKind, L"T_5", 1, L"T.5"},
  };
  for (const Case& c : cases) {
    ItemTag tag = TagOfItem(c.alias, c.kind);
    EXPECT_EQ(c.tag, tag.tagName) << c.alias;
    EXPECT_EQ(c.type, tag.typeCode) << c.alias;
    EXPECT_EQ(c.address, tag.address) << c.alias;
  }
}

}  // namespace
}  // namespace orv::softplc
