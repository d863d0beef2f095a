#include <gtest/gtest.h>

#include "variable_rows.h"

namespace orv::softplc {
namespace {

TEST(VariableRows, DataTypesToTagTypes) {
  const int expected[] = {-1, 0, 1, 1, 2, 3, 1, 1, 1, 1, 1, 2, 1, 1, 1, -1};
  for (int type = 0; type <= 15; ++type) EXPECT_EQ(expected[type], TagTypeOfDataType(type)) << type;
  EXPECT_EQ(-1, TagTypeOfDataType(-5));
  EXPECT_EQ(-1, TagTypeOfDataType(1000));
}

TEST(VariableRows, TagsAndRowsOfVariables) {
  struct Case {
    ExportVariable variable;
    bool skip;
    int arraySize;
    int type;
    std::vector<std::wstring> rows;
  } cases[] = {
      {{L"Speed", 2, 1, 3}, false, 3, 1, {L"Speed[1]", L"Speed[2]", L"Speed[3]"}},
      {{L"Msg", 5, 1, 10}, false, 0, 3, {L"Msg"}},
      {{L"Run", 1, 0, 0}, false, 0, 0, {L"Run"}},
      {{L"Level", 11, 0, 1}, false, 1, 2, {L"Level"}},
      {{L"Grid", 4, 2, 9}, true, 0, 0, {}},
      {{L"Bad", 15, 0, 0}, true, 0, 0, {}},
      {{L"Zero", 0, 0, 0}, true, 0, 0, {}},
      {{L"Empty", 3, 1, 0}, false, 0, 1, {}},
      {{L"Negative", 3, 1, -4}, false, -4, 1, {}},
  };
  for (const Case& c : cases) {
    ExportTag tag = TagOfVariable(c.variable);
    EXPECT_EQ(c.skip, tag.skip) << c.variable.name;
    if (!c.skip) {
      EXPECT_EQ(c.arraySize, tag.arraySize) << c.variable.name;
      EXPECT_EQ(c.type, tag.typeCode) << c.variable.name;
    }
    std::vector<WorksheetRow> rows;
    AppendRows(c.variable, rows);
    ASSERT_EQ(c.rows.size(), rows.size()) << c.variable.name;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(c.rows[i], rows[i].tagName);
      EXPECT_EQ(c.rows[i], rows[i].address);
    }
  }
}

TEST(VariableRows, StatusTexts) {
  EXPECT_EQ(L"unloaded", StatusText(0));
  EXPECT_EQ(L"faulted", StatusText(1));
  EXPECT_EQ(L"stopped", StatusText(2));
  EXPECT_EQ(L"running", StatusText(3));
  EXPECT_EQ(L"no ZIZ", StatusText(4));
  EXPECT_EQ(L"", StatusText(5));
  EXPECT_EQ(L"", StatusText(-1));
}

}  // namespace
}  // namespace orv::softplc
