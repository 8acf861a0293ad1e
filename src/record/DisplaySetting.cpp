#include "DisplaySetting.h"

#include "record/LabToolsSetting.h"

#include "platform/SettingsFile.h"
#include "platform/SettingsFolder.h"

QString ProgramSettingsFile() {
    const QString folder = UserSettingsFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("FerrantSettings.ini");
}

bool ReadLargeDisplay(const QString& settingsFile) {
    if (settingsFile.isEmpty()) return false;
    return ReadSettingsText(settingsFile).Value(DisplaySection, LargeDisplayKey) == QLatin1String("True");
}

bool WriteLargeDisplay(const QString& settingsFile, bool on) {
    if (settingsFile.isEmpty()) return false;
    return WriteSettingsValues(settingsFile, {{DisplaySection, LargeDisplayKey,
                                               on ? QStringLiteral("True") : QStringLiteral("False")}}) ==
           TSettingsWrite::Written;
}

QString ReadLanguage(const QString& settingsFile) {
    if (settingsFile.isEmpty()) return {};
    const QString value =
        ReadSettingsText(settingsFile).Value(DisplaySection, LanguageKey).value_or(QString());
    return ProgramLanguages.contains(value) ? value : QString();
}

bool WriteLanguage(const QString& settingsFile, const QString& language) {
    if (settingsFile.isEmpty()) return false;
    return WriteSettingsValues(settingsFile, {{DisplaySection, LanguageKey, language}}) ==
           TSettingsWrite::Written;
}

QString EffectiveLanguage(const QString& chosen, const QString& localeName) {
    if (ProgramLanguages.contains(chosen)) return chosen;
    const QString desktop =
        localeName.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    return ProgramLanguages.contains(desktop) ? desktop : QStringLiteral("en");
}

QString StartUpLanguage(const QString& settingsFile, const QString& localeName) {
    // The desktop's language serves everyone; the choice under Options > Language is a laboratory tools'
    // command and rests while the tools are off.
    const QString chosen = ReadLabToolsEnabled(settingsFile) ? ReadLanguage(settingsFile) : QString();
    return EffectiveLanguage(chosen, localeName);
}
