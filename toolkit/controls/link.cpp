#include "toolkit/controls/link.h"

namespace toolkit::controls {

bool Link::Create(Window& parent, const LinkDesign& design) {
  address_ = design.address;
  return CreateOver(parent, *design.caption, {}, true);
}

Accessibility Link::Describe() const {
  return {.name = Caption().Caption(), .role = ROLE_SYSTEM_LINK, .value = address_,
          .states = STATE_SYSTEM_LINKED, .defaultAction = kJumpAction};
}

// Enter opens the link instead of going to the dialog's default button.
LRESULT Link::DialogCode(const MSG* message) {
  return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
}

bool Link::OnKeyDown(UINT key, bool repeated) {
  if (key != VK_RETURN && key != VK_SPACE) return false;
  if (!repeated) Act();
  return true;
}

}  // namespace toolkit::controls
