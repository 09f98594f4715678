// Small owners for the platform's handles: each releases its handle exactly once,
// copies are forbidden, moves hand the handle on.
#pragma once

#include <windows.h>

#include <utility>

namespace win {

template <typename T, auto Close>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T handle) : handle_(handle) {}
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != T{}; }
  T release() { return std::exchange(handle_, T{}); }
  void reset(T handle = T{}) {
    if (handle_) Close(handle_);
    handle_ = handle;
  }

 private:
  T handle_{};
};

inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void CloseKey(HKEY key) { ::RegCloseKey(key); }
inline void FreeGlobal(HGLOBAL block) { ::GlobalFree(block); }
inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void DestroyIconHandle(HICON icon) { ::DestroyIcon(icon); }
inline void DeleteDeviceContext(HDC dc) { ::DeleteDC(dc); }

using UniqueBrush = Unique<HBRUSH, DeleteGdiObject>;
using UniqueBitmap = Unique<HBITMAP, DeleteGdiObject>;
using UniqueKey = Unique<HKEY, CloseKey>;
using UniqueGlobal = Unique<HGLOBAL, FreeGlobal>;
using UniqueHandle = Unique<HANDLE, CloseKernelHandle>;
using UniqueIcon = Unique<HICON, DestroyIconHandle>;
using UniqueMemoryDC = Unique<HDC, DeleteDeviceContext>;  // from CreateCompatibleDC

// A COM interface, released once. The interface need be complete only where one is released.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // For a creation function's out parameter (CoCreateInstance's, say).
  void** put() {
    reset();
    return reinterpret_cast<void**>(&object_);
  }
  void reset() {
    if (object_) std::exchange(object_, nullptr)->Release();
  }

 private:
  Interface* object_ = nullptr;
};

// GetDC paired with ReleaseDC on the same window.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDC() { ::ReleaseDC(window_, dc_); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint paired with EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window) { ::BeginPaint(window, &ps_); }
  ~PaintDC() { ::EndPaint(window_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return ps_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
};

// SelectObject that puts the previous object back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~Selected() { ::SelectObject(dc_, previous_); }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace win
