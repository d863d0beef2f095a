// Syntax check of a VBScript text by the platform's VBScript engine: the text is parsed
// in the engine's initialised state, so nothing of it runs.
#pragma once
#include <string>

namespace vsc {

struct EngineVerdict {
  bool available = false;  // the engine could be created
  bool ok = false;
  int line = 0;            // 1-based error line
  int column = 0;          // 0-based
  int code = 0;            // low word of the error's status code (1002 "Syntax error", ...)
  std::wstring description;
};

EngineVerdict CheckWithEngine(const std::wstring& text);

}  // namespace vsc
