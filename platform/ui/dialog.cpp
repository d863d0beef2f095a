#include "ui/dialog.h"

#include "ui/resource_context.h"

#include <vector>

namespace orv::ui {

INT_PTR CDialogBase::DoModal() {
  m_modal = true;
  INT_PTR r = ::DialogBoxParamW(CurrentResourceModule(), MAKEINTRESOURCEW(m_templateId), m_parent,
                                &CDialogBase::DialogProc, reinterpret_cast<LPARAM>(this));
  m_modal = false;
  return r;
}

bool CDialogBase::CreateModeless(HWND parent) {
  m_modal = false;
  if (parent) m_parent = parent;
  HWND hwnd = ::CreateDialogParamW(CurrentResourceModule(), MAKEINTRESOURCEW(m_templateId), m_parent,
                                   &CDialogBase::DialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr;
}

void CDialogBase::EndDialog(INT_PTR result) {
  if (!m_hWnd) return;
  if (m_modal) {
    ::EndDialog(m_hWnd, result);
  } else {
    ::DestroyWindow(m_hWnd);
  }
}

std::wstring CDialogBase::GetDlgItemText(int id) const {
  HWND item = GetDlgItem(id);
  int n = item ? ::GetWindowTextLengthW(item) : 0;
  std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
  int got = item ? ::GetWindowTextW(item, buf.data(), n + 1) : 0;
  return std::wstring(buf.data(), static_cast<size_t>(got > 0 ? got : 0));
}

// In a dialog the system's dialog procedure does the default processing: a message a
// handler leaves goes back to it by returning FALSE from DialogProc.
LRESULT CDialogBase::DefWindowProc(UINT, WPARAM, LPARAM) {
  m_defaultCalled = true;
  return 0;
}

LRESULT CDialogBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (DispatchMessageMap(message, wParam, lParam, result)) return result;
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (LOWORD(wParam) == IDOK) {
      OnOK();
      return 0;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      OnCancel();
      return 0;
    }
  }
  return DefWindowProc(message, wParam, lParam);
}

INT_PTR CALLBACK CDialogBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialogBase* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CDialogBase*>(lParam);
    self->Attach(hwnd);
    ResourceContext context(CurrentResourceModule());
    return self->OnInitDialog();
  }
  self = static_cast<CDialogBase*>(FromHandle(hwnd));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {  // the object may be gone after this
    self->RouteMessage(hwnd, message, wParam, lParam);
    return FALSE;
  }
  bool outerDefault = self->m_defaultCalled;
  self->m_defaultCalled = false;
  LRESULT result = self->RouteMessage(hwnd, message, wParam, lParam);
  bool useDefault = self->m_defaultCalled;
  self->m_defaultCalled = outerDefault;
  if (useDefault) return FALSE;
  ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace orv::ui
