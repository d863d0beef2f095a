// Seam between the edit control and the script engine host: what the control asks of
// the engine that knows VBScript's built-in names and the client's named objects.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace vse {

class IScriptHost {
 public:
  virtual ~IScriptHost() = default;
  // Stops any running engine and starts one for the language (only "VBScript" starts one).
  virtual void Start(const std::wstring& language) = 0;
  virtual bool CanAdd(const std::wstring& name) const = 0;
  virtual void AddObject(const std::wstring& name, IDispatch* object) = 0;
  virtual void RemoveObject(const std::wstring& name) = 0;
  virtual void AddVariable(const std::wstring& name) = 0;
  virtual void RemoveVariable(const std::wstring& name) = 0;
  // Line painted in the error colour; -1 when none.
  virtual int ErrorLine() const = 0;
  virtual void SetErrorLine(int line) = 0;
};

// No engine: every query answers "nothing", nothing can be added. The behaviour of a
// control whose language starts no engine, and of every control until the engine host
// is plugged in.
class NoScriptHost final : public IScriptHost {
 public:
  void Start(const std::wstring&) override {}
  bool CanAdd(const std::wstring&) const override { return false; }
  void AddObject(const std::wstring&, IDispatch*) override {}
  void RemoveObject(const std::wstring&) override {}
  void AddVariable(const std::wstring&) override {}
  void RemoveVariable(const std::wstring&) override {}
  int ErrorLine() const override { return errorLine_; }
  void SetErrorLine(int line) override { errorLine_ = line; }

 private:
  int errorLine_ = -1;
};

}  // namespace vse
