// The Think & Do configuration dialog: application directory and IP address.
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
  ORV_DECLARE_MESSAGE_MAP()
};

}  // namespace orv::softplc
