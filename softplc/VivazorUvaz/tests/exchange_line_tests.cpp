#include <gtest/gtest.h>

#include "exchange_line.h"

namespace orv::softplc {
namespace {

TEST(ExchangeLine, VariableLines) {
  struct Case {
    const wchar_t* line;
    bool skip;
    const wchar_t* name;
    int type;
    const wchar_t* description;
  } cases[] = {
      {L"#B01234567890Pump1%Pump running\n", false, L"Pump1", 0, L"Pump running"},
      {L"#A01234567890Level%x%I%Tank level", false, L"Level", 1, L"Tank level"},
      {L"#A01234567890Level%x%i%Tank level", false, L"Level", 1, L"Tank level"},
      {L"#A01234567890Level%x%F%Tank level", false, L"Level", 2, L"Tank level"},
      {L"#S01234567890Msg", false, L"Msg", 3, L""},
      {L"#s01234567890Msg%", false, L"Msg", 3, L""},
      {L"   \t#b01234567890Pump2%On  \r\n", false, L"Pump2", 0, L"On"},  // blanks stripped first
      {L"#A01234567890Level", false, L"Level", 2, L""},                   // no second "%": real
      {L"#A01234567890Level%", false, L"Level", 2, L""},                  // "%" at the very end
      {L"#A01234567890Level%x%", false, L"Level", 2, L""},                // mark at the end
      {L"#A01234567890Level%I", false, L"Level", 2, L"I"},
      {L"#B01234567890%comment", true, L"", 0, L""},  // empty name
      {L"#B0123456789", true, L"", 0, L""},           // shorter than the name position
      {L"#B01234567890", true, L"", 0, L""},
      {L"B01234567890Pump%x", true, L"", 0, L""},     // not a variable line
      {L"", true, L"", 0, L""},
      {L"#", true, L"", 0, L""},
      {L"#B01234567%%%Pump%a%b", false, L"Pump", 0, L"b"},
      {L"#R%0123456789Tail", false, L"Tail", 3, L""},  // a "%" in the head starts no description
  };
  for (const Case& c : cases) {
    ExchangeVariable v = ParseExchangeLine(c.line);
    EXPECT_EQ(c.skip, v.skip) << c.line;
    if (c.skip) continue;
    EXPECT_EQ(c.name, v.name) << c.line;
    EXPECT_EQ(c.type, v.typeCode) << c.line;
    EXPECT_EQ(c.description, v.description) << c.line;
  }
}

}  // namespace
}  // namespace orv::softplc
