// Read-only look-ups of machine-wide string values, addressed by root, key and value name:
// the platform's registry where there is one, otherwise values set by the program itself.
#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace tess {

inline const QString kLocalMachine = QStringLiteral("HKEY_LOCAL_MACHINE");

class SystemKeys {
public:
    // The text of a string value; nothing when the key or the value is missing.
    std::optional<QString> GetKeyValue(const QString& root, const QString& keyName,
                                       const QString& valueName) const;

    // Gives a value for platforms without a registry, and for tests.
    void SetValue(const QString& root, const QString& keyName, const QString& valueName,
                  const QString& text);

private:
    QHash<QString, QString> values_;
};

} // namespace tess
