// The dialog base: list, edit and combo children share one font made from the settings.
#include <gtest/gtest.h>

#include "linkbase/link_dialog.h"
#include "ui/vel_dialog.h"

namespace {

std::wstring FaceOf(HWND control, HFONT* font = nullptr) {
  HFONT f = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  if (font) *font = f;
  LOGFONTW description{};
  if (!f || !::GetObjectW(f, sizeof(description), &description)) return L"";
  return description.lfFaceName;
}

class CTestDialog : public orv::ui::CVELDialog {
 public:
  explicit CTestDialog(FontSettings settings) : CVELDialog(0, nullptr, std::move(settings)) {}
};

TEST(VelDialog, SharedFontGoesToListEditAndComboChildrenOnly) {
  std::wstring currentFaceSeen;
  int currentCharSetSeen = -1;
  orv::ui::CVELDialog::FontSettings settings;
  settings.faceName = [&](const std::wstring& current) {
    currentFaceSeen = current;
    return std::wstring(L"Courier New");
  };
  settings.charSet = [&](int current) {
    currentCharSetSeen = current;
    return current;
  };
  orv::win::UniqueWindow parent(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                                  nullptr, nullptr));
  CTestDialog dialog(settings);
  ASSERT_TRUE(dialog.Create(100, parent.get()));
  EXPECT_EQ(100u, dialog.TemplateId());
  EXPECT_EQ(parent.get(), ::GetParent(dialog.GetSafeHwnd()));
  EXPECT_FALSE(currentFaceSeen.empty());
  EXPECT_GE(currentCharSetSeen, 0);
  HFONT edit = nullptr, list = nullptr, combo = nullptr;
  EXPECT_EQ(L"Courier New", FaceOf(dialog.GetDlgItem(10), &edit));
  EXPECT_EQ(L"Courier New", FaceOf(dialog.GetDlgItem(11), &list));
  EXPECT_EQ(L"Courier New", FaceOf(dialog.GetDlgItem(12), &combo));
  EXPECT_EQ(dialog.SharedFont(), edit);
  EXPECT_EQ(edit, list);
  EXPECT_EQ(edit, combo);
  EXPECT_NE(L"Courier New", FaceOf(dialog.GetDlgItem(13)));
  EXPECT_NE(L"Courier New", FaceOf(dialog.GetDlgItem(14)));
  dialog.EnableWindow(false);
  EXPECT_FALSE(::IsWindowEnabled(dialog.GetSafeHwnd()));
  dialog.EnableWindow(true);
  EXPECT_TRUE(::IsWindowEnabled(dialog.GetSafeHwnd()));
  dialog.DestroyWindow();
}

TEST(VelDialog, WithoutSettingsTheChildrenKeepTheirFace) {
  orv::win::UniqueWindow parent(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                                  nullptr, nullptr));
  CTestDialog dialog({});
  ASSERT_TRUE(dialog.Create(100, parent.get()));
  EXPECT_NE(nullptr, dialog.SharedFont());
  EXPECT_EQ(FaceOf(dialog.GetDlgItem(13)), FaceOf(dialog.GetDlgItem(10)));
  dialog.DestroyWindow();
}

TEST(VelDialog, ClassNamesThatGetTheFont) {
  for (const wchar_t* name : {L"ListBox", L"EDIT", L"combobox", L"VELGridCtrl", L"velgridctrl"})
    EXPECT_TRUE(orv::ui::CVELDialog::TakesSharedFont(name)) << name;
  for (const wchar_t* name : {L"Button", L"Static", L"ComboBoxEx32", L"RichEdit20W", L""})
    EXPECT_FALSE(orv::ui::CVELDialog::TakesSharedFont(name)) << name;
}

TEST(VelDialog, HostFontSettingsFallBackToTheCurrentFont) {
  // No host library in this program: the settings give back the current values.
  auto settings = orv::softplc::HostFontSettings();
  EXPECT_EQ(L"Tahoma", settings.faceName(L"Tahoma"));
  EXPECT_EQ(186, settings.charSet(186));
}

}  // namespace
