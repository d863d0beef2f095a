#include "vbscript_engine_check.h"

#include <windows.h>
#include <activscp.h>

#include "win/unique_resource.h"

namespace vsc {
namespace {

const CLSID kCLSIDVBScript = {0xB54F3741, 0x5B07, 0x11CF, {0xA4, 0xB0, 0x00, 0xAA, 0x00, 0x4A, 0x55, 0xE8}};
const IID kIIDActiveScript = {0xBB1A2AE1, 0xA4F9, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
const IID kIIDActiveScriptParse64 = {0xC7EF7658, 0xE1EE, 0x480E, {0x97, 0xEA, 0xD5, 0x2C, 0xB4, 0xD7, 0x6D, 0x17}};
const IID kIIDActiveScriptSite = {0xDB01A1E3, 0xA42B, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};

// COM interfaces have no virtual destructor; objects are never deleted through them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// Site that only records the first error the engine reports. Lives on the stack for
// the duration of one check, so reference counting is not needed.
class ErrorRecordingSite final : public IActiveScriptSite {
 public:
  EngineVerdict verdict;
  bool errorSeen = false;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, kIIDActiveScriptSite)) {
      *out = static_cast<IActiveScriptSite*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetLCID(LCID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetItemInfo(LPCOLESTR, DWORD, IUnknown** unknown, ITypeInfo** typeInfo) override {
    if (unknown) *unknown = nullptr;
    if (typeInfo) *typeInfo = nullptr;
    return TYPE_E_ELEMENTNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStateChange(SCRIPTSTATE) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnScriptError(IActiveScriptError* error) override {
    if (!error || errorSeen) return S_OK;
    errorSeen = true;
    DWORD context = 0;
    ULONG line = 0;
    LONG column = 0;
    if (SUCCEEDED(error->GetSourcePosition(&context, &line, &column))) {
      verdict.line = static_cast<int>(line) + 1;
      verdict.column = static_cast<int>(column);
    }
    EXCEPINFO info{};
    if (SUCCEEDED(error->GetExceptionInfo(&info))) {
      orv::win::UniqueBstr source(info.bstrSource), description(info.bstrDescription), help(info.bstrHelpFile);
      verdict.code = info.scode ? static_cast<int>(HRESULT_CODE(info.scode)) : info.wCode;
      if (description) verdict.description = description.get();
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnEnterScript() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnLeaveScript() override { return S_OK; }
};
#pragma GCC diagnostic pop

}  // namespace

EngineVerdict CheckWithEngine(const std::wstring& text) {
  orv::win::ComInit com;
  ErrorRecordingSite site;
  orv::win::ComPtr<IActiveScript> engine;
  if (FAILED(::CoCreateInstance(kCLSIDVBScript, nullptr, CLSCTX_INPROC_SERVER, kIIDActiveScript, engine.put_void()))) {
    return site.verdict;
  }
  orv::win::ComPtr<IActiveScriptParse64> parser;
  if (FAILED(engine->QueryInterface(kIIDActiveScriptParse64, parser.put_void()))) return site.verdict;
  if (FAILED(parser->InitNew()) || FAILED(engine->SetScriptSite(&site))) {
    engine->Close();
    return site.verdict;
  }
  site.verdict.available = true;
  EXCEPINFO info{};
  HRESULT hr = parser->ParseScriptText(text.c_str(), nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &info);
  orv::win::UniqueBstr source(info.bstrSource), description(info.bstrDescription), help(info.bstrHelpFile);
  site.verdict.ok = SUCCEEDED(hr) && !site.errorSeen;
  if (!site.verdict.ok && site.verdict.line == 0) site.verdict.line = 1;
  engine->Close();
  EngineVerdict verdict = site.verdict;
  parser.reset();
  engine.reset();
  return verdict;
}

}  // namespace vsc
