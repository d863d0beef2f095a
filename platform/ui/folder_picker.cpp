#include "ui/folder_picker.h"

#include <shlobj.h>

#include <memory>

namespace orv::ui {

namespace {
struct CoTaskMemDeleter {
  void operator()(void* p) const { ::CoTaskMemFree(p); }
};
}  // namespace

bool BrowseForFolder(HWND owner, const std::wstring& title, std::wstring& path) {
  auto hook = reinterpret_cast<FolderPickerHookFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(nullptr), "OrvFolderPickerHook")));
  wchar_t picked[MAX_PATH] = {};
  if (hook) {
    if (!hook(owner, title.c_str(), picked, MAX_PATH)) return false;
    picked[MAX_PATH - 1] = L'\0';
    if (!picked[0]) return false;
    path = picked;
    return true;
  }
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  std::unique_ptr<ITEMIDLIST, CoTaskMemDeleter> item(::SHBrowseForFolderW(&info));
  if (!item || !::SHGetPathFromIDListW(item.get(), picked)) return false;
  path = picked;
  return true;
}

}  // namespace orv::ui
