#pragma once
// Command: the shell's own push button, a hosted control with a skinned face (border from
// one of six skins, vertical gradient inside, centred caption) whose skin follows the
// pointer, the keyboard focus and the left mouse button. A 100 ms timer notices when the
// pointer has left. The button handles no keys: the keyboard only moves the focus.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "shell/button/command_fields.h"
#include "shell/button/skin.h"
#include "shell/button/skin_images.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/user_control.h"
#include "toolkit/timer.h"

struct Reaction;

// The stored caption is left out when it equals this, and reads as this when absent.
inline constexpr wchar_t kDefaultCaption[] = L"Command";
inline constexpr UINT kTmrMouseInterval = 100;
// The caption label's height; the button never changes it.
inline constexpr double kLblMsgHeightTwips = 195;

class Command : public toolkit::controls::UserControl {
 public:
  Command();

  // State 1 and pointer tracking on; paints nothing. The host calls it once the form is
  // loaded; until then the button does no hover tracking.
  void Initialize();
  // Raised after a mouse-button release, unless the pointer left while the left button was
  // held. The handler may close the form that hosts this button.
  std::function<void()> Click;

  std::wstring Caption() const;
  // Neither repaints the face nor moves the caption.
  void Caption(const std::wstring& text);
  toolkit::Font Font() const;
  void Font(const toolkit::Font& font);
  // Reading repaints Normal on an enabled button.
  std::int32_t FontColour();
  // A colour the platform refuses changes nothing.
  void FontColour(std::int32_t colour);
  // The first read of a new button makes it an ordinary enabled button.
  bool Enabled();
  void Enabled(bool value);
  // False: the painted face is hidden and the caption stays. Reading True repaints Normal
  // on an enabled button.
  bool Visible();
  void Visible(bool value);

  // A push button named by its caption (or the name its container gave it), unavailable
  // while disabled; its default action raises Click, as a release over it does.
  toolkit::Accessibility Describe() const override;
  bool DoDefaultAction() override;
  bool ShowsParts() const override { return false; }

 protected:
  void OnMouseDown(const toolkit::MouseEvent& event) override;
  void OnMouseMove(const toolkit::MouseEvent& event) override;
  void OnMouseUp(const toolkit::MouseEvent& event) override;
  void OnGotFocus() override;
  void OnLostFocus() override;
  void OnResize(int width, int height) override;
  void OnReadProperties(const toolkit::controls::PropertyBag& bag) override;
  void OnWriteProperties(toolkit::controls::PropertyBag& bag) override;

 private:
  void TmrMouse_Timer();
  void MouseLeave();
  void ApplyEnabled();
  void RefreshButton();
  void Paint(const Reaction& reaction);
  void DrawButton(Skin skin);
  void DrawGradient();

  CommandFields fields_;
  toolkit::controls::Label LblMsg_;
  toolkit::Timer TmrMouse_;
  SkinImages skins_;
  // Kept with the button between paints; only entries 0 and 1 are ever set.
  std::array<TRIVERTEX, 3> vertices_{};
  GRADIENT_RECT gradientRect_{};
};
