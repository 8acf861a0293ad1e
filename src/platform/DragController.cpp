#include "DragController.h"

#include <QApplication>
#include <QMouseEvent>

TDragController::TDragController(QObject* parent) : QObject(parent) {
    // Sources are watched at all times for the press; the whole application while a drag runs.
    qApp->installEventFilter(this);
}

TDragController::~TDragController() {
    if (CursorPushed && QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    ReleaseGrab();
}

void TDragController::ReleaseGrab() {
    if (Grabber && QWidget::mouseGrabber() == Grabber) Grabber->releaseMouse();
    Grabber = nullptr;
}

void TDragController::RegisterSource(QWidget* source, TCursorNumber dragCursor, TEndDragHandler onEndDrag,
                                     TStartDragHandler onStartDrag) {
    Sources.insert(source, {dragCursor, std::move(onEndDrag), std::move(onStartDrag)});
    connect(source, &QObject::destroyed, this, [this, source] { Unregister(source); });
}

void TDragController::RegisterTarget(QWidget* target, TDragOverHandler onDragOver) {
    Targets.insert(target, std::move(onDragOver));
    connect(target, &QObject::destroyed, this, [this, target] { Unregister(target); });
}

void TDragController::Unregister(QWidget* widget) {
    Sources.remove(widget);
    Targets.remove(widget);
}

bool TDragController::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    // Mouse events reach the window first and then its widget; the widget's delivery is the one to act on,
    // so that Qt's own bookkeeping of the press (the implicit grab) stays intact.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();

    if (KeySource && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) KeyCancel();
    if (!Dragging()) {
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
            mouse->button() == Qt::LeftButton && Sources.contains(widget) && widget->isEnabled()) {
            // (A disabled control is no source: its tool is not in use in this mode.)
            Begin(widget, global);
            return true;
        }
        return false;
    }
    switch (type) {
    case QEvent::MouseMove:
        Over(global);
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton) End(global);
        break;
    default:
        break; // other buttons pressed during the drag change nothing
    }
    return true;
}

void TDragController::Begin(QWidget* source, QPoint globalPos) {
    Source = source;
    Target = nullptr;
    TargetPoint = QPoint();
    const TSourceEntry& entry = Sources[source];
    if (entry.OnStart) entry.OnStart();
    if (!Source) return; // the start handler took the source away
    // The start handler may hide the source (a support taken off the beam leaves it while it is dragged).
    // A hidden widget loses the press's implicit grab, and with the button held and no grab Qt delivers the
    // moves and the release to nobody: the gesture would be lost on a real window system. The source's
    // window, which stays on the screen, holds the grab until the release.
    Grabber = Source->window();
    Grabber->grabMouse();
    Over(globalPos);
}

QWidget* TDragController::WidgetAt(QPoint globalPos) const {
    if (QWidget* w = QApplication::widgetAt(globalPos)) return w;
    // Without a window system that knows where windows are, look inside the source's own window.
    QWidget* top = Source ? Source->window() : nullptr;
    if (!top || !top->isVisible()) return nullptr;
    const QPoint local = top->mapFromGlobal(globalPos);
    if (!top->rect().contains(local)) return nullptr;
    QWidget* child = top->childAt(local);
    return child ? child : top;
}

void TDragController::Over(QPoint globalPos) {
    QWidget* under = WidgetAt(globalPos);
    bool accepted = false;
    if (under) {
        const auto handler = Targets.constFind(under);
        const QPoint local = under->mapFromGlobal(globalPos);
        if (handler != Targets.constEnd() && *handler) accepted = (*handler)(Source, local);
        if (accepted) {
            Target = under;
            TargetPoint = local;
        }
    }
    if (!accepted) {
        Target = nullptr;
        TargetPoint = QPoint();
    }
    ShowCursor(accepted);
}

void TDragController::End(QPoint) {
    QPointer<QWidget> source = Source;
    QPointer<QWidget> target = Target;
    const QPoint point = target ? TargetPoint : QPoint();
    if (CursorPushed && QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    CursorPushed = false;
    ReleaseGrab();
    Source = nullptr;
    Target = nullptr;
    // The drag is over before the handler runs: it may show a modal box or start nothing new.
    const auto entry = Sources.constFind(source.data());
    if (source && entry != Sources.constEnd() && entry->OnEnd) {
        const TEndDragHandler onEnd = entry->OnEnd;
        onEnd(target.data(), point);
    }
}

void TDragController::ShowCursor(bool accepted) {
    const QCursor cursor = accepted ? CursorByNumber(Sources.value(Source).Cursor) : QCursor(RefusedCursor);
    if (CursorPushed && QGuiApplication::overrideCursor()) {
        if (accepted != CursorAccepted) QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        CursorPushed = true;
    }
    CursorAccepted = accepted;
}

bool TDragController::KeyBegin(QWidget* source) {
    if (Dragging() || KeyDragging()) return false;
    const auto entry = Sources.constFind(source);
    if (entry == Sources.constEnd() || !source->isEnabled()) return false;
    KeySource = source;
    KeyTarget = nullptr;
    KeyTargetPoint = QPoint();
    if (const TStartDragHandler onStart = entry->OnStart) onStart();
    return KeySource != nullptr;
}

bool TDragController::KeyOver(QWidget* target, QPoint point) {
    if (!KeySource || !target) return false;
    const auto handler = Targets.constFind(target);
    const bool accepted = handler != Targets.constEnd() && *handler && (*handler)(KeySource, point);
    // As with the mouse, the end of drag gets the last drag-over's target only when it accepted.
    KeyTarget = accepted ? target : nullptr;
    KeyTargetPoint = accepted ? point : QPoint();
    return accepted;
}

void TDragController::KeyEnd() {
    KeyFinish(true);
}

void TDragController::KeyCancel() {
    KeyFinish(false);
}

void TDragController::KeyFinish(bool drop) {
    QPointer<QWidget> source = KeySource;
    QPointer<QWidget> target = drop ? KeyTarget : nullptr;
    const QPoint point = target ? KeyTargetPoint : QPoint();
    KeySource = nullptr;
    KeyTarget = nullptr;
    const auto entry = Sources.constFind(source.data());
    if (source && entry != Sources.constEnd() && entry->OnEnd) {
        const TEndDragHandler onEnd = entry->OnEnd;
        onEnd(target.data(), point);
    }
}
