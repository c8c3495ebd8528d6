#pragma once
// The owning guards for handles, GDI's above all: each releases its handle exactly once, and
// moving one hands the handle over; none can be copied.
#include <windows.h>

#include <utility>

namespace toolkit {

// A handle given back with `Release` when the guard goes or is reset.
template <typename Handle, auto Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~Owned() { Reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }
  // Hands the handle over to an owner outside (the system, once a region is a window's),
  // without releasing it.
  Handle HandOver() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

// A kernel object's handle (a process, a thread, a file), closed with CloseHandle.
using KernelHandle = Owned<HANDLE, &CloseHandle>;

// A GDI object (brush, pen, font, bitmap, region).
template <typename Handle>
using GdiObject = Owned<Handle, &DeleteObject>;
// A memory device context, made with CreateCompatibleDC.
using MemoryDc = Owned<HDC, &DeleteDC>;
using Brush = GdiObject<HBRUSH>;

inline int ReleaseScreenDc(HDC dc) { return ReleaseDC(nullptr, dc); }
// The whole screen's device context, from GetDC(nullptr).
using ScreenDc = Owned<HDC, &ReleaseScreenDc>;

// A 32-bit top-down bitmap: true colour whatever the screen's depth. `bits` (optional) gets
// its pixels, one 0x00RRGGBB DWORD each, row by row from the top.
inline GdiObject<HBITMAP> CreateTrueColourBitmap(int width, int height, void** bits = nullptr) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* ignored = nullptr;
  return GdiObject<HBITMAP>(
      CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &ignored, nullptr, 0));
}

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject() = default;
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  SelectedObject(SelectedObject&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)),
        previous_(std::exchange(other.previous_, nullptr)) {}
  SelectedObject& operator=(SelectedObject&& other) noexcept {
    if (this != &other) {
      Restore();
      dc_ = std::exchange(other.dc_, nullptr);
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }
  ~SelectedObject() { Restore(); }

 private:
  void Restore() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    dc_ = nullptr;
    previous_ = nullptr;
  }
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace toolkit
