#pragma once
// The application-wide hint event. When the pointer enters a control with a hint (its status tip), the one
// installed handler receives the text, whichever window the control is in; leaving it, or entering a control
// without a hint, gives an empty text.
// A window that shows hints in its status bar installs its handler when it becomes active.

#include <QString>
#include <functional>

class QWidget;

using THintHandler = std::function<void(const QString& hint)>;

// Installs the handler (an empty function removes it). Needs the application object.
void SetApplicationHintHandler(THintHandler handler);
[[nodiscard]] bool HasApplicationHintHandler();
// The control whose hint was handed over last (the one the pointer entered), while it exists.
[[nodiscard]] QWidget* ApplicationHintSource();
