#include "linkbase/link_dialog.h"

#include "linkbase/host_functions.h"
#include "linkbase/link_text.h"
#include "ui/folder_picker.h"
#include "ui/message_box.h"
#include "ui/resource_context.h"

namespace orv::softplc {

ui::CVELDialog::FontSettings HostFontSettings() {
  ui::CVELDialog::FontSettings settings;
  settings.faceName = [](const std::wstring& current) {
    std::wstring face = HostTarvoGetStrLocal(L"Font", L"FontName", current.substr(0, 32).c_str(), 32);
    // Without the host call (or with an empty setting) the children keep their face.
    return face.empty() ? current : face;
  };
  settings.charSet = [](int current) { return HostTarvoGetIntLocal(L"Font", L"CharSet", current); };
  return settings;
}

void InitAppDirectoryGroup(ui::CDialogBase& dialog, const std::wstring& directory) {
  dialog.SetDlgItemText(kIdDirectory, directory);
  ::EnableWindow(dialog.GetDlgItem(kIdCreate), FALSE);
  dialog.CheckDlgButton(kIdCreate, false);
  dialog.CheckDlgButton(kIdSelect, true);
}

void BrowseAppDirectory(ui::CDialogBase& dialog, const std::wstring& title) {
  std::wstring path;
  if (!ui::BrowseForFolder(dialog.GetSafeHwnd(), title, path)) return;
  dialog.SetDlgItemText(kIdDirectory, WithTrailingBackslash(path));
}

void ShowLinkMessage(HWND owner, const std::wstring& text) {
  ui::OrvMessageBox(owner, text, ui::LoadResString(1), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace orv::softplc
