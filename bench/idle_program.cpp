// The least a Win32 program under Wine can be: one hidden window and a waiting message loop.
// The saver host's CPU use and memory are reported next to this program's.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"KorvaneIdle";
  RegisterClassW(&windowClass);
  CreateWindowExW(0, L"KorvaneIdle", L"Korvane_Idle", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                  nullptr, instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
