#pragma once
// Reading a file that anyone with access to its folder may have replaced by something else. The module
// pictures and the settings file are read only when they are regular files (a link to one counts): a pipe
// would wait for a writer, a device such as /dev/zero never ends, and a huge file would be read whole into
// memory. So the kind and the size are checked before the file is opened, the file is opened without
// blocking and checked again on the open descriptor (it may have been swapped in between), and no more
// than the bound is ever read.

#include <QByteArray>
#include <QString>

enum class TRegularFileStatus {
    Ok,
    CannotOpen, // missing, or the system refused it (SystemText says why)
    NotRegular, // a folder, pipe, device, socket or a link to one
    TooLarge,   // larger than the caller's bound
};

struct TRegularFile {
    TRegularFileStatus Status = TRegularFileStatus::CannotOpen;
    QByteArray Bytes;   // the whole file when Ok
    QString SystemText; // the system's own words for CannotOpen, e.g. "No such file or directory"
    bool Cut = false;   // ReadRegularFilePrefix: the file went on past the bound
    [[nodiscard]] bool Ok() const { return Status == TRegularFileStatus::Ok; }
};

// Reads the whole of `path` when it is a regular file of at most `largest` bytes.
[[nodiscard]] TRegularFile ReadRegularFile(const QString& path, qint64 largest);
// Reads the first `largest` bytes of a regular file of any size (Cut says whether there was more): for a
// file whose beginning is worth having on its own, such as a journal of records.
[[nodiscard]] TRegularFile ReadRegularFilePrefix(const QString& path, qint64 largest);
