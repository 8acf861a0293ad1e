#pragma once
// Short traces for a developer watching the debugger output (OutputDebugString on Windows, stderr
// elsewhere). Tests install a recorder to read them.

#include <QString>
#include <QStringList>

class TDebugTraceSink {
public:
    virtual ~TDebugTraceSink() = default;
    virtual void Write(const QString& text) = 0;
};

void DebugTrace(const QString& text);
// nullptr restores the debugger output.
void SetDebugTraceSink(TDebugTraceSink* sink);

// Test double: records every trace; installs itself for its lifetime.
class TRecordingTrace final : public TDebugTraceSink {
public:
    TRecordingTrace();
    ~TRecordingTrace() override;
    TRecordingTrace(const TRecordingTrace&) = delete;
    TRecordingTrace& operator=(const TRecordingTrace&) = delete;
    void Write(const QString& text) override { Lines << text; }
    QStringList Lines;

private:
    TDebugTraceSink* Previous;
};
