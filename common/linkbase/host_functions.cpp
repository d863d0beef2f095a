#include "host_functions.h"

#include <cwctype>
#include <vector>

#include "linkbase/link_text.h"
#include "tarvo_types.h"

namespace orv::softplc {

namespace {

// Host path functions fill a caller's buffer without a size; this is room for any path.
constexpr int kPathBufferChars = 4096;

using GetStrFn = int(WINAPI*)(const wchar_t*, const wchar_t*, const wchar_t*, wchar_t*, int);
using SetStrFn = BOOL(WINAPI*)(const wchar_t*, const wchar_t*, const wchar_t*);
using PathFn = wchar_t*(WINAPI*)(const wchar_t*, wchar_t*);
using ConfigPathFn = const wchar_t*(WINAPI*)();
using GetIntFn = int(WINAPI*)(const wchar_t*, const wchar_t*, int);
using GetVarFn = int(WINAPI*)(TAGREF*, const wchar_t*);

template <typename Fn>
Fn Resolved(const char* hostName) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(HostResolver().Resolve(hostName)));
}

std::wstring ProcessProgramPath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::wstring();
    if (n < path.size()) return std::wstring(path.data(), n);
    path.resize(path.size() * 2);
  }
}

std::wstring Terminated(const std::vector<wchar_t>& buffer) {
  std::size_t n = 0;
  while (n < buffer.size() && buffer[n]) ++n;
  return std::wstring(buffer.data(), n);
}

std::wstring CallPathFunction(const char* hostName, const std::wstring& name) {
  auto fn = Resolved<PathFn>(hostName);
  if (!fn) return std::wstring();
  std::vector<wchar_t> buffer(kPathBufferChars, L'\0');
  fn(name.c_str(), buffer.data());
  buffer.back() = L'\0';
  return Terminated(buffer);
}

std::wstring CallGetStr(const char* hostName, const wchar_t* section, const wchar_t* key, const wchar_t* def,
                        int size) {
  auto fn = Resolved<GetStrFn>(hostName);
  if (!fn || size <= 0) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(size) + 1, L'\0');
  fn(section, key, def, buffer.data(), size);
  buffer.back() = L'\0';
  return Terminated(buffer);
}

}  // namespace

CHostResolver::CHostResolver()
    : CHostResolver(Loader{&ProcessProgramPath, [](const wchar_t* name) { return ::LoadLibraryW(name); },
                           [](HMODULE module, const char* name) { return ::GetProcAddress(module, name); },
                           [](HMODULE module) { ::FreeLibrary(module); }}) {}

CHostResolver::CHostResolver(Loader loader) : m_loader(std::move(loader)) {}

CHostResolver::~CHostResolver() {
  if (m_module && m_loader.unload) m_loader.unload(m_module);
}

HostNaming CHostResolver::NamingForProgram(const std::wstring& programPath) {
  std::wstring upper = programPath;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return upper.find(L"ORVANE MANAGER.EXE") != std::wstring::npos ? HostNaming::Host : HostNaming::Toolkit;
}

bool CHostResolver::EnsureLoaded() {
  if (m_module) return true;
  m_naming = NamingForProgram(m_loader.programPath());
  m_module = m_loader.load(m_naming == HostNaming::Host ? L"Tarvo.dll" : L"DuzuveVidadez.dll");
  return m_module != nullptr;
}

FARPROC CHostResolver::Lookup(const std::string& hostName) {
  if (m_naming == HostNaming::Toolkit) return m_loader.lookup(m_module, ToolkitName(hostName).c_str());
  // 64-bit libraries carry no "@n" decoration: a host library that exports the plain
  // name answers for the decorated one.
  FARPROC address = m_loader.lookup(m_module, hostName.c_str());
  if (!address) address = m_loader.lookup(m_module, UndecoratedName(hostName).c_str());
  return address;
}

FARPROC CHostResolver::Resolve(const char* hostName) {
  auto cached = m_cache.find(hostName);
  if (cached != m_cache.end()) return cached->second;
  if (!EnsureLoaded()) return nullptr;
  FARPROC address = Lookup(hostName);
  m_cache.emplace(hostName, address);
  return address;
}

CHostResolver& HostResolver() {
  static CHostResolver resolver;
  return resolver;
}

std::wstring HostGetStr(const wchar_t* section, const wchar_t* key, const wchar_t* def, int size) {
  return CallGetStr("_APGetStr@20", section, key, def, size);
}

void HostSetStr(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
  if (auto fn = Resolved<SetStrFn>("_APSetStr@12")) fn(section, key, value.c_str());
}

std::wstring HostAppDatabasePath(const std::wstring& name) {
  return CallPathFunction("_APAppDatabasePath@8", name);
}

std::wstring HostGetAppConfigPath() {
  auto fn = Resolved<ConfigPathFn>("_APGetAppConfigPath@0");
  if (!fn) return std::wstring();
  const wchar_t* path = fn();
  return path ? std::wstring(path) : std::wstring();
}

std::wstring HostTarvoGetStrLocal(const wchar_t* section, const wchar_t* key, const wchar_t* def, int size) {
  return CallGetStr("_APTarvoGetStrLocal@20", section, key, def, size);
}

void HostTarvoSetStrLocal(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
  if (auto fn = Resolved<SetStrFn>("_APTarvoSetStrLocal@12")) fn(section, key, value.c_str());
}

int HostTarvoGetIntLocal(const wchar_t* section, const wchar_t* key, int def) {
  auto fn = Resolved<GetIntFn>("_APTarvoGetIntLocal@12");
  return fn ? fn(section, key, def) : def;
}

std::wstring HostTarvoBinPath(const std::wstring& name) { return CallPathFunction("_APTarvoBinPath@8", name); }

bool HostTagExists(const std::wstring& name) {
  auto fn = Resolved<GetVarFn>("_DBGetVar@8");
  if (!fn) return false;
  TAGREF reference{};
  return fn(&reference, name.c_str()) != 0;
}

}  // namespace orv::softplc
