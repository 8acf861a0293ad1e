#include "SettingsFolder.h"

#include "MessageLayer.h"

#include <QDir>
#include <QStandardPaths>

QString UserSettingsFolder() {
    // Built from the generic location and the program's title so that it does not depend on whether the
    // application object has been named yet.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) return {};
    return QDir::cleanPath(base + QLatin1Char('/') + ApplicationTitle) + QLatin1Char('/');
}
