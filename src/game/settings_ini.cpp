// Writing the INI text of the settings store.
#include "game/settings_ini.h"

#include <QList>

namespace tess {

namespace {

bool IsAsciiLetterOrDigit(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The key an INI line names, undoing IniEscapedKey.
QString IniUnescapedKey(const QByteArray& escaped) {
    QString key;
    const QString text = QString::fromUtf8(escaped);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            key += QLatin1Char('/');
            continue;
        }
        if (c == QLatin1Char('%')) {
            const bool wide = text.mid(i + 1, 1) == QLatin1String("U");
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const uint code = text.mid(i + (wide ? 2 : 1), digits).toUInt(&ok, 16);
            if (ok && text.mid(i + (wide ? 2 : 1), digits).size() == digits) {
                key += QChar(char16_t(code));
                i += digits + (wide ? 1 : 0);
                continue;
            }
        }
        key += c;
    }
    return key;
}

} // namespace

QByteArray IniEscapedKey(const QString& key) {
    QByteArray escaped;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == '/') {
            escaped += '\\';
        } else if (IsAsciiLetterOrDigit(u) || u == '-' || u == '_' || u == '.') {
            escaped += char(u);
        } else if (u <= 0xFF) {
            escaped += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        } else {
            escaped += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
        }
    }
    return escaped;
}

QByteArray IniEscapedValue(const QString& value) {
    // A text starting with '@' would read as a typed value: the '@' is doubled. A text with a
    // null character is marked as a string, as a plain one would end there.
    QString text = value;
    if (value.contains(QChar(0))) {
        text = QStringLiteral("@String(") + value + QLatin1Char(')');
    } else if (value.startsWith(QLatin1Char('@'))) {
        text.prepend(QLatin1Char('@'));
    }
    QString escaped;
    bool quoted = false;
    // After a \x escape a hex digit would continue it, so it is escaped as well.
    bool escapeHexDigit = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == ';' || u == ',' || u == '=') {
            quoted = true;
        }
        if (escapeHexDigit && IsHexDigit(u)) {
            escaped += QStringLiteral("\\x") + QString::number(u, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (u) {
        case '\0':
            escaped += QStringLiteral("\\0");
            escapeHexDigit = true;
            break;
        case '\a':
            escaped += QStringLiteral("\\a");
            break;
        case '\b':
            escaped += QStringLiteral("\\b");
            break;
        case '\f':
            escaped += QStringLiteral("\\f");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\v':
            escaped += QStringLiteral("\\v");
            break;
        case '"':
        case '\\':
            escaped += QLatin1Char('\\');
            escaped += c;
            break;
        default:
            if (u <= 0x1F) {
                escaped += QStringLiteral("\\x") + QString::number(u, 16);
                escapeHexDigit = true;
            } else {
                escaped += c;
            }
        }
    }
    if (quoted || escaped.startsWith(QLatin1Char(' ')) || escaped.endsWith(QLatin1Char(' '))) {
        escaped = QLatin1Char('"') + escaped + QLatin1Char('"');
    }
    return escaped.toUtf8();
}

QByteArray IniWithValues(const QByteArray& ini, const QString& section,
                         const QMap<QString, QString>& values) {
    const QByteArray header = '[' + IniEscapedKey(section) + ']';
    QList<QByteArray> lines = ini.split('\n');
    if (lines.last().isEmpty()) {
        lines.removeLast();
    }

    QList<QByteArray> kept;
    QMap<QString, QByteArray> entries;
    qsizetype sectionAt = -1;
    bool inSection = false;
    for (QByteArray line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[')) {
            inSection = trimmed == header;
            if (inSection) {
                if (sectionAt < 0) {
                    sectionAt = kept.size();
                }
                continue;
            }
        } else if (inSection) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0 && !trimmed.startsWith(';')) {
                const QString key = IniUnescapedKey(line.left(equals).trimmed());
                entries[key] = IniEscapedKey(key) + '=' + line.mid(equals + 1).trimmed();
            }
            continue;
        }
        kept << line;
    }
    for (auto value = values.begin(); value != values.end(); ++value) {
        entries[value.key()] = IniEscapedKey(value.key()) + '=' + IniEscapedValue(value.value());
    }

    QList<QByteArray> sectionLines{header};
    sectionLines << entries.values();
    if (sectionAt < 0) {
        if (!kept.isEmpty() && !kept.last().isEmpty()) {
            kept << QByteArray();
        }
        sectionAt = kept.size();
    } else if (sectionAt < kept.size()) {
        // The blank line between sections belonged to the lines just taken out.
        sectionLines << QByteArray();
    }
    for (qsizetype i = 0; i < sectionLines.size(); ++i) {
        kept.insert(sectionAt + i, sectionLines[i]);
    }
    return kept.join('\n') + '\n';
}

} // namespace tess
