#pragma once
// Opens the renderer's own window and context once for a test program.
#include <gtest/gtest.h>
#include <windows.h>
#include <GL/gl.h>

#include <vector>

#include "renderer/gl_window.h"
#include "renderer/renderer_globals.h"

class RendererWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    g_instance = GetModuleHandleW(nullptr);
    running = 1;
    ASSERT_TRUE(CreateGLWindow());
    glClearColor(0, 0, 0, 0);
  }
  static void TearDownTestSuite() { DestroyGLWindow(); }
};

// What the window shows on screen, read through GDI, as RGBA bytes, bottom row first
// (the same layout as ReadBuffer).
inline std::vector<unsigned char> ReadScreen(HWND window) {
  std::vector<unsigned char> pixels(kScreenWidth * kScreenHeight * 4, 0xcc);
  HDC windowDc = GetDC(window);
  HDC memory = CreateCompatibleDC(windowDc);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kScreenWidth;
  info.bmiHeader.biHeight = kScreenHeight;  // bottom-up, like glReadPixels
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, kScreenWidth, kScreenHeight, windowDc, 0, 0, SRCCOPY);
  GdiFlush();
  const unsigned char* bgra = static_cast<const unsigned char*>(bits);
  for (size_t i = 0; i < pixels.size(); i += 4) {
    pixels[i] = bgra[i + 2];
    pixels[i + 1] = bgra[i + 1];
    pixels[i + 2] = bgra[i];
    pixels[i + 3] = 0;
  }
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(window, windowDc);
  return pixels;
}

// Only the colour channels of two RGBA images, compared.
inline bool SameColours(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i += 4)
    if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) return false;
  return true;
}

// RGBA bytes of the whole 1024 x 768 buffer, bottom row first.
inline std::vector<unsigned char> ReadBuffer(GLenum buffer) {
  std::vector<unsigned char> pixels(kScreenWidth * kScreenHeight * 4, 0xcc);
  glReadBuffer(buffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kScreenWidth, kScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}
