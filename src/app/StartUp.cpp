#include "StartUp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "app/EquipmentSelection.h"
#include "app/ExperimentWindow.h"
#include "app/ImageForm.h"
#include "link/ComSelect.h"
#include "link/CommsModuleDM.h"
#include "platform/Cursors.h"
#include "platform/DebugTrace.h"
#include "platform/DesignFonts.h"
#include "platform/FileHandOver.h"
#include "platform/MessageLayer.h"
#include "platform/QtMessageLayer.h"
#include "platform/SingleInstance.h"
#include "resources/artwork/Artwork.h"

int RunFerrantDemo(const TStartupOptions& options) {
    TQtMessageLayer screenMessages;
    struct TScreenMessages {
        bool Installed;
        ~TScreenMessages() {
            if (Installed) SetMessageLayer(nullptr);
        }
    } restoreMessages{options.ScreenMessages};
    if (options.ScreenMessages) SetMessageLayer(&screenMessages);

    // The designs name Tahoma and Arial: map them to installed fonts before any window is built.
    InstallDesignFontSubstitutes();
    RegisterProgramCursors();

    // "ferrant-demo --open FILE" (the desktop's double click on an experiment).
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype open = arguments.indexOf(QStringLiteral("--open"));
    const QString file = open > 0 && open + 1 < arguments.size() ? arguments[open + 1] : QString();
    const QString handOver = HandOverSocketPath(SingleInstanceName, options.GuardDirectory);

    // Released when this function ends, whichever way.
    TSingleInstanceGuard guard(SingleInstanceName, options.GuardDirectory);
    if (guard.Outcome() == TSingleInstanceGuard::TOutcome::AlreadyRunning) {
        // A file to open goes to the copy that runs, which opens it as File > Open would.
        if (!file.isEmpty() && HandFileToRunningCopy(handOver, file)) return 0;
        ShowMessage(
            QCoreApplication::translate("StartUp", "Application already running"),
            QCoreApplication::translate("StartUp", "An Instance of this application is already running."),
            TMsgIcon::Error, TMsgButtons::Ok);
        return 0;
    }
    // Said once, where a developer or an administrator looks: the program runs on, as it always has.
    if (guard.Outcome() == TSingleInstanceGuard::TOutcome::Unguarded)
        DebugTrace(
            QStringLiteral("Running without the single-instance guard: %1.").arg(guard.UnguardedReason()));

    QApplication::setApplicationName(ApplicationTitle);
    // The desktop entry, for the window system to find the program's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(FERRANT_APPLICATION_ID));
    // ...and the same icon on every window, for window managers that read it from the window itself.
    QGuiApplication::setWindowIcon(ApplicationWindowIcon());
    // Window captions are exactly the designed ones: no application name appended by the window system.
    QApplication::setApplicationDisplayName(QString());
    QApplication::setQuitOnLastWindowClosed(true);

    TEquipmentSelectionForm launcher;

    // The link manager comes after the launcher and before the picture viewer, and lives to the end of the
    // run, reached through its one application-wide reference.
    std::unique_ptr<TCommsModule> comms = TCommsModule::CreateDefault();
    InstallCommsOptionsDialog(*comms);
    SetCommsModule(comms.get());
    struct TForgetComms {
        ~TForgetComms() { SetCommsModule(nullptr); }
    } forgetComms;

    TImageViewer viewer;
    ImageViewer = &viewer;
    struct TForgetViewer {
        ~TForgetViewer() { ImageViewer = nullptr; }
    } forgetViewer;

    // The copy that holds the guard takes the files later starts hand over.
    std::unique_ptr<TFileHandOverListener> listener;
    if (guard.Outcome() == TSingleInstanceGuard::TOutcome::Owned) {
        listener = std::make_unique<TFileHandOverListener>(handOver);
        QObject::connect(listener.get(), &TFileHandOverListener::FileHandedOver, &launcher,
                         [](const QString& path) { OpenHandedOverExperiment(path); });
    }

    launcher.show();
    if (launcher.TerminationRequested)
        return 0; // the browser prerequisite failed: the loop would end as soon as it started
    if (options.Started) options.Started(launcher);
    // A file to open: the experiment window opens on it, over the launcher, as if module 4 had been chosen.
    if (!file.isEmpty()) QTimer::singleShot(0, &launcher, [file] { RunExperimentWindowOn(file); });
    return QApplication::exec();
}
