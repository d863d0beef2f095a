#include "ui/vel_dialog.h"

#include <cwchar>

namespace orv::ui {

bool CVELDialog::Create(UINT templateId, HWND parent) {
  SetTemplateId(templateId);
  return CreateModeless(parent);
}

bool CVELDialog::TakesSharedFont(const wchar_t* className) {
  static const wchar_t* const kClasses[] = {L"ListBox", L"Edit", L"ComboBox", L"VELGridCtrl"};
  for (const wchar_t* name : kClasses) {
    if (::lstrcmpiW(className, name) == 0) return true;
  }
  return false;
}

BOOL CVELDialog::OnInitDialog() {
  ApplySharedFont();
  return TRUE;
}

void CVELDialog::ApplySharedFont() {
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64] = {};
    ::GetClassNameW(child, className, 64);
    if (!TakesSharedFont(className)) continue;
    if (!m_font) {
      LOGFONTW description{};
      HFONT current = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
      if (!current) current = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
      ::GetObjectW(current, sizeof(description), &description);
      if (m_settings.faceName) {
        std::wstring face = m_settings.faceName(description.lfFaceName);
        ::wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        description.lfFaceName[LF_FACESIZE - 1] = L'\0';
      }
      if (m_settings.charSet) description.lfCharSet = static_cast<BYTE>(m_settings.charSet(description.lfCharSet));
      m_font.reset(::CreateFontIndirectW(&description));
      if (!m_font) return;
    }
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), TRUE);
  }
}

}  // namespace orv::ui
