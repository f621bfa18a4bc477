// Splitting frame-sized work across the processor's cores.
#include "display/parallel.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <exception>
#include <vector>

namespace tess {

int PartsForThisMachine() { return std::clamp(QThread::idealThreadCount(), 1, 4); }

void RunParts(int parts, const std::function<void(int part)>& work) {
    if (parts <= 1) {
        work(0);
        return;
    }
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(parts));
    auto run = [&work, &failures](int part) {
        try {
            work(part);
        } catch (...) {
            failures[std::size_t(part)] = std::current_exception();
        }
    };
    QSemaphore done;
    int started = 0;
    for (int part = 1; part < parts; ++part) {
        // tryStart rather than start: a pool busy with other work must not make this
        // thread wait for a part it could have done itself.
        if (QThreadPool::globalInstance()->tryStart([&run, &done, part] {
                run(part);
                done.release();
            })) {
            ++started;
        } else {
            run(part);
        }
    }
    run(0);
    done.acquire(started);
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
}

} // namespace tess
