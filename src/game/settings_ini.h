// The text of the settings store's INI file, written as QSettings writes it (keys such as
// "Background%20Red", values escaped and quoted the same way), so that the store can write
// the file itself, whole or not at all, and QSettings reads it as its own.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace tess {

// A key as an INI line names it: letters, digits, '-', '_' and '.' as they are, '/' as
// '\', other characters as %XX or %UXXXX.
QByteArray IniEscapedKey(const QString& key);

// A text value as an INI line holds it, UTF-8, with C escapes for control characters,
// quoted when it holds ',', ';' or '=' or starts or ends with a space.
QByteArray IniEscapedValue(const QString& value);

// The file `ini` with the given keys of `section` set to the given texts. That section's
// entries are written as QSettings writes them, one line each, sorted by key (a section that
// appears more than once becomes one; comments inside it are dropped, as QSettings drops
// them); every other line stays as it was. A missing section is added at the end.
QByteArray IniWithValues(const QByteArray& ini, const QString& section,
                         const QMap<QString, QString>& values);

} // namespace tess
