// Adding a document to the freedesktop recent-files bookmark list.
#include "desktop/recent_documents.h"

#include "desktop/file_type_registration.h"
#include "persist/persist.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QLockFile>
#include <QUrl>

namespace tess {

namespace {

const QString kXbelHeader = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n"
    "</xbel>\n");

QDomElement ChildNamed(const QDomElement& parent, const QString& name) {
    return parent.firstChildElement(name);
}

QDomElement ChildOrNew(QDomDocument& document, QDomElement parent, const QString& name) {
    QDomElement child = ChildNamed(parent, name);
    if (child.isNull()) {
        child = document.createElement(name);
        parent.appendChild(child);
    }
    return child;
}

// How long the bookmarks wait for another copy of the program that is writing them.
constexpr int kLockWaitMs = 2000;
// How often another program may change the file under us before the bookmark is given up.
constexpr int kMergeAttempts = 5;

// The file's bytes, empty when there is none; false when it is there but cannot be read.
bool ReadBookmarkFile(const QString& path, QByteArray& bytes) {
    bytes.clear();
    return !QFileInfo::exists(path) || ReadRegularFile(path, bytes).isEmpty();
}

} // namespace

QString RecentlyUsedPath() {
    return CurrentDesktopFolders().DataHome + QStringLiteral("/recently-used.xbel");
}

std::optional<QByteArray> AddRecentBookmark(const QByteArray& xbel, const RecentDocument& document,
                                            const QDateTime& now) {
    QDomDocument dom;
    // Prefixed names (bookmark:, mime:) are kept as they stand, declarations included.
    const QByteArray source = xbel.trimmed().isEmpty() ? kXbelHeader.toUtf8() : xbel;
    if (!dom.setContent(source, false) ||
        dom.documentElement().tagName() != QStringLiteral("xbel")) {
        return std::nullopt;
    }
    QDomElement root = dom.documentElement();
    if (!root.hasAttribute(QStringLiteral("xmlns:bookmark"))) {
        root.setAttribute(QStringLiteral("xmlns:bookmark"),
                          QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks"));
    }
    if (!root.hasAttribute(QStringLiteral("xmlns:mime"))) {
        root.setAttribute(QStringLiteral("xmlns:mime"),
                          QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    }

    const QString href = QString::fromUtf8(QUrl::fromLocalFile(document.Path).toEncoded());
    const QString stamp = now.toUTC().toString(Qt::ISODateWithMs);

    QDomElement bookmark;
    for (QDomElement e = root.firstChildElement(QStringLiteral("bookmark")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("bookmark"))) {
        if (e.attribute(QStringLiteral("href")) == href) {
            bookmark = e;
            break;
        }
    }
    if (bookmark.isNull()) {
        bookmark = dom.createElement(QStringLiteral("bookmark"));
        bookmark.setAttribute(QStringLiteral("href"), href);
        bookmark.setAttribute(QStringLiteral("added"), stamp);
        root.appendChild(bookmark);
    }
    bookmark.setAttribute(QStringLiteral("modified"), stamp);
    bookmark.setAttribute(QStringLiteral("visited"), stamp);

    QDomElement info = ChildOrNew(dom, bookmark, QStringLiteral("info"));
    QDomElement metadata;
    for (QDomElement e = info.firstChildElement(QStringLiteral("metadata")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("metadata"))) {
        if (e.attribute(QStringLiteral("owner")) == QStringLiteral("http://freedesktop.org")) {
            metadata = e;
            break;
        }
    }
    if (metadata.isNull()) {
        metadata = dom.createElement(QStringLiteral("metadata"));
        metadata.setAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
        info.appendChild(metadata);
    }
    ChildOrNew(dom, metadata, QStringLiteral("mime:mime-type"))
        .setAttribute(QStringLiteral("type"), document.MimeType);

    QDomElement applications = ChildOrNew(dom, metadata, QStringLiteral("bookmark:applications"));
    QDomElement application;
    for (QDomElement e = applications.firstChildElement(QStringLiteral("bookmark:application"));
         !e.isNull(); e = e.nextSiblingElement(QStringLiteral("bookmark:application"))) {
        if (e.attribute(QStringLiteral("name")) == document.Application) {
            application = e;
            break;
        }
    }
    if (application.isNull()) {
        application = dom.createElement(QStringLiteral("bookmark:application"));
        application.setAttribute(QStringLiteral("name"), document.Application);
        application.setAttribute(QStringLiteral("count"), 0);
        applications.appendChild(application);
    }
    application.setAttribute(QStringLiteral("exec"),
                             QLatin1Char('\'') + document.Exec + QLatin1Char('\''));
    application.setAttribute(QStringLiteral("modified"), stamp);
    application.setAttribute(QStringLiteral("count"),
                             application.attribute(QStringLiteral("count")).toInt() + 1);
    // The reader lets some broken files through (a control character in a processing
    // instruction) that it refuses once written out: such a file is left as it was.
    QByteArray written = dom.toByteArray(2);
    if (!QDomDocument().setContent(written, false)) {
        return std::nullopt;
    }
    return written;
}

void AddRecentDocumentTo(const QString& xbelPath, const RecentDocument& document,
                         const std::function<void()>& beforeReplace) {
    QDir().mkpath(QFileInfo(xbelPath).absolutePath());
    // Running copies of this program take turns under the lock. Other programs do not take
    // it: the file is read again just before it is replaced, and a bookmark written in the
    // meantime is merged in rather than lost.
    QLockFile lock(xbelPath + QStringLiteral(".lock"));
    TryLockFile(lock, kLockWaitMs);
    QByteArray existing;
    if (!ReadBookmarkFile(xbelPath, existing)) {
        return;
    }
    for (int attempt = 0; attempt < kMergeAttempts; ++attempt) {
        const std::optional<QByteArray> updated =
            AddRecentBookmark(existing, document, QDateTime::currentDateTimeUtc());
        if (!updated) {
            return;
        }
        if (beforeReplace) {
            beforeReplace();
        }
        QByteArray current;
        if (!ReadBookmarkFile(xbelPath, current)) {
            return;
        }
        if (current == existing) {
            WriteFileSafely(xbelPath, *updated);
            return;
        }
        existing = current;
    }
}

} // namespace tess
