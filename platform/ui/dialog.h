// Dialog base over a dialog template resource, modal or modeless, with the same
// message tables as CWindowBase. The template comes from the current resource module.
#pragma once
#include "ui/window.h"

namespace orv::ui {

class CDialogBase : public CWindowBase {
 public:
  explicit CDialogBase(UINT templateId, HWND parent = nullptr) : m_templateId(templateId), m_parent(parent) {}

  // Runs the dialog; returns the EndDialog result or -1 when it could not be shown.
  INT_PTR DoModal();
  bool CreateModeless(HWND parent = nullptr);
  void EndDialog(INT_PTR result);
  bool IsModal() const { return m_modal; }

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  std::wstring GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const std::wstring& text) const { ::SetDlgItemTextW(m_hWnd, id, text.c_str()); }
  bool IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
  void CheckDlgButton(int id, bool checked) const {
    ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
  }

  UINT TemplateId() const { return m_templateId; }

 protected:
  // Return TRUE to let the system set the focus.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  void SetTemplateId(UINT templateId) { m_templateId = templateId; }

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  UINT m_templateId;
  HWND m_parent;
  bool m_modal = false;
  bool m_defaultCalled = false;
};

}  // namespace orv::ui
