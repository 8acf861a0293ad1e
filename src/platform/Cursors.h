#pragma once
// Cursors selected by number, as the windows expect: the framework's built-in ones (negative numbers), the
// registered cursors 1 to 8 that start-up installs, and the screen-wide cursor that overrides every
// window's own cursor while it is not crDefault.

#include <QCursor>
#include <QPixmap>
#include <QString>

using TCursorNumber = int;
inline constexpr TCursorNumber crDefault = 0;
inline constexpr TCursorNumber crArrow = -2;
inline constexpr TCursorNumber crHourGlass = -11;
inline constexpr TCursorNumber crHandPoint = -21;

// Installs a cursor under a number (registering a number again replaces it).
void RegisterCursor(TCursorNumber number, const QCursor& cursor);
// Installs one of our cursor drawings (DrawCursorResource) under a number, drawn when the number is first
// asked for; drawing all eight would cost start-up about a millisecond before the launcher could show.
void RegisterCursorResource(TCursorNumber number, const QString& name);
// Draws every registered cursor not drawn yet (start-up calls it once the launcher is on screen).
void DrawRegisteredCursors();
// The cursor of a number: registered ones, the built-in ones, else the arrow.
[[nodiscard]] QCursor CursorByNumber(TCursorNumber number);
[[nodiscard]] bool IsCursorRegistered(TCursorNumber number);

// The screen-wide cursor. crDefault lets each window show its own cursor again.
void SetScreenCursor(TCursorNumber number);
[[nodiscard]] TCursorNumber ScreenCursor();

// Our drawings of the cursor resources, by resource name ("WeightHanger", "UDL", "Clamp", "KnifeEdge",
// "ROUNDWEIGHT", "VEK7PLATE", "VEK17MEMBER", "HANDPOINT"); the hot spot is where the cursor acts.
// Drawn at the device pixel ratio of the primary screen (the hot spot stays in logical pixels), or at a
// scale given.
[[nodiscard]] QCursor DrawCursorResource(const QString& name);
[[nodiscard]] QCursor DrawCursorResource(const QString& name, qreal scale);

// The registered cursors of the program: numbers 1 to 8 in this order, registered by resource name.
inline constexpr const char* RegisteredCursorNames[8] = {
    "WeightHanger", "UDL", "Clamp", "KnifeEdge", "ROUNDWEIGHT", "VEK7PLATE", "VEK17MEMBER", "HANDPOINT"};
void RegisterProgramCursors();

// Shows a dialog modally the way the windows expect the screen-wide cursor to behave: it is saved and set to
// the default arrow while the window is shown; afterwards the saved one comes back only if nothing changed
// the screen-wide cursor meanwhile, otherwise the default arrow stays.
class QDialog;
int ShowModal(QDialog& dialog);
