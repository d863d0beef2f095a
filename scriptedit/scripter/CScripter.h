// The VBScript engine hosted by each script edit control: it knows the engine's built-in
// names and their parameters, holds the client's named objects and variables, and
// evaluates object expressions to list their members. It never runs the edited script.
#pragma once
#include <windows.h>
#include <activdbg.h>
#include <activscp.h>

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "colour_lookups.h"
#include "win/unique_resource.h"

namespace orv {

// COM interfaces have no virtual destructor by design; this object is deleted as itself.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class CScripter final : public IActiveScriptSite,
                        public IActiveScriptSiteWindow,
                        public IActiveScriptSiteDebug64,
                        public IScriptNameLookup {
 public:
  // The owner keeps the scripter for its whole life (the engine's references to its site
  // end when Stop closes the engine); the COM reference count is only kept for the engine.
  CScripter() = default;
  ~CScripter() override;
  CScripter(const CScripter&) = delete;
  CScripter& operator=(const CScripter&) = delete;

  // Stops, then starts the engine for `language` when it is "VBScript" (any case); other
  // languages start nothing. True when the engine is ready. COM must be initialised.
  bool Start(const std::wstring& language);
  // Releases the engine and its type library and forgets the named objects.
  void Stop();
  bool IsReady() const { return ready_; }
  const std::wstring& language() const { return language_; }

  // The window the engine may use as its owner: the control's top-level window.
  void SetOwnerWindow(HWND window) { ownerWindow_ = window; }

  void SetErrorLine(int line) { errorLine_ = line; }

  // References the engine holds on this site; 0 once stopped.
  ULONG SiteReferences() const { return references_; }

  // IScriptNameLookup: the engine library's names, in any case, answered in its spelling.
  bool IsBuiltinName(std::wstring& word) override;
  int ErrorLine() const override { return errorLine_; }

  // Global functions of the engine, by name in any case.
  int GlobalFunctionIndex(const std::wstring& name) const;
  bool GlobalFunctionParameters(const std::wstring& name, std::vector<std::wstring>& params) const;
  void GlobalNames(std::vector<std::wstring>& functions, std::vector<std::wstring>& variables) const;

  void NamedObjects(std::vector<std::wstring>& variables) const;
  void RegisteredVariables(std::vector<std::wstring>& variables) const;

  // Members of an object expression such as "Obj.Child" whose first part is a named object.
  bool ObjectMembers(const std::wstring& expression, std::vector<std::wstring>& functions,
                     std::vector<std::wstring>& variables);
  bool MemberParameters(const std::wstring& objectExpression, const std::wstring& member,
                        std::vector<std::wstring>& params);

  // A name can be added when the engine is ready and the name is no named object, no
  // registered variable, no built-in name and no global function (any case).
  bool CanAdd(const std::wstring& name) const;
  // `object` stays the client's: it is not reference-counted here.
  bool AddObject(const std::wstring& name, IUnknown* object);
  bool RemoveObject(const std::wstring& name);
  bool AddVariable(const std::wstring& name);
  bool RemoveVariable(const std::wstring& name);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IActiveScriptSite
  STDMETHODIMP GetLCID(LCID* lcid) override;
  STDMETHODIMP GetItemInfo(LPCOLESTR name, DWORD returnMask, IUnknown** item, ITypeInfo** typeInfo) override;
  STDMETHODIMP GetDocVersionString(BSTR* version) override;
  STDMETHODIMP OnScriptTerminate(const VARIANT* result, const EXCEPINFO* exception) override;
  STDMETHODIMP OnStateChange(SCRIPTSTATE state) override;
  STDMETHODIMP OnScriptError(IActiveScriptError* error) override;
  STDMETHODIMP OnEnterScript() override;
  STDMETHODIMP OnLeaveScript() override;

  // IActiveScriptSiteWindow
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP EnableModeless(BOOL enable) override;

  // IActiveScriptSiteDebug
  STDMETHODIMP GetDocumentContextFromPosition(DWORDLONG sourceContext, ULONG offset, ULONG count,
                                              IDebugDocumentContext** context) override;
  STDMETHODIMP GetApplication(IDebugApplication64** application) override;
  STDMETHODIMP GetRootApplicationNode(IDebugApplicationNode** node) override;
  STDMETHODIMP OnScriptErrorDebug(IActiveScriptErrorDebug* error, BOOL* enterDebugger,
                                  BOOL* callOnScriptErrorWhenContinuing) override;

 private:
  struct NoCaseLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
  };

  // The library's spelling of a built-in name, empty when `word` is none.
  std::wstring BuiltinSpelling(const std::wstring& word) const;
  IUnknown* FindObject(const std::wstring& name) const;
  // Evaluates an expression whose first part is a named object; its dispatch interface.
  win::ComPtr<IDispatch> EvaluateObject(const std::wstring& expression);
  HWND MainWindow() const;

  ULONG references_ = 0;
  int errorLine_ = -1;
  std::wstring language_;
  win::ComPtr<IActiveScript> engine_;
  win::ComPtr<IActiveScriptParse64> parser_;
  win::ComPtr<ITypeLib> typeLibrary_;
  win::ComPtr<ITypeInfo> globalInfo_;
  bool ready_ = false;
  std::map<std::wstring, IUnknown*, NoCaseLess> objects_;
  std::vector<std::wstring> variables_;
  HWND ownerWindow_ = nullptr;
  // Upper-case name -> the library's spelling; built on first use after a start.
  mutable std::unordered_map<std::wstring, std::wstring> builtinNames_;
};
#pragma GCC diagnostic pop

}  // namespace orv
