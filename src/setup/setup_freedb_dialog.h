// The installer's Freedb information dialog, 600.
#pragma once

#include <windows.h>

#include "setup/install_settings.h"

// The e-mail address and SMTP server, the fields filled with `offered` at first. Closing the
// dialog keeps what the fields hold, as OK does.
bw::setup::FreedbContact RunSetupFreedbDialog(HWND owner, const bw::setup::FreedbContact& offered);
