#include "CDlgConfigure.h"

#include "data_export.h"
#include "linkbase/host_functions.h"
#include "linkbase/link_dialog.h"
#include "linkbase/link_files.h"
#include "resource.h"
#include "ui/resource_context.h"
#include "variable_rows.h"
#include "win/unique_resource.h"

namespace orv::softplc {

ORV_BEGIN_MESSAGE_MAP(CDlgConfigure, ui::CVELDialog)
ORV_ON_CONTROL(BN_CLICKED, IDC_UPDATE, &CDlgConfigure::OnUpdate)
ORV_END_MESSAGE_MAP()

CDlgConfigure::CDlgConfigure(HWND parent) : ui::CVELDialog(IDD_CONFIGURE, parent, HostFontSettings()) {}

LRESULT CDlgConfigure::OnUpdate(WPARAM, LPARAM, bool&) {
  win::UniqueModule library(::LoadLibraryW(L"DataExp3.DLL"));
  if (!library) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_DATAEXP_MISSING));
    return 0;
  }
  auto info = ExportFunction<GetRunningProjectInfoFn>(library.get(), "GetRunningProjectInfo");
  if (!info) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_FUNCTION_MISSING));
    return 0;
  }
  char name[kExportTextBytes] = {};
  unsigned int version = 0;
  int status = -1;
  info(name, kExportTextBytes, &version, &status);
  name[kExportTextBytes - 1] = '\0';
  library.reset();
  SetDlgItemText(IDC_PROJECT_NAME, WideExportText(name));
  SetDlgItemText(IDC_STATUS, StatusText(status));
  SetDlgItemText(IDC_VERSION, ui::FormatText(L"%u", version));
  return 0;
}

void CDlgConfigure::OnOK() {
  std::wstring name = GetDlgItemText(IDC_PROJECT_NAME);
  if (name.empty()) {
    ShowLinkMessage(m_hWnd, ui::LoadResString(IDS_INVALID_NAME));
    return;
  }
  HostTarvoSetStrLocal(kMachineSection, L"AppDirectory", name);
  HostTarvoSetStrLocal(kMachineSection, L"RunStatus", GetDlgItemText(IDC_STATUS));
  HostTarvoSetStrLocal(kMachineSection, L"ProjectVersion", GetDlgItemText(IDC_VERSION));
  EndDialog(IDOK);
}

}  // namespace orv::softplc
