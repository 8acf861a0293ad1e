// Building the layout with the mouse on the real window, headless: drags from the tool box onto the
// picture, along the beam and onto the bin, the four warnings, the UDL's button and right-button length
// change, the dial gauge, and the two boxes. Every gesture is real press, move and release events.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "experiment/PictureControl.h"
#include "experiment/VEK4.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "theory/BeamTheory.h"
#include "theory/DeflectionPlot.h"
#include "theory/DeflectionView.h"
#include "widgets/IntegerSpinEdit.h"

namespace {

// Heights on the picture: the support zone is 134 < y < 174, the load zone 134 < y < 204.
constexpr int SupportY = 160, LoadY = 190;

} // namespace

class TVEK4EditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TVEK4Form> Window;
    std::unique_ptr<TRecordingMessages> Messages;

    // Presses on source, moves over the picture to `to` (picture coordinates), then releases there and goes
    // back towards the tool box.
    // `whileDragging` runs before the release.
    void DragTo(QWidget* source, QPoint to, const std::function<void()>& whileDragging = {}) {
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QTest::mouseMove(Window->Panel1, to + QPoint(3, 0));
        QTest::mouseMove(Window->Panel1, to);
        if (whileDragging) whileDragging();
        QTest::mouseRelease(Window->Panel1, Qt::LeftButton, {}, to);
        // Back to the tool box for the next piece, across the bare picture (which hides the popups).
        // (Qt drops a move to where the mouse already is, so the way back differs a little each time.)
        QTest::mouseMove(Window->ScreenImage, {300 + (++Returns % 7), 40});
    }
    int Returns = 0;
    // Onto a control: its centre.
    void DragOnto(QWidget* source, QWidget* target) {
        DragTo(source, target->mapTo(Window->Panel1, target->rect().center()));
    }
    QPoint AtStation(int station, int y) const { return {StationX[station], y}; }

    void PutKnifeEdgesAt(int a, int b) {
        DragTo(Window->KnifeEdgeImage, AtStation(a, SupportY));
        DragTo(Window->KnifeEdgeImage, AtStation(b, SupportY));
    }
    void PutClamps(bool right) {
        DragTo(Window->EndClampImage, {80, 150});
        if (right) DragTo(Window->EndClampImage, {450, 150});
    }
    QPoint Global(QWidget* w, QPoint p) const { return w->mapToGlobal(p); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallDesignFontSubstitutes();
        RegisterProgramCursors();
    }
    void init() {
        Messages = std::make_unique<TRecordingMessages>();
        Window = std::make_unique<TVEK4Form>();
        // On a real X server (the *_x11 run) the server's own pointer is kept off the window, so that no
        // crossing event of it mixes with the synthesised gesture, and the window is made active as a window
        // manager would make a new window, so that focus moves as it does on a desktop.
        QCursor::setPos(0, 0);
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
    }
    void cleanup() {
        Window.reset();
        Messages.reset();
    }

    // The Overview's typical event: a 300 g mass dropped at 250 mm on a beam on two knife-edges.
    void ThreeHundredGramsAtTwoHundredAndFiftyMillimetres() {
        PutKnifeEdgesAt(10, 50);
        QCOMPARE(Window->Layout.SupportArrangement(), TSupportArrangement::SimplySupported);
        QCOMPARE(Window->KnifeEdge2->pos(), QPoint(StationX[50] - 12, 144));
        QString popupTitle, popupValue;
        bool popupShown = false;
        DragTo(Window->GramImages[2], AtStation(25, LoadY), [&] {
            popupShown = Window->LoadPositionValue->isVisible();
            popupTitle = Window->LoadPositionPopup->text();
            popupValue = Window->LoadPositionValue->text();
        });
        QVERIFY(popupShown);
        QCOMPARE(popupTitle, QString("Load Position"));
        QCOMPARE(popupValue, QString("250 mm"));
        QCOMPARE(Window->Layout.HangerSlots[25].Mass, 300);
        QVERIFY(!Window->Layout.HangerSlots[25].Variable);
        QCOMPARE(Window->HangerSlots[25].ForceLabel->text(), QString("2.94"));
        QVERIFY(Window->HangerSlots[25].Hanger->isVisible());
        // Recalculated: the span sags under the load, the readouts are shown.
        QCOMPARE(Window->BeamTheory.ComputedArrangement, TSupportArrangement::SimplySupported);
        QVERIFY(Window->BeamTheory.StationDeflection[25] < 0);
        QVERIFY(Window->View->NegativeDeflectLbl->isVisible());
        QVERIFY(Messages->Shown.empty());
    }

    void TheFourWarnings_data() {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("warning");
        QTest::newRow("knife-edge on a beam clamped at both ends")
            << 0 << "When the beam is clamped at both ends, knife-edge supports may not be added.";
        QTest::newRow("second knife-edge beside a clamp")
            << 1 << "When the beam has a clamped end, only one knife-edge support may be present.";
        QTest::newRow("second weight on an overhang")
            << 2 << "Only one weight may placed at either end of the simply supported beam.";
        QTest::newRow("left clamp to the bin with the right clamp on")
            << 3
            << "Removing the left-hand clamp also removes the right-hand clamp, otherwise the system would "
               "become invalid.";
    }
    void TheFourWarnings() {
        QFETCH(int, situation);
        QFETCH(QString, warning);
        TVEK4Form& w = *Window;
        switch (situation) {
        case 0:
            PutClamps(true);
            break;
        case 1:
            PutClamps(false);
            DragTo(w.KnifeEdgeImage, AtStation(40, SupportY));
            break;
        case 2:
            PutKnifeEdgesAt(10, 50);
            DragTo(w.GramImages[0], AtStation(5, LoadY));
            break;
        case 3:
            PutClamps(true);
            break;
        }
        QVERIFY(Messages->Shown.empty());
        if (situation == 2) QCOMPARE(w.Layout.HangerSlots[5].Mass, 100);
        const TBeamLayout before = w.Layout;
        switch (situation) {
        case 0:
        case 1:
            DragTo(w.KnifeEdgeImage, AtStation(30, SupportY));
            break;
        case 2:
            DragTo(w.GramImages[1], AtStation(3, LoadY));
            break;
        case 3:
            DragOnto(w.LClampImage, w.WeightsBinImage);
            break;
        }
        QCOMPARE(Messages->Texts(), QStringList{warning});
        QCOMPARE(Messages->Shown[0].Icon, TMsgIcon::Warning);
        if (situation == 3) {
            // Both clamps go.
            QVERIFY(!w.Layout.LeftClamp && !w.Layout.RightClamp);
            QVERIFY(w.LClampImage->isHidden() && w.RClampImage->isHidden() && w.LeftSupport->isHidden());
        } else {
            QCOMPARE(w.Layout.LeftClamp, before.LeftClamp);
            QCOMPARE(w.Layout.RightClamp, before.RightClamp);
            QCOMPARE(w.Layout.KnifeEdgeCount(), before.KnifeEdgeCount());
            for (int s = 0; s < StationCount; ++s)
                QCOMPARE(w.Layout.HangerSlots[s].Mass, before.HangerSlots[s].Mass);
        }
    }

    void ItemsMoveAlongTheBeamAndLeaveByTheBin() {
        TVEK4Form& w = *Window;
        PutKnifeEdgesAt(10, 50);
        DragTo(w.GramImages[0], AtStation(30, LoadY));
        // The knife-edge at 50 moves to 40; its picture is lifted while it is dragged.
        bool liftedWhileDragging = false;
        DragTo(w.KnifeEdge2, AtStation(40, SupportY),
               [&] { liftedWhileDragging = w.KnifeEdge2->isHidden(); });
        QVERIFY(liftedWhileDragging);
        QCOMPARE(w.Layout.KnifeEdge2Station, 40);
        QCOMPARE(w.KnifeEdge2->x(), StationX[40] - 12);
        QCOMPARE(w.Layout.RightKnifeEdgeStation, 40);
        // The weight moves from 30 to 20.
        DragTo(w.HangerSlots[30].Hanger, AtStation(20, LoadY));
        QCOMPARE(w.Layout.HangerSlots[20].Mass, 100);
        QCOMPARE(w.Layout.HangerSlots[30].Mass, -1);
        QVERIFY(w.HangerSlots[30].Hanger->isHidden() && w.HangerSlots[20].Hanger->isVisible());
        // A 200 g mass dropped on the 100 g hanger replaces it.
        DragOnto(w.GramImages[1], w.HangerSlots[20].Hanger);
        QCOMPARE(w.Layout.HangerSlots[20].Mass, 200);
        // Onto the dimension box: refused, the weight stays; anywhere else in the tool box: removed.
        w.Sections->RadioGroup->Item(1)->click();
        QVERIFY(w.Sections->X1->isVisible());
        DragOnto(w.HangerSlots[20].Hanger, w.Sections->X1);
        QCOMPARE(w.Layout.HangerSlots[20].Mass, 200);
        DragOnto(w.HangerSlots[20].Hanger, w.Sections->GroupValues);
        QCOMPARE(w.Layout.HangerSlots[20].Mass, -1);
        QVERIFY(w.HangerSlots[20].Hanger->isHidden());
        w.Sections->RadioGroup->Item(0)->click();
        // A knife-edge dragged to the bin leaves the beam with its pivot.
        DragOnto(w.KnifeEdge1, w.WeightsBinImage);
        QVERIFY(!w.Layout.KnifeEdge1 && w.KnifeEdge1->isHidden() && w.Pivot1Image->isHidden());
        QVERIFY(Messages->Shown.empty());
    }

    void ADropOutsideTheZonesChangesNothing() {
        TVEK4Form& w = *Window;
        DragTo(w.KnifeEdgeImage, {300, 60}); // above the beam
        DragTo(w.GramImages[0], {300, 330}); // on the load diagram
        DragTo(w.EndClampImage, {300, 150}); // the middle of the beam is no clamp zone
        QVERIFY(!w.Layout.Loaded());
        QCOMPARE(w.Layout.KnifeEdgeCount(), 0);
        QVERIFY(!w.Layout.LeftClamp);
        QVERIFY(Messages->Shown.empty());
    }

    void TheVariableWeightCarriesTheBoxsValue() {
        TVEK4Form& w = *Window;
        PutClamps(false);
        w.WeightSpinEdit->setFocus();
        w.WeightSpinEdit->selectAll();
        QTest::keyClicks(w.WeightSpinEdit, "600"); // the 0 that makes 600 is undone
        QCOMPARE(w.WeightSpinEdit->text(), QString("60"));
        QTest::keyClick(w.WeightSpinEdit, Qt::Key_Backspace);
        QTest::keyClick(w.WeightSpinEdit, Qt::Key_Backspace);
        QTest::keyClicks(w.WeightSpinEdit, "5");
        QCOMPARE(w.VariableWeightLabel->text(), QString("5g"));
        QTest::keyClick(w.WeightSpinEdit, Qt::Key_Home);
        QTest::keyClicks(w.WeightSpinEdit, "+");
        QCOMPARE(w.WeightSpinEdit->text(), QString("+5"));
        DragTo(w.VariableWeightLabel, AtStation(45, LoadY));
        QCOMPARE(w.Layout.HangerSlots[45].Mass, 5);
        QVERIFY(w.Layout.HangerSlots[45].Variable);
        QCOMPARE(w.HangerSlots[45].MassLabel->text(), QString("5"));
        QVERIFY(w.HangerSlots[45].MassLabel->isVisible());
    }

    void TheUDLOnACantilever() {
        TVEK4Form& w = *Window;
        PutClamps(false);
        QTest::mouseClick(w.UDLButton, Qt::LeftButton);
        QVERIFY(w.Layout.UDL);
        QCOMPARE(w.UDLImage->width(), 361);
        QVERIFY(!w.UDLButton->isEnabled() && !w.UDLSpinEdit->isEnabled());
        QCOMPARE(w.UDLLabel->text(), QString("20 N/m"));
        // Hovering shows its length and how to change it.
        QTest::mouseMove(w.UDLImage, {100, 10});
        QCOMPARE(w.PositionPopup->text(), QString("UDL length"));
        QCOMPARE(w.PositionValue->text(), QString("600 mm"));
        QCOMPARE(w.StatusPanel0->text(), QString("Right click to change length of UDL"));
        // The right button pressed on it and released at 300 mm.
        QTest::mousePress(w.UDLImage, Qt::RightButton, {}, {200, 10});
        QVERIFY(w.Layout.ResizingUDL);
        const int x300 = StationX[30] - w.UDLImage->x();
        QTest::mouseMove(w.UDLImage, {x300, 10});
        QCOMPARE(w.PositionValue->text(), QString("300 mm"));
        QTest::mouseRelease(w.UDLImage, Qt::RightButton, {}, {x300, 10});
        QVERIFY(!w.Layout.ResizingUDL);
        QCOMPARE(w.StatusPanel0->text(), QString("UDL length: 300 mm"));
        QCOMPARE(w.Layout.UDLEndStation, 30);
        QCOMPARE(w.UDLImage->width(), StationX[30] - StationX[0] + 8);
        QVERIFY(w.PositionValue->isHidden());
        // Shortened to nothing: removed, the tools back.
        QTest::mousePress(w.UDLImage, Qt::RightButton, {}, {50, 10});
        QTest::mouseRelease(w.UDLImage, Qt::RightButton, {}, {-20, 10});
        QVERIFY(!w.Layout.UDL && w.UDLImage->isHidden() && w.UDLLabel->isHidden());
        QVERIFY(w.UDLButton->isEnabled() && w.UDLSpinEdit->isEnabled() && w.UDLLbl->isEnabled());
    }

    void TheUDLElsewhere() {
        TVEK4Form& w = *Window;
        PutKnifeEdgesAt(10, 50);
        QTest::mouseClick(w.UDLButton, Qt::LeftButton);
        QCOMPARE(w.UDLImage->geometry().left(), StationX[10] - 4);
        // A right press on a beam that is not a cantilever does nothing.
        QTest::mousePress(w.UDLImage, Qt::RightButton, {}, {30, 10});
        QVERIFY(!w.Layout.ResizingUDL);
        QTest::mouseRelease(w.UDLImage, Qt::RightButton, {}, {30, 10});
        QCOMPARE(w.Layout.UDLEndStation, 50);
        // The UDL follows a moved knife-edge; dropped anywhere but the bin it stays; on the bin it goes.
        DragTo(w.KnifeEdge2, AtStation(40, SupportY));
        QCOMPARE(w.UDLImage->width(), StationX[40] - StationX[10] + 8);
        DragTo(w.UDLImage, AtStation(30, LoadY));
        QVERIFY(w.Layout.UDL);
        DragOnto(w.UDLImage, w.WeightsBinImage);
        QVERIFY(!w.Layout.UDL && w.UDLImage->isHidden());
        QVERIFY(w.UDLButton->isEnabled());
    }

    void TheUDLBox() {
        TVEK4Form& w = *Window;
        w.UDLSpinEdit->setFocus();
        QTest::keyClick(w.UDLSpinEdit, Qt::Key_End);
        QTest::keyClicks(w.UDLSpinEdit, ".");
        QCOMPARE(w.UDLSpinEdit->text(), QString("20"));
        QTest::keyClick(w.UDLSpinEdit, Qt::Key_Home);
        QTest::keyClicks(w.UDLSpinEdit, "+");
        QCOMPARE(w.UDLSpinEdit->text(), QString("20"));
        QTest::keyClick(w.UDLSpinEdit, Qt::Key_End);
        QTest::keyClicks(w.UDLSpinEdit, "5"); // 205 > 50
        QCOMPARE(w.UDLSpinEdit->text(), QString("20"));
        w.UDLSpinEdit->selectAll();
        QTest::keyClick(w.UDLSpinEdit, Qt::Key_Delete);
        QCOMPARE(w.UDLSpinEdit->text(), QString());
        w.WeightSpinEdit->setFocus(); // focus leaves the box
        QCOMPARE(w.UDLSpinEdit->text(), QString("1"));
    }

    // "0" is on its way to a value, not a value: the button settles the box by its exit rule (1 to 50)
    // before reading it, so no 0 N/m load reaches the beam.
    void TheUDLButtonSettlesTheBoxFirst_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("intensity");
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("00") << "00" << 1;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("50") << "50" << 50;
    }
    void TheUDLButtonSettlesTheBoxFirst() {
        QFETCH(QString, typed);
        QFETCH(int, intensity);
        TVEK4Form& w = *Window;
        PutKnifeEdgesAt(0, 60);
        w.UDLSpinEdit->setFocus();
        w.UDLSpinEdit->selectAll();
        QTest::keyClick(w.UDLSpinEdit, Qt::Key_Delete);
        QTest::keyClicks(w.UDLSpinEdit, typed);
        QCOMPARE(w.UDLSpinEdit->text(), typed);
        QTest::mouseClick(w.UDLButton, Qt::LeftButton, {}, w.UDLButton->rect().center());
        QVERIFY(w.Layout.UDL);
        QCOMPARE(w.Layout.UDLIntensity, intensity);
        QCOMPARE(w.UDLSpinEdit->text(), QString::number(intensity));
        QVERIFY(w.BeamTheory.StationDeflection[30] != 0.0f);
    }

    void TheGaugeSlidesAlongTheBeamAndSnaps() {
        TVEK4Form& w = *Window;
        PutClamps(false);
        DragTo(w.GramImages[4], AtStation(60, LoadY));
        const int repaints = w.View->TheoryImage->Repaints;
        const double before = w.BeamTheory.StationDeflection[60];
        QTest::mousePress(w.DialGaugeImage, Qt::LeftButton, {}, {18, 30});
        QTest::mouseMove(w.DialGaugeImage, {18 - 1000, 30}); // far beyond the left end
        QCOMPARE(w.DialGaugeImage->x(), 70);
        QCOMPARE(w.Layout.GaugeStation, 0);
        QCOMPARE(w.PositionPopup->text(), QString("Gauge Position"));
        QCOMPARE(w.PositionValue->text(), QString("0 mm"));
        QCOMPARE(w.View->DialGaugeDeflection->text(), QString("0.00 mm"));
        QTest::mouseMove(w.DialGaugeImage, {18 + 2000, 30}); // far beyond the right end
        QCOMPARE(w.DialGaugeImage->x(), 423);
        QCOMPARE(w.Layout.GaugeStation, 60);
        // Released between stations: it snaps to its station, the meter follows.
        const int between = StationX[44] + 2 - w.DialGaugeImage->x();
        QTest::mouseMove(w.DialGaugeImage, {between, 30});
        QTest::mouseRelease(w.DialGaugeImage, Qt::LeftButton, {}, {between, 30});
        QCOMPARE(w.Layout.GaugeStation, 44);
        QCOMPARE(w.DialGaugeImage->x(), StationX[44] - 18);
        QVERIFY(qAbs(w.DisplayMeter1->geometry().center().x() - StationX[44]) <= 1);
        QVERIFY(qAbs(w.MeterComboBox->geometry().center().x() - StationX[44]) <= 1);
        // Moving the gauge never recalculates.
        QCOMPARE(w.BeamTheory.StationDeflection[60], before);
        QVERIFY(w.View->TheoryImage->Repaints - repaints <= 1);
        QVERIFY(Messages->Shown.empty());
    }

    // The gauge's readout and the view's are one function of the stored deflection: 30 g on a cantilever at
    // station 28 once gave "-1.13" from the gauge where the view wrote "-1.14" for station 44.
    void TheGaugeReadsWhatTheViewWrites_data() {
        QTest::addColumn<int>("grams");
        QTest::addColumn<int>("at");
        QTest::newRow("30 g at station 28") << 30 << 28;
        QTest::newRow("500 g at the free end") << 500 << 60;
        QTest::newRow("10 g at station 1") << 10 << 1;
    }
    void TheGaugeReadsWhatTheViewWrites() {
        QFETCH(int, grams);
        QFETCH(int, at);
        TVEK4Form& w = *Window;
        w.Layout.LeftClamp = true;
        w.Layout.HangerSlots[at] = {grams, true};
        w.Recalculate();
        for (int s = 0; s < StationCount; ++s) {
            // The view's text for station s, as a recalculation with the gauge there writes it.
            w.Layout.GaugeStation = s;
            w.Recalculate();
            const QString view = w.View->DialGaugeDeflection->text();
            // The gauge's text when slid onto station s.
            w.Layout.GaugeStation = s == 0 ? 1 : 0;
            w.ShowLayout();
            QTest::mousePress(w.DialGaugeImage, Qt::LeftButton, {}, {18, 30});
            QTest::mouseMove(w.DialGaugeImage, {18 + StationX[s] - StationX[w.Layout.GaugeStation], 30});
            QTest::mouseRelease(w.DialGaugeImage, Qt::LeftButton, {}, {18, 30});
            QCOMPARE(w.Layout.GaugeStation, s);
            QCOMPARE(w.View->DialGaugeDeflection->text(), view);
        }
    }

    void AfterTheUnsupportedWarningTheGaugeReadsZero() {
        TVEK4Form& w = *Window;
        DragTo(w.KnifeEdgeImage, AtStation(30, SupportY));
        DragTo(w.GramImages[4], AtStation(50, LoadY));
        QCOMPARE(Messages->Texts(), QStringList{UnsupportedBeamWarning});
        QCOMPARE(w.Layout.HangerSlots[50].Mass, 500); // the load is accepted; the theory refuses to bend
        for (int s : {0, 17, 50, 60}) {
            QTest::mousePress(w.DialGaugeImage, Qt::LeftButton, {}, {18, 30});
            QTest::mouseMove(w.DialGaugeImage, {18 + StationX[s] - StationX[w.Layout.GaugeStation], 30});
            QTest::mouseRelease(w.DialGaugeImage, Qt::LeftButton, {}, {18, 30});
            QCOMPARE(w.Layout.GaugeStation, s);
            QCOMPARE(w.View->DialGaugeDeflection->text(), QString("0.00 mm"));
        }
    }

    void HoverPopups() {
        TVEK4Form& w = *Window;
        PutClamps(false);
        DragTo(w.KnifeEdgeImage, AtStation(45, SupportY));
        DragTo(w.GramImages[0], AtStation(20, LoadY));
        QTest::mouseMove(w.KnifeEdge1, {12, 10});
        QCOMPARE(w.PositionPopup->text(), QString("Support Position"));
        QCOMPARE(w.PositionValue->text(), QString("450 mm"));
        QVERIFY(qAbs(w.PositionValue->geometry().center().x() - StationX[45]) <= 1);
        // (On a real X server a move is the server's pointer warped there; its event comes a moment later.)
        QTest::mouseMove(w.LClampImage, {8, 20});
        QTRY_COMPARE(w.PositionValue->text(), QString("0 mm"));
        QTest::mouseMove(w.HangerSlots[20].Hanger, {6, 40});
        QTRY_VERIFY(w.LoadPositionValue->isVisible() && w.PositionValue->isHidden());
        QCOMPARE(w.LoadPositionValue->text(), QString("200 mm"));
        // The bare picture hides both.
        QTest::mouseMove(w.ScreenImage, {300, 40});
        QTRY_VERIFY(w.LoadPositionValue->isHidden() && w.PositionValue->isHidden());
        QCOMPARE(w.StatusPanel0->text(), QString("Use tool box tools to add supports and weights to beam"));
    }

    void DisabledToolsDoNotDrag() {
        TVEK4Form& w = *Window;
        QTest::mouseClick(w.WizardBtn, Qt::LeftButton); // idle
        DragTo(w.GramImages[0], AtStation(30, LoadY));
        QVERIFY(!w.Layout.Loaded());
    }
};

QTEST_MAIN(TVEK4EditingTest)
#include "tst_vek4_editing.moc"
