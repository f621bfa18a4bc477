// dialogs/: the modal dialogs the main window opens: options (with the colour picker),
// best times and the about box. Part of tessellara_ui (QtWidgets); they work on the game
// object through game/game.h.
#pragma once

#include "dialogs/about_dialog.h"
#include "dialogs/app_icon.h"
#include "dialogs/best_times_dialog.h"
#include "dialogs/color_picker.h"
#include "dialogs/options_dialog.h"
