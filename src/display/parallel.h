// Splitting frame-sized work across the processor's cores.
#pragma once

#include <functional>

namespace tess {

// How many parts to split a frame's work into here: one per core, at most four.
int PartsForThisMachine();

// Runs work(0) ... work(parts - 1) at once, part 0 on the calling thread and the others on
// the shared thread pool (or on the calling thread when the pool has no idle thread), and
// returns when all are done. A failure in any part is rethrown here after all have ended.
void RunParts(int parts, const std::function<void(int part)>& work);

} // namespace tess
