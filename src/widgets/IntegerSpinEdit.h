#pragma once
// A spin edit for a whole number (a weight in grams, a load in N/m).
//
// The value is the text read as a whole number, or MinValue when the text is not one. The buttons and the
// arrow keys add or subtract Increment and clamp into MinValue..MaxValue (equal bounds mean no bounds).
// Leaving the box replaces an out-of-range value by the nearest bound. The box remembers the text before its
// last change, so a change handler can refuse a change with Undo() or accept it for good with MakeFinal().

#include "SpinEditBase.h"

class TIntegerSpinEdit : public TSpinEditBase {
    Q_OBJECT
public:
    explicit TIntegerSpinEdit(QWidget* parent = nullptr);

    int MinValue = 0;
    int MaxValue = 0;
    int Increment = 1;

    [[nodiscard]] int Value() const;
    void SetValue(long long value);
    [[nodiscard]] int CheckValue(long long value) const;

    void UpClick() override;
    void DownClick() override;

    // Back to the text before the last change (itself a change); nothing when there is nothing to undo.
    void Undo();
    // The current text becomes final: nothing is left to undo.
    void MakeFinal() { HasUndo = false; }
    [[nodiscard]] bool CanUndo() const { return HasUndo; }

protected:
    void CorrectRangeOnExit() override;
    void TextChanged() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString CurrentText;
    QString UndoText;
    int UndoCursor = 0;
    int CursorBeforeChange = 0;
    bool HasUndo = false;
};
