#include "shell/button/button_state_machine.h"

#include "toolkit/mouse_event.h"

void InitializeState(CommandFields& fields) { fields.ButtonState = 1; }

Reaction MouseMoved(CommandFields& fields) {
  Reaction reaction;
  if (!fields.EnabledValue) return reaction;
  if (fields.ButtonState == 1) {
    fields.ButtonState = 2;
    reaction.paint = Skin::HighLight;
  }
  // A button pressed here and dragged out does not light up again until released.
  if (fields.ButtonState == 3 && !fields.MouseIsDown) {
    fields.ButtonState = 4;
    reaction.paint = Skin::HighLightSelect;
  }
  return reaction;
}

Reaction PointerLeft(CommandFields& fields) {
  Reaction reaction;
  if (!fields.EnabledValue) return reaction;
  if (fields.ButtonState == 2) {
    fields.ButtonState = 1;
    reaction.paint = Skin::Normal;
  }
  if (fields.ButtonState == 4) {
    fields.ButtonState = 3;
    reaction.paint = Skin::Selected;
  }
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
