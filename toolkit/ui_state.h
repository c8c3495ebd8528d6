#pragma once
// Windows' rule for keyboard cues (focus rectangles, access-key underlines): hidden while the
// user works with the mouse, shown once the keyboard is used, or always when the system is
// set to show them. A top-level window keeps the state for itself and its child windows
// (WM_CHANGEUISTATE asks for a change, WM_UPDATEUISTATE makes it, WM_QUERYUISTATE reads it).
#include <windows.h>

namespace toolkit {

// The UISF_ flags after `change` (a WM_CHANGEUISTATE or WM_UPDATEUISTATE wParam) is made to
// `state`. UIS_INITIALIZE hides both cues unless the system is set to show them always.
WORD UiStateAfter(WORD state, WPARAM change);

// The change that a key going down asks for: focus cues shown for the keys that move the
// focus (Tab, the arrow keys), access-key underlines for Alt; 0 for any other key.
WPARAM UiStateChangeForKey(UINT message, WPARAM key);

}  // namespace toolkit
