#pragma once
// Windows' rule for keyboard cues (focus rectangles, access-key underlines): hidden while the
// user works with the mouse, shown once the keyboard is used, or always when the system is
// set to show them. A top-level window keeps the state for itself and its child windows
// (WM_CHANGEUISTATE asks for a change, WM_UPDATEUISTATE makes it, WM_QUERYUISTATE reads it).
#include <windows.h>

#include <functional>

namespace toolkit {

// The state a window keeps, answering the three messages as Windows' default handling does
// (a child asks its parent, the top-level window changes itself and passes the change down
// to its child windows), whatever the system does with them: Wine keeps no such state.
class UiState {
 public:
  LRESULT Handle(HWND window, UINT message, WPARAM change, const std::function<void()>& changed);
  bool FocusCuesShown() const { return (flags_ & UISF_HIDEFOCUS) == 0; }

 private:
  WORD flags_ = 0;  // UISF_: the cues hidden
};

// The UISF_ flags after `change` (a WM_CHANGEUISTATE or WM_UPDATEUISTATE wParam) is made to
// `state`. UIS_INITIALIZE hides both cues unless the system is set to show them always.
WORD UiStateAfter(WORD state, WPARAM change);

// The change that a key going down asks for: focus cues shown for the keys that move the
// focus (Tab, the arrow keys), access-key underlines for Alt; 0 for any other key.
WPARAM UiStateChangeForKey(UINT message, WPARAM key);

}  // namespace toolkit
