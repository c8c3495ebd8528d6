#include "shell/button/button_state_machine.h"
#include "shell/button/command.h"

void Command::OnMouseDown(const toolkit::MouseEvent& event) {
  Paint(ButtonPressed(fields_, event.button));
}

void Command::OnMouseMove(const toolkit::MouseEvent&) { Paint(MouseMoved(fields_)); }

void Command::OnMouseUp(const toolkit::MouseEvent& event) {
  Reaction reaction = ButtonReleased(fields_, event.button);
  Paint(reaction);
  if (!reaction.click || !Click) return;
  // A copy: the handler may replace Click, or close the form and this button with it.
  std::function<void()> handler = Click;
  handler();
}

void Command::OnGotFocus() { Paint(FocusGained(fields_)); }

void Command::OnLostFocus() { Paint(FocusLost(fields_)); }

void Command::OnResize() { ApplyEnabled(); }

void Command::TmrMouse_Timer() {
  // The caption has no window of its own, so over the caption is over this window too.
  POINT pointer{};
  if (!GetCursorPos(&pointer)) {
    MouseLeave();  // a pointer we cannot find is not over the button
    return;
  }
  if (WindowFromPoint(pointer) != hwnd()) MouseLeave();
}

void Command::MouseLeave() { Paint(PointerLeft(fields_)); }

void Command::Paint(const Reaction& reaction) {
  if (reaction.paint) DrawButton(*reaction.paint);
}
