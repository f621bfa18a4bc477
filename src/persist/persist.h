// persist/: what the game keeps on disk, as pure functions on bytes with thin file wrappers:
// the puzzle state file, the best-times table and its file, the Windows-1252 text they hold,
// the one safe way the program writes any file and the one way it opens a file to read it.
// Part of tessellara_core; includes only puzzle/.
#pragma once

#include "persist/best_times.h"
#include "persist/regular_file.h"
#include "persist/safe_file.h"
#include "persist/state_file.h"
#include "persist/windows_1252.h"
