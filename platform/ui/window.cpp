#include "ui/window.h"

#include <vector>

namespace orv::ui {
namespace {
const wchar_t kObjectProp[] = L"OrvWindowObject";
thread_local CWindowBase* t_creating = nullptr;

bool Matches(const MessageEntry& e, UINT message, WPARAM wParam, LPARAM lParam) {
  if (e.message != message) return false;
  if (message == WM_COMMAND) {
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    return id >= e.idFirst && id <= e.idLast && (e.code == kAnyCode || e.code == code);
  }
  if (message == WM_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr) return false;
    return hdr->idFrom >= e.idFirst && hdr->idFrom <= e.idLast && (e.code == kAnyCode || e.code == hdr->code);
  }
  return true;
}
}  // namespace

const MessageEntry CWindowBase::kBaseEntries[] = {{0, 0, 0, 0, nullptr}};

CWindowBase::~CWindowBase() {
  if (m_hWnd && ::IsWindow(m_hWnd)) Detach();
}

const MessageMap* CWindowBase::GetMessageMap() const {
  static const MessageMap map{kBaseEntries, nullptr};
  return &map;
}

CWindowBase* CWindowBase::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<CWindowBase*>(::GetPropW(hwnd, kObjectProp)) : nullptr;
}

void CWindowBase::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  ::SetPropW(hwnd, kObjectProp, this);
}

void CWindowBase::Detach() {
  if (m_hWnd) ::RemovePropW(m_hWnd, kObjectProp);
  m_hWnd = nullptr;
}

bool CWindowBase::RegisterWindowClass(const wchar_t* className, UINT style, HBRUSH background, HINSTANCE instance) {
  WNDCLASSEXW wc{};
  HINSTANCE inst = instance ? instance : ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(inst, className, &wc)) return true;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = &CWindowBase::StartWndProc;
  wc.hInstance = inst;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background ? background : reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = className;
  return ::RegisterClassExW(&wc) != 0;
}

bool CWindowBase::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                           const RECT& rect, HWND parent, UINT_PTR idOrMenu, HINSTANCE instance) {
  t_creating = this;
  HWND hwnd = ::CreateWindowExW(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(idOrMenu),
                                instance ? instance : ::GetModuleHandleW(nullptr), this);
  t_creating = nullptr;
  if (!hwnd) return false;
  if (!m_hWnd) Attach(hwnd);  // a class not routed through StartWndProc
  return true;
}

bool CWindowBase::SubclassWindow(HWND hwnd) {
  if (!hwnd || m_hWnd || FromHandle(hwnd)) return false;
  Attach(hwnd);
  m_superProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindowBase::SubclassProc)));
  return m_superProc != nullptr;
}

HWND CWindowBase::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (hwnd && m_superProc) ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
  m_superProc = nullptr;
  Detach();
  return hwnd;
}

std::wstring CWindowBase::GetWindowText() const {
  int n = ::GetWindowTextLengthW(m_hWnd);
  std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
  int got = ::GetWindowTextW(m_hWnd, buf.data(), n + 1);
  return std::wstring(buf.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void CWindowBase::DestroyWindow() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWindowBase::StartWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWindowBase* self = FromHandle(hwnd);
  if (!self && t_creating) {
    self = t_creating;
    self->Attach(hwnd);
  }
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return self->RouteMessage(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWindowBase::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWindowBase* self = FromHandle(hwnd);
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return self->RouteMessage(hwnd, message, wParam, lParam);
}

LRESULT CWindowBase::RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CurrentMessage saved = m_current;
  m_current = {message, wParam, lParam};
  LRESULT result = WindowProc(message, wParam, lParam);
  m_current = saved;
  if (message == WM_NCDESTROY) {
    WNDPROC super = m_superProc;
    if (super) ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    m_superProc = nullptr;
    Detach();
    PostNcDestroy();
  }
  return result;
}

bool CWindowBase::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
    for (const MessageEntry* e = map->entries; e->handler; ++e) {
      if (!Matches(*e, message, wParam, lParam)) continue;
      bool handled = true;
      result = (this->*(e->handler))(wParam, lParam, handled);
      if (handled) return true;
    }
  }
  return false;
}

LRESULT CWindowBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (DispatchMessageMap(message, wParam, lParam, result)) return result;
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWindowBase::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_superProc) return ::CallWindowProcW(m_superProc, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWindowBase::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

}  // namespace orv::ui
