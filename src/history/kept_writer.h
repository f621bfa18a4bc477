// Writing kept games off the game's thread: a write with its fsync takes several paints'
// time, which a drag must not feel.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tess {

class KeptGameWriter {
public:
    // What a write came to: the file, whether it was made by the write, and why it failed
    // (empty when it did not).
    using Done = std::function<void(const QString& path, bool made, const QString& reason)>;

    // `done` runs on the thread of `context` (the game's), after each write.
    KeptGameWriter(QObject* context, Done done);
    // Finishes the write under way and the one waiting.
    ~KeptGameWriter();
    KeptGameWriter(const KeptGameWriter&) = delete;
    KeptGameWriter& operator=(const KeptGameWriter&) = delete;

    // Writes the bytes safely to the file, in place of a write still waiting.
    void Write(const QString& path, const QByteArray& bytes);
    // Returns once everything handed over is written.
    void Finish();

private:
    struct Job {
        QString path;
        QByteArray bytes;
    };
    void Run();

    QObject* context_;
    Done done_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> waiting_;
    bool busy_ = false;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace tess
