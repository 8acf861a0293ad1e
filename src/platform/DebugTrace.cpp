#include "DebugTrace.h"

#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
TDebugTraceSink* Installed = nullptr;
}

void DebugTrace(const QString& text) {
    if (Installed) {
        Installed->Write(text);
        return;
    }
#ifdef Q_OS_WIN
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(text.utf16()));
#else
    std::fprintf(stderr, "%s\n", qPrintable(text));
#endif
}

void SetDebugTraceSink(TDebugTraceSink* sink) {
    Installed = sink;
}

TRecordingTrace::TRecordingTrace() : Previous(Installed) {
    Installed = this;
}

TRecordingTrace::~TRecordingTrace() {
    Installed = Previous;
}
