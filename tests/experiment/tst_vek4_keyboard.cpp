// Building the set-up with the keyboard alone on the real window: each row of the placement table is built
// once with mouse drags and once with keys (focus, Enter, arrows, Enter), and both must end in the same
// layout with the same warnings; then moving and removing placed items, Escape, Tab in position order, the
// dial gauge, and what is announced.

#include <QAccessible>
#include <QLabel>
#include <QtTest>

#include "experiment/PictureControl.h"
#include "experiment/VEK4.h"
#include "experiment/VEK4Keyboard.h"
#include "experiment/VEK4LabTools.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "theory/DeflectionView.h"

namespace {

constexpr int SupportY = 160, LoadY = 190;

enum class TTool { Clamp, KnifeEdge, G100, G200, G300 };
struct TStep {
    TTool Tool;
    int Station;
};
using TSteps = std::vector<TStep>;

} // namespace
Q_DECLARE_METATYPE(TSteps)

class TVEK4KeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TVEK4Form> Window;
    std::unique_ptr<TRecordingMessages> Messages;

    QWidget* ToolWidget(TTool tool) const {
        switch (tool) {
        case TTool::Clamp:
            return Window->EndClampImage;
        case TTool::KnifeEdge:
            return Window->KnifeEdgeImage;
        case TTool::G100:
            return Window->GramImages[0];
        case TTool::G200:
            return Window->GramImages[1];
        case TTool::G300:
            return Window->GramImages[2];
        }
        return nullptr;
    }
    void MouseStep(const TStep& step) {
        QWidget* source = ToolWidget(step.Tool);
        const int y = step.Tool == TTool::KnifeEdge ? SupportY : step.Tool == TTool::Clamp ? 150 : LoadY;
        const QPoint to(step.Tool == TTool::Clamp ? (step.Station == 0 ? 80 : 450) : StationX[step.Station],
                        y);
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QTest::mouseMove(Window->Panel1, to + QPoint(3, 0));
        QTest::mouseMove(Window->Panel1, to);
        QTest::mouseRelease(Window->Panel1, Qt::LeftButton, {}, to);
        QTest::mouseMove(Window->ScreenImage, {300 + (++Returns % 7), 40});
    }
    int Returns = 0;
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* to = Focused() ? Focused() : Window.get();
        QTest::keyClick(to, Qt::Key(key), modifiers);
    }
    // With an item picked up: arrows (Shift for tens) until it stands at station.
    bool ArrowsTo(int station) {
        for (int guard = 0; guard < 80 && Window->Keys->Station() != station; ++guard) {
            const int d = station - Window->Keys->Station();
            Key(d > 0 ? Qt::Key_Right : Qt::Key_Left, std::abs(d) >= 10 ? Qt::ShiftModifier : Qt::NoModifier);
        }
        return Window->Keys->Station() == station;
    }
    void KeyStep(const TStep& step) {
        QWidget* source = ToolWidget(step.Tool);
        source->setFocus(Qt::OtherFocusReason);
        QCOMPARE(Focused(), source);
        Key(Qt::Key_Return);
        QCOMPARE(Window->Keys->Mode(), TVEK4Keyboard::TMode::Item);
        QVERIFY2(ArrowsTo(step.Station), qPrintable(QString("stuck at %1").arg(Window->Keys->Station())));
        Key(Qt::Key_Return);
        QCOMPARE(Window->Keys->Mode(), TVEK4Keyboard::TMode::None);
    }
    static QString Items(const TBeamLayout& l) {
        QStringList out;
        for (const TPlacedItem& item : PlacedItemsInOrder(l))
            out << QString("%1@%2%3")
                       .arg(int(item.Kind))
                       .arg(item.Station)
                       .arg(item.Kind == TPlacedKind::Weight
                                ? QString(":%1g").arg(l.HangerSlots[item.Station].Mass)
                                : QString());
        return out.join(' ');
    }
    void NewWindow() {
        Window = std::make_unique<TVEK4Form>();
        QCursor::setPos(0, 0);
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
    }
    // Picks up the focused placed item: Enter.
    void BuildSimplySupported() {
        for (const TStep& s : TSteps{{TTool::KnifeEdge, 10}, {TTool::KnifeEdge, 50}, {TTool::G300, 30}})
            KeyStep(s);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallDesignFontSubstitutes();
        RegisterProgramCursors();
    }
    void init() {
        Messages = std::make_unique<TRecordingMessages>();
        NewWindow();
    }
    void cleanup() {
        Window.reset();
        Messages.reset();
    }

    // The placement table through both hands: the same layout, the same boxes, the same theory.
    void MouseAndKeysObeyTheSameRules_data() {
        QTest::addColumn<TSteps>("steps");
        QTest::newRow("two knife-edges, 300 g at midspan")
            << TSteps{{TTool::KnifeEdge, 10}, {TTool::KnifeEdge, 50}, {TTool::G300, 30}};
        QTest::newRow("cantilever, weight at the tip") << TSteps{{TTool::Clamp, 0}, {TTool::G200, 60}};
        QTest::newRow("clamp and two knife-edges: the second refused")
            << TSteps{{TTool::Clamp, 0}, {TTool::KnifeEdge, 40}, {TTool::KnifeEdge, 20}};
        QTest::newRow("both clamps, then a knife-edge refused")
            << TSteps{{TTool::Clamp, 0}, {TTool::Clamp, 60}, {TTool::KnifeEdge, 30}, {TTool::G100, 20}};
        QTest::newRow("a second weight on one overhang refused")
            << TSteps{{TTool::KnifeEdge, 10}, {TTool::KnifeEdge, 50}, {TTool::G100, 5}, {TTool::G200, 3}};
        QTest::newRow("a weight replaces the one at its station")
            << TSteps{{TTool::KnifeEdge, 0}, {TTool::KnifeEdge, 60}, {TTool::G100, 30}, {TTool::G300, 30}};
        QTest::newRow("a third knife-edge ignored")
            << TSteps{{TTool::KnifeEdge, 10}, {TTool::KnifeEdge, 50}, {TTool::KnifeEdge, 30}};
    }
    void MouseAndKeysObeyTheSameRules() {
        QFETCH(TSteps, steps);
        for (const TStep& s : steps)
            MouseStep(s);
        const QString mouseItems = Items(Window->Layout);
        const QStringList mouseBoxes = Messages->Texts();
        const QString mouseReadout = Window->View->DialGaugeDeflection->text();
        // A mouse drop that changed the set-up is announced as well (after the drag controller applied it).
        QTRY_VERIFY(Window->Keys->LastAnnouncement().contains("dial gauge at"));

        Window.reset();
        Messages.reset(); // the recording layer restores the one before it: one at a time
        Messages = std::make_unique<TRecordingMessages>();
        NewWindow();
        for (const TStep& s : steps)
            KeyStep(s);
        QCOMPARE(Items(Window->Layout), mouseItems);
        QCOMPARE(Messages->Texts(), mouseBoxes);
        QCOMPARE(Window->View->DialGaugeDeflection->text(), mouseReadout);
    }

    // Done when: 300 g at midspan of a simply supported beam, the gauge under it, built, moved, recorded,
    // cleared with keys; the popup shows while an item is carried.
    void SimplySupportedBuiltMovedAndClearedWithKeys() {
        Window->KnifeEdgeImage->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Space);
        // Picked up: on the beam at midspan, the support popup as the mouse shows it.
        QCOMPARE(Window->Keys->Station(), 30);
        QVERIFY(Window->PositionValue->isVisible());
        QCOMPARE(Window->PositionValue->text(), QString("300 mm"));
        Key(Qt::Key_Left, Qt::ShiftModifier);
        Key(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(Window->PositionValue->text(), QString("100 mm"));
        Key(Qt::Key_Return);
        QVERIFY(Window->Layout.KnifeEdge1);
        QCOMPARE(Window->Layout.KnifeEdge1Station, 10);
        KeyStep({TTool::KnifeEdge, 50});
        KeyStep({TTool::G300, 30});
        QCOMPARE(Window->Layout.HangerSlots[30].Mass, 300);
        QVERIFY(Messages->Shown.empty());
        // Span 400 mm, P = 0.3 x 9.80665 = 2.942 N, I = 19.05 x 3.18^3 / 12 = 51.05 mm^4, EI = 3.522 N m^2:
        // PL^3 / 48EI = 2.942 x 0.064 / 169.1 = 1.114 mm down.
        QCOMPARE(Window->View->DialGaugeDeflection->text(), QString("-1.11 mm"));
        QVERIFY2(
            Window->Keys->LastAnnouncement().contains("Simply supported on knife-edges at 100 and 500 mm; "
                                                      "300 g at 300 mm; dial gauge at 300 mm"),
            qPrintable(Window->Keys->LastAnnouncement()));

        // The weight takes focus and moves 10 mm; Escape on a second move puts it back.
        Window->HangerSlots[30].Hanger->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Return);
        Key(Qt::Key_Right);
        Key(Qt::Key_Return);
        QVERIFY(!Window->Layout.HangerSlots[30].Occupied());
        QCOMPARE(Window->Layout.HangerSlots[31].Mass, 300);
        QCOMPARE(Focused(), Window->HangerSlots[31].Hanger);
        Key(Qt::Key_Return);
        Key(Qt::Key_End);
        Key(Qt::Key_Escape);
        QCOMPARE(Window->Layout.HangerSlots[31].Mass, 300);
        QVERIFY(!Window->Layout.HangerSlots[60].Occupied());

        // A placed knife-edge moves with Home to the left end.
        Window->KnifeEdge1->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Return);
        Key(Qt::Key_Home);
        Key(Qt::Key_Return);
        QCOMPARE(Window->Layout.KnifeEdge1Station, 0);

        // Delete clears it all.
        Window->HangerSlots[31].Hanger->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Delete);
        QVERIFY(!Window->Layout.Loaded());
        Window->KnifeEdge1->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Delete);
        Window->KnifeEdge2->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Delete);
        QCOMPARE(Window->Layout.KnifeEdgeCount(), 0);
        QVERIFY(Messages->Shown.empty());
    }

    // The gauge: Enter, arrows, Enter; the readout follows; Escape returns it.
    void DialGaugeMovesWithKeys() {
        BuildSimplySupported();
        Window->DialGaugeImage->setFocus(Qt::OtherFocusReason);
        Key(Qt::Key_Return);
        QCOMPARE(Window->Keys->Mode(), TVEK4Keyboard::TMode::Gauge);
        Key(Qt::Key_Left, Qt::ShiftModifier);
        Key(Qt::Key_Return);
        QCOMPARE(Window->Layout.GaugeStation, 20);
        QCOMPARE(Window->DialGaugeImage->x(), StationX[20] - GaugeStylusOffset);
        QVERIFY(!Window->Layout.DraggingGauge);
        const QString at20 = Window->View->DialGaugeDeflection->text();
        QVERIFY(at20 != QString("-1.11 mm") && at20.startsWith('-'));
        Key(Qt::Key_Return);
        Key(Qt::Key_End);
        Key(Qt::Key_Escape);
        QCOMPARE(Window->Layout.GaugeStation, 20);
        QCOMPARE(Window->View->DialGaugeDeflection->text(), at20);
    }

    // Tab visits the items on the beam left to right, whatever order they were placed in.
    void TabCyclesPlacedItemsInPositionOrder() {
        KeyStep({TTool::KnifeEdge, 50});
        KeyStep({TTool::KnifeEdge, 10});
        KeyStep({TTool::G100, 40});
        Window->KnifeEdge2->setFocus(Qt::OtherFocusReason); // the one at 100 mm: first
        QList<QWidget*> seen{Focused()};
        for (int i = 0; i < 3; ++i) {
            Key(Qt::Key_Tab);
            seen << Focused();
        }
        QCOMPARE(seen, (QList<QWidget*>{Window->KnifeEdge2, Window->DialGaugeImage,
                                        Window->HangerSlots[40].Hanger, Window->KnifeEdge1}));
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Focused(), Window->HangerSlots[40].Hanger);
    }

    // What assistive technology is told: every control that takes focus has a name; the pieces are buttons;
    // the apparatus describes the layout as it is now.
    void EveryFocusableControlIsNamedAndTheApparatusDescribed() {
        QStringList unnamed;
        for (QWidget* w : Window->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible()) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            if (!a || a->text(QAccessible::Name).trimmed().isEmpty()) unnamed << w->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QCOMPARE(QAccessible::queryAccessibleInterface(Window->KnifeEdgeImage)->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(Window->DialGaugeImage)->role(), QAccessible::Button);
        BuildSimplySupported();
        const QString words =
            QAccessible::queryAccessibleInterface(Window->ScreenImage)->text(QAccessible::Description);
        QVERIFY2(
            words.startsWith("Simply supported on knife-edges at 100 and 500 mm; 300 g at 300 mm; dial gauge "
                             "at 300 mm; theoretical deflection at the gauge -1.11 mm"),
            qPrintable(words));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(Window->HangerSlots[30].Hanger)->text(QAccessible::Name),
            QString("300 g weight at 300 mm"));
    }

    // With the laboratory tools on, a recorded reading is said once.
    void ARecordedReadingIsAnnounced() {
        QTemporaryDir folder;
        qint64 now = 1000;
        TVEK4Environment environment;
        environment.Clock = [&now] { return now; };
        environment.LabFiles.JournalFolder = folder.path();
        Window.reset();
        Window = std::make_unique<TVEK4Form>(std::move(environment));
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
        Window->LabToolsAction->trigger();
        BuildSimplySupported();
        Window->CaptureCombo->setCurrentIndex(1);
        Window->CaptureComboChange();
        now += 1500;
        QVERIFY2(Window->RecordDataAction->isEnabled(), "recording disabled");
        Window->RecordDataAction->trigger();
        QCOMPARE(Window->Session().Table().Count(), 1);
        QTRY_VERIFY2(Window->Keys->LastAnnouncement().startsWith("Reading 1 recorded"),
                     qPrintable(Window->Keys->LastAnnouncement() + " | " + Messages->Texts().join(" | ")));
        Window->LabToolsAction->trigger(); // the switch is kept in the settings: left off as found
    }

    // A refused drop is announced with its reason; the set-up read on request; the meter on request.
    void ChangesAreAnnounced() {
        for (const TStep& s : TSteps{{TTool::Clamp, 0}, {TTool::Clamp, 60}, {TTool::KnifeEdge, 30}})
            KeyStep(s);
        QVERIFY2(
            Window->Keys->LastAnnouncement().contains(
                "not placed: When the beam is clamped at both ends, knife-edge supports may not be added."),
            qPrintable(Window->Keys->LastAnnouncement()));
        Key(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Window->Keys->LastAnnouncement(),
                 QString("Clamped at both ends; no load; dial gauge at 300 mm"));
        Key(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Window->Keys->LastAnnouncement().startsWith("Dial gauge at 300 mm; theoretical"));
    }
};

QTEST_MAIN(TVEK4KeyboardTest)
#include "tst_vek4_keyboard.moc"
