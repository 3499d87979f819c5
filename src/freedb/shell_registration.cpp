// Plugs the freedb query into the shell's hooks.
#include "freedb/shell_registration.h"

#include "freedb/query_controller.h"
#include "shell/shell_hooks.h"

void RegisterFreedbWithShell() { Hooks().stopFreedbQuery = bw::freedb::AbortQuery; }
