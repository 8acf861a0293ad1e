#pragma once
// The laboratory tools' display settings in the settings file "FerrantSettings.ini", section "Display":
// "LargeDisplay" ("True" or "False": the projector mode, the whole program at 1.5x with bolder lines) and
// "Language" (empty or missing: the desktop's; "en", "de", "fr" or "es"). Both are read once at start-up and
// act only while the laboratory tools are on (the desktop's language applies with the tools off too).
// Writing keeps every other section of the file.

#include <QString>
#include <QStringList>

inline const QString DisplaySection = QStringLiteral("Display");
inline const QString LargeDisplayKey = QStringLiteral("LargeDisplay");
inline const QString LanguageKey = QStringLiteral("Language");
// The scale of the large display.
inline constexpr double LargeDisplayScale = 1.5;
// The languages the program speaks, English first (the texts as designed).
inline const QStringList ProgramLanguages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                             QStringLiteral("es")};

// FerrantSettings.ini in the user's settings folder (empty when there is none).
[[nodiscard]] QString ProgramSettingsFile();

[[nodiscard]] bool ReadLargeDisplay(const QString& settingsFile);
bool WriteLargeDisplay(const QString& settingsFile, bool on);
// The language chosen under Options > Language: one of ProgramLanguages, or empty for the desktop's.
[[nodiscard]] QString ReadLanguage(const QString& settingsFile);
bool WriteLanguage(const QString& settingsFile, const QString& language);
// The language to speak: the chosen one, else the desktop locale's (a locale name such as "de_AT") when the
// program has it, else English.
[[nodiscard]] QString EffectiveLanguage(const QString& chosen, const QString& localeName);
// The language a run speaks: the desktop's, or the one chosen while the laboratory tools are on.
[[nodiscard]] QString StartUpLanguage(const QString& settingsFile, const QString& localeName);
