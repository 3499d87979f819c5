// The system's own user-visible texts, each written once, so tests can name the constant
// the program shows. Grouped by subsystem.
#pragma once

// --- shell ---

// --- cd ---

// --- cddb ---

// --- freedb ---
