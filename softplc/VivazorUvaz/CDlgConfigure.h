// The VivazorUvaz configuration dialog: application directory, server name, automatic
// exchange and simulation.
#pragma once
#include "ui/vel_dialog.h"

namespace orv::softplc {

class CDlgConfigure : public ui::CVELDialog {
 public:
  explicit CDlgConfigure(HWND parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  LRESULT OnBrowse(WPARAM, LPARAM, bool&);
  LRESULT OnSimulation(WPARAM, LPARAM, bool&);
  ORV_DECLARE_MESSAGE_MAP()
};

}  // namespace orv::softplc
