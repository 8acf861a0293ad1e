#pragma once
// What the program asks of the desktop: the display's colour depth, the version text of the web browser
// that opens our links, and the shell's "open" verb. Each has a replaceable source so that tests can set
// the answer.

#include <QString>
#include <functional>
#include <optional>

// Bits per pixel of the primary screen (planes times bits per pixel on Windows).
[[nodiscard]] int ScreenColourDepth();

// The browser version text the start-up check reads; nullopt when there is nothing to read.
// Windows: HKEY_LOCAL_MACHINE\Software\Microsoft\Internet Explorer, value "Version".
// Elsewhere links open through the desktop's URL handler, which is part of the Qt runtime the program runs
// on, so the text read is that runtime's version (always 6 or later).
[[nodiscard]] std::optional<QString> ReadBrowserVersionValue();

// The shell's "open" verb on a document or address, answering as the Windows shell does: above 32 is
// success; 0 or 8 out of memory, 27 or 31 no association, anything else up to 32 another failure.
using TShellOpen = std::function<int(const QString& target)>;
[[nodiscard]] int ShellOpen(const QString& target);
// Replaces the shell (tests); an empty function restores the real one.
void SetShellOpen(TShellOpen shell);
