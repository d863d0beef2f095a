#include <gtest/gtest.h>

#include "core/tag_name.h"
#include "test_database.h"

namespace tarvo {
namespace {

struct NameCase {
  const wchar_t* text;
  bool isTag;
  TagRef ref;
  const wchar_t* canonical;  // DBGetVarName's answer
};

TEST(TagName, ParsesAndFormatsEveryForm) {
  const TagDatabase db = test::SampleDatabase();
  const NameCase cases[] = {
      {L"Level", true, {1, 0, 0, 0, 0, 0}, L"Level"},
      {L"level", true, {1, 0, 0, 0, 0, 0}, L"Level"},
      {L"Valves[3]", true, {3, 3, 0, 0, 0, 0}, L"Valves[3]"},
      {L"Valves[10]", true, {3, 10, 0, 0, 0, 0}, L"Valves[10]"},
      {L"Valves[0]", true, {3, 0, 0, 0, 0, 0}, L"Valves"},
      {L"Valves[Counter]", true, {3, 0, 2, 0, 0, 0}, L"Valves[Counter]"},
      {L"Pump.Speed", true, {4, 0, 0, 1, 0, 0}, L"Pump.Speed"},
      {L"Pump[2].label", true, {4, 2, 0, 3, 0, 0}, L"Pump[2].Label"},
      {L"Level->Description", true, {1, 0, 0, 0, 2, 0}, L"Level->Description"},
      {L"Level->hihi", true, {1, 0, 0, 0, 20, 0}, L"Level->HiHi"},
      {L"@Pointer", true, {5, 0, 0, 0, 0, kRefIndirect}, L"@Pointer"},
      {L"@Message", true, {6, 0, 0, 0, 0, kRefIndirect}, L"@Message"},
      {L"@Recipe[2]", true, {8, 2, 0, 0, 0, kRefIndirect}, L"@Recipe[2]"},
      {L"Temp\u00e9rature", true, {7, 0, 0, 0, 0, 0}, L"Temp\u00e9rature"},
      {L"", false, {}, L""},
      {L"@", false, {}, L""},
      {L"Unknown", false, {}, L""},
      {L"Level[1]", false, {}, L""},         // scalar with an index
      {L"Valves[11]", false, {}, L""},       // beyond the array
      {L"Valves[-1]", false, {}, L""},
      {L"Valves[", false, {}, L""},
      {L"Valves[]", false, {}, L""},
      {L"Valves[Message]", false, {}, L""},  // a string is no index
      {L"Valves[Valves]", false, {}, L""},   // nor an array
      {L"Pump.Nothing", false, {}, L""},
      {L"Level.Speed", false, {}, L""},      // not a class
      {L"Level->Nothing", false, {}, L""},
      {L"Level->", false, {}, L""},
      {L"@Level", false, {}, L""},           // neither indirect nor string
      {L"Level ", false, {}, L""},
      {L" Level", false, {}, L""},
      {L"Level+1", false, {}, L""},
      {L"Pump.", false, {}, L""},
  };
  for (const NameCase& c : cases) {
    TagRef ref;
    ref.tag = 77;
    const bool isTag = ParseTagName(db, c.text, ref);
    EXPECT_EQ(c.isTag, isTag) << std::wstring(c.text).size() << " chars, case " << (&c - cases);
    if (!isTag) {
      EXPECT_EQ(77, ref.tag) << "untouched";
      continue;
    }
    EXPECT_EQ(c.ref.tag, ref.tag);
    EXPECT_EQ(c.ref.index, ref.index);
    EXPECT_EQ(c.ref.indexTag, ref.indexTag);
    EXPECT_EQ(c.ref.member, ref.member);
    EXPECT_EQ(c.ref.field, ref.field);
    EXPECT_EQ(c.ref.flags, ref.flags);
    std::wstring name;
    EXPECT_TRUE(FormatTagName(db, ref, name));
    EXPECT_EQ(std::wstring(c.canonical), name);
  }
}

TEST(TagName, FormatRefusesReferencesToNothing) {
  const TagDatabase db = test::SampleDatabase();
  const TagRef bad[] = {{0, 0, 0, 0, 0, 0}, {99, 0, 0, 0, 0, 0}, {3, 11, 0, 0, 0, 0}, {4, 0, 0, 9, 0, 0},
                        {1, 0, 0, 0, 62, 0}, {3, 0, 99, 0, 0, 0}, {1, 0, 0, 1, 0, 0}};
  for (const TagRef& r : bad) {
    std::wstring name = L"x";
    EXPECT_FALSE(FormatTagName(db, r, name));
    EXPECT_TRUE(name.empty());
  }
}

TEST(TagName, FieldTableHasSixtyOneNamedFields) {
  for (int f = 1; f <= kFieldCount; ++f) {
    EXPECT_FALSE(std::wstring(FieldName(f)).empty());
    EXPECT_EQ(f, FindField(FieldName(f)));
  }
  EXPECT_EQ(std::wstring(), FieldName(0));
  EXPECT_EQ(std::wstring(), FieldName(62));
}

}  // namespace
}  // namespace tarvo
