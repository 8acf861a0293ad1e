#include "QtMessageLayer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

TMsgResult TQtMessageLayer::Show(const TMessageRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.Caption);
    box.setText(request.Text);
    switch (request.Icon) {
    case TMsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case TMsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case TMsgIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case TMsgIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case TMsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (request.Buttons == TMsgButtons::SaveDiscardCancel || request.Buttons == TMsgButtons::YesNo) {
        const bool save = request.Buttons == TMsgButtons::SaveDiscardCancel;
        QPushButton* yes = box.addButton(save ? QMessageBox::Save : QMessageBox::Yes);
        QPushButton* discard = save ? box.addButton(QMessageBox::Discard) : nullptr;
        QPushButton* no = box.addButton(save ? QMessageBox::Cancel : QMessageBox::No);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        if (box.clickedButton() == yes) return TMsgResult::Ok;
        return discard && box.clickedButton() == discard ? TMsgResult::Discard : TMsgResult::Cancel;
    }
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* cancel = nullptr;
    if (request.Buttons == TMsgButtons::OkCancelHelp || request.Buttons == TMsgButtons::OkCancel)
        cancel = box.addButton(QMessageBox::Cancel);
    QPushButton* help = nullptr;
    if (request.Buttons == TMsgButtons::OkHelp || request.Buttons == TMsgButtons::OkCancelHelp) {
        help = box.addButton(QMessageBox::Help);
        // Help shows its text and leaves the box up.
        help->disconnect();
        QObject::connect(help, &QPushButton::clicked, &box, [&request] {
            if (request.OnHelp) request.OnHelp();
        });
    }
    box.setDefaultButton(ok);
    if (cancel) box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == cancel && cancel ? TMsgResult::Cancel : TMsgResult::Ok;
}

void TQtMessageLayer::Beep() {
    QApplication::beep();
}
