// Arbitrary lines through the colorizer: never a crash, one colour per character, and the
// text changed only in letter case.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CColorizer.h"
#include "fake_lookups.h"
#include "script_chars.h"
#include "text/utf16le.h"

namespace {

orv::CColorizer& Colorizer() {
  static orv::testkit::FakeScriptNames scripter({L"MsgBox", L"InStr", L"Mid", L"Len", L"vbCrLf"});
  static orv::testkit::FakeHostNames host = [] {
    orv::testkit::FakeHostNames h;
    h.AddTag(L"Level");
    h.AddTag(L"Tank");
    h.AddFunction(L"Max");
    return h;
  }();
  static orv::CColorizer colorizer = [] {
    orv::CColorizer c;
    std::ifstream in(ORV_KEYWORD_FILE, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    c.LoadKeywords(orv::FromUtf8(bytes.str()));
    if (c.KeywordCount() != 67) std::abort();
    c.SetScripter(&scripter);
    c.SetHost(&host);
    return c;
  }();
  return colorizer;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // First byte: error line and capitalisation; the rest is the line as UTF-16LE.
  const bool errorLine = (data[0] & 1) != 0;
  orv::CColorizer& colorizer = Colorizer();
  colorizer.SetCapitalize((data[0] & 2) != 0);
  const std::wstring original = orv::FromUtf16LE(data + 1, size - 1);
  std::wstring text = original;
  std::vector<orv::ColourClass> classes;
  colorizer.ColourLine(errorLine ? -1 : 3, text, classes);
  if (classes.size() != original.size()) std::abort();
  if (text.size() != original.size()) std::abort();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (orv::script_chars::AsciiUpper(text[i]) != orv::script_chars::AsciiUpper(original[i])) std::abort();
  }
  return 0;
}
