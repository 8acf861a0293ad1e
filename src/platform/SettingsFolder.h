#pragma once
// Where the program keeps its few settings: the user's configuration folder for the program, e.g.
// ~/.config/Ferrant Demo/ on Linux and %LOCALAPPDATA%\Ferrant Demo\ on Windows. The text ends with a path
// separator, because callers join file names to it directly.

#include <QString>

[[nodiscard]] QString UserSettingsFolder();
