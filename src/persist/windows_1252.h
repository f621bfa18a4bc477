// Windows-1252, the code page of the state file's picture path and of "besttimes.txt":
// one byte per character, Latin-1 except for 0x80 to 0x9F.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tess {

QString FromWindows1252(QByteArrayView bytes);

// The first character that Windows-1252 cannot hold (two code units for a character beyond
// the 16-bit range), or an empty string when it holds them all.
QString FirstCharacterNotInWindows1252(QStringView text);

// Every character that Windows-1252 cannot hold becomes `replacement`.
QByteArray ToWindows1252(QStringView text, char replacement = '?');

} // namespace tess
