#include "ExperimentWindow.h"

#include "app/About.h"
#include "app/ImageForm.h"
#include "app/StartUpDisplay.h"
#include "experiment/VEK4.h"
#include "link/CommsModuleDM.h"

#include <QApplication>
#include <QTimer>

void RunExperimentWindow() {
    RunExperimentWindowOn(QString());
}

void RunExperimentWindowOn(const QString& experimentFile) {
    TVEK4Environment environment;
    environment.Comms = CommsModule();
    environment.ShowAbout = [](QWidget* owner) { ShowAboutBox(owner); };
    environment.ShowModulePicture = [](int module) {
        if (ImageViewer) ImageViewer->ShowModulePicture(module);
    };
    environment.LabFiles = QtLabFileDialogs();
    environment.LabFiles.OpenAtStart = experimentFile;
    // The large display's scale is set at start-up: the program ends and main() starts it again.
    environment.Restart = [] {
        RequestRestart();
        QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    };
    RunVEK4Form(std::move(environment));
}

void OpenHandedOverExperiment(const QString& experimentFile) {
    if (TVEK4Form* window = TVEK4Form::OpenWindow()) {
        window->OpenHandedOverFile(experimentFile);
        return;
    }
    // From the event loop: the window is modal and runs a loop of its own.
    QTimer::singleShot(0, [experimentFile] { RunExperimentWindowOn(experimentFile); });
}
