// What a VuzaZuvozidAdad item becomes: its tag type and worksheet address come from
// the third (and for "U" the fourth) character of its kind text; its tag name is the
// alias with the first "." replaced by "_".
#pragma once
#include <string>

namespace orv::softplc {

struct ItemTag {
  std::wstring tagName;
  int typeCode = 3;      // 0 Boolean, 1 Integer, 2 Real, 3 String
  std::wstring address;  // prefix and alias, or the bare alias
};

// Kind texts of the two categories that have no address text.
constexpr const char* kStringKind = "STRING";
constexpr const char* kTimerKind = "TIMER";

// `alias` and `kindText` as the product's 8-bit texts.
ItemTag TagOfItem(const std::string& alias, const std::string& kindText);

}  // namespace orv::softplc
