#include <gtest/gtest.h>

#include "core/tag_database.h"
#include "test_database.h"

namespace tarvo {
namespace {

using test::DatabaseBytes;

TEST(TagDatabase, LoadsTagsAndClasses) {
  TagDatabase db;
  std::wstring error;
  ASSERT_TRUE(db.Load(DatabaseBytes(test::kSampleBody), error)) << std::string(error.begin(), error.end());
  EXPECT_EQ(8, db.TagCount());
  EXPECT_EQ(1, db.ClassCount());
  EXPECT_EQ(1, db.FindTag(L"level"));
  EXPECT_EQ(4, db.FindTag(L"PUMP"));
  EXPECT_EQ(7, db.FindTag(L"TEMP\u00c9RATURE"));
  EXPECT_EQ(0, db.FindTag(L"Nothing"));
  const TagDef* pump = db.Tag(4);
  ASSERT_NE(nullptr, pump);
  EXPECT_EQ(kFirstClassType, pump->type);
  EXPECT_EQ(3, pump->arraySize);
  EXPECT_EQ(L"Motor", db.TypeName(pump->type));
  EXPECT_EQ(kTagAlarm | kTagTrend, db.Tag(1)->flags);
  EXPECT_EQ(L"Tank level", db.Tag(1)->description);
  EXPECT_EQ(kTagIndirect, db.Tag(5)->flags);
  EXPECT_EQ(2, db.MemberNumber(1, L"running"));
  EXPECT_EQ(nullptr, db.Tag(0));
  EXPECT_EQ(nullptr, db.Tag(9));
}

TEST(TagDatabase, SaveThenLoadGivesTheSameDatabase) {
  TagDatabase db = test::SampleDatabase();
  TagDatabase again;
  std::wstring error;
  ASSERT_TRUE(again.Load(db.Save(), error));
  ASSERT_EQ(db.TagCount(), again.TagCount());
  for (int i = 1; i <= db.TagCount(); ++i) {
    EXPECT_EQ(db.Tag(i)->name, again.Tag(i)->name);
    EXPECT_EQ(db.Tag(i)->type, again.Tag(i)->type);
    EXPECT_EQ(db.Tag(i)->arraySize, again.Tag(i)->arraySize);
    EXPECT_EQ(db.Tag(i)->flags, again.Tag(i)->flags);
  }
  EXPECT_EQ(db.Save(), again.Save());
}

TEST(TagDatabase, DamagedFilesAreRefusedAndLeaveTheDatabaseAsItWas) {
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"no byte order mark", std::string("ORVANE-TAGS\t1\r\n")},
      {"wrong header", DatabaseBytes(L"").substr(0, 10)},
      {"unknown entry", DatabaseBytes(L"FOO\tx\r\n")},
      {"bad name", DatabaseBytes(L"TAG\t1abc\t1\t0\t-\r\n")},
      {"duplicate tag", DatabaseBytes(L"TAG\ta\t1\t0\t-\r\nTAG\tA\t1\t0\t-\r\n")},
      {"unknown type", DatabaseBytes(L"TAG\ta\tValve\t0\t-\r\n")},
      {"array too large", DatabaseBytes(L"TAG\ta\t1\t256\t-\r\n")},
      {"negative array", DatabaseBytes(L"TAG\ta\t1\t-1\t-\r\n")},
      {"bad flags", DatabaseBytes(L"TAG\ta\t1\t0\tX\r\n")},
      {"member outside class", DatabaseBytes(L"MEMBER\tm\t1\r\n")},
      {"class member of class type", DatabaseBytes(L"CLASS\tC\r\nMEMBER\tm\tC\r\n")},
      {"repeated member", DatabaseBytes(L"CLASS\tC\r\nMEMBER\tm\t1\r\nMEMBER\tM\t2\r\n")},
      {"too few fields", DatabaseBytes(L"TAG\ta\t1\r\n")},
  };
  for (const Case& c : cases) {
    TagDatabase db = test::SampleDatabase();
    std::wstring error;
    EXPECT_FALSE(db.Load(c.bytes, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_EQ(8, db.TagCount()) << c.what;
  }
}

TEST(TagDatabase, AddTagChecksTheDefinition) {
  TagDatabase db = test::SampleDatabase();
  std::wstring error;
  TagDef t;
  t.name = L"NewTag";
  t.type = kTypeReal;
  EXPECT_TRUE(db.AddTag(t, error));
  EXPECT_EQ(9, db.FindTag(L"newtag"));
  EXPECT_FALSE(db.AddTag(t, error));  // twice
  t.name = L"Other";
  t.type = 9;
  EXPECT_FALSE(db.AddTag(t, error));
  t.type = 1;
  t.description = L"has\ta tab";
  EXPECT_FALSE(db.AddTag(t, error));
}

TEST(TagDatabase, NameRules) {
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"Level", true},  {L"_sys", true},   {L"a1_b2", true}, {L"\u00e9t\u00e9", true}, {L"\u6e29\u5ea6", true},
      {L"", false},      {L"1abc", false},  {L"a b", false},  {L"a.b", false},          {L"a-b", false},
      {L"a[1]", false},  {L"@a", false},    {L"a\tb", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.second, IsValidName(c.first)) << std::wstring(c.first).size();
  EXPECT_TRUE(IsValidName(std::wstring(255, L'x')));
  EXPECT_FALSE(IsValidName(std::wstring(256, L'x')));
}

}  // namespace
}  // namespace tarvo
