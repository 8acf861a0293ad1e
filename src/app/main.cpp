// Ferrant Demo: program entry.

#include "app/StartUp.h"
#include "platform/ErrorHandler.h"

const void* FerrantVersionRecordAddress();

int main(int argc, char** argv) {
    // The executable's fixed file version record must stay in the file even though nothing reads it in
    // memory.
    [[maybe_unused]] const void* volatile version = FerrantVersionRecordAddress();
    TFerrantApplication app(argc, argv);
    return RunFerrantDemo();
}
