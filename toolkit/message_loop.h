#pragma once
// The program's message loop: once start-up has loaded its forms, the process lives exactly
// as long as one of them stays loaded.
namespace toolkit {

// Dispatches this thread's messages until no form is loaded or WM_QUIT arrives. Returns at
// once when no form is loaded.
void RunMessageLoop();

}  // namespace toolkit
