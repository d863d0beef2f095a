#include "fake_lookups.h"

#include "script_chars.h"

namespace orv::testkit {

namespace {
std::wstring Upper(std::wstring s) {
  for (auto& c : s) c = script_chars::AsciiUpper(c);
  return s;
}
}  // namespace

bool FakeScriptNames::IsBuiltinName(std::wstring& word) {
  ++lookups_;
  const std::wstring upper = Upper(word);
  for (const auto& name : names_) {
    if (Upper(name) == upper) {
      word = name;
      return true;
    }
  }
  return false;
}

void FakeHostNames::AddTag(const std::wstring& name) { tags_.insert(Upper(name)); }
void FakeHostNames::AddFunction(const std::wstring& name) { functions_.insert(Upper(name)); }

bool FakeHostNames::IsTagName(const std::wstring& name) { return tags_.count(Upper(name)) != 0; }

bool FakeHostNames::IsHostFunctionName(const std::wstring& text) {
  ++functionQueryCount_;
  lastFunctionQuery_ = text;
  std::wstring name;
  for (wchar_t c : text) {
    if (c == L'$' || script_chars::IsSpace(c)) continue;
    if (c == L'(') break;
    name.push_back(c);
  }
  return functions_.count(Upper(name)) != 0;
}

}  // namespace orv::testkit
