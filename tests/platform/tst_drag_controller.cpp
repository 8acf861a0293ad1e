// The in-process drag-and-drop with real mouse events on plain widgets: who is asked, in which coordinates,
// what the cursor shows, and what the source's end of drag receives.
#include <QLabel>
#include <QtTest>
#include <memory>

#include "platform/Cursors.h"
#include "platform/DragController.h"

namespace {

constexpr TCursorNumber DragCursorNumber = 3;
constexpr Qt::CursorShape DragCursorShape = Qt::CrossCursor;

struct TDragOverCall {
    QWidget* Source;
    QPoint Point;
};

// A window with a source, a target that accepts, one that refuses and a plain label without a handler.
struct TRig {
    QWidget Window;
    QLabel* Source = new QLabel(QStringLiteral("source"), &Window);
    QLabel* Accepting = new QLabel(&Window);
    QLabel* Refusing = new QLabel(&Window);
    QLabel* Plain = new QLabel(&Window);
    TDragController Controller;
    std::vector<TDragOverCall> AcceptingAsked, RefusingAsked;
    std::vector<std::pair<QWidget*, QPoint>> Ends;
    int Starts = 0;
    std::optional<Qt::CursorShape> CursorWhenAsked;

    TRig() {
        Window.resize(400, 300);
        Source->setGeometry(10, 10, 50, 50);
        Accepting->setGeometry(100, 10, 100, 100);
        Refusing->setGeometry(100, 150, 100, 100);
        Plain->setGeometry(250, 10, 100, 100);
        Controller.RegisterSource(
            Source, DragCursorNumber,
            [this](QWidget* target, QPoint point) { Ends.emplace_back(target, point); },
            [this] { ++Starts; });
        Controller.RegisterTarget(Accepting, [this](QWidget* source, QPoint point) {
            AcceptingAsked.push_back({source, point});
            return true;
        });
        Controller.RegisterTarget(Refusing, [this](QWidget* source, QPoint point) {
            RefusingAsked.push_back({source, point});
            return false;
        });
        Window.show();
    }
};

Qt::CursorShape ShownCursor() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::ArrowCursor;
}

} // namespace

class TestDragController : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterCursor(DragCursorNumber, QCursor(DragCursorShape)); }

    void AcceptedDropGetsTheTargetAndItsPoint() {
        TRig rig;
        QVERIFY(QTest::qWaitForWindowExposed(&rig.Window));
        QTest::mousePress(rig.Source, Qt::LeftButton, {}, QPoint(25, 25));
        QVERIFY(rig.Controller.Dragging());
        QCOMPARE(rig.Starts, 1);
        QCOMPARE(ShownCursor(), Qt::ForbiddenCursor); // over the source itself, which has no handler
        QTest::mouseMove(rig.Accepting, QPoint(30, 40));
        QCOMPARE(rig.AcceptingAsked.size(), std::size_t(1));
        QCOMPARE(rig.AcceptingAsked.back().Source, rig.Source);
        QCOMPARE(rig.AcceptingAsked.back().Point, QPoint(30, 40)); // in the target's own coordinates
        QCOMPARE(ShownCursor(), DragCursorShape);
        QTest::mouseMove(rig.Accepting, QPoint(31, 42));
        QTest::mouseRelease(rig.Accepting, Qt::LeftButton, {}, QPoint(31, 42));
        QCOMPARE(rig.Ends.size(), std::size_t(1));
        QCOMPARE(rig.Ends.back().first, rig.Accepting);
        QCOMPARE(rig.Ends.back().second, QPoint(31, 42));
        QVERIFY(!rig.Controller.Dragging());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // Wherever the last drag-over did not accept, the end of drag gets no target and (0, 0).
    void RefusedDropsGetNoTarget_data() {
        QTest::addColumn<int>("where");
        QTest::newRow("target that refuses") << 0;
        QTest::newRow("widget without a handler") << 1;
        QTest::newRow("outside every window") << 2;
        QTest::newRow("accepted, then moved onto a refusal") << 3;
    }
    void RefusedDropsGetNoTarget() {
        QFETCH(int, where);
        TRig rig;
        QVERIFY(QTest::qWaitForWindowExposed(&rig.Window));
        QTest::mousePress(rig.Source, Qt::LeftButton, {}, QPoint(25, 25));
        QWidget* over = where == 0 || where == 3 ? static_cast<QWidget*>(rig.Refusing) : rig.Plain;
        QPoint point(20, 20);
        if (where == 3) QTest::mouseMove(rig.Accepting, QPoint(5, 5));
        if (where == 2) {
            over = &rig.Window;
            point = QPoint(500, 400);
        }
        QTest::mouseMove(over, point);
        QCOMPARE(ShownCursor(), Qt::ForbiddenCursor);
        if (where == 0 || where == 3) {
            QCOMPARE(rig.RefusingAsked.size(), std::size_t(1));
            QCOMPARE(rig.RefusingAsked.back().Point, point);
        }
        QTest::mouseRelease(over, Qt::LeftButton, {}, point);
        QCOMPARE(rig.Ends.size(), std::size_t(1));
        QCOMPARE(rig.Ends.back().first, nullptr);
        QCOMPARE(rig.Ends.back().second, QPoint(0, 0));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A press while a drag runs does not start it again; only the left button starts one.
    void StartsOnlyOnceAndOnlyOnTheLeftButton() {
        TRig rig;
        QVERIFY(QTest::qWaitForWindowExposed(&rig.Window));
        QTest::mousePress(rig.Source, Qt::RightButton, {}, QPoint(25, 25));
        QVERIFY(!rig.Controller.Dragging());
        QTest::mouseRelease(rig.Source, Qt::RightButton, {}, QPoint(25, 25));
        QCOMPARE(rig.Starts, 0);

        QTest::mousePress(rig.Source, Qt::LeftButton, {}, QPoint(25, 25));
        QTest::mouseMove(rig.Accepting, QPoint(10, 10));
        QTest::mousePress(rig.Accepting, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mouseRelease(rig.Accepting, Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(rig.Controller.Dragging()); // the right button neither restarts nor ends it
        QCOMPARE(rig.Starts, 1);
        QTest::mouseRelease(rig.Accepting, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(rig.Ends.size(), std::size_t(1));
        QCOMPARE(rig.Ends.back().first, rig.Accepting);
        QCOMPARE(rig.Starts, 1);

        // An unregistered widget starts nothing.
        QTest::mousePress(rig.Plain, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!rig.Controller.Dragging());
        QTest::mouseRelease(rig.Plain, Qt::LeftButton, {}, QPoint(5, 5));
    }

    // A widget lying over another is the one asked (a popup over the picture refuses for it).
    void TheTopmostWidgetIsAsked() {
        TRig rig;
        auto* cover = new QLabel(&rig.Window);
        cover->setGeometry(100, 10, 50, 50); // over the accepting target's top-left quarter
        cover->show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.Window));
        QTest::mousePress(rig.Source, Qt::LeftButton, {}, QPoint(25, 25));
        QTest::mouseMove(cover, QPoint(10, 10));
        QCOMPARE(rig.AcceptingAsked.size(), std::size_t(0));
        QCOMPARE(ShownCursor(), Qt::ForbiddenCursor);
        // A widget transparent for the mouse is looked through.
        cover->setAttribute(Qt::WA_TransparentForMouseEvents);
        QTest::mouseMove(cover, QPoint(11, 11));
        QCOMPARE(rig.AcceptingAsked.size(), std::size_t(1));
        QCOMPARE(rig.AcceptingAsked.back().Point, QPoint(11, 11));
        QTest::mouseRelease(cover, Qt::LeftButton, {}, QPoint(11, 11));
        QCOMPARE(rig.Ends.back().first, rig.Accepting);
    }
};

QTEST_MAIN(TestDragController)
#include "tst_drag_controller.moc"
