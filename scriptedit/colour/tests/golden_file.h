// Golden files of the colorizer: script lines beside the expected colour class of each
// character. The same files check the control's colouring read back from its window.
//
// Format (UTF-8 text, one directive or line per row):
//   # remark                      ignored, as are blank rows
//   !builtins MsgBox InStr        engine built-in names, in their own spelling
//   !tags Level Tank              tags of the project database
//   !functions Max                built-in host functions
//   !capitalise on|off            for the cases that follow (initially on)
//   !language VBScript|JScript    for the cases that follow (initially VBScript)
//   !errorline                    the next case is the scripter's error line
//   < text                        a script line (everything after "< ")
//   > text                        the line after colouring (optional: default unchanged)
//   = classes                     one letter per character, aligned under the text
// Class letters: K keyword, C comment, N number, F built-in name, E error line,
// . normal, S string, T tag expression, B bare tag name, _ uncoloured (quotes).
#pragma once
#include <string>
#include <vector>

#include "colour_classes.h"

namespace orv::testkit {

struct GoldenCase {
  std::string file;
  int row = 0;               // 1-based row of the "<" line
  std::wstring text;
  std::wstring expectedText;
  std::wstring expectedClasses;
  bool capitalise = true;
  std::wstring language = L"VBScript";
  bool errorLine = false;
};

struct GoldenFile {
  std::vector<std::wstring> builtins;
  std::vector<std::wstring> tags;
  std::vector<std::wstring> functions;
  std::vector<GoldenCase> cases;
};

// Reads a golden file; throws std::runtime_error naming the row on a malformed file.
GoldenFile ReadGoldenFile(const std::string& path);

wchar_t ClassLetter(ColourClass c);
std::wstring ClassLetters(const std::vector<ColourClass>& classes);

}  // namespace orv::testkit
