#pragma once
// What the float and the integer spin edits share: a single-line edit with the up/down pair inside its
// right edge, the typed-character filter, the gating of cut and paste, the selection on entry, the range
// correction on leaving and the layout on resize. The number lives only in the text.

#include <QLineEdit>

#include "SpinButton.h"

class TSpinEditBase : public QLineEdit {
    Q_OBJECT
public:
    explicit TSpinEditBase(QWidget* parent = nullptr);

    TSpinButton* Button;

    // False: the text cannot be typed into, cut or pasted; the buttons and the arrow keys still step.
    bool EditorEnabled = true;
    // Select the whole text when the focus arrives other than by a click into the box.
    bool AutoSelect = true;

    // Whether a typed character is accepted: digits, "+", "-", the locale's decimal separator and control
    // characters other than carriage return; with the editor disabled, nothing printable and no backspace.
    // Each character is judged by itself, not the text it would make.
    [[nodiscard]] virtual bool IsValidChar(QChar key) const;
    virtual void UpClick() = 0;
    virtual void DownClick() = 0;

    // The lowest height at which the text still fits; a lower box is raised to it.
    [[nodiscard]] int MinHeight() const;

signals:
    // Every change of the text: typing, stepping, writing the value, undo.
    void OnChange();
    void OnEnter();
    // Runs before the range correction, so a handler sees the text as the user left it.
    void OnExit();
    // After the Up/Down step of the key, before the ordinary handling.
    void OnKeyDown(int key);

protected:
    virtual void CorrectRangeOnExit() = 0;
    virtual void TextChanged() { emit OnChange(); }
    [[nodiscard]] bool CanCutPaste() const { return EditorEnabled && !isReadOnly(); }

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LayoutButton();
};
