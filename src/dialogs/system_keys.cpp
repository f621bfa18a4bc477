// Machine-wide string values: the registry on Windows, the program's own table elsewhere.
#include "dialogs/system_keys.h"

#include <QSettings>

namespace tess {

namespace {

QString Address(const QString& root, const QString& keyName, const QString& valueName) {
    return root + QLatin1Char('\\') + keyName + QLatin1Char('\\') + valueName;
}

} // namespace

std::optional<QString> SystemKeys::GetKeyValue(const QString& root, const QString& keyName,
                                               const QString& valueName) const {
    const auto found = values_.constFind(Address(root, keyName, valueName));
    if (found != values_.constEnd()) {
        return *found;
    }
#ifdef Q_OS_WIN
    const QSettings key(root + QLatin1Char('\\') + keyName, QSettings::NativeFormat);
    const QVariant value = key.value(valueName);
    if (value.isValid() && value.typeId() == QMetaType::QString) {
        QString text = value.toString();
        if (text.endsWith(QChar(0))) {
            text.chop(1);
        }
        return text;
    }
#endif
    return std::nullopt;
}

void SystemKeys::SetValue(const QString& root, const QString& keyName, const QString& valueName,
                          const QString& text) {
    values_.insert(Address(root, keyName, valueName), text);
}

} // namespace tess
