#include "LabToolsSetting.h"

#include "platform/SettingsFile.h"

// The file is shared with the link manager and may have something else in its place (a link elsewhere, a
// pipe, a huge file): both go through the settings file's own reader and writer, which keep the other
// sections and never write where they should not.

bool ReadLabToolsEnabled(const QString& settingsFile) {
    if (settingsFile.isEmpty()) return false;
    return ReadSettingsText(settingsFile).Value(LabToolsSection, LabToolsKey) == QLatin1String("True");
}

bool WriteLabToolsEnabled(const QString& settingsFile, bool enabled) {
    if (settingsFile.isEmpty()) return false;
    return WriteSettingsValues(settingsFile,
                               {{LabToolsSection, LabToolsKey,
                                 enabled ? QStringLiteral("True") : QStringLiteral("False")}}) ==
           TSettingsWrite::Written;
}
