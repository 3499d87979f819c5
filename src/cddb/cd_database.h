// The CD database as the rest of the program uses it: the catalogue file's operations, the
// sequential pass over all entries and the in-memory entry pieces.
#pragma once

#include "cddb/database.h"
#include "cddb/database_scanner.h"
#include "cddb/disc_entry.h"
