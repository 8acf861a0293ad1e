#pragma once
// The in-process drag-and-drop the windows expect, without the system's drag (QDrag runs a nested event loop
// that headless tests cannot drive):
// - a registered source starts dragging as soon as the left button is pressed on it; a drag already running
//   is not restarted;
// - while the mouse moves (and once at the press), the widget under the cursor is asked through its
//   registered drag-over handler whether it accepts the source at the cursor, in that widget's own
//   coordinates; a widget without a handler refuses;
// - the cursor shows the source's drag cursor while the answer is yes, and the refusal cursor otherwise;
// - on release the source's end-of-drag handler gets the target widget and point of the last drag-over if
//   it accepted, otherwise no target and (0, 0).
// Mouse events of the application are filtered while a drag runs, so no widget sees the gesture's moves.
//
// The keyboard drags through the same registrations: KeyBegin runs the source's start handler, KeyOver asks
// the named target's drag-over handler at the named point (where the mouse would ask the widget under the
// cursor), KeyEnd calls the end-of-drag handler with the last accepted target, KeyCancel with none. So keys
// and mouse reach the very same handlers and rules; a press of the mouse during a key drag cancels it.

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/Cursors.h"

class TDragController final : public QObject {
public:
    // Does target accept source at point (target coordinates)?
    using TDragOverHandler = std::function<bool(QWidget* source, QPoint point)>;
    // The end of a drag: target null and point (0, 0) when the last drag-over refused.
    using TEndDragHandler = std::function<void(QWidget* target, QPoint point)>;
    using TStartDragHandler = std::function<void()>;

    explicit TDragController(QObject* parent = nullptr);
    ~TDragController() override;

    // source starts dragging on a left press, with the registered cursor dragCursor (CursorByNumber).
    void RegisterSource(QWidget* source, TCursorNumber dragCursor, TEndDragHandler onEndDrag,
                        TStartDragHandler onStartDrag = {});
    void RegisterTarget(QWidget* target, TDragOverHandler onDragOver);
    void Unregister(QWidget* widget);

    [[nodiscard]] bool Dragging() const { return Source != nullptr; }
    [[nodiscard]] QWidget* DragSource() const { return Source; }

    // The keyboard's drag. KeyBegin refuses (false) a widget that is no enabled source, or while a drag runs.
    bool KeyBegin(QWidget* source);
    // Does target accept the key-dragged source at point (target coordinates)? Remembered when it does.
    bool KeyOver(QWidget* target, QPoint point);
    void KeyEnd();
    void KeyCancel();
    [[nodiscard]] bool KeyDragging() const { return KeySource != nullptr; }
    [[nodiscard]] QWidget* KeyDragSource() const { return KeySource; }
    // The cursor shown during a drag when the answer is no.
    static constexpr Qt::CursorShape RefusedCursor = Qt::ForbiddenCursor;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TSourceEntry {
        TCursorNumber Cursor = crDefault;
        TEndDragHandler OnEnd;
        TStartDragHandler OnStart;
    };

    void Begin(QWidget* source, QPoint globalPos);
    void Over(QPoint globalPos);
    void End(QPoint globalPos);
    void ShowCursor(bool accepted);
    void ReleaseGrab();
    [[nodiscard]] QWidget* WidgetAt(QPoint globalPos) const;

    QHash<QWidget*, TSourceEntry> Sources;
    QHash<QWidget*, TDragOverHandler> Targets;
    QPointer<QWidget> Source;
    QPointer<QWidget> Grabber; // the source's window, which holds the mouse while the drag runs
    QPointer<QWidget> Target;  // of the last drag-over, null when it refused
    QPoint TargetPoint;
    QPointer<QWidget> KeySource;
    QPointer<QWidget> KeyTarget;
    QPoint KeyTargetPoint;
    void KeyFinish(bool drop);
    bool CursorPushed = false;
    bool CursorAccepted = false;
};
