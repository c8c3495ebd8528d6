#pragma once
// The platform call every multimedia command string goes through: a seam for the CD drive
// this machine lacks (the tests put a scripted drive here, or a recorder of the commands).
#include <windows.h>
#include <mmsystem.h>

struct MciCalls {
  MCIERROR(WINAPI* sendString)(LPCSTR command, LPSTR reply, UINT capacity, HWND callback) = &mciSendStringA;
};

// Returns the calls it replaces; pass them back to restore them.
MciCalls ReplaceMciCalls(MciCalls calls);
