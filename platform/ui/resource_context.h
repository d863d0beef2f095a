// The module whose resources (strings, menus, dialogs, icons) the current code loads.
// Each exported function switches to its own module first, as a plug-in loaded into
// another program must not take resources from that program.
#pragma once
#include <windows.h>

#include <string>

namespace orv::ui {

// The module this code is linked into (DLL or EXE).
HMODULE ThisModule();

HMODULE CurrentResourceModule();

class ResourceContext {
 public:
  explicit ResourceContext(HMODULE module = ThisModule());
  ~ResourceContext();
  ResourceContext(const ResourceContext&) = delete;
  ResourceContext& operator=(const ResourceContext&) = delete;

 private:
  HMODULE previous_;
};

// A string of the current resource module's string table (empty when absent).
std::wstring LoadResString(UINT id);

// printf-style formatting into a std::wstring.
std::wstring FormatText(const wchar_t* format, ...);

}  // namespace orv::ui

// First line of every export: use this module's resources until the export returns.
#define ORV_MANAGE_RESOURCES() ::orv::ui::ResourceContext orvResourceContext_ {}
