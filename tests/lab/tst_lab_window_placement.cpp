// Where the experiment window and the lab windows go, for the screens labs have (1366 x 768 to 1920 x 1080),
// with the windows' real minimum sizes: nothing past an edge, no lab window over the experiment window where
// the screen has room, the experiment window at its designed place when it fits there.
#include <QtTest>

#include "lab/LabWindowPlacement.h"

namespace {

// Frames as a window manager draws them: the experiment window's 756 x 564 client with a 24 px title bar and
// 1 px borders; the lab windows' minimum and preferred client sizes the same way (Readings 480 x 560 /
// 900 x 600, Diagrams 570 x 700 / 1240 x 860).
const QMargins Frame(1, 24, 1, 1);
QSize Framed(QSize s) {
    return s + QSize(Frame.left() + Frame.right(), Frame.top() + Frame.bottom());
}
const QRect Designed(QPoint(507 - 1, 261 - 24), Framed({756, 564}));
const TLabWindowSize Readings{Framed({480, 560}), Framed({900, 600})};
const TLabWindowSize Diagrams{Framed({570, 700}), Framed({1240, 860})};

} // namespace

Q_DECLARE_METATYPE(QRect)

class TestLabWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void screens_data() {
        QTest::addColumn<QRect>("area");
        QTest::newRow("1366 x 768") << QRect(0, 0, 1366, 768);
        QTest::newRow("1366 x 768, panel at the top") << QRect(0, 32, 1366, 736);
        QTest::newRow("1600 x 900") << QRect(0, 0, 1600, 900);
        QTest::newRow("1600 x 1200") << QRect(0, 0, 1600, 1200);
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080);
        QTest::newRow("1920 x 1080, second screen") << QRect(1920, 0, 1920, 1080);
    }

    void screens() {
        QFETCH(QRect, area);
        // The experiment window alone.
        const QRect alone = ArrangeLabWindows(area, Designed.translated(area.topLeft()), {}).Experiment;
        QVERIFY(area.contains(alone));
        if (area.contains(Designed.translated(area.topLeft())))
            QCOMPARE(alone, Designed.translated(area.topLeft()));

        for (const auto& lab : {std::vector<TLabWindowSize>{Readings}, std::vector<TLabWindowSize>{Diagrams},
                                std::vector<TLabWindowSize>{Readings, Diagrams}}) {
            const TLabArrangement a = ArrangeLabWindows(area, alone, lab);
            const QString where = QStringLiteral("%1 lab window(s)").arg(lab.size());
            QVERIFY2(area.contains(a.Experiment), qPrintable(where));
            QCOMPARE(a.Experiment.size(), Designed.size());
            for (std::size_t i = 0; i < lab.size(); ++i) {
                const QRect r = a.Lab[i];
                QVERIFY2(area.contains(r), qPrintable(where + QStringLiteral(": past an edge")));
                QVERIFY2(!r.intersects(a.Experiment),
                         qPrintable(where + QStringLiteral(": over the experiment window")));
                QVERIFY2(r.width() >= lab[i].Minimum.width() && r.height() >= lab[i].Minimum.height(),
                         qPrintable(where + QStringLiteral(": below its minimum")));
            }
            // Two lab windows share the free side where the screen has room for both.
            if (lab.size() == 2 &&
                (area.width() >=
                     Designed.width() + Readings.Minimum.width() + Diagrams.Minimum.width() + 12 ||
                 area.height() >= Readings.Minimum.height() + Diagrams.Minimum.height() + 6))
                QVERIFY2(!a.Lab[0].intersects(a.Lab[1]), "the two lab windows overlap");
            // Otherwise they take one place (tabs of one window), large enough for each: never one half over
            // the other.
            if (lab.size() == 2) {
                QCOMPARE(a.Shared, a.Lab[0].intersects(a.Lab[1]));
                if (a.Shared) QCOMPARE(a.Lab[0], a.Lab[1]);
            }
        }
    }

    // Which screens need the tabs (worked from the frames above: 758 wide experiment window, Readings at
    // least 482 x 585, Diagrams 572 x 725, 6 px apart): side by side needs 758 + 482 + 572 + 12 = 1824 px,
    // stacked 585 + 725 + 6 = 1316 px.
    void sharedOnlyWhereNeeded_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<bool>("shared");
        QTest::newRow("1366 x 768") << QRect(0, 0, 1366, 768) << true;
        QTest::newRow("1600 x 1200") << QRect(0, 0, 1600, 1200) << true;
        QTest::newRow("1600 x 1316: stacked") << QRect(0, 0, 1600, 1316) << false;
        QTest::newRow("1824 x 900: side by side") << QRect(0, 0, 1824, 900) << false;
        QTest::newRow("1823 x 900") << QRect(0, 0, 1823, 900) << true;
    }
    void sharedOnlyWhereNeeded() {
        QFETCH(QRect, area);
        QFETCH(bool, shared);
        const QRect e = NearestOnScreen(Designed, area);
        const TLabArrangement a = ArrangeLabWindows(area, e, {Readings, Diagrams});
        QCOMPARE(a.Shared, shared);
        QVERIFY(!ArrangeLabWindows(area, e, {Diagrams}).Shared);
    }

    void nearestOnScreen() {
        const QRect area(0, 0, 1366, 768);
        QCOMPARE(NearestOnScreen(QRect(507, 237, 758, 589), area), QRect(507, 179, 758, 589));
        QCOMPARE(NearestOnScreen(QRect(-20, -5, 100, 100), area), QRect(0, 0, 100, 100));
        QCOMPARE(NearestOnScreen(QRect(0, 0, 2000, 900), area).topLeft(), QPoint(0, 0));
    }
};

QTEST_APPLESS_MAIN(TestLabWindowPlacement)
#include "tst_lab_window_placement.moc"
