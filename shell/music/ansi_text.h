#pragma once
// Fixed texts written in UTF-8 here, handed out in the system's ANSI code page like every
// other string the shell passes to and from Win32.
#include <string>

std::string AnsiFromUtf8(const char* utf8);
