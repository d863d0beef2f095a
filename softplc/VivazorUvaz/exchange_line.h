// One line of an exchange file of the VivazorUvaz application: "#", the kind letter,
// eleven characters not interpreted, then name%...%comment.
#pragma once
#include <string>

namespace orv::softplc {

// Exchange file lines are read in pieces of at most this many characters.
constexpr unsigned kExchangeReadChars = 1022;

struct ExchangeVariable {
  bool skip = true;          // not a variable line, or its name is empty
  std::wstring name;
  int typeCode = 3;          // 0 Boolean, 1 Integer, 2 Real, 3 String
  std::wstring description;  // the text after the last "%"
};

// `line` as read; white space at both ends is stripped first.
ExchangeVariable ParseExchangeLine(const std::wstring& line);

}  // namespace orv::softplc
