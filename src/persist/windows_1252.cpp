// A table for 0x80 to 0x9F: Qt offers Windows-1252 only where it was built with ICU.
#include "persist/windows_1252.h"

#include <algorithm>
#include <iterator>

namespace tess {

namespace {

// Bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same number, as Windows maps them.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1.
int ByteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    const auto* found = std::find(std::begin(kHigh), std::end(kHigh), c);
    return found == std::end(kHigh) ? -1 : 0x80 + static_cast<int>(found - std::begin(kHigh));
}

// Code units of the character starting at `i`: a surrogate pair is one character.
qsizetype CharacterLength(QStringView text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

QString FromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHigh[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString FirstCharacterNotInWindows1252(QStringView text) {
    for (qsizetype i = 0; i < text.size(); i += CharacterLength(text, i)) {
        if (ByteOf(text[i].unicode()) < 0) {
            return text.mid(i, CharacterLength(text, i)).toString();
        }
    }
    return QString();
}

QByteArray ToWindows1252(QStringView text, char replacement) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); i += CharacterLength(text, i)) {
        const int byte = ByteOf(text[i].unicode());
        bytes += byte < 0 ? replacement : static_cast<char>(byte);
    }
    return bytes;
}

} // namespace tess
