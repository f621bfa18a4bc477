// history/: what keeps play from being lost, beyond the classic game. The game's history
// hears every change of the game through its change listener: it takes the steps the Game
// menu's Undo and Redo walk, and keeps each unfinished game in a file of its own in the
// per-user data folder, saved quietly after every change, which Continue Last Game and the
// Kept Games submenu offer again. Above game/ (it may include game/game.h and what is below);
// part of tessellara_core, no widgets.
#pragma once

#include "history/game_history.h"
#include "history/kept_games.h"
#include "history/kept_writer.h"
#include "history/play_snapshot.h"
#include "history/undo_stack.h"
