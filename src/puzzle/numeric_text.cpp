// The two readers of numbers in text.
#include "puzzle/numeric_text.h"

#include <QString>
#include <cstdint>

namespace tess {

namespace {

bool IsDigit(QStringView text, qsizetype i) {
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

bool IsSign(QStringView text, qsizetype i) {
    return i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'));
}

int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return u >= u'A' && u <= u'F' ? u - u'A' + 10 : 16;
}

// Digits in base 8 or 16 after "&O" or "&H", read as the bits of an Integer or a Long.
std::optional<double> RadixNumber(QStringView digits, int base) {
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = HexDigitValue(c);
        if (digit >= base) {
            return std::nullopt;
        }
        value = value * std::uint64_t(base) + std::uint64_t(digit);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return value <= 0xFFFFu ? double(std::int16_t(std::uint16_t(value)))
                            : double(std::int32_t(std::uint32_t(value)));
}

// Moves `i` past a sign, digits and one decimal point; false when no digit was among them.
bool SkipDecimal(QStringView text, qsizetype& i) {
    i += IsSign(text, i) ? 1 : 0;
    bool digits = false;
    for (; IsDigit(text, i); ++i) {
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        for (++i; IsDigit(text, i); ++i) {
            digits = true;
        }
    }
    return digits;
}

} // namespace

std::optional<double> ConvertedNumber(QStringView text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('&'))) {
        const QStringView radix = text.mid(1, 1);
        if (radix.compare(QLatin1String("H"), Qt::CaseInsensitive) == 0) {
            return RadixNumber(text.mid(2), 16);
        }
        if (radix.compare(QLatin1String("O"), Qt::CaseInsensitive) == 0) {
            return RadixNumber(text.mid(2), 8);
        }
        return std::nullopt;
    }
    qsizetype end = 0;
    if (!SkipDecimal(text, end)) {
        return std::nullopt;
    }
    const qsizetype mantissa = end;
    if (end < text.size() && QStringLiteral("EeDd").contains(text[end])) {
        end += IsSign(text, end + 1) ? 2 : 1;
        if (!IsDigit(text, end)) {
            return std::nullopt;
        }
        while (IsDigit(text, end)) {
            ++end;
        }
    }
    if (end != text.size()) {
        return std::nullopt;
    }
    QString number = text.toString();
    if (mantissa < end) {
        number[mantissa] = QLatin1Char('e');
    }
    // Too large for a double reads as infinity, beyond every variable's range; too small as 0.
    return number.toDouble();
}

double LeadingNumber(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace()) {
        ++start;
    }
    qsizetype end = start;
    return SkipDecimal(text, end) ? text.mid(start, end - start).toString().toDouble() : 0;
}

} // namespace tess
