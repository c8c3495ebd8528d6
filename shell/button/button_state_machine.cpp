#include "shell/button/button_state_machine.h"

#include "toolkit/mouse_event.h"

namespace {

// One row of the table: in state `from`, go to `to` and paint `skin`.
void Transition(CommandFields& fields, std::uint8_t from, std::uint8_t to, Skin skin,
                Reaction& reaction) {
  if (fields.ButtonState != from) return;
  fields.ButtonState = to;
  reaction.paint = skin;
}

}  // namespace

void InitializeState(CommandFields& fields) { fields.ButtonState = 1; }

Reaction MouseMoved(CommandFields& fields) {
  Reaction reaction;
  if (!fields.EnabledValue) return reaction;
  Transition(fields, 1, 2, Skin::HighLight, reaction);
  // A button pressed here and dragged out does not light up again until released.
  if (!fields.MouseIsDown) Transition(fields, 3, 4, Skin::HighLightSelect, reaction);
  return reaction;
}

Reaction PointerLeft(CommandFields& fields) {
  Reaction reaction;
  if (!fields.EnabledValue) return reaction;
  Transition(fields, 2, 1, Skin::Normal, reaction);
  Transition(fields, 4, 3, Skin::Selected, reaction);
  return reaction;
}

Reaction FocusGained(CommandFields& fields) {
  Reaction reaction;
  if (!fields.EnabledValue) return reaction;
  if (fields.ButtonState == 2) {
    fields.ButtonState = 4;
    reaction.paint = Skin::Pressed;
  } else {
    fields.ButtonState = 3;
    reaction.paint = Skin::Selected;
  }
  return reaction;
}

Reaction FocusLost(CommandFields& fields) {
  Reaction reaction;
  if (!fields.EnabledValue) return reaction;
  if (fields.ButtonState != 1) {
    fields.ButtonState = 1;
    reaction.paint = Skin::Normal;
  }
  return reaction;
}

Reaction ButtonPressed(CommandFields& fields, int button) {
  Reaction reaction;
  if (!fields.EnabledValue || button != toolkit::kLeftButton) return reaction;
  fields.MouseIsDown = true;
  reaction.paint = Skin::Pressed;
  return reaction;
}

Reaction ButtonReleased(CommandFields& fields, int button) {
  Reaction reaction;
  if (!fields.EnabledValue) return reaction;
  if (button == toolkit::kLeftButton) {
    fields.MouseIsDown = false;
    if (fields.ButtonState == 2) reaction.paint = Skin::Normal;
    if (fields.ButtonState == 4) reaction.paint = Skin::HighLightSelect;
  }
  // A button that lost the pointer while pressed (state 3) swallows the release.
  reaction.click = fields.ButtonState != 3;
  return reaction;
}
