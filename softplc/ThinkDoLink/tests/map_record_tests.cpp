#include <gtest/gtest.h>

#include "map_record.h"

namespace orv::softplc {
namespace {

TEST(MapRecord, RecordsToTags) {
  struct Case {
    const wchar_t* line;
    bool known;
    const wchar_t* tag;
    int type;
    const wchar_t* address;
    const wchar_t* description;
  } cases[] = {
      {L"Start PB,X,1,Y,12\n", true, L"Input12", 0, L"1:12", L"Start PB"},
      {L",X,91,Y,5", true, L"Input5", 0, L"1:5", L""},           // 91 counts as kind 1
      {L"Motor,,3,,7", true, L"Number0", 1, L"7:0", L"Motor"},   // runs of commas count once
      {L"P,x,2,y,-1", true, L"Flag65535", 0, L"2:65535", L"P"},  // point -1
      {L"T,x,3,y,70000", true, L"Timer4464", 1, L"3:4464", L"T"},
      {L"O,x,4,y,1", true, L"Output1", 0, L"4:1", L"O"},
      {L"C,x,5,y,2", true, L"Counter2", 1, L"5:2", L"C"},
      {L"A,x,8,y,3", true, L"ASCII3", 3, L"8:3", L"A"},
      {L"F,x,19,y,4", true, L"Float4", 2, L"19:4", L"F"},
      {L"S,x,20,y,5", true, L"System5", 2, L"20:5", L"S"},
      {L"S,x,22,y,6", true, L"String6", 3, L"22:6", L"S"},
      {L"K,x,277,y,1", false, L"", 0, L"", L"K"},  // 277 & 255 = 21: no such kind
      {L"K,x,6,y,1", false, L"", 0, L"", L"K"},
      {L"K,x,9,y,1", false, L"", 0, L"", L"K"},
      {L"K,x,23,y,1", false, L"", 0, L"", L"K"},
      {L"K,x,256,y,9", false, L"", 0, L"", L"K"},  // 256 counts as 0
      {L"K,x,abc,y,9", false, L"", 0, L"", L"K"},
      {L"", false, L"", 0, L"", L""},
      {L",,,,", false, L"", 0, L"", L""},
      {L"OnlyName", false, L"", 0, L"", L"OnlyName"},
      {L"N,x,1", true, L"Input0", 0, L"1:0", L"N"},  // missing point number
  };
  for (const Case& c : cases) {
    MapRecord record = ParseMapRecord(c.line);
    MapTag tag = TagOfRecord(record);
    EXPECT_EQ(c.known, tag.known) << c.line;
    EXPECT_EQ(c.tag, tag.tagName) << c.line;
    EXPECT_EQ(c.type, tag.typeCode) << c.line;
    EXPECT_EQ(c.address, tag.address) << c.line;
    EXPECT_EQ(c.description, record.pointName) << c.line;
  }
}

TEST(MapRecord, KindCodeIsLowByteModulo90) {
  EXPECT_EQ(1, ParseMapRecord(L"a,b,91,c,1").kindCode);
  EXPECT_EQ(0, ParseMapRecord(L"a,b,256,c,1").kindCode);
  EXPECT_EQ(75, ParseMapRecord(L"a,b,-1,c,1").kindCode);
  EXPECT_EQ(0u, ParseMapRecord(L"a,b,0,c,12").pointNumber);  // no kind: no number
  EXPECT_EQ(0, ParseMapRecord(L"a,b,99999999999999999999,c,1").kindCode >= 0 ? 0 : 1);
}

}  // namespace
}  // namespace orv::softplc
