// Stand-ins for the script engine host and the host runtime library in colouring tests.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "colour_lookups.h"

namespace orv::testkit {

// Knows a fixed list of built-in names; answers in any case with the listed spelling.
class FakeScriptNames final : public IScriptNameLookup {
 public:
  explicit FakeScriptNames(std::vector<std::wstring> names = {}) : names_(std::move(names)) {}
  void Add(const std::wstring& name) { names_.push_back(name); }
  bool IsBuiltinName(std::wstring& word) override;
  int ErrorLine() const override { return errorLine_; }
  void SetErrorLine(int line) { errorLine_ = line; }
  int lookups() const { return lookups_; }

 private:
  std::vector<std::wstring> names_;
  int errorLine_ = -1;
  int lookups_ = 0;
};

// Knows a fixed set of tag names and host function names (case-insensitive, as the
// host's database is). A function test accepts a bare name or a "$Name(" head.
class FakeHostNames final : public IHostNameLookup {
 public:
  void AddTag(const std::wstring& name);
  void AddFunction(const std::wstring& name);
  bool IsTagName(const std::wstring& name) override;
  bool IsHostFunctionName(const std::wstring& text) override;
  int functionQueryCount() const { return functionQueryCount_; }
  const std::wstring& lastFunctionQuery() const { return lastFunctionQuery_; }

 private:
  std::set<std::wstring> tags_;
  std::set<std::wstring> functions_;
  int functionQueryCount_ = 0;
  std::wstring lastFunctionQuery_;
};

}  // namespace orv::testkit
