// Pieces the links' configuration dialogs share: the shared font from the machine
// settings, the application directory group (controls 3000 to 3003) and the messages.
#pragma once
#include <string>

#include "ui/vel_dialog.h"

namespace orv::softplc {

enum AppDirectoryGroupId : int {
  kIdCreate = 3000,     // "&Create": always disabled
  kIdSelect = 3001,     // "&Select": selected when the dialog opens
  kIdDirectory = 3002,  // the directory field
  kIdBrowse = 3003,     // "&Browse"
};

// Machine settings "Font"/"FontName" (at most 32 characters) and "Font"/"CharSet".
ui::CVELDialog::FontSettings HostFontSettings();

void InitAppDirectoryGroup(ui::CDialogBase& dialog, const std::wstring& directory);

// The folder picker titled `title`; a picked folder, with a trailing backslash, replaces
// the directory field. Cancel changes nothing.
void BrowseAppDirectory(ui::CDialogBase& dialog, const std::wstring& title);

// A message box owned by `owner`, captioned with string 1 of the plug-in's table.
void ShowLinkMessage(HWND owner, const std::wstring& text);

}  // namespace orv::softplc
