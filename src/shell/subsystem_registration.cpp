// Lets each subsystem plug its panels and hooks into the shell. A subsystem that has a
// "<subsystem>/shell_registration.h" declares its Register...WithShell() function there.
#include "shell/shell_hooks.h"

#if __has_include("cd/shell_registration.h")
#include "cd/shell_registration.h"
#define BW_REGISTER_CD 1
#endif
#if __has_include("media/shell_registration.h")
#include "media/shell_registration.h"
#define BW_REGISTER_MEDIA 1
#endif
#if __has_include("freedb/shell_registration.h")
#include "freedb/shell_registration.h"
#define BW_REGISTER_FREEDB 1
#endif
#if __has_include("cddb/shell_registration.h")
#include "cddb/shell_registration.h"
#define BW_REGISTER_CDDB 1
#endif

ShellHooks& Hooks() {
  static ShellHooks hooks;
  return hooks;
}

void RegisterSubsystems() {
#ifdef BW_REGISTER_CD
  RegisterCdWithShell();
#endif
#ifdef BW_REGISTER_MEDIA
  RegisterMediaWithShell();
#endif
#ifdef BW_REGISTER_FREEDB
  RegisterFreedbWithShell();
#endif
#ifdef BW_REGISTER_CDDB
  RegisterCddbWithShell();
#endif
}
