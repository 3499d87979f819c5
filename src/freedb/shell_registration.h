// The freedb client's part in the shell: the query the main window stops at shutdown and when
// a media tab is chosen.
#pragma once

void RegisterFreedbWithShell();
