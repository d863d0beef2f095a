// The shell's folder picker. Like message boxes it goes through a seam: a program that
// exports "OrvFolderPickerHook" (tests, command-line tools) answers instead of the shell.
#pragma once
#include <windows.h>

#include <string>

namespace orv::ui {

// True when a folder with a file-system path was picked; its path in `path`.
bool BrowseForFolder(HWND owner, const std::wstring& title, std::wstring& path);

// Signature of the exported process hook: fills `path` (room for `size` characters)
// and returns non-zero for a pick, 0 for cancel.
using FolderPickerHookFn = int (*)(HWND owner, const wchar_t* title, wchar_t* path, int size);

}  // namespace orv::ui
