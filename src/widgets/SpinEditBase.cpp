#include "SpinEditBase.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <memory>

#include "platform/MessageLayer.h"

namespace {

constexpr char16_t CarriageReturn = 13;
constexpr char16_t Backspace = 8;

// A focus change that the user did not make inside the window (a context menu opening, another window
// becoming active) is not leaving the box.
bool IsWindowLevelFocusChange(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

} // namespace

TSpinEditBase::TSpinEditBase(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
    setAcceptDrops(false);
    Button = new TSpinButton(this);
    Button->resize(15, 17);
    Button->FocusControl = this;
    Button->setCursor(Qt::ArrowCursor);
    connect(Button, &TSpinButton::OnUpClick, this, [this] { UpClick(); });
    connect(Button, &TSpinButton::OnDownClick, this, [this] { DownClick(); });
    connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
    LayoutButton();
}

bool TSpinEditBase::IsValidChar(QChar key) const {
    const QString separator = QLocale().decimalPoint();
    const char16_t c = key.unicode();
    bool valid = key == u'+' || key == u'-' || (c >= u'0' && c <= u'9') ||
                 (!separator.isEmpty() && key == separator.front()) || (c < 32 && c != CarriageReturn);
    if (!EditorEnabled && (c >= 32 || c == Backspace)) valid = false;
    return valid;
}

void TSpinEditBase::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Up)
        UpClick();
    else if (key == Qt::Key_Down)
        DownClick();
    emit OnKeyDown(key);
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)) {
        if (CanCutPaste())
            QLineEdit::keyPressEvent(event);
        else
            event->accept();
        return;
    }
    // Delete changes the text without typing a character; a box that cannot be typed into refuses it too.
    if (key == Qt::Key_Delete && !EditorEnabled) {
        event->accept();
        return;
    }

    // The character the key types, as the system would deliver it.
    QString typed = event->text();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        typed = QString(QChar(CarriageReturn));
    else if (key == Qt::Key_Backspace)
        typed = QString(QChar(Backspace));
    else if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        typed.clear(); // a shortcut: Ctrl+letter types a control character, which is accepted
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }

    QString accepted;
    for (QChar c : typed)
        if (IsValidChar(c)) accepted += c;
    if (accepted == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    Messages().Beep();
    event->accept();
    if (!accepted.isEmpty() && !isReadOnly()) {
        for (QChar c : accepted)
            if (c.unicode() >= 32) insert(QString(c));
    }
}

void TSpinEditBase::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString accepted;
    for (QChar c : commit)
        if (IsValidChar(c) && c.unicode() >= 32) accepted += c;
    if (accepted != commit) Messages().Beep();
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}

void TSpinEditBase::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (IsWindowLevelFocusChange(event->reason())) return;
    if (event->reason() != Qt::MouseFocusReason) {
        if (AutoSelect)
            selectAll();
        else
            deselect();
    }
    emit OnEnter();
}

void TSpinEditBase::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsWindowLevelFocusChange(event->reason())) return;
    emit OnExit();
    CorrectRangeOnExit();
}

int TSpinEditBase::MinHeight() const {
    const int own = fontMetrics().height();
    const int system = QFontMetrics(QApplication::font()).height();
    constexpr int BorderHeight = 1;
    return own + std::min(own, system) / 4 + 4 * BorderHeight + 2;
}

void TSpinEditBase::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int minimum = MinHeight();
    if (height() < minimum) {
        resize(width(), minimum); // comes back here with the new height
        return;
    }
    LayoutButton();
}

void TSpinEditBase::LayoutButton() {
    const int bw = Button->width();
    if (hasFrame()) {
        // Inside the sunken frame, one pixel clear of it on the right and at the bottom.
        const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        Button->setGeometry(width() - bw - frame - 1, frame, bw, std::max(0, height() - 2 * frame - 1));
    } else {
        Button->setGeometry(width() - bw, 1, bw, std::max(0, height() - 3));
    }
    // The text stops short of the pair.
    setTextMargins(0, 0, bw + 2, 0);
}

void TSpinEditBase::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        const QString name = action->objectName();
        if (!CanCutPaste() && (name == QLatin1String("edit-cut") || name == QLatin1String("edit-paste")))
            action->setEnabled(false);
        if (!EditorEnabled && (name == QLatin1String("edit-delete") || name == QLatin1String("edit-undo") ||
                               name == QLatin1String("edit-redo")))
            action->setEnabled(false);
    }
    menu->exec(event->globalPos());
}

void TSpinEditBase::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection clipboard: a paste like any other.
    if (event->button() == Qt::MiddleButton && !CanCutPaste()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
