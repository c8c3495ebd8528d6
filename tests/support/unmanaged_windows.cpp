#include "tests/support/unmanaged_windows.h"

#include <windows.h>

namespace {
const std::wstring kAppDefaults = L"Software\\Wine\\AppDefaults\\";
}

void UnmanagedWindows::SetUp() {
  const std::wstring key = kAppDefaults + program_ + L"\\X11 Driver";
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) == ERROR_SUCCESS) {
    RegSetValueExW(handle, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"),
                   2 * sizeof(wchar_t));
    RegCloseKey(handle);
  }
}

void UnmanagedWindows::TearDown() {
  RegDeleteTreeW(HKEY_CURRENT_USER, (kAppDefaults + program_).c_str());
}
