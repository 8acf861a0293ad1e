#pragma once
// Writing a file a user keeps (an experiment, an export, the settings, the crash journal). Every such write
// goes through WriteFileSafely, which never reports success for bytes that are not on the disk:
// - the bytes go to a new file beside the target, written with plain system calls (no buffer that is only
//   flushed at the close, where a full disk would go unnoticed), every count checked;
// - the new file is pushed through to the disk (SyncToDisk) and closed, both checked;
// - only then is it renamed over the target, and the folder synced, so the name points at the old file or
//   at the whole new one, never at a short one.
// A failure removes the new file and leaves the old one byte for byte; the answer says why in words a
// student understands ("the disk is full").
//
// What stands at the path decides where the bytes go:
// - TLinkPolicy::Follow (files the user names): a link to a regular file is followed and the target
//   replaced (the link stays); a folder, pipe, device, socket or dangling link is refused untouched, and
//   so is a file made read-only.
// - TLinkPolicy::Replace (our own files, such as the journal): whatever entry is there, a link or a pipe
//   included, is replaced by the new file; nothing is ever written through a link. A folder is refused.

#include <QByteArray>
#include <QString>
#include <functional>

enum class TLinkPolicy { Follow, Replace };

// Empty when written, else the reason (a phrase without a full stop, for "could not be saved: %1.").
[[nodiscard]] QString WriteFileSafely(const QString& path, const QByteArray& bytes,
                                      TLinkPolicy links = TLinkPolicy::Follow);

// Pushes what was written on an open descriptor through the system's cache onto the disk (fsync; _commit
// on Windows). Every write-through of the program goes through here; tests count or fail it.
[[nodiscard]] bool SyncToDisk(int fd);
using TSyncFunction = std::function<bool(int fd)>;
// Replaces the sync for tests; an empty function puts the real one back. Returns the one replaced.
TSyncFunction SetSyncFunction(TSyncFunction sync);

// The system's error number as the end of a sentence: ENOSPC "the disk is full", EACCES "you may not
// write there"...
[[nodiscard]] QString WriteErrorText(int error);
