// The desktop's recent documents: a bookmark in the user's recently-used.xbel.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace tess {

struct RecentDocument {
    QString Path;        // absolute path of the document
    QString MimeType;    // its MIME type
    QString Application; // the application's name in the bookmark
    QString Exec;        // the application's command line, %f standing for the file
};

// $XDG_DATA_HOME/recently-used.xbel.
QString RecentlyUsedPath();

// The bookmark file with the document added (or, already there, touched and its
// application's count raised), every other bookmark kept. Nothing for a malformed file, or
// for one that would not read back once written.
std::optional<QByteArray> AddRecentBookmark(const QByteArray& xbel, const RecentDocument& document,
                                            const QDateTime& now);

// Adds the document to the file at xbelPath, atomically, under the file's lock; a bookmark
// another program writes meanwhile is kept. A malformed or unreadable file is left exactly as
// it was, and every failure is ignored. `beforeReplace` runs just before the file is read
// again to be replaced (tests write another program's bookmark there).
void AddRecentDocumentTo(const QString& xbelPath, const RecentDocument& document,
                         const std::function<void()>& beforeReplace = {});

} // namespace tess
