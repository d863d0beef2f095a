// The host runtime library as a soft-PLC link reaches it: loaded at run time and asked
// for each function by name. Inside the project manager ("ORVANE MANAGER.EXE" in the
// program path) the library is "Tarvo.dll" with host naming; anywhere else it is the
// runtime toolkit "DuzuveVidadez.dll" with toolkit naming. Every call has a fallback
// for a function that cannot be found.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "win/unique_resource.h"

namespace orv::softplc {

enum class HostNaming { Host, Toolkit };

class CHostResolver {
 public:
  struct Loader {
    std::function<std::wstring()> programPath;
    std::function<HMODULE(const wchar_t* name)> load;
    std::function<FARPROC(HMODULE module, const char* name)> lookup;
    std::function<void(HMODULE module)> unload;
  };

  CHostResolver();  // the process's program path, LoadLibraryW, GetProcAddress
  explicit CHostResolver(Loader loader);
  ~CHostResolver();
  CHostResolver(const CHostResolver&) = delete;
  CHostResolver& operator=(const CHostResolver&) = delete;

  // The address of the function asked for by its host name ("_APGetStr@20"), or null.
  // Each answer is kept, a missing function included; a library that failed to load is
  // tried again on the next request.
  FARPROC Resolve(const char* hostName);

  HostNaming Naming() const { return m_naming; }
  bool IsLoaded() const { return m_module != nullptr; }

  static HostNaming NamingForProgram(const std::wstring& programPath);

 private:
  bool EnsureLoaded();
  FARPROC Lookup(const std::string& hostName);

  Loader m_loader;
  HMODULE m_module = nullptr;
  HostNaming m_naming = HostNaming::Toolkit;
  std::map<std::string, FARPROC> m_cache;
};

// The resolver of this plug-in.
CHostResolver& HostResolver();

// The host calls the links make, each with its fallback.
std::wstring HostGetStr(const wchar_t* section, const wchar_t* key, const wchar_t* def, int size);
void HostSetStr(const wchar_t* section, const wchar_t* key, const std::wstring& value);
std::wstring HostAppDatabasePath(const std::wstring& name);
std::wstring HostGetAppConfigPath();
std::wstring HostTarvoGetStrLocal(const wchar_t* section, const wchar_t* key, const wchar_t* def, int size);
void HostTarvoSetStrLocal(const wchar_t* section, const wchar_t* key, const std::wstring& value);
int HostTarvoGetIntLocal(const wchar_t* section, const wchar_t* key, int def);
std::wstring HostTarvoBinPath(const std::wstring& name);
// True when the project has a tag of this name.
bool HostTagExists(const std::wstring& name);

}  // namespace orv::softplc
