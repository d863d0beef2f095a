// One RAII owner per Win32 resource kind, so no code frees a handle by hand.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace orv::win {

template <typename T, typename Traits>
class UniqueResource {
 public:
  UniqueResource() noexcept = default;
  explicit UniqueResource(T value) noexcept : value_(value) {}
  ~UniqueResource() { reset(); }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return Traits::IsValid(value_); }
  T release() noexcept { return std::exchange(value_, Traits::Invalid()); }
  void reset(T value = Traits::Invalid()) noexcept {
    if (Traits::IsValid(value_)) Traits::Close(value_);
    value_ = value;
  }
  // For out-parameters of creating calls: frees the current value first.
  T* put() noexcept {
    reset();
    return &value_;
  }

 private:
  T value_ = Traits::Invalid();
};

struct KernelHandleTraits {  // null and INVALID_HANDLE_VALUE both mean "none"
  static HANDLE Invalid() noexcept { return nullptr; }
  static bool IsValid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
};
struct FindHandleTraits {
  static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool IsValid(HANDLE h) noexcept { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(HANDLE h) noexcept { ::FindClose(h); }
};
struct ModuleTraits {
  static HMODULE Invalid() noexcept { return nullptr; }
  static bool IsValid(HMODULE h) noexcept { return h != nullptr; }
  static void Close(HMODULE h) noexcept { ::FreeLibrary(h); }
};
struct RegKeyTraits {
  static HKEY Invalid() noexcept { return nullptr; }
  static bool IsValid(HKEY h) noexcept { return h != nullptr; }
  static void Close(HKEY h) noexcept { ::RegCloseKey(h); }
};
template <typename G>
struct GdiObjectTraits {
  static G Invalid() noexcept { return nullptr; }
  static bool IsValid(G h) noexcept { return h != nullptr; }
  static void Close(G h) noexcept { ::DeleteObject(h); }
};
struct MenuTraits {
  static HMENU Invalid() noexcept { return nullptr; }
  static bool IsValid(HMENU h) noexcept { return h != nullptr; }
  static void Close(HMENU h) noexcept { ::DestroyMenu(h); }
};
struct WindowTraits {
  static HWND Invalid() noexcept { return nullptr; }
  static bool IsValid(HWND h) noexcept { return h != nullptr; }
  static void Close(HWND h) noexcept { ::DestroyWindow(h); }
};
struct ViewTraits {  // MapViewOfFile
  static void* Invalid() noexcept { return nullptr; }
  static bool IsValid(void* p) noexcept { return p != nullptr; }
  static void Close(void* p) noexcept { ::UnmapViewOfFile(p); }
};
struct GlobalTraits {
  static HGLOBAL Invalid() noexcept { return nullptr; }
  static bool IsValid(HGLOBAL h) noexcept { return h != nullptr; }
  static void Close(HGLOBAL h) noexcept { ::GlobalFree(h); }
};
struct BstrTraits {
  static BSTR Invalid() noexcept { return nullptr; }
  static bool IsValid(BSTR b) noexcept { return b != nullptr; }
  static void Close(BSTR b) noexcept { ::SysFreeString(b); }
};

using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;
using UniqueFindHandle = UniqueResource<HANDLE, FindHandleTraits>;
using UniqueModule = UniqueResource<HMODULE, ModuleTraits>;
using UniqueRegKey = UniqueResource<HKEY, RegKeyTraits>;
using UniqueFont = UniqueResource<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueResource<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniqueBitmap = UniqueResource<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniquePalette = UniqueResource<HPALETTE, GdiObjectTraits<HPALETTE>>;
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;
using UniqueWindow = UniqueResource<HWND, WindowTraits>;
using UniqueView = UniqueResource<void*, ViewTraits>;
using UniqueGlobal = UniqueResource<HGLOBAL, GlobalTraits>;
using UniqueBstr = UniqueResource<BSTR, BstrTraits>;

// Releases a named mutex taken by WaitForSingleObject.
class MutexLock {
 public:
  MutexLock(HANDLE mutex, DWORD timeout = INFINITE) noexcept : mutex_(mutex) {
    DWORD r = mutex ? ::WaitForSingleObject(mutex, timeout) : WAIT_FAILED;
    held_ = (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED);
  }
  ~MutexLock() {
    if (held_) ::ReleaseMutex(mutex_);
  }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;
  bool held() const noexcept { return held_; }

 private:
  HANDLE mutex_;
  bool held_ = false;
};

// A COM interface pointer that releases itself.
template <typename T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(T* p) noexcept : p_(p) {  // NOLINT: adopts without AddRef
  }
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& o) noexcept : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr& operator=(const ComPtr& o) noexcept {
    if (o.p_) o.p_->AddRef();
    reset();
    p_ = o.p_;
    return *this;
  }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  T** put() noexcept {
    reset();
    return &p_;
  }
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
  void reset() noexcept {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  T* detach() noexcept { return std::exchange(p_, nullptr); }

 private:
  T* p_ = nullptr;
};

// CoInitializeEx / CoUninitialize for one scope.
class ComInit {
 public:
  explicit ComInit(DWORD model = COINIT_APARTMENTTHREADED) noexcept
      : hr_(::CoInitializeEx(nullptr, model)) {}
  ~ComInit() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComInit(const ComInit&) = delete;
  ComInit& operator=(const ComInit&) = delete;
  HRESULT result() const noexcept { return hr_; }

 private:
  HRESULT hr_;
};

}  // namespace orv::win
