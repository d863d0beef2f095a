// What the colorizer asks outside itself, one word at a time.
#pragma once
#include <string>

namespace orv {

// The script engine host of the control.
class IScriptNameLookup {
 public:
  virtual ~IScriptNameLookup() = default;
  // True when `word` is one of the engine's built-in names (any letter case); `word` is
  // then replaced by the engine's own spelling.
  virtual bool IsBuiltinName(std::wstring& word) = 0;
  // The line painted in the error colour, -1 when none.
  virtual int ErrorLine() const = 0;
};

// The host runtime library's project database and built-in host functions.
class IHostNameLookup {
 public:
  virtual ~IHostNameLookup() = default;
  // True when `name` is a tag of the open project database (DBGetVar succeeds).
  virtual bool IsTagName(const std::wstring& name) = 0;
  // True when the host's function-name test (MTIsFunctionName) accepts `text`: either a
  // bare name, or a "$" call head such as "$Name(" exactly as it stands in the line.
  virtual bool IsHostFunctionName(const std::wstring& text) = 0;
};

}  // namespace orv
