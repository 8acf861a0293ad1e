#include "LabToolsSetting.h"

#include <QSettings>

bool ReadLabToolsEnabled(const QString& settingsFile) {
    if (settingsFile.isEmpty()) return false;
    const QSettings file(settingsFile, QSettings::IniFormat);
    return file.value(LabToolsSection + QLatin1Char('/') + LabToolsKey).toString() == QLatin1String("True");
}

bool WriteLabToolsEnabled(const QString& settingsFile, bool enabled) {
    if (settingsFile.isEmpty()) return false;
    QSettings file(settingsFile, QSettings::IniFormat);
    file.setValue(LabToolsSection + QLatin1Char('/') + LabToolsKey,
                  enabled ? QStringLiteral("True") : QStringLiteral("False"));
    file.sync();
    return file.status() == QSettings::NoError;
}
