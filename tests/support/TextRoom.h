#pragma once
// Does every text of a window show whole in the room the design gives it? The windows have fixed sizes and
// fixed control rectangles, so a longer text (a translation) is cut, not given more room. Each rule measures
// a text with the control's own font and compares it with the control's own rectangle:
// - a label: its text (every line, or wrapped to its width when it wraps) inside its contents rectangle;
// - a check box, radio button or push button: its size hint no wider than the button;
// - a group box: its title inside the box's frame;
// - a combo box: every item inside the edit field (the closed box shows the chosen one);
// - a menu bar: every menu title on the bar;
// - a status hint (a control's or a command's status tip): inside the status panel that shows it, as
//   the experiment window's status hints are measured (the x11 gesture test).
// Hidden controls are measured too: each is shown at some time with the text it has.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QToolButton>

namespace TextRoom {

// Room for a status hint in a status panel (the rule of the experiment window's status bar).
inline int StatusRoom(const QLabel* panel) {
    return panel->contentsRect().width() - 2 * panel->margin() - panel->indent();
}

inline bool HintFits(const QLabel* panel, const QString& hint) {
    return panel->fontMetrics().horizontalAdvance(hint) <= StatusRoom(panel);
}

inline QString Name(const QObject* o) {
    return QStringLiteral("%1 %2").arg(QLatin1String(o->metaObject()->className()), o->objectName());
}

// Every text under root that does not fit, described for the failure message.
inline QStringList Clipped(const QWidget* root, const QLabel* statusPanel = nullptr) {
    QStringList clipped;
    const auto note = [&clipped](const QObject* o, const QString& text, int need, int room) {
        clipped << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(Name(o), text).arg(need).arg(room);
    };
    QList<const QWidget*> widgets{root};
    for (const QWidget* w : root->findChildren<QWidget*>())
        widgets << w;
    for (const QWidget* w : widgets) {
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText || label == statusPanel)
                continue;
            if (label->wordWrap()) {
                const int need = label->heightForWidth(label->width());
                if (need > label->height()) note(label, label->text(), need, label->height());
                // A word longer than the line is not broken: it runs out of the label at both sides.
                for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    if (const int w = label->fontMetrics().horizontalAdvance(word);
                        w > label->contentsRect().width())
                        note(label, word, w, label->contentsRect().width());
                continue;
            }
            // The label's own measure of its text (tabs expanded as it paints them, margins and indent).
            const int need = label->sizeHint().width();
            if (need > label->width()) note(label, label->text(), need, label->width());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            const int need =
                box->fontMetrics().horizontalAdvance(QString(box->title()).remove(QLatin1Char('&'))) + 8;
            if (!box->title().isEmpty() && need > box->width()) note(box, box->title(), need, box->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            if (!combo->placeholderText().isEmpty()) items << combo->placeholderText();
            for (const QString& item : items) {
                const int need = combo->fontMetrics().horizontalAdvance(item);
                if (need > field.width()) note(combo, item, need, field.width());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            const auto* tool = qobject_cast<const QToolButton*>(button);
            if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
                continue;
            const int need = qobject_cast<const QPushButton*>(button)
                                 ? button->fontMetrics().horizontalAdvance(
                                       QString(button->text()).remove(QLatin1Char('&'))) +
                                       4
                                 : button->sizeHint().width();
            if (need > button->width()) note(button, button->text(), need, button->width());
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
            int need = 0;
            for (const QAction* a : bar->actions())
                if (a->isVisible())
                    need = std::max(need, bar->actionGeometry(const_cast<QAction*>(a)).right() + 1);
            if (need > bar->width()) note(bar, QStringLiteral("(menu titles)"), need, bar->width());
        }
        if (statusPanel && !w->statusTip().isEmpty() && !HintFits(statusPanel, w->statusTip()))
            note(w, w->statusTip(), statusPanel->fontMetrics().horizontalAdvance(w->statusTip()),
                 StatusRoom(statusPanel));
    }
    if (statusPanel)
        for (const QAction* a : root->findChildren<QAction*>())
            if (!a->statusTip().isEmpty() && !HintFits(statusPanel, a->statusTip()))
                note(a, a->statusTip(), statusPanel->fontMetrics().horizontalAdvance(a->statusTip()),
                     StatusRoom(statusPanel));
    return clipped;
}

} // namespace TextRoom
