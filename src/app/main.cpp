// Ferrant Demo: program entry.

#include <QProcess>

#include "app/StartUp.h"
#include "app/StartUpDisplay.h"
#include "platform/ErrorHandler.h"

const void* FerrantVersionRecordAddress();

int main(int argc, char** argv) {
    // The executable's fixed file version record must stay in the file even though nothing reads it in
    // memory.
    [[maybe_unused]] const void* volatile version = FerrantVersionRecordAddress();
    PrepareDisplayBeforeApplication(); // the large display's scale must be known before the application
    TFerrantApplication app(argc, argv);
    InstallProgramTranslations(app);
    const int code = RunFerrantDemo();
    // The single-instance guard is released by now, so the new run takes it.
    if (RestartRequested()) QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    return code;
}
