// What the Game menu's additions change in the classic procedures: the options of each frame,
// and a press on the play field that is theirs. A game without additions plays classic.
#pragma once

#include "display/painting.h"

namespace tess {

class GameAdditions {
public:
    virtual ~GameAdditions() = default;
    // The options of the frame about to be composed; asked only while a game is loaded.
    virtual PaintOptions FrameOptions() = 0;
    // A left-button press at the point: true when the additions handle it, and so no piece
    // and no caption is grabbed by it.
    virtual bool TakesPress(double x, double y) = 0;
};

} // namespace tess
