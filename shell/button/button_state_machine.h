#pragma once
// How the button's state follows the pointer, the keyboard focus and the mouse buttons,
// and which skin each change paints. A disabled button ignores all of it.
#include <optional>

#include "shell/button/command_fields.h"
#include "shell/button/skin.h"

struct Reaction {
  std::optional<Skin> paint;
  bool click = false;
};

void InitializeState(CommandFields& fields);
Reaction MouseMoved(CommandFields& fields);
// The pointer tracking found the pointer over some other window.
Reaction PointerLeft(CommandFields& fields);
Reaction FocusGained(CommandFields& fields);
Reaction FocusLost(CommandFields& fields);
// Buttons are the bit values 1 left, 2 right, 4 middle.
Reaction ButtonPressed(CommandFields& fields, int button);
// Ends with the Click rule, whatever the button.
Reaction ButtonReleased(CommandFields& fields, int button);
