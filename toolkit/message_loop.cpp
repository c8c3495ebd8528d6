#include "toolkit/message_loop.h"

#include <windows.h>

#include "toolkit/form.h"

namespace toolkit {

void RunMessageLoop() {
  MSG message;
  while (Form::LoadedCount() > 0) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) return;
    if (PreTranslateForForm(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace toolkit
