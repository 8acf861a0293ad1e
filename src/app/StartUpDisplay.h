#pragma once
// What start-up decides before and right after the application object exists, from the settings file:
// - the large display (projector mode, a laboratory tools' command): the whole program at 1.5x, set before
//   the application object, only while the tools are on;
// - the language, for everyone: the desktop's, or the one chosen under Options > Language while the tools
//   are on; the program's texts and Qt's own dialogs. An English desktop gets the texts as designed.
// And the restart the window offers when the large display is switched.

#include <QString>

class QCoreApplication;

// Call before the application object: sets QT_SCALE_FACTOR for the large display (unless the user set it).
void PrepareDisplayBeforeApplication();
// True when this run shows the large display.
[[nodiscard]] bool LargeDisplayActive();

// Loads and installs the program's translation and Qt's for the language in use ("en" installs none).
// The folders searched for ferrant_<lang>.qm: the executable's folder and its "translations" folder.
void InstallProgramTranslations(QCoreApplication& app);
// Loads both translations for a language from a folder into the application (tests use it). Answers whether
// the program's own translation was found.
bool InstallTranslationsFrom(const QString& folder, const QString& language);
// The language this run speaks ("en", "de", "fr", "es").
[[nodiscard]] QString ProgramLanguage();

// The window asks for a restart; main() starts the program again once this run has ended.
void RequestRestart();
[[nodiscard]] bool RestartRequested();
