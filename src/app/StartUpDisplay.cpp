#include "StartUpDisplay.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "record/DisplaySetting.h"
#include "record/LabToolsSetting.h"

namespace {

bool LargeDisplay = false;
bool Restart = false;
QString Language = QStringLiteral("en");

} // namespace

void PrepareDisplayBeforeApplication() {
    const QString file = ProgramSettingsFile();
    if (!ReadLabToolsEnabled(file) || !ReadLargeDisplay(file)) return;
    LargeDisplay = true;
    // A scale the user gave on the command line or in the environment wins.
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(LargeDisplayScale));
}

bool LargeDisplayActive() {
    return LargeDisplay;
}

bool InstallTranslationsFrom(const QString& folder, const QString& language) {
    Language = language;
    if (language == QLatin1String("en")) return true;
    auto* own = new QTranslator(QCoreApplication::instance());
    const bool found = own->load(QStringLiteral("ferrant_") + language, folder);
    if (found)
        QCoreApplication::installTranslator(own);
    else
        delete own;
    // Qt's own dialogs (file dialogs, message box buttons) from the translations Qt ships.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return found;
}

void InstallProgramTranslations(QCoreApplication&) {
    const QString language = StartUpLanguage(ProgramSettingsFile(), QLocale::system().name());
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& folder : {here, here + QStringLiteral("/translations")})
        if (InstallTranslationsFrom(folder, language)) return;
}

QString ProgramLanguage() {
    return Language;
}

void RequestRestart() {
    Restart = true;
}

bool RestartRequested() {
    return Restart;
}
