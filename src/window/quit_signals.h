// SIGTERM (a session ending, a shutdown), SIGHUP (the terminal or session gone) and SIGINT
// (Ctrl+C) end the program at any moment without losing the game on the screen.
#pragma once

namespace tess {

class MainWindow;

// First thing in main: from here on the three signals are caught. One that comes before the
// window listens waits for it.
void CatchQuitSignals();

// The window ends the program on a caught signal, as soon as any event loop runs: the main
// loop, a modal dialog's or message's, or start-up's.
void EndOnQuitSignals(MainWindow& window);

} // namespace tess
