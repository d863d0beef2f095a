#include "CVelScriptEditCtrl.h"

#include <cstdlib>
#include <vector>

#include "CVelScriptEditApp.h"
#include "edit_text.h"
#include "host_calls.h"
#include "resource.h"
#include "velscriptcompiler.h"
#include "ui/message_box.h"
#include "ui/resource_context.h"

namespace vse {
namespace {

// ITextDocument's interface id (not in the MinGW uuid library).
const IID kIIDTextDocument = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

// Changes made while alive are not recorded for undo and leave the undo stack as it is.
class UndoSuspension {
 public:
  explicit UndoSuspension(ITextDocument* document) : document_(document) {
    if (document_) document_->Undo(tomSuspend, nullptr);
  }
  ~UndoSuspension() {
    if (document_) document_->Undo(tomResume, nullptr);
  }
  UndoSuspension(const UndoSuspension&) = delete;
  UndoSuspension& operator=(const UndoSuspension&) = delete;

 private:
  ITextDocument* document_;
};

bool KeyDown(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

// Text of the clipboard: Unicode text if present, else plain text widened.
bool ReadClipboardText(HWND owner, std::wstring& text) {
  if (!::OpenClipboard(owner)) return false;
  bool ok = false;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = p;
      ::GlobalUnlock(data);
      ok = true;
    }
  } else if (HANDLE narrow = ::GetClipboardData(CF_TEXT)) {
    if (const auto* p = static_cast<const char*>(::GlobalLock(narrow))) {
      int n = ::MultiByteToWideChar(CP_ACP, 0, p, -1, nullptr, 0);
      if (n > 0) {
        std::vector<wchar_t> wide(static_cast<size_t>(n));
        ::MultiByteToWideChar(CP_ACP, 0, p, -1, wide.data(), n);
        text = wide.data();
        ok = true;
      }
      ::GlobalUnlock(narrow);
    }
  }
  ::CloseClipboard();
  return ok;
}

// The string table's printf text with wide string arguments (%s -> %ls).
std::wstring WideFormat(std::wstring format) {
  for (size_t at = format.find(L"%s"); at != std::wstring::npos; at = format.find(L"%s", at + 3)) {
    format.replace(at, 2, L"%ls");
  }
  return format;
}

std::wstring ModuleFolder(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  DWORD n = ::GetModuleFileNameW(module, path, MAX_PATH);
  std::wstring folder(path, n);
  size_t slash = folder.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

}  // namespace

// clang-format off
ORV_BEGIN_MESSAGE_MAP(CVelScriptEditCtrl, orv::ui::CWindowBase)
  ORV_ON_MESSAGE(WM_KEYDOWN, &CVelScriptEditCtrl::OnKeyDown)
  ORV_ON_MESSAGE(WM_SYSKEYDOWN, &CVelScriptEditCtrl::OnSysKeyDown)
  ORV_ON_MESSAGE(WM_KEYUP, &CVelScriptEditCtrl::OnKeyUp)
  ORV_ON_MESSAGE(WM_CHAR, &CVelScriptEditCtrl::OnChar)
  ORV_ON_MESSAGE(WM_GETDLGCODE, &CVelScriptEditCtrl::OnGetDlgCode)
  ORV_ON_MESSAGE(WM_SETFOCUS, &CVelScriptEditCtrl::OnSetFocus)
  ORV_ON_MESSAGE(WM_KILLFOCUS, &CVelScriptEditCtrl::OnKillFocus)
  ORV_ON_MESSAGE(WM_LBUTTONDOWN, &CVelScriptEditCtrl::OnLButtonDown)
  ORV_ON_MESSAGE(WM_LBUTTONUP, &CVelScriptEditCtrl::OnLButtonUp)
  ORV_ON_MESSAGE(WM_NCLBUTTONDOWN, &CVelScriptEditCtrl::OnNcButtonDown)
  ORV_ON_MESSAGE(WM_NCRBUTTONDOWN, &CVelScriptEditCtrl::OnNcButtonDown)
  ORV_ON_MESSAGE(WM_NCMBUTTONDOWN, &CVelScriptEditCtrl::OnNcButtonDown)
  ORV_ON_MESSAGE(WM_CONTEXTMENU, &CVelScriptEditCtrl::OnContextMenu)
  ORV_ON_MESSAGE(WM_SETCURSOR, &CVelScriptEditCtrl::OnSetCursor)
  ORV_ON_MESSAGE(WM_COMMAND, &CVelScriptEditCtrl::OnCommand)
  ORV_ON_MESSAGE(CVelScriptEditCtrl::kHidePopupsMessage, &CVelScriptEditCtrl::OnHidePopups)
  ORV_ON_MESSAGE(WM_DESTROY, &CVelScriptEditCtrl::OnDestroy)
ORV_END_MESSAGE_MAP()
// clang-format on

CVelScriptEditCtrl::CVelScriptEditCtrl() = default;

CVelScriptEditCtrl::~CVelScriptEditCtrl() {
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    HWND hwnd = m_hWnd;
    ::DestroyWindow(hwnd);
  }
  font_.reset();
  intelliSense_.reset();
  scripter_.reset();
  colourer_.reset();
}

bool CVelScriptEditCtrl::Create(const wchar_t* language, HWND parent, const RECT& rect, int id, int tabSize,
                                const wchar_t* face, int fontSize) {
  // 1. Members.
  notificationsAllowed_ = true;
  controlId_ = id;
  tabSize_ = tabSize;
  tagDatabaseVersion_ = TagDatabaseVersion();
  findGlobals_ = ProjectSettingInt(L"Script", L"FindGlobalFunctionsAndVariables", 1);
  // 2. Parts: engine host, colouring, popups.
  scripter_ = MakeScriptHost();
  colourer_ = MakeLineColourer(*scripter_);
  intelliSense_ = MakeIntelliSense(*this, *scripter_);

  // 3. The edit window.
  CVelScriptEditApp::Instance().InitRichEdit();
  HWND hwnd = ::CreateWindowExW(
      0, RICHEDIT_CLASSW, L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP |
          ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN,
      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), orv::ui::ThisModule(), nullptr);
  if (!hwnd) return false;
  SubclassWindow(hwnd);
  SendMessage(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(richEditOle_.put_void()));
  if (richEditOle_) richEditOle_->QueryInterface(kIIDTextDocument, textDocument_.put_void());
  int undoLimit = ProjectSettingInt(L"Script", L"UndoLimit", 100);
  if (undoLimit != 100) SendMessage(EM_SETUNDOLIMIT, static_cast<WPARAM>(undoLimit > 0 ? undoLimit : 0));
  SetBackgroundColor(static_cast<COLORREF>(LocalSettingInt(L"ScriptEditor", L"BackColor", 0xFFFFFF)));
  // 4. The selection stays visible without the focus.
  SendMessage(EM_SETOPTIONS, ECOOP_OR, ECO_NOHIDESEL);
  // 5. Font and tab size.
  SetEditFont(face, fontSize);
  SetTabSize(tabSize);
  // 6. Empty text, no error line.
  SendMessage(EM_SETSEL, 0, -1);
  DeleteSelection();
  scripter_->SetErrorLine(-1);
  // 7. Language; 8. popups.
  SetLanguage(language);
  intelliSense_->CreatePopups(m_hWnd);
  return true;
}

// ---- raw edit window operations ----

CHARRANGE CVelScriptEditCtrl::Selection() const {
  CHARRANGE range{0, 0};
  SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range;
}

void CVelScriptEditCtrl::SetSelection(LONG start, LONG end) {
  CHARRANGE range{start, end};
  SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void CVelScriptEditCtrl::ReplaceSelection(const std::wstring& text, bool undoable) {
  SendMessage(EM_REPLACESEL, undoable ? TRUE : FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

int CVelScriptEditCtrl::LineIndex(int line) const { return static_cast<int>(SendMessage(EM_LINEINDEX, line)); }

int CVelScriptEditCtrl::LineFromChar(int pos) const {
  return static_cast<int>(SendMessage(EM_EXLINEFROMCHAR, 0, pos));
}

std::wstring CVelScriptEditCtrl::LineText(int line) const {
  int start = LineIndex(line);
  if (start < 0) return std::wstring();
  int length = static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(start)));
  // EM_GETLINE also copies the line's own break ("\r"), which is not part of the text.
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 4, L'\0');
  *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(buffer.size() - 1);
  int got = static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data())));
  if (got < 0) got = 0;
  return WithoutLineBreak(std::wstring(buffer.data(), static_cast<size_t>(got)));
}

int CVelScriptEditCtrl::FirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)); }

int CVelScriptEditCtrl::LineCount() const {
  return m_hWnd ? static_cast<int>(SendMessage(EM_GETLINECOUNT)) : 0;
}

void CVelScriptEditCtrl::CaretPosition(int& line, int& column) const {
  CHARRANGE sel = Selection();
  line = LineFromChar(sel.cpMax);
  column = sel.cpMax - LineIndex(line);
}

// ---- recolouring ----

void CVelScriptEditCtrl::RedrawOff() {
  if (redrawNesting_++ == 0) SendMessage(WM_SETREDRAW, FALSE);
}

void CVelScriptEditCtrl::RedrawOn() {
  if (redrawNesting_ > 0 && --redrawNesting_ == 0) SendMessage(WM_SETREDRAW, TRUE);
}

void CVelScriptEditCtrl::RecolourLine(int line, std::wstring text) {
  std::vector<Colour> colours;
  colourer_->ColourLine(line, text, colours);
  if (colours.empty()) return;
  RedrawOff();
  {
    // Colour changes would otherwise be undo steps of their own.
    UndoSuspension suspension(textDocument_.get());
    int start = LineIndex(line);
    std::wstring current = LineText(line);
    if (text != current) {
      SetSelection(start, start + static_cast<LONG>(current.size()));
      SendMessage(EM_REPLACESEL, textDocument_ ? TRUE : FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const LONG lineEnd = start + static_cast<LONG>(text.size()) + 1;
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.dwEffects = 0;
    for (size_t i = 0; i < colours.size(); ++i) {
      if (i > 0 && colours[i] == colours[i - 1]) continue;
      SetSelection(start + static_cast<LONG>(i), lineEnd);
      format.crTextColor = static_cast<COLORREF>(colours[i]);
      SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }
  }
  RedrawOn();
}

void CVelScriptEditCtrl::RecolourLineInPlace(int line, bool repaint) {
  if (!m_hWnd || line < 0 || line >= LineCount()) return;
  CHARRANGE sel = Selection();
  RecolourLine(line, LineText(line));
  SetSelection(sel.cpMin, sel.cpMax);
  if (repaint) {
    InvalidateLine(line);
    ::UpdateWindow(m_hWnd);
  }
}

void CVelScriptEditCtrl::RecolourAll(bool repaint) {
  if (!m_hWnd) return;
  RedrawOff();
  int first = FirstVisibleLine();
  int count = LineCount();
  for (int line = 0; line < count; ++line) RecolourLineInPlace(line, false);
  int now = FirstVisibleLine();
  if (now != first) SendMessage(EM_LINESCROLL, 0, first - now);
  RedrawOn();
  if (repaint) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CVelScriptEditCtrl::InvalidateLine(int line) {
  int start = LineIndex(line);
  if (start < 0) return;
  POINTL pt{0, 0};
  SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), start);
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  int height = 16;
  if (font_) {
    LOGFONTW lf{};
    ::GetObjectW(font_.get(), sizeof(lf), &lf);
    height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  }
  RECT r{pt.x - 1, pt.y - 4, client.right + 1, pt.y + height + 4};
  ::InvalidateRect(m_hWnd, &r, TRUE);
}

// ---- settings ----

void CVelScriptEditCtrl::SetEditFont(const wchar_t* face, int size) {
  if (m_hWnd) {
    HDC dc = ::GetDC(m_hWnd);
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(size * 10, ::GetDeviceCaps(dc, LOGPIXELSY), 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    if (face) lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    ::ReleaseDC(m_hWnd, dc);
    HFONT created = (face && *face && size > 0) ? ::CreateFontIndirectW(&lf) : nullptr;
    if (created) {
      font_.reset(created);
      UndoSuspension suspension(textDocument_.get());  // a font change is no undo step
      SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
      SetTabSize(tabSize_);
    }
  }
  fontSize_ = size;
  RecolourAll(true);
}

bool CVelScriptEditCtrl::GetEditFont(std::wstring& face, int& size) const {
  size = fontSize_;
  face.clear();
  if (!font_) return true;
  LOGFONTW lf{};
  if (::GetObjectW(font_.get(), sizeof(lf), &lf)) face = lf.lfFaceName;
  return true;
}

void CVelScriptEditCtrl::SetTabSize(int tabSize) {
  if (!textDocument_ || !m_hWnd) return;
  tabSize_ = tabSize;
  ApplyTabStops();
  RecolourAll(true);
}

// Tab stops every tabSize_ space widths of the font. The text document's default tab
// stop is used where it is implemented; otherwise every paragraph gets explicit stops
// (new paragraphs inherit them from the one they are split from).
void CVelScriptEditCtrl::ApplyTabStops() {
  if (!textDocument_ || !m_hWnd || tabSize_ <= 0) return;
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ old = font_ ? ::SelectObject(dc, font_.get()) : nullptr;
  std::wstring spaces(static_cast<size_t>(tabSize_), L' ');
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, spaces.c_str(), tabSize_, &extent);
  int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
  if (old) ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  if (dpi <= 0 || extent.cx <= 0) return;
  float points = static_cast<float>(extent.cx) * 72.0f / static_cast<float>(dpi);
  if (defaultTabStopWorks_ && textDocument_->SetDefaultTabStop(points) == S_OK) return;
  defaultTabStopWorks_ = false;
  PARAFORMAT2 para{};
  para.cbSize = sizeof(para);
  para.dwMask = PFM_TABSTOPS;
  para.cTabCount = MAX_TAB_STOPS;
  LONG twips = ::MulDiv(extent.cx, 1440, dpi);
  for (int i = 0; i < MAX_TAB_STOPS; ++i) para.rgxTabs[i] = twips * (i + 1);
  CHARRANGE sel = Selection();
  RedrawOff();
  {
    UndoSuspension suspension(textDocument_.get());
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&para));
    SetSelection(sel.cpMin, sel.cpMax);
  }
  RedrawOn();
}

void CVelScriptEditCtrl::SetLanguage(const wchar_t* language) {
  language_ = language ? language : L"";
  scripter_->Start(language_);
  colourer_->SetLanguage(language_);
  RecolourAll(true);
}

void CVelScriptEditCtrl::SetCapitalize(bool capitalize) {
  colourer_->SetCapitalize(capitalize);
  RecolourAll(true);
}

void CVelScriptEditCtrl::SetBackgroundColor(COLORREF color) {
  backColor_ = color;
  if (m_hWnd) SendMessage(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color));
}

void CVelScriptEditCtrl::SetReadOnly(bool readOnly) {
  if (m_hWnd) SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

bool CVelScriptEditCtrl::ReadOnly() const {
  return m_hWnd && (::GetWindowLongW(m_hWnd, GWL_STYLE) & ES_READONLY) != 0;
}

// ---- text ----

void CVelScriptEditCtrl::SetText(const wchar_t* text) {
  if (!m_hWnd) return;
  std::wstring newText = text ? text : L"";
  // Replacing a text is one undo step: undo gives the previous text back as it was.
  // A text loaded into an empty control starts a new history: nothing to undo.
  SendMessage(EM_SETSEL, 0, -1);
  bool hadText = TextLength() > 0;
  AfterChange();
  SendMessage(EM_SETSEL, 0, -1);
  ReplaceSelection(newText, hadText);
  if (!hadText) SendMessage(EM_EMPTYUNDOBUFFER);
  ApplyTabStops();
  RecolourAll(true);
}

int CVelScriptEditCtrl::TextLength() const {
  return m_hWnd ? static_cast<int>(SendMessage(WM_GETTEXTLENGTH)) : 0;
}

int CVelScriptEditCtrl::GetText(wchar_t* buffer, int size) const {
  if (!m_hWnd || !buffer || size <= 0) return 0;
  buffer[0] = L'\0';
  int got = static_cast<int>(SendMessage(WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
  if (got < 0) got = 0;
  if (got >= size) got = size - 1;
  buffer[got] = L'\0';
  return got;
}

bool CVelScriptEditCtrl::GetLine(int line, std::wstring& text) const {
  if (!m_hWnd || line < 0 || line >= LineCount()) return false;
  text = LineText(line);
  return true;
}

void CVelScriptEditCtrl::GotoLine(int line) {
  if (!m_hWnd) return;
  int count = LineCount();
  if (line >= count) line = count - 1;
  if (line < 0) line = 0;
  int start = LineIndex(line);
  SetSelection(start, start);
  SendMessage(EM_SCROLLCARET);
  Notify(VSE_NOTIFY_CARET, static_cast<LPARAM>(PackPosition(line, 0)));
}

bool CVelScriptEditCtrl::Find(const wchar_t* text, bool matchCase, bool wholeWord, bool down) {
  if (!m_hWnd || !text || !*text) return false;
  CHARRANGE sel = Selection();
  FINDTEXTEXW find{};
  // Searching up needs an explicit end: 0, the start of the text.
  find.chrg.cpMin = down ? sel.cpMax : sel.cpMin;
  find.chrg.cpMax = down ? -1 : 0;
  find.lpstrText = text;
  WPARAM flags = (down ? FR_DOWN : 0) | (matchCase ? FR_MATCHCASE : 0) | (wholeWord ? FR_WHOLEWORD : 0);
  LRESULT found = SendMessage(EM_FINDTEXTEXW, flags, reinterpret_cast<LPARAM>(&find));
  if (found < 0) return false;
  SetSelection(find.chrgText.cpMin, find.chrgText.cpMax);
  SendMessage(EM_SCROLLCARET);
  return true;
}

bool CVelScriptEditCtrl::IsModified() const { return m_hWnd && SendMessage(EM_GETMODIFY) != 0; }

void CVelScriptEditCtrl::SetModified(bool modified) {
  if (m_hWnd) SendMessage(EM_SETMODIFY, modified ? TRUE : FALSE);
}

bool CVelScriptEditCtrl::CanUndo() const { return m_hWnd && SendMessage(EM_CANUNDO) != 0; }
bool CVelScriptEditCtrl::CanRedo() const { return m_hWnd && SendMessage(EM_CANREDO) != 0; }

bool CVelScriptEditCtrl::CanCopy() const {
  if (!m_hWnd) return false;
  CHARRANGE sel = Selection();
  return sel.cpMax != sel.cpMin;
}

bool CVelScriptEditCtrl::CanPaste() {
  return ::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT);
}

void CVelScriptEditCtrl::HidePopups() {
  if (intelliSense_) intelliSense_->HideAll();
}

// ---- editing steps ----

void CVelScriptEditCtrl::DeleteSelection() {
  CHARRANGE sel = Selection();
  if (sel.cpMin == sel.cpMax) return;
  int line = LineFromChar(sel.cpMin);
  ReplaceSelection(L"", true);
  InvalidateLine(line);
}

void CVelScriptEditCtrl::AfterChange() {
  int line = 0, column = 0;
  CaretPosition(line, column);
  if (scripter_->ErrorLine() >= 0 && scripter_->ErrorLine() == line) {
    scripter_->SetErrorLine(-1);
    RecolourAll(true);
  }
  if (intelliSense_->IsListShown()) intelliSense_->FollowTyping();
  NotifyChanged();
}

void CVelScriptEditCtrl::MarkDocumentModified() {
  if (document_ && IsModified()) document_->SetModifiedFlag(TRUE);
}

void CVelScriptEditCtrl::Notify(UINT code, LPARAM position) {
  if (notifyMessage_ == kNoNotifyMessage || !m_hWnd) return;
  HWND parent = ::GetParent(m_hWnd);
  if (!parent) return;
  ::SendMessageW(parent, notifyMessage_, code, position);
}

void CVelScriptEditCtrl::NotifyCaret() {
  if (!caretNotify_ || !notificationsAllowed_) return;
  int line = 0, column = 0;
  CaretPosition(line, column);
  Notify(VSE_NOTIFY_CARET, static_cast<LPARAM>(PackPosition(line, column)));
}

void CVelScriptEditCtrl::NotifyChanged() {
  if (!caretNotify_ || !notificationsAllowed_) return;
  Notify(VSE_NOTIFY_CHANGED, 0);
}

void CVelScriptEditCtrl::BlockIndent(bool outdent) {
  CHARRANGE sel = Selection();
  int startLine = LineFromChar(sel.cpMin);
  int endLine = LineFromChar(sel.cpMax);
  LineRange range = BlockLines(startLine, endLine, sel.cpMax - LineIndex(endLine));
  std::vector<std::wstring> lines;
  for (int line = range.first; line <= range.last; ++line) lines.push_back(LineText(line));
  std::wstring block = IndentBlock(lines, outdent, L"\r");
  block.pop_back();  // the last line keeps its own break
  LONG blockStart = LineIndex(range.first);
  LONG oldEnd = LineIndex(range.last) + static_cast<LONG>(lines.back().size());
  RedrawOff();
  SetSelection(blockStart, oldEnd);
  ReplaceSelection(block, true);
  LONG newEnd = LineIndex(range.last) + static_cast<LONG>(LineText(range.last).size());
  SetSelection(blockStart, newEnd);
  RecolourAll(false);
  RedrawOn();
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  intelliSense_->OnCaretMoved();
  AfterChange();
}

void CVelScriptEditCtrl::InsertLineBreak() {
  DeleteSelection();
  int line = 0, column = 0;
  CaretPosition(line, column);
  std::wstring indent = LeadingWhitespace(LineText(line));
  ReplaceSelection(L"\r" + indent, true);
  RecolourLineInPlace(line, false);
  RecolourLineInPlace(line + 1, false);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CVelScriptEditCtrl::CheckTagDatabaseVersion() {
  int version = TagDatabaseVersion();
  if (version != tagDatabaseVersion_) {
    tagDatabaseVersion_ = version;
    RecolourAll(true);
  }
}

void CVelScriptEditCtrl::CheckScript() {
  int length = TextLength();
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  GetText(buffer.data(), length + 1);
  std::wstring text(buffer.data());
  bool wrap = procedureFlag_ && !procedureHeader_.empty();
  if (wrap) text = WrapInProcedure(procedureHeader_, text);

  notificationsAllowed_ = false;
  void* output = nullptr;
  int errorCode = 0;
  int errorLine = 0;
  std::vector<wchar_t> errorText(1024, L'\0');
  BOOL ok = FALSE;
  orv::win::UniqueModule compiler(
      ::LoadLibraryW((ModuleFolder(orv::ui::ThisModule()) + VELSCRIPTCOMPILER_DLL).c_str()));
  if (!compiler) compiler.reset(::LoadLibraryW(VELSCRIPTCOMPILER_DLL));
  auto compile = compiler ? reinterpret_cast<VELSCRIPTCOMPILE>(reinterpret_cast<void*>(
                                ::GetProcAddress(compiler.get(), MAKEINTRESOURCEA(VELSCRIPTCOMPILE_ORDINAL))))
                          : nullptr;
  if (compile) {
    ok = compile(m_hWnd, language_.c_str(), text.c_str(), &output, 1, allowOnlyFunctions_,
                 (procedureFlag_ && procedureHeader_.empty()) ? 0 : 1, &errorCode, errorText.data(), 1024,
                 &errorLine, wrap ? 1 : 0, 0, typeOrigin_);
  } else {
    lstrcpynW(errorText.data(), L"The script compiler velscriptcompiler.dll cannot be loaded", 1024);
    errorLine = 1;
  }
  CheckTagDatabaseVersion();
  std::wstring caption = orv::ui::LoadResString(IDS_APP_TITLE);
  if (ok) {
    std::free(output);
    orv::ui::OrvMessageBox(m_hWnd, orv::ui::LoadResString(IDS_SCRIPT_OK), caption, MB_OK | MB_ICONINFORMATION);
  } else {
    std::free(output);
    std::wstring message = orv::ui::FormatText(WideFormat(orv::ui::LoadResString(IDS_COMPILE_ERROR)).c_str(),
                                               errorLine, errorText.data(), errorCode);
    int line = errorLine - 1;
    if (line < 0) line = 0;
    int start = LineIndex(line);
    if (start >= 0) {
      SetSelection(start, start);
      SendMessage(EM_SCROLLCARET);
    }
    Notify(VSE_NOTIFY_CARET, static_cast<LPARAM>(PackPosition(line, 0)));
    orv::ui::OrvMessageBox(m_hWnd, message, caption, MB_OK | MB_ICONERROR);
  }
  notificationsAllowed_ = true;
}

// The tag browser is an outside library; without it the command does nothing.
void CVelScriptEditCtrl::OpenObjectFinder() {
  using TagBrowseFn = BOOL(WINAPI*)(wchar_t* name, int mode, int typeOrigin, int* result);
  orv::win::UniqueModule library(::LoadLibraryW(L"tagbrowse.dll"));
  if (!library) return;
  auto browse = reinterpret_cast<TagBrowseFn>(reinterpret_cast<void*>(::GetProcAddress(library.get(), "TagBrowse")));
  if (!browse) return;
  std::vector<wchar_t> name(2048, L'\0');
  int result = 0;
  notificationsAllowed_ = false;
  browse(name.data(), 1, typeOrigin_, &result);
  notificationsAllowed_ = true;
}

// ---- commands ----

void CVelScriptEditCtrl::OnEditCopy() {
  if (CanCopy()) SendMessage(WM_COPY);
}

void CVelScriptEditCtrl::OnEditCut() {
  if (!CanCopy() || ReadOnly()) return;
  HidePopups();
  SendMessage(WM_COPY);
  DeleteSelection();
  int line = 0, column = 0;
  CaretPosition(line, column);
  RecolourLineInPlace(line, true);
  NotifyCaret();
  NotifyChanged();
  MarkDocumentModified();
}

void CVelScriptEditCtrl::OnEditPaste() {
  if (ReadOnly()) return;
  HidePopups();
  orv::ui::WaitCursor wait;
  std::wstring text;
  if (!ReadClipboardText(m_hWnd, text) || text.empty()) return;
  DeleteSelection();
  ReplaceSelection(text, true);
  RecolourAll(true);
  NotifyCaret();
  NotifyChanged();
  MarkDocumentModified();
}

void CVelScriptEditCtrl::OnEditSelectAll() {
  SendMessage(EM_SETSEL, 0, -1);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CVelScriptEditCtrl::OnEditUndoRedo(bool redo) {
  if (redo ? !CanRedo() : !CanUndo()) return;
  HidePopups();
  SendMessage(redo ? EM_REDO : EM_UNDO);
  int line = 0, column = 0;
  CaretPosition(line, column);
  RecolourLineInPlace(line - 1, false);
  RecolourLineInPlace(line, false);
  RecolourLineInPlace(line + 1, false);
  AfterChange();
  MarkDocumentModified();
  NotifyCaret();
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CVelScriptEditCtrl::EnableMenuItems(HMENU menu) const {
  auto enable = [menu](UINT id, bool on) { ::EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
  enable(ID_EDIT_COPY, CanCopy());
  enable(ID_EDIT_CUT, CanCopy());
  enable(ID_EDIT_PASTE, CanPaste());
  enable(ID_EDIT_SELECT_ALL, true);
  enable(ID_EDIT_UNDO, CanUndo());
  enable(ID_EDIT_REDO, CanRedo());
  enable(ID_OBJECT_FINDER, true);
  enable(ID_CHECK_SCRIPT, true);
}

void CVelScriptEditCtrl::ShowContextMenu(LPARAM screenPoint) {
  HidePopups();
  ::SetFocus(m_hWnd);
  NotifyCaret();
  orv::win::UniqueMenu menu(::LoadMenuW(orv::ui::ThisModule(), MAKEINTRESOURCEW(IDR_SCRIPTEDIT_MENU)));
  if (!menu) return;
  HMENU popup = ::GetSubMenu(menu.get(), 0);
  EnableMenuItems(popup);
  POINT pt{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  if (screenPoint == -1) {  // from the keyboard: at the caret
    ::GetCaretPos(&pt);
    ::ClientToScreen(m_hWnd, &pt);
  }
  menuTracking_ = true;
  ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
  menuTracking_ = false;
}

// ---- message handlers ----

LRESULT CVelScriptEditCtrl::OnKeyDown(WPARAM wParam, LPARAM lParam, bool&) {
  const UINT key = static_cast<UINT>(wParam);
  const bool ctrl = KeyDown(VK_CONTROL);
  const bool shift = KeyDown(VK_SHIFT);
  const bool listShown = intelliSense_->IsListShown();
  const bool tipShown = intelliSense_->IsTipShown();
  if (key == VK_ESCAPE && !listShown && !tipShown) ::PostMessageW(::GetParent(m_hWnd), WM_KEYDOWN, wParam, lParam);
  if (listShown) {
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) {
      intelliSense_->OnListKey(key);
      return 0;
    }
    if (key == VK_ESCAPE) intelliSense_->OnListKey(key);
  } else if (tipShown && key == VK_ESCAPE) {
    intelliSense_->OnListKey(key);
  }
  switch (key) {
    case VK_RETURN:
      if (ctrl) PostMessage(WM_CHAR, L'\r', 0);
      return 0;
    case VK_DELETE: {
      LRESULT r = Default();
      PostMessage(WM_CHAR, kPrivateDeleteChar, 0);
      return r;
    }
    case VK_INSERT:
      if (shift) {
        OnEditPaste();
        return 0;
      }
      break;
    default:
      break;
  }
  if (ctrl) {
    switch (key) {
      case 'V': OnEditPaste(); return 0;
      case 'X': OnEditCut(); return 0;
      case 'C': OnEditCopy(); return 0;
      case 'Z': OnEditUndoRedo(false); return 0;
      case 'Y': OnEditUndoRedo(true); return 0;
      // The edit window's paragraph alignment and spacing shortcuts stay off.
      case 'R': case 'E': case 'J': case '1': case '2': case '5': return 0;
      default: break;
    }
  }
  LRESULT result = Default();
  switch (key) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
      intelliSense_->OnCaretMoved();
      NotifyCaret();
      break;
    default:
      break;
  }
  return result;
}

LRESULT CVelScriptEditCtrl::OnSysKeyDown(WPARAM wParam, LPARAM, bool& handled) {
  if (wParam == VK_BACK && KeyDown(VK_MENU)) {
    OnEditUndoRedo(false);
    return 0;
  }
  handled = false;
  return 0;
}

LRESULT CVelScriptEditCtrl::OnKeyUp(WPARAM, LPARAM, bool&) {
  LRESULT result = Default();
  MarkDocumentModified();
  return result;
}

LRESULT CVelScriptEditCtrl::OnChar(WPARAM wParam, LPARAM, bool&) {
  const UINT code = static_cast<UINT>(wParam);
  const bool ctrl = KeyDown(VK_CONTROL);
  const bool shift = KeyDown(VK_SHIFT);
  const bool alt = KeyDown(VK_MENU);
  int line = 0, column = 0;

  if (code == kPrivateDeleteChar || code == L'\b') {  // the edit window already deleted
    if (code == L'\b' && alt) {
      AfterChange();
      return 0;
    }
    DeleteSelection();
    CaretPosition(line, column);
    RecolourLineInPlace(line, true);
    intelliSense_->OnCaretMoved();
    NotifyCaret();
    AfterChange();
    return 0;
  }
  const wchar_t ch = static_cast<wchar_t>(code);
  if ((ch < 0x20 && ch != L'\t' && ch != L'\r') || ch == 0x7F) {
    intelliSense_->OnCaretMoved();
    NotifyCaret();
    return 0;
  }
  const bool listWasShown = intelliSense_->IsListShown();
  intelliSense_->OnCharacter(ch, ctrl);
  // A read-only control takes no typing (the edit window would accept our insertions).
  if (ReadOnly()) return 0;

  if (ch == L'\r') {
    if (!listWasShown) InsertLineBreak();
    intelliSense_->OnCaretMoved();
    NotifyCaret();
    AfterChange();
    return 0;
  }
  if (ch == L' ' && ctrl) {
    AfterChange();
    return 0;
  }
  CHARRANGE sel = Selection();
  if ((ch == L'\t' || ch == L' ') && LineFromChar(sel.cpMin) != LineFromChar(sel.cpMax)) {
    BlockIndent(shift);
    return 0;
  }
  DeleteSelection();
  CaretPosition(line, column);
  if (ch == L'\t' && shift) {
    CHARRANGE caret = Selection();
    if (column > 0) {
      wchar_t before = LineText(line)[static_cast<size_t>(column - 1)];
      if (before == L'\t') {
        SetSelection(caret.cpMax - 1, caret.cpMax);
        ReplaceSelection(L"", true);
        RecolourLineInPlace(line, false);
      }
    }
  } else {
    ReplaceSelection(std::wstring(1, ch), true);
    RecolourLineInPlace(line, false);
  }
  intelliSense_->OnCaretMoved();
  NotifyCaret();
  AfterChange();
  InvalidateLine(line);
  return 0;
}

LRESULT CVelScriptEditCtrl::OnGetDlgCode(WPARAM, LPARAM, bool&) { return Default() | DLGC_WANTALLKEYS; }

LRESULT CVelScriptEditCtrl::OnSetFocus(WPARAM, LPARAM, bool&) {
  LRESULT result = Default();
  NotifyCaret();
  CheckTagDatabaseVersion();
  return result;
}

LRESULT CVelScriptEditCtrl::OnKillFocus(WPARAM wParam, LPARAM, bool&) {
  LRESULT result = Default();
  HWND next = reinterpret_cast<HWND>(wParam);
  if (!intelliSense_->IsPopup(next)) {
    HidePopups();
    if (caretNotify_ && notificationsAllowed_) {
      int line = 0, column = 0;
      CaretPosition(line, column);
      Notify(VSE_NOTIFY_KILLFOCUS, static_cast<LPARAM>(PackPosition(line, column)));
    }
  }
  return result;
}

LRESULT CVelScriptEditCtrl::OnLButtonDown(WPARAM, LPARAM, bool&) {
  HidePopups();
  return Default();
}

LRESULT CVelScriptEditCtrl::OnLButtonUp(WPARAM, LPARAM, bool&) {
  LRESULT result = Default();
  NotifyCaret();
  return result;
}

LRESULT CVelScriptEditCtrl::OnNcButtonDown(WPARAM, LPARAM, bool&) {
  HidePopups();
  return Default();
}

LRESULT CVelScriptEditCtrl::OnContextMenu(WPARAM, LPARAM lParam, bool&) {
  ShowContextMenu(lParam);
  return 0;
}

LRESULT CVelScriptEditCtrl::OnSetCursor(WPARAM, LPARAM, bool&) {
  if (menuTracking_) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
  }
  return Default();
}

LRESULT CVelScriptEditCtrl::OnCommand(WPARAM wParam, LPARAM, bool& handled) {
  switch (LOWORD(wParam)) {
    case ID_EDIT_COPY: OnEditCopy(); break;
    case ID_EDIT_CUT: OnEditCut(); break;
    case ID_EDIT_PASTE: OnEditPaste(); break;
    case ID_EDIT_SELECT_ALL: OnEditSelectAll(); break;
    case ID_EDIT_UNDO: OnEditUndoRedo(false); break;
    case ID_EDIT_REDO: OnEditUndoRedo(true); break;
    case ID_OBJECT_FINDER: OpenObjectFinder(); break;
    case ID_CHECK_SCRIPT: CheckScript(); break;
    default: handled = false; break;
  }
  return 0;
}

LRESULT CVelScriptEditCtrl::OnHidePopups(WPARAM, LPARAM, bool&) {
  HidePopups();
  return 0;
}

LRESULT CVelScriptEditCtrl::OnDestroy(WPARAM, LPARAM, bool&) {
  HidePopups();
  textDocument_.reset();
  richEditOle_.reset();
  return Default();
}

}  // namespace vse
