// The control's engine host and line colouring over the VBScript engine host
// (CScripter), the colorizer and the host runtime library's names.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "CColorizer.h"
#include "CScripter.h"
#include "line_colourer.h"
#include "script_host.h"
#include "tarvo_host_names.h"
#include "win/unique_resource.h"

namespace vse {

// Owns the engine for the control's whole life.
class ScriptEngineHost final : public IScriptHost {
 public:
  ScriptEngineHost();
  void Start(const std::wstring& language) override;
  bool CanAdd(const std::wstring& name) const override;
  void AddObject(const std::wstring& name, IDispatch* object) override;
  void RemoveObject(const std::wstring& name) override;
  void AddVariable(const std::wstring& name) override;
  void RemoveVariable(const std::wstring& name) override;
  int ErrorLine() const override { return scripter_.ErrorLine(); }
  void SetErrorLine(int line) override { scripter_.SetErrorLine(line); }

  orv::CScripter& scripter() { return scripter_; }

 private:
  // The engine needs COM on the control's thread; balanced when the control goes.
  orv::win::ComInit com_;
  orv::CScripter scripter_;
};

// Colours each line through CColorizer; keywords follow the control's language.
class SyntaxLineColourer final : public ILineColourer {
 public:
  // `scripter` may be null (no engine host): then no line is coloured.
  explicit SyntaxLineColourer(orv::CScripter* scripter);
  void ColourLine(int line, std::wstring& text, std::vector<Colour>& colours) override;
  void SetLanguage(const std::wstring& language) override;
  void SetCapitalize(bool capitalize) override { colorizer_.SetCapitalize(capitalize); }
  bool Capitalize() const override { return colorizer_.Capitalize(); }

 private:
  orv::CTarvoHostNames hostNames_;
  orv::CColorizer colorizer_;
};

}  // namespace vse
