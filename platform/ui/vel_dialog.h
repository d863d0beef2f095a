// Dialog base of the configuration dialogs: list, edit, combo and grid children share
// one font whose face and character set come from the machine settings.
#pragma once
#include <functional>
#include <string>

#include "ui/dialog.h"
#include "win/unique_resource.h"

namespace orv::ui {

class CVELDialog : public CDialogBase {
 public:
  // Where the shared font's face name and character set come from; each gets the
  // current value of the first such child as its default.
  struct FontSettings {
    std::function<std::wstring(const std::wstring& currentFace)> faceName;
    std::function<int(int currentCharSet)> charSet;
  };

  explicit CVELDialog(UINT templateId, HWND parent = nullptr, FontSettings settings = {})
      : CDialogBase(templateId, parent), m_settings(std::move(settings)) {}

  // Creates the dialog of template `templateId` as a modeless child of `parent`.
  bool Create(UINT templateId, HWND parent);
  void EnableWindow(bool enable) { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }

  // The font given to the children, or null before one was made.
  HFONT SharedFont() const { return m_font.get(); }

  // True for the window classes that get the shared font.
  static bool TakesSharedFont(const wchar_t* className);

 protected:
  // Derived dialogs call this first.
  BOOL OnInitDialog() override;

 private:
  void ApplySharedFont();

  FontSettings m_settings;
  win::UniqueFont m_font;
};

}  // namespace orv::ui
