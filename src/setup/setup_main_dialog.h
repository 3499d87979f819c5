// The installer's main dialog, 100 "Setup 2.3".
#pragma once

// Runs the installer until Exit (or the end of a complete installation).
void RunSetupMainDialog();
