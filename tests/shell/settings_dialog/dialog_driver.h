#pragma once
// The settings dialog of a real Korvane.scr /c, found and driven from outside as a user
// would: its windows by class and place, its painted pixels read from the screen, presses
// posted to its windows with the real pointer over them, keys posted to the focused control.
#include <windows.h>

#include <string>

#include "tests/support/captured_pixels.h"
#include "harness/files.h"
#include "tests/support/wine_process.h"

// A box in pixels on a window's client area.
struct PixelBox {
  int left;
  int top;
  int width;
  int height;
  POINT Centre() const { return POINT{left + width / 2, top + height / 2}; }
};

// The dialog's design in pixels (15 twips a pixel), written out here independently.
namespace layout {
inline constexpr int kClientWidth = 496;
inline constexpr int kClientHeight = 243;
// In the panel, by music kind (0 none, 1 CD, 2 file).
inline constexpr PixelBox kMark[3] = {{28, 76, 13, 13}, {28, 56, 13, 13}, {28, 96, 13, 13}};
inline constexpr PixelBox kKindLabel[3] = {{44, 76, 22, 13}, {44, 56, 43, 13}, {44, 96, 60, 13}};
inline constexpr PixelBox kFileLabel{72, 116, 373, 33};
inline constexpr PixelBox kPanel{12, 16, 469, 165};
// On the form.
inline constexpr PixelBox kLink{12, 208, 207, 13};
inline constexpr PixelBox kSetButton{324, 200, 77, 25};
inline constexpr PixelBox kCancelButton{404, 200, 77, 25};
}  // namespace layout

// A program folder of its own with the shipped programs and, if given, a settings file.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::wstring& name);
  bool ready() const { return copied_; }
  std::wstring Scr() const { return folder_.File(L"Korvane.scr"); }
  std::wstring Ini() const { return folder_.File(L"Korvane.ini"); }
  std::wstring File(const std::wstring& name) const { return folder_.File(name); }
  const std::wstring& path() const { return folder_.path(); }

 private:
  TempFolder folder_;
  bool copied_ = false;
};

class DialogDriver {
 public:
  // Starts `Korvane.scr /c` in the folder and waits until its dialog is shown and painted.
  explicit DialogDriver(const ProgramFolder& folder) : DialogDriver(folder.Scr()) {}
  // The same for the Korvane.scr at `scr`.
  explicit DialogDriver(const std::wstring& scr);
  // Closes a dialog that is still open, so that no case leaves one behind.
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Empty when the dialog came up with all its windows; else what was missing.
  const std::string& problem() const { return problem_; }
  const ChildProcess& process() const { return child_; }

  HWND form() const { return form_; }
  HWND panel() const { return panel_; }
  HWND trackBox() const { return trackBox_; }
  HWND trackEdit() const { return trackEdit_; }
  HWND fileButton() const { return fileButton_; }
  HWND setButton() const { return setButton_; }
  HWND cancelButton() const { return cancelButton_; }

  // Pixels of the form's or the panel's client area as the screen shows them.
  CapturedPixels FormPixels() const;
  CapturedPixels PanelPixels() const;
  CapturedPixels PanelPixels(const PixelBox& box) const;

  // A press and release of `button` (MK_LBUTTON, MK_RBUTTON or MK_MBUTTON) at a point of a
  // window's client area, with the pointer placed there first.
  void Press(HWND window, POINT at, WPARAM button) const;
  // A left click on a Command button: the pointer moves over it, then presses and releases.
  void ClickButton(HWND button) const;
  // Replaces the track box's text by typing `text` into it.
  bool TypeTrack(const std::wstring& text) const;
  // A key pressed and released on the control that has the focus.
  void PressKey(WPARAM key) const;
  HWND Focus() const;

  std::wstring TrackText() const;
  // True once the process has ended (waiting up to the usual time).
  bool WaitForEnd() const;

 private:
  void FindControls();

  ChildProcess child_;
  std::string problem_;
  HWND form_ = nullptr;
  HWND panel_ = nullptr;
  HWND trackBox_ = nullptr;
  HWND trackEdit_ = nullptr;
  HWND fileButton_ = nullptr;
  HWND setButton_ = nullptr;
  HWND cancelButton_ = nullptr;
};

// Top-level windows of a process with this exact title, visible.
HWND VisibleWindowOf(DWORD process, const wchar_t* title);
