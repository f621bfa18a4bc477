// The kept games' writer thread.
#include "history/kept_writer.h"

#include "persist/persist.h"

#include <QFileInfo>

namespace tess {

KeptGameWriter::KeptGameWriter(QObject* context, Done done)
    : context_(context), done_(std::move(done)), thread_([this] { Run(); }) {}

KeptGameWriter::~KeptGameWriter() {
    Finish();
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void KeptGameWriter::Write(const QString& path, const QByteArray& bytes) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = Job{path, bytes};
    }
    changed_.notify_all();
}

void KeptGameWriter::Finish() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !busy_; });
}

void KeptGameWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || ending_; });
        if (!waiting_) {
            return;
        }
        const Job job = std::move(*waiting_);
        waiting_.reset();
        busy_ = true;
        lock.unlock();
        const bool made = !QFileInfo::exists(job.path);
        const QString reason = WriteFileSafely(job.path, job.bytes);
        QMetaObject::invokeMethod(
            context_, [done = done_, job, made, reason] { done(job.path, made, reason); },
            Qt::QueuedConnection);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

} // namespace tess
