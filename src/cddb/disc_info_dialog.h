// Add / Edit Compact Disc Information (dialog 1700): the titles, texts and codes of the disc in
// the drive, filled from its catalogue entry when there is one. OK stores the disc as one
// entry at the end of the catalogue.
#pragma once

#include <windows.h>

#include "cddb/disc_entry.h"

// Runs the dialog modally for the disc in the drive. The caller pauses its own hover timer.
void RunDiscInfoDialog(HWND owner);

// The open dialog, from which the freedb submission reads the typed entry; null when closed.
HWND DiscInfoDialogWindow();

// The entry as typed so far in the open dialog (titles of every page, texts and codes);
// false when no dialog is open.
bool ReadTypedDiscEntry(bw::DiscProfile* profile, bw::TitleTable* titles,
                        bw::EntryDetails* details);
