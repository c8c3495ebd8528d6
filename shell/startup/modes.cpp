#include "shell/startup/modes.h"

#include "shell/text/number_text.h"

wchar_t ModeLetter(std::wstring_view argumentText) {
  if (argumentText.size() < 2) return 0;
  const wchar_t letter = argumentText[1];
  return (letter >= L'a' && letter <= L'z') ? static_cast<wchar_t>(letter - L'a' + L'A') : letter;
}

std::int32_t ParentWindowNumber(std::wstring_view argumentText) {
  const std::wstring_view number = argumentText.size() > 3 ? argumentText.substr(3) : std::wstring_view();
  return RoundToInt32(LenientNumber(number)).value_or(0);
}
