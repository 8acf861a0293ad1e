#pragma once
// The program's start-up: cursors, the single-instance guard, the objects that live for the whole run, and
// the message loop.

#include <QString>
#include <functional>

class TEquipmentSelectionForm;

inline const QString SingleInstanceName = QStringLiteral("KV_Ferrant_Demo");

struct TStartupOptions {
    // Where the single-instance lock lives (not on Windows); empty: the user's runtime directory.
    QString GuardDirectory;
    // Message boxes on screen; when false the layer the caller installed stays (the default writes to stderr
    // and answers OK), so that a harness running start-up in a real process never waits on a box.
    bool ScreenMessages = true;
    // Runs once the launcher is shown, before the message loop.
    std::function<void(TEquipmentSelectionForm&)> Started;
};

// Runs the program on the application object that the caller has created; answers the exit code.
int RunFerrantDemo(const TStartupOptions& options = {});
