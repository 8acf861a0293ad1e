#pragma once
// Every message box of the program goes through one layer, so that tests can read the texts and script the
// answers instead of blocking on a modal box. The widgets build installs TQtMessageLayer at start-up; the
// core default writes to stderr and answers OK, so core code never needs a display.

#include <QString>
#include <deque>
#include <functional>
#include <vector>

inline const QString ApplicationTitle = QStringLiteral("Ferrant Demo");

enum class TMsgIcon { None, Information, Warning, Error, Question };
// SaveDiscardCancel answers Ok for Save; YesNo answers Ok for Yes and Cancel for No.
enum class TMsgButtons { Ok, OkHelp, OkCancelHelp, OkCancel, SaveDiscardCancel, YesNo };
enum class TMsgResult { Ok, Cancel, Discard };

struct TMessageRequest {
    QString Caption;
    QString Text;
    TMsgIcon Icon = TMsgIcon::None;
    TMsgButtons Buttons = TMsgButtons::Ok;
    // Help does not close the box: it runs this and the box stays up, as the system boxes behave.
    std::function<void()> OnHelp;
};

class TMessageLayer {
public:
    virtual ~TMessageLayer() = default;
    virtual TMsgResult Show(const TMessageRequest& request) = 0;
    // The short system beep of a refused key or an impossible action.
    virtual void Beep() = 0;
};

// The installed layer. SetMessageLayer(nullptr) restores the stderr default.
[[nodiscard]] TMessageLayer& Messages();
void SetMessageLayer(TMessageLayer* layer);

// Shorthand for the common one-button boxes.
TMsgResult ShowMessage(const QString& caption, const QString& text, TMsgIcon icon,
                       TMsgButtons buttons = TMsgButtons::Ok);

// The central error box's text rule: a full stop is appended unless the text already ends with one or with
// a character that sorts before it.
[[nodiscard]] QString WithFullStop(const QString& text);

// Test double: records every box and answers from a script (OK when the script is empty). Installs itself
// for its lifetime and restores the previous layer afterwards.
class TRecordingMessages final : public TMessageLayer {
public:
    TRecordingMessages();
    ~TRecordingMessages() override;
    TRecordingMessages(const TRecordingMessages&) = delete;
    TRecordingMessages& operator=(const TRecordingMessages&) = delete;

    TMsgResult Show(const TMessageRequest& request) override;
    void Beep() override { ++Beeps; }

    std::vector<TMessageRequest> Shown;
    std::deque<TMsgResult> Answers;
    // Press Help this many times on the next box before answering.
    int HelpPresses = 0;
    int Beeps = 0;

    [[nodiscard]] QStringList Texts() const;
    void Clear() {
        Shown.clear();
        Beeps = 0;
    }

private:
    TMessageLayer* Previous;
};
