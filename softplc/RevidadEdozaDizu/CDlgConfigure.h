// The RevidadEdozaDizu configuration dialog: name, status and version of the running
// project.
#pragma once
#include "ui/vel_dialog.h"

namespace orv::softplc {

class CDlgConfigure : public ui::CVELDialog {
 public:
  explicit CDlgConfigure(HWND parent = nullptr);

 protected:
  void OnOK() override;

 private:
  LRESULT OnUpdate(WPARAM, LPARAM, bool&);
  ORV_DECLARE_MESSAGE_MAP()
};

}  // namespace orv::softplc
