#include "CDlgConfigure.h"

#include "linkbase/host_functions.h"
#include "linkbase/link_dialog.h"
#include "linkbase/link_files.h"
#include "linkbase/link_text.h"
#include "resource.h"
#include "ui/resource_context.h"

namespace orv::softplc {

ORV_BEGIN_MESSAGE_MAP(CDlgConfigure, ui::CVELDialog)
ORV_ON_CONTROL(BN_CLICKED, kIdBrowse, &CDlgConfigure::OnBrowse)
ORV_END_MESSAGE_MAP()

CDlgConfigure::CDlgConfigure(HWND parent) : ui::CVELDialog(IDD_CONFIGURE, parent, HostFontSettings()) {}

BOOL CDlgConfigure::OnInitDialog() {
  ui::CVELDialog::OnInitDialog();
  InitAppDirectoryGroup(*this, HostTarvoGetStrLocal(kMachineSection, L"AppDirectory", L"", 2047));
  SetDlgItemText(IDC_IP_ADDRESS, HostTarvoGetStrLocal(kMachineSection, L"IPAddress", L"", 2047));
  return TRUE;
}

LRESULT CDlgConfigure::OnBrowse(WPARAM, LPARAM, bool&) {
  BrowseAppDirectory(*this, ui::LoadResString(IDS_SELECT_DIRECTORY));
  return 0;
}

void CDlgConfigure::OnOK() {
  std::wstring directory = TrimLeft(GetDlgItemText(kIdDirectory));
  if (directory.empty()) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_SELECT_DIRECTORY_ERROR));
    ::SetFocus(GetDlgItem(kIdDirectory));
    return;
  }
  std::wstring ip = TrimRight(GetDlgItemText(IDC_IP_ADDRESS));
  if (ip.empty()) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_SELECT_IP_ERROR));
    ::SetFocus(GetDlgItem(IDC_IP_ADDRESS));
    return;
  }
  HostTarvoSetStrLocal(kMachineSection, L"AppDirectory", directory);
  HostTarvoSetStrLocal(kMachineSection, L"IPAddress", ip);
  EndDialog(IDOK);
}

}  // namespace orv::softplc
