// The window behind every control handle: a rich edit window used as a plain-text
// script editor in which every character carries a colour. The control, not the edit
// window, inserts typed characters so that each changed line is recoloured at once.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <memory>
#include <string>

#include "VelScriptEdit.h"
#include "control_parts.h"
#include "ui/window.h"
#include "win/unique_resource.h"

namespace vse {

class CVelScriptEditCtrl : public orv::ui::CWindowBase {
 public:
  static constexpr UINT kNoNotifyMessage = static_cast<UINT>(-1);
  static constexpr UINT kPrivateDeleteChar = 0x802E;  // posted after Delete: recolour like Backspace
  static constexpr UINT kHidePopupsMessage = 0x465;

  CVelScriptEditCtrl();
  ~CVelScriptEditCtrl() override;

  // Creates the edit window; false when it could not be created (the object stays usable).
  bool Create(const wchar_t* language, HWND parent, const RECT& rect, int id, int tabSize, const wchar_t* face,
              int fontSize);

  // Settings and operations of the exported interface.
  void SetEditFont(const wchar_t* face, int size);
  bool GetEditFont(std::wstring& face, int& size) const;
  void SetTabSize(int tabSize);
  int TabSize() const { return tabSize_; }
  void SetLanguage(const wchar_t* language);
  const std::wstring& Language() const { return language_; }
  void SetCapitalize(bool capitalize);
  bool Capitalize() const { return colourer_->Capitalize(); }
  void SetBackgroundColor(COLORREF color);
  COLORREF BackgroundColor() const { return backColor_; }
  void SetReadOnly(bool readOnly);
  bool ReadOnly() const;

  void SetText(const wchar_t* text);
  int TextLength() const;
  int GetText(wchar_t* buffer, int size) const;
  int LineCount() const;
  bool GetLine(int line, std::wstring& text) const;
  void GotoLine(int line);
  bool Find(const wchar_t* text, bool matchCase, bool wholeWord, bool down);

  bool IsModified() const;
  void SetModified(bool modified);
  void SetDocument(IVseDocument* document) { document_ = document; }
  bool CanUndo() const;
  bool CanRedo() const;
  bool CanCopy() const;
  static bool CanPaste();
  void HidePopups();

  void SetNotifyParent(UINT message, bool caretNotify) {
    notifyMessage_ = message;
    caretNotify_ = caretNotify;
  }
  void SetProcedureFlag(bool flag, const wchar_t* header) {
    procedureFlag_ = flag;
    procedureHeader_ = header ? header : L"";
  }
  bool ProcedureFlag() const { return procedureFlag_; }
  void SetAllowOnlyFunctions(int flag) { allowOnlyFunctions_ = flag; }
  int AllowOnlyFunctions() const { return allowOnlyFunctions_; }
  void SetTypeOrigin(int origin) { typeOrigin_ = origin; }
  int TypeOrigin() const { return typeOrigin_; }
  void SetGlobalsCallback(void* user, VSE_ONGETGLOBALFUNCTIONSANDVARIABLES fn) {
    globalsUser_ = user;
    globalsCallback_ = fn;
  }
  void SetParamsCallback(void* user, VSE_ONGETPARAMSFUNCTION fn) {
    paramsUser_ = user;
    paramsCallback_ = fn;
  }
  IScriptHost& Scripter() { return *scripter_; }

  // Line and column of the caret (selection end), for notifications and popups.
  void CaretPosition(int& line, int& column) const;

 private:
  // Raw edit window operations.
  CHARRANGE Selection() const;
  void SetSelection(LONG start, LONG end);
  void ReplaceSelection(const std::wstring& text, bool undoable);
  int LineIndex(int line) const;
  int LineFromChar(int pos) const;
  std::wstring LineText(int line) const;
  int FirstVisibleLine() const;

  // Recolouring.
  void RecolourLine(int line, std::wstring text);
  void RecolourLineInPlace(int line, bool repaint);
  void RecolourAll(bool repaint);
  void InvalidateLine(int line);
  void RedrawOff();
  void RedrawOn();
  void ApplyTabStops();

  // Editing steps.
  void DeleteSelection();
  void AfterChange();
  void BlockIndent(bool outdent);
  void InsertLineBreak();
  void MarkDocumentModified();
  void Notify(UINT code, LPARAM position);
  void NotifyCaret();
  void NotifyChanged();
  void CheckScript();
  void OpenObjectFinder();
  void ShowContextMenu(LPARAM screenPoint);
  void EnableMenuItems(HMENU menu) const;
  void CheckTagDatabaseVersion();

  // Commands.
  void OnEditCopy();
  void OnEditCut();
  void OnEditPaste();
  void OnEditSelectAll();
  void OnEditUndoRedo(bool redo);

  // Message handlers.
  LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnSysKeyDown(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnChar(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnNcButtonDown(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnHidePopups(WPARAM wParam, LPARAM lParam, bool& handled);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam, bool& handled);

  int fontSize_ = 0;
  int redrawNesting_ = 0;
  std::unique_ptr<IScriptHost> scripter_;
  std::wstring language_;
  std::unique_ptr<IIntelliSense> intelliSense_;
  orv::win::ComPtr<IRichEditOle> richEditOle_;
  orv::win::ComPtr<ITextDocument> textDocument_;
  int tabSize_ = 4;
  bool procedureFlag_ = false;
  std::wstring procedureHeader_;
  int allowOnlyFunctions_ = 0;
  void* globalsUser_ = nullptr;
  void* paramsUser_ = nullptr;
  VSE_ONGETGLOBALFUNCTIONSANDVARIABLES globalsCallback_ = nullptr;
  VSE_ONGETPARAMSFUNCTION paramsCallback_ = nullptr;
  int typeOrigin_ = 0;
  IVseDocument* document_ = nullptr;
  orv::win::UniqueFont font_;
  bool menuTracking_ = false;
  int findGlobals_ = 1;
  bool caretNotify_ = false;
  UINT notifyMessage_ = kNoNotifyMessage;
  std::unique_ptr<ILineColourer> colourer_;
  int controlId_ = 0;
  bool notificationsAllowed_ = true;
  int tagDatabaseVersion_ = 0;
  COLORREF backColor_ = RGB(255, 255, 255);
  bool defaultTabStopWorks_ = true;

  ORV_DECLARE_MESSAGE_MAP()
};

}  // namespace vse
