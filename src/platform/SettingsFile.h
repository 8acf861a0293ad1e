#pragma once
// The program's settings file, FerrantSettings.ini in the user's settings folder: a small INI file shared by
// the link manager (section [Communiations]) and the laboratory tools (section [LabTools]). Everything that
// reads or writes it goes through here, so that one part's write keeps the other's sections, and a file
// put in its place is never followed, waited on or read whole.
//
// The text: lines of UTF-8 ending with LF (a CR before it is dropped). "[Name]" opens a section,
// "Key=Value" sets a key (both trimmed; a value in double quotes loses them), a line starting with ';' or
// '#' is a comment. Any other line, and any line with bytes that are not UTF-8 or with control characters,
// is garbage: reading ignores it, and a write drops it. A write changes only the keys it is given; every
// other section, key, comment and blank line stays as it was, in its place.
//
// Where a write goes (the file is the user's, and a link in its place may point anywhere):
// - nothing there yet: a new regular file is made (and the folder, if need be);
// - a regular file the user owns with the owner's write bit set: replaced atomically (WriteFileSafely);
// - a symbolic link to such a file: the link is followed and its target replaced the same way, in the
//   target's folder (people keep configuration under version control so); the link stays;
// - anything else (a folder, a pipe, a device, a file of another user or one made read-only, a dangling
//   link, a file over LargestSettingsFile) is left untouched and the write is refused.
// Reading follows a link to a regular file of any owner; anything else reads as an empty file.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// No settings file of ours comes near this; a larger file is not ours to read or rewrite.
inline constexpr qint64 LargestSettingsFile = 1 << 20;

struct TSettingsValue {
    QString Section;
    QString Key;
    QString Value;
};

class TSettingsText {
public:
    [[nodiscard]] static TSettingsText Parse(const QByteArray& bytes);

    // The value of the last "Key=" line in a section of that name; nullopt when there is none.
    [[nodiscard]] std::optional<QString> Value(const QString& section, const QString& key) const;
    // Sets the key: its last line takes the new value and earlier ones go; a new key is added at the end of
    // the section's last block, a new section at the end of the text.
    void SetValue(const QString& section, const QString& key, const QString& value);
    // The text to write: every line but the garbage, each ended with LF.
    [[nodiscard]] QByteArray Text() const;
    [[nodiscard]] int GarbageLines() const { return Garbage; }

private:
    enum class TKind { Blank, Comment, Section, Key };
    struct TLine {
        TKind Kind;
        QString Text;    // as read, or as made by SetValue
        QString Section; // the section it belongs to (its own name for a section line)
        QString Key;
        QString Value;
    };
    QList<TLine> Lines;
    int Garbage = 0;
};

enum class TSettingsWrite {
    Written,
    Refused, // not a file the user means us to write (see above); untouched
    Failed,  // the system refused the write (a read-only folder, a full disk); the file is as it was
};

// What the file at `path` says; a missing or refused file reads as empty.
[[nodiscard]] TSettingsText ReadSettingsText(const QString& path);
// Sets `values` in the file at `path`, keeping everything else it says.
[[nodiscard]] TSettingsWrite WriteSettingsValues(const QString& path, const QList<TSettingsValue>& values);
