// Seam between the edit control and its IntelliSense popups (member list and parameter
// tip). The control calls these hooks at the points of its typing and caret handling.
#pragma once
#include <windows.h>

namespace vse {

class IIntelliSense {
 public:
  virtual ~IIntelliSense() = default;
  // Creates the popup windows as children of the control (hidden).
  virtual void CreatePopups(HWND control) = 0;
  virtual bool IsListShown() const = 0;
  virtual bool IsTipShown() const = 0;
  // Is this window one of the popups (focus moving there is not a focus loss)?
  virtual bool IsPopup(HWND window) const = 0;
  // A typed character (all but Backspace) before it is inserted.
  virtual void OnCharacter(wchar_t ch, bool ctrl) = 0;
  // After caret movement or an edit: hide or update the popups for the new caret.
  virtual void OnCaretMoved() = 0;
  // After an edit while the list is shown: its selection follows the word typed.
  virtual void FollowTyping() = 0;
  // Esc, Page Up/Down, Up, Down while the list is shown; true when the key is used up.
  virtual bool OnListKey(UINT virtualKey) = 0;
  virtual void HideAll() = 0;
};

// No popups ever open.
class NoIntelliSense final : public IIntelliSense {
 public:
  void CreatePopups(HWND) override {}
  bool IsListShown() const override { return false; }
  bool IsTipShown() const override { return false; }
  bool IsPopup(HWND) const override { return false; }
  void OnCharacter(wchar_t, bool) override {}
  void OnCaretMoved() override {}
  void FollowTyping() override {}
  bool OnListKey(UINT) override { return false; }
  void HideAll() override {}
};

}  // namespace vse
