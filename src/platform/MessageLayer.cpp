#include "MessageLayer.h"

#include <QStringList>
#include <cstdio>

namespace {

class TStderrMessageLayer final : public TMessageLayer {
public:
    TMsgResult Show(const TMessageRequest& request) override {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(request.Caption), qPrintable(request.Text));
        return TMsgResult::Ok;
    }
    void Beep() override {}
};

TStderrMessageLayer DefaultLayer;
TMessageLayer* Installed = nullptr;

} // namespace

TMessageLayer& Messages() {
    return Installed ? *Installed : DefaultLayer;
}

void SetMessageLayer(TMessageLayer* layer) {
    Installed = layer;
}

TMsgResult ShowMessage(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons) {
    TMessageRequest request;
    request.Caption = caption;
    request.Text = text;
    request.Icon = icon;
    request.Buttons = buttons;
    return Messages().Show(request);
}

QString WithFullStop(const QString& text) {
    if (!text.isEmpty() && text.back() <= QChar('.')) return text;
    return text + QChar('.');
}

TRecordingMessages::TRecordingMessages() : Previous(Installed) {
    SetMessageLayer(this);
}

TRecordingMessages::~TRecordingMessages() {
    SetMessageLayer(Previous);
}

TMsgResult TRecordingMessages::Show(const TMessageRequest& request) {
    Shown.push_back(request);
    for (; HelpPresses > 0; --HelpPresses)
        if (request.OnHelp) request.OnHelp();
    if (Answers.empty()) return TMsgResult::Ok;
    const TMsgResult answer = Answers.front();
    Answers.pop_front();
    return answer;
}

QStringList TRecordingMessages::Texts() const {
    QStringList texts;
    for (const auto& r : Shown)
        texts << r.Text;
    return texts;
}
