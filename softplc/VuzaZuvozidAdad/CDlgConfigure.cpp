#include "CDlgConfigure.h"

#include "linkbase/host_functions.h"
#include "linkbase/link_dialog.h"
#include "linkbase/link_files.h"
#include "oc_functions.h"
#include "resource.h"
#include "ui/resource_context.h"

namespace orv::softplc {

ORV_BEGIN_MESSAGE_MAP(CDlgConfigure, ui::CVELDialog)
ORV_ON_CONTROL(BN_CLICKED, IDC_UPDATE, &CDlgConfigure::OnUpdate)
ORV_END_MESSAGE_MAP()

CDlgConfigure::CDlgConfigure(HWND parent) : ui::CVELDialog(IDD_CONFIGURE, parent, HostFontSettings()) {}

LRESULT CDlgConfigure::OnUpdate(WPARAM, LPARAM, bool&) {
  std::wstring name = L"VuzaZuvozidAdad";
  win::UniqueModule ocdll(::LoadLibraryW(L"OCDLL.DLL"));
  if (!ocdll) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_OCDLL_MISSING));
    return 0;
  }
  OcAttachFn attach = nullptr;
  OcIntFn detach = nullptr;
  if (!ResolveFunction(ocdll.get(), "ocAttachDatabase", attach) ||
      !ResolveFunction(ocdll.get(), "ocDetachDatabase", detach))
    return 0;
  std::wstring status;
  if (attach(0) != 0) {
    status = L"Stoped.";
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_MONITOR_STOPPED));
  } else {
    status = L"Running...";
  }
  detach();
  ocdll.reset();
  SetDlgItemText(IDC_PROJECT_NAME, name);
  SetDlgItemText(IDC_STATUS, status);
  return 0;
}

void CDlgConfigure::OnOK() {
  HostTarvoSetStrLocal(kMachineSection, L"AppDirectory", GetDlgItemText(IDC_PROJECT_NAME));
  HostTarvoSetStrLocal(kMachineSection, L"ProjectLastModification", GetDlgItemText(IDC_STATUS));
  EndDialog(IDOK);
}

}  // namespace orv::softplc
