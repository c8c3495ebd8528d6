#include "shell/preview.h"

#include "toolkit/program.h"

// The preview form is not built yet: a preview request ends quietly.
void ShowPreview() { toolkit::EndProcess(); }
