// Colouring speed on a realistic script corpus: characters per second and microseconds
// per 200-character line. Prints figures; not a test.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CColorizer.h"
#include "fake_lookups.h"
#include "text/utf16le.h"

namespace {

const wchar_t* const kCorpus[] = {
    L"Dim nCount, strName, arrValues(10)",
    L"For i = 0 To UBound(arrValues) Step 1",
    L"    arrValues(i) = $Tank[i].Level->Hi * 0.5 + Len(strName) ' scale the level",
    L"    If $Motor.Running And Not $Alarm Then MsgBox \"Motor \" & CStr(i) & \" is running\", vbOKOnly",
    L"Next",
    L"strName = UCase(Mid(\"It's a tank\", 1, 4)) // keep the prefix",
    L"Set obj = CreateObject(\"Scripting.Dictionary\") : obj.Add \"Level\", Level",
    L"$Result = $Max($Tank[1].Level, $Tank[2].Level, 1e3) REM upper bound",
    L"Select Case nCount : Case 1, 2, 3 : nCount = nCount + 1 : Case Else : nCount = 0 : End Select",
};

}  // namespace

int main() {
  orv::testkit::FakeScriptNames scripter({L"MsgBox", L"UBound", L"Len", L"CStr", L"UCase", L"Mid", L"CreateObject",
                                          L"vbOKOnly"});
  orv::testkit::FakeHostNames host;
  for (const wchar_t* tag : {L"Level", L"Tank", L"Motor", L"Alarm", L"Result"}) host.AddTag(tag);
  host.AddFunction(L"Max");
  orv::CColorizer colorizer;
  std::ifstream in(ORV_KEYWORD_FILE, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  colorizer.LoadKeywords(orv::FromUtf8(bytes.str()));
  colorizer.SetScripter(&scripter);
  colorizer.SetHost(&host);

  // 200-character lines built from the corpus.
  std::vector<std::wstring> lines;
  std::wstring joined;
  for (int round = 0; round < 40; ++round) {
    for (const wchar_t* l : kCorpus) {
      joined += l;
      joined += L" : ";
    }
  }
  for (std::size_t at = 0; at + 200 <= joined.size(); at += 200) lines.push_back(joined.substr(at, 200));

  std::vector<orv::ColourClass> classes;
  const int repeats = 50;
  std::size_t characters = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < repeats; ++r) {
    for (const auto& line : lines) {
      std::wstring text = line;
      colorizer.ColourLine(1, text, classes);
      characters += text.size();
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double perLineUs = seconds * 1e6 / (static_cast<double>(lines.size()) * repeats);
  std::printf("colorizer: %zu characters in %.3f s: %.0f characters/s, %.2f us per 200-character line\n",
              characters, seconds, static_cast<double>(characters) / seconds, perLineUs);
  std::printf("(native build with sanitizers and fuzzer instrumentation; figures are an upper bound)\n");
  return 0;
}
