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
    // Message boxes on screen; when false they are written to stderr and answered OK (a test harness that
    // runs start-up in a real process uses this so that no box waits for a user).
    bool ScreenMessages = true;
    // Runs once the launcher is shown, before the message loop.
    std::function<void(TEquipmentSelectionForm&)> Started;
};

// Runs the program on the application object that the caller has created; answers the exit code.
int RunFerrantDemo(const TStartupOptions& options = {});
