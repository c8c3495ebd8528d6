#pragma once
// Turning a top-level window into the child of a window that may belong to another program.
#include <windows.h>

// Makes `window` a child of `parent` (WS_CHILD in place of WS_POPUP). False, with the window
// left top-level as it was, when the parent is the desktop window or the window did not end
// up the parent's child (a parent gone meanwhile, or one that refuses a child from us).
bool MakeChildOf(HWND window, HWND parent);

// The SetParent that MakeChildOf calls: a seam for the refusals Wine never makes. Returns the
// call it replaces; pass that back to restore it.
using SetParentCall = HWND(WINAPI*)(HWND child, HWND parent);
SetParentCall ReplaceSetParentCall(SetParentCall call);
