#pragma once
// Handing a file to the copy of the program that is already running. A double click on an experiment in
// the file manager starts "ferrant-demo --open FILE"; when a copy already runs (the single-instance guard
// says so), the second start hands the file's absolute path to it over a local socket beside the guard's
// lock, waits briefly for its "ok", and ends. The running copy opens the file as File > Open would.
//
// The socket lives in the user's runtime folder (mode 0700) and is made 0600: only the user's own processes
// reach it. One line of UTF-8 per connection, at most MaxHandOverBytes, read with a short deadline, so a
// stray client can neither hold the window nor fill its memory. Only the copy holding the guard listens, and
// it removes a socket a killed copy left behind. On Windows there is no listener yet: the second start says
// "already running" as before.

#include <QObject>
#include <QString>

class QSocketNotifier;

inline constexpr int MaxHandOverBytes = 64 * 1024;

// The socket's path for a guard of this name in this folder (empty: the user's runtime folder).
[[nodiscard]] QString HandOverSocketPath(const QString& name, const QString& directory = {});

// The second start's side: true when the running copy took the file within timeoutMs.
[[nodiscard]] bool HandFileToRunningCopy(const QString& socketPath, const QString& file,
                                         int timeoutMs = 3000);

class TFileHandOverListener : public QObject {
    Q_OBJECT
public:
    explicit TFileHandOverListener(QString socketPath, QObject* parent = nullptr);
    ~TFileHandOverListener() override;
    TFileHandOverListener(const TFileHandOverListener&) = delete;
    TFileHandOverListener& operator=(const TFileHandOverListener&) = delete;

    [[nodiscard]] bool Listening() const { return Descriptor >= 0; }

signals:
    void FileHandedOver(const QString& path);

private:
    void Accept();

    QString SocketPath;
    int Descriptor = -1;
    QSocketNotifier* Notifier = nullptr;
};
