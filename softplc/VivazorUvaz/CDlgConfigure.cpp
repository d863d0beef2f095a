#include "CDlgConfigure.h"

#include "linkbase/host_functions.h"
#include "linkbase/link_dialog.h"
#include "linkbase/link_files.h"
#include "linkbase/link_text.h"
#include "product.h"
#include "resource.h"
#include "ui/resource_context.h"

namespace orv::softplc {

ORV_BEGIN_MESSAGE_MAP(CDlgConfigure, ui::CVELDialog)
ORV_ON_CONTROL(BN_CLICKED, kIdBrowse, &CDlgConfigure::OnBrowse)
ORV_ON_CONTROL(BN_CLICKED, IDC_SIMULATION, &CDlgConfigure::OnSimulation)
ORV_END_MESSAGE_MAP()

CDlgConfigure::CDlgConfigure(HWND parent) : ui::CVELDialog(IDD_CONFIGURE, parent, HostFontSettings()) {}

BOOL CDlgConfigure::OnInitDialog() {
  ui::CVELDialog::OnInitDialog();
  InitAppDirectoryGroup(*this, HostTarvoGetStrLocal(kMachineSection, L"AppDirectory", L"", 2047));
  SetDlgItemText(IDC_SERVER_NAME, HostTarvoGetStrLocal(kMachineSection, L"ServerName", ORV_VIVAZOR_SERVER, 2047));
  CheckDlgButton(IDC_AUTO_EXCHANGE, IsTrueText(HostTarvoGetStrLocal(kMachineSection, L"AutoExchange", L"TRUE", 2047)));
  CheckDlgButton(IDC_SIMULATION, IsTrueText(HostTarvoGetStrLocal(kMachineSection, L"Simulate", L"TRUE", 2047)));
  return TRUE;
}

LRESULT CDlgConfigure::OnBrowse(WPARAM, LPARAM, bool&) {
  BrowseAppDirectory(*this, ui::LoadResString(IDS_SELECT_DIRECTORY));
  return 0;
}

LRESULT CDlgConfigure::OnSimulation(WPARAM, LPARAM, bool&) {
  SetDlgItemText(IDC_SERVER_NAME, IsDlgButtonChecked(IDC_SIMULATION) ? ORV_VIVAZOR_SERVER : ORV_VIVAZOR_REAL_SERVER);
  return 0;
}

void CDlgConfigure::OnOK() {
  std::wstring directory = TrimLeft(GetDlgItemText(kIdDirectory));
  if (directory.empty()) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_SELECT_DIRECTORY_ERROR));
    ::SetFocus(GetDlgItem(kIdDirectory));
    return;
  }
  std::wstring server = TrimRight(GetDlgItemText(IDC_SERVER_NAME));
  if (server.empty()) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_SELECT_SERVER_ERROR));
    ::SetFocus(GetDlgItem(IDC_SERVER_NAME));
    return;
  }
  HostTarvoSetStrLocal(kMachineSection, L"AppDirectory", directory);
  HostTarvoSetStrLocal(kMachineSection, L"ServerName", server);
  HostTarvoSetStrLocal(kMachineSection, L"AutoExchange", IsDlgButtonChecked(IDC_AUTO_EXCHANGE) ? L"TRUE" : L"FALSE");
  HostTarvoSetStrLocal(kMachineSection, L"Simulate", IsDlgButtonChecked(IDC_SIMULATION) ? L"TRUE" : L"FALSE");
  EndDialog(IDOK);
}

}  // namespace orv::softplc
