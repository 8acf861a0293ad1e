#include "ApplicationHint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QStatusTipEvent>
#include <QWidget>

namespace {

// The control's own hint or that of a control it sits in, within its window.
bool HasHint(const QWidget* w) {
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->statusTip().isEmpty()) return true;
    return false;
}

class THintFilter final : public QObject {
public:
    THintHandler Handler;
    QPointer<QWidget> Source;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::StatusTip && Handler) {
            Source = qobject_cast<QWidget*>(watched);
            Handler(static_cast<QStatusTipEvent*>(event)->tip());
            return true; // shown once, by the handler, not again by each parent on the way up
        }
        // Entering a control with no hint of its own or of any control it sits in makes the hint empty, as
        // leaving a hinted control does. Without this a hint could stay when its control never saw the
        // pointer leave (a dropped-down list takes the pointer away and gives it back elsewhere).
        if (event->type() == QEvent::Enter && Handler && watched->isWidgetType()) {
            auto* entered = static_cast<QWidget*>(watched);
            if (!HasHint(entered) && Source != entered) {
                Source = entered;
                Handler(QString());
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<THintFilter> Filter;

} // namespace

void SetApplicationHintHandler(THintHandler handler) {
    if (!Filter && QCoreApplication::instance()) {
        Filter = new THintFilter;
        Filter->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(Filter);
    }
    if (Filter) Filter->Handler = std::move(handler);
}

bool HasApplicationHintHandler() {
    return Filter && Filter->Handler;
}

QWidget* ApplicationHintSource() {
    return Filter ? Filter->Source.data() : nullptr;
}
