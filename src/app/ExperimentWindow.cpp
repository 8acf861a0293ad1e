#include "ExperimentWindow.h"

#include "app/About.h"
#include "app/ImageForm.h"
#include "experiment/VEK4.h"
#include "link/CommsModuleDM.h"

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
    RunVEK4Form(std::move(environment));
}
