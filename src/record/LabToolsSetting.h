#pragma once
// The laboratory tools' switch in the settings file "FerrantSettings.ini", section "LabTools", key
// "Enabled": "True" or "False". Only the exact text "True" switches them on; a missing file, section or key,
// or any other text, reads as off. Writing keeps every other section of the file (the link manager's).

#include <QString>

inline const QString LabToolsSection = QStringLiteral("LabTools");
inline const QString LabToolsKey = QStringLiteral("Enabled");

// An empty path (no settings folder in use) reads as off.
[[nodiscard]] bool ReadLabToolsEnabled(const QString& settingsFile);
// False when the file could not be written; an empty path writes nothing and returns false.
bool WriteLabToolsEnabled(const QString& settingsFile, bool enabled);
