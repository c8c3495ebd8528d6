#pragma once
// Path text in the ANSI code page, searched character by character: in code page 932 the
// second byte of a two-byte character can be 0x5C, the backslash, and must not count as one.
// No windows here; the lead-byte test is passed in.
#include <string>
#include <string_view>

using LeadByteTest = bool (*)(unsigned char byte);

// The folder part: up to the last ":" or "\" (a trailing "\" dropped), "" when there is none.
std::string FolderPartOf(std::string_view path, LeadByteTest isLeadByte);

// The path with one trailing "\" removed, if it ends with one.
std::string WithoutTrailingBackslash(std::string_view path, LeadByteTest isLeadByte);
