#include "ApplicationHint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QStatusTipEvent>
#include <QWidget>

namespace {

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
