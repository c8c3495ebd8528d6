#include "tests/shell/settings_dialog/dialog_driver.h"

#include <utility>
#include <vector>

#include "harness/wait.h"
#include "tests/support/send_input.h"

namespace {

constexpr unsigned kDialogTimeoutMs = 30000;
constexpr wchar_t kDialogTitle[] = L"<Korvane>";

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The window's top-left corner on its parent's client area.
POINT PlaceOnParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  POINT corner{rect.left, rect.top};
  ScreenToClient(GetParent(window), &corner);
  return corner;
}

RECT ClientOnScreen(HWND window, const PixelBox& box) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return RECT{origin.x + box.left, origin.y + box.top, origin.x + box.left + box.width,
              origin.y + box.top + box.height};
}

}  // namespace

HWND VisibleWindowOf(DWORD process, const wchar_t* title) {
  return TopLevelWindowOf(process, title, true);
}

ProgramFolder::ProgramFolder(const std::wstring& name) : folder_(name) {
  copied_ = CopyInto(BinFile(L"Korvane.scr"), Scr()) &&
            CopyInto(BinFile(L"Korvane.dll"), folder_.File(L"Korvane.dll"));
}

DialogDriver::DialogDriver(const std::wstring& scr) {
  child_ = ChildProcess::Start(scr, L"\"" + scr + L"\" /c");
  if (!child_.started()) {
    problem_ = "Korvane.scr did not start: " + ErrorText(child_.startError());
    return;
  }
  WaitUntil([&] { return (form_ = VisibleWindowOf(child_.id(), kDialogTitle)) != nullptr || !child_.Running(); },
            kDialogTimeoutMs);
  if (!form_) {
    problem_ = "no dialog titled <Korvane> came up";
    return;
  }
  FindControls();
  if (!problem_.empty()) return;
  // Shown and painted: the top rows of the form's gradient and of the panel's are on the
  // screen. (The form paints its child windows before it is shown; the screen may still take
  // a moment to show what was painted.)
  if (!WaitUntil([&] { return FormPixels().At(490, 0) == RGB(0, 0, 30) && PanelPixels().At(2, 0) == RGB(30, 30, 30); },
                 kDialogTimeoutMs)) {
    problem_ = "the dialog was not painted";
  }
}

DialogDriver::~DialogDriver() {
  if (child_.Running()) {
    if (form_) PostMessageW(form_, WM_CLOSE, 0, 0);
    if (!child_.WaitExit(kDialogTimeoutMs)) child_.Kill();
  }
}

void DialogDriver::FindControls() {
  for (HWND child : Children(form_)) {
    const std::wstring name = ClassOf(child);
    if (name == L"ToolkitPictureBox") panel_ = child;
    if (name == L"Korvane.Command") (setButton_ ? cancelButton_ : setButton_) = child;
    if (name == L"ToolkitLabelOverlay") link_ = child;
  }
  // 設定 stands left of ｷｬﾝｾﾙ.
  if (setButton_ && cancelButton_ && PlaceOnParent(setButton_).x > PlaceOnParent(cancelButton_).x) {
    std::swap(setButton_, cancelButton_);
  }
  if (panel_) {
    // The choices stand top to bottom: 音楽CD, なし, MP3、WAV.
    const int kindsShown[3] = {1, 0, 2};
    int choicesFound = 0;
    for (HWND child : Children(panel_)) {
      const std::wstring name = ClassOf(child);
      if (name == L"ComboBox") trackBox_ = child;
      if (name == L"Korvane.Command") fileButton_ = child;
      if (name == L"ToolkitLabelOverlay" && choicesFound < 3) choices_[kindsShown[choicesFound++]] = child;
    }
  }
  if (trackBox_) trackEdit_ = FindWindowExW(trackBox_, nullptr, L"Edit", nullptr);
  if (!panel_ || !trackBox_ || !trackEdit_ || !fileButton_ || !setButton_ || !cancelButton_ ||
      setButton_ == cancelButton_ || !link_ || !choices_[0] || !choices_[1] || !choices_[2]) {
    problem_ = "the dialog lacks a control";
  }
}

CapturedPixels DialogDriver::FormPixels() const {
  RECT client{};
  GetClientRect(form_, &client);
  return CapturedPixels::FromScreen(ClientOnScreen(form_, {0, 0, client.right, client.bottom}));
}

CapturedPixels DialogDriver::PanelPixels() const {
  RECT client{};
  GetClientRect(panel_, &client);
  return PanelPixels({0, 0, client.right, client.bottom});
}

CapturedPixels DialogDriver::PanelPixels(const PixelBox& box) const {
  return CapturedPixels::FromScreen(ClientOnScreen(panel_, box));
}

void DialogDriver::Press(HWND window, POINT at, WPARAM button) const {
  POINT screen = at;
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  const LPARAM position = MAKELPARAM(at.x, at.y);
  const UINT down = button == MK_RBUTTON   ? WM_RBUTTONDOWN
                    : button == MK_MBUTTON ? WM_MBUTTONDOWN
                                           : WM_LBUTTONDOWN;
  PostMessageW(window, WM_MOUSEMOVE, 0, position);
  PostMessageW(window, down, button, position);
  PostMessageW(window, down + 1, 0, position);  // the matching button-up message
}

void DialogDriver::ClickButton(HWND button) const {
  RECT client{};
  GetClientRect(button, &client);
  Press(button, POINT{client.right / 2, client.bottom - 5}, MK_LBUTTON);
}

bool DialogDriver::TypeTrack(const std::wstring& text) const {
  SendMessageW(trackEdit_, EM_SETSEL, 0, -1);
  PostMessageW(trackEdit_, WM_CHAR, VK_BACK, 0);
  for (wchar_t c : text) PostMessageW(trackEdit_, WM_CHAR, c, 0);
  return WaitUntil([&] { return TrackText() == text; }, kDialogTimeoutMs);
}

void DialogDriver::PressKey(WORD key, bool shift) const {
  if (shift) {
    SendKeys({{VK_SHIFT, true}, {key, true}, {key, false}, {VK_SHIFT, false}});
  } else {
    SendKeys({{key, true}, {key, false}});
  }
}

HWND DialogDriver::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(form_, nullptr);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

std::wstring DialogDriver::TrackText() const {
  // Sent, not GetWindowText: for another process's window that gives the creation title.
  wchar_t text[64] = {};
  SendMessageW(trackBox_, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
  return text;
}

bool DialogDriver::WaitForEnd() const { return child_.WaitExit(kDialogTimeoutMs); }
