// Resource ids of the main program. Dialog control ids are numbered upward from their
// dialog's own resource number.
#pragma once

// --- shell: boxes (look) ---

// --- shell: main window, about, volume mixer, accelerators (main) ---

// --- panels: Audio 3000, MIDI 3100, Video 3200, CD Player 3300 (main) ---

// --- art: bitmaps, sounds, icons, palette (art) ---

// --- cd: CD Player panel behaviour ---

// --- cddb: Add / Edit Compact Disc Information 1700 ---

// --- freedb: inexact matches 3600 ---
