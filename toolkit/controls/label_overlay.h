#pragma once
// A window laid over windowless controls (a caption, and a picture beside it, say) that gives
// them what only a window has: the keyboard focus, keys, and an object of its own for screen
// readers. It shows exactly what its parent shows under it, with a focus rectangle around the
// caption's text while it has the focus and focus cues show. Presses pass through it to the
// controls under it, so their mouse behaviour stays their own and never moves the focus.
#include <windows.h>

#include <initializer_list>

#include "toolkit/controls/label.h"
#include "toolkit/window.h"
#include "toolkit/windowless_control.h"

namespace toolkit::controls {

class LabelOverlay : public Window {
 public:
  // A screen reader sees the overlay whole, not the controls under it.
  bool ShowsParts() const override { return false; }
  // A screen reader's default action is the control's one action.
  bool DoDefaultAction() override {
    Act();
    return true;
  }

 protected:
  LabelOverlay() = default;

  // Covers `caption` and `others` (windowless controls of `parent`, made before); a tab stop
  // or not. False when the window could not be made.
  bool CreateOver(Window& parent, const Label& caption,
                  std::initializer_list<const WindowlessControl*> others, bool tabStop);
  const Label& Caption() const { return *caption_; }
  // What the keys and a screen reader do: raises the control's event.
  virtual void Act() = 0;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The focus rectangle comes and goes with the focus.
  void OnGotFocus() override { Refresh(); }
  void OnLostFocus() override { Refresh(); }
  void PaintFocusCue(HDC dc) const override;

 private:
  const Label* caption_ = nullptr;
  RECT focusRect_{};  // on this window; the caption's text does not change
};

}  // namespace toolkit::controls
