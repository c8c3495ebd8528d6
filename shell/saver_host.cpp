#include "shell/saver_host.h"

#include "toolkit/program.h"

// The saver host is not built yet: the request ends where the host would load.
void LoadSaverHost() { toolkit::EndProcess(); }
