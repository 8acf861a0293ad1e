// The laboratory tools on the real experiment window, headless: the switch (off: the designed window; on:
// capture, the "&Data" commands; remembered in the settings file), recording in virtual mode, and the
// readings window opened with Ctrl+T.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "LinkRig.h"
#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "lab/ReadingsModel.h"
#include "lab/ReadingsWindow.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "platform/SettingsFile.h"
#include "record/LabToolsSetting.h"
#include "theory/DeflectionView.h"

namespace {

void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        if (a->isVisible()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

class TVEK4LabTest : public QObject {
    Q_OBJECT

    // A window over a link manager (no unit) whose settings file is in a folder of the test's own.
    struct TRig {
        TRig() : Link(10, false) { Link.Module->SettingsFolder = Link.Folder; }
        TVEK4Form& Open() {
            TVEK4Environment environment;
            environment.Comms = Link.Module.get();
            environment.ShowModulePicture = [this](int module) { Pictures << module; };
            environment.Clock = [this] { return Now; };
            environment.CreateReadingsView = [](const TReadingsViewContext& c) -> TReadingsView* {
                return new TReadingsWindow(c);
            };
            Window = std::make_unique<TVEK4Form>(std::move(environment));
            Window->show();
            if (!QTest::qWaitForWindowExposed(Window.get())) qFatal("window not exposed");
            // The shortcuts (F10, Ctrl+0, Ctrl+T) need the active window; without a window manager nobody
            // else activates it.
            Window->activateWindow();
            if (!QTest::qWaitForWindowActive(Window.get())) qFatal("window not active");
            return *Window;
        }
        TLinkRig Link;
        std::unique_ptr<TVEK4Form> Window;
        QList<int> Pictures;
        qint64 Now = 1000;
    };

    // The switch through the keyboard: Alt+O opens "&Options", L is "&Laboratory tools".
    static void ToggleByKeyboard(TVEK4Form& w) {
        QTest::keyClick(w.MainMenu1, Qt::Key_O, Qt::AltModifier);
        QMenu* options = w.LabToolsAction->associatedObjects().isEmpty()
                             ? nullptr
                             : qobject_cast<QMenu*>(w.LabToolsAction->associatedObjects().first());
        QVERIFY(options && options->isVisible());
        QTest::keyClick(options, Qt::Key_L);
    }

    static void ExpectDesignedWindow(TRig& rig) {
        TVEK4Form& w = *rig.Window;
        QVERIFY(!w.LabToolsOn());
        QVERIFY(!w.LabToolsAction->isChecked());
        QVERIFY(!w.CaptureCombo->isEnabled());
        QCOMPARE(w.CaptureCombo->currentIndex(), -1);
        QVERIFY(!w.RecordDataMenu->menuAction()->isEnabled());
        QCOMPARE(MenuTexts(w.RecordDataMenu), (QStringList{"&Record data to table", "-"}));
        QVERIFY(w.ZeroedMark->isHidden());
        rig.Pictures.clear();
        QTest::keyClick(&w, Qt::Key_F10);
        Click(w.RecordDataBtn);
        QCOMPARE(rig.Pictures, (QList<int>{4, 4}));
        QVERIFY(w.Session().Table().Empty());
        // Ctrl+T and Ctrl+0 do nothing while the tools are off.
        QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!w.ReadingsView());
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallDesignFontSubstitutes();
        RegisterProgramCursors();
    }

    void OffByDefaultOnAtOnceAndRemembered() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        ExpectDesignedWindow(rig);
        // "&Laboratory tools" sits right after "&Set Communications Options".
        QMenu* options = qobject_cast<QMenu*>(w.SelectCOMPort1->associatedObjects().first());
        QCOMPARE(MenuTexts(options), (QStringList{"&Set Communications Options", "&Laboratory tools"}));

        ToggleByKeyboard(w);
        QVERIFY(w.LabToolsOn());
        QVERIFY(w.LabToolsAction->isChecked());
        QVERIFY(w.CaptureCombo->isEnabled());
        QCOMPARE(w.CaptureCombo->count(), 10);
        QCOMPARE(w.CaptureCombo->itemText(8), QString("Circular Bending, variable load"));
        QVERIFY(w.RecordDataMenu->menuAction()->isEnabled());
        QCOMPARE(MenuTexts(w.RecordDataMenu),
                 (QStringList{"&Record data to table", "&New run", "&Zero gauges", "C&lear zero", "-",
                              "Show &table", "Show &diagrams"}));
        QCOMPARE(w.ZeroGaugesAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
        QCOMPARE(w.ShowTableAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        // Disabled commands say why.
        QVERIFY(!w.ZeroGaugesAction->isEnabled());
        QVERIFY2(w.ZeroGaugesAction->statusTip().contains("needs a connected VEK2000"),
                 qPrintable(w.ZeroGaugesAction->statusTip()));
        QVERIFY(!w.ClearZeroAction->isEnabled());
        QVERIFY(w.ClearZeroAction->statusTip().contains("no zero is in use"));
        QVERIFY(w.ShowTableAction->isEnabled());
        QCOMPARE(ReadLabToolsEnabled(rig.Link.Module->SettingsFilePath()), true);

        // F10 now records (virtual experiments are on when the window opens), no picture.
        rig.Pictures.clear();
        QTest::keyClick(&w, Qt::Key_F10);
        QCOMPARE(w.Session().Table().Count(), 1);
        QVERIFY(rig.Pictures.isEmpty());
        QVERIFY(messages.Shown.empty());

        // A new window reads the switch on.
        rig.Window.reset();
        TVEK4Form& again = rig.Open();
        QVERIFY(again.LabToolsOn() && again.CaptureCombo->isEnabled() &&
                again.RecordDataMenu->menuAction()->isEnabled());

        // Off again: the designed window, and the file says so.
        ToggleByKeyboard(again);
        ExpectDesignedWindow(rig);
        QCOMPARE(ReadLabToolsEnabled(rig.Link.Module->SettingsFilePath()), false);
    }

    // Virtual mode: a 100 g hanger at midspan of a 600 mm simply supported flat aluminium bar. The row has
    // the property and its value, the gauge position, the readout's theory and blank measured columns.
    void RecordingInVirtualMode() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        w.LabToolsActionClick(true);
        TBeamLayout& l = w.Layout;
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 0;
        l.KnifeEdge2Station = 60;
        l.UpdateKnifeEdgeOrder();
        l.HangerSlots[30].Mass = 100;
        w.DrawHanger(30);
        // "Variable hanger load": the second item, chosen with the keyboard on the closed list.
        w.CaptureCombo->setFocus();
        QTest::keyClick(w.CaptureCombo, Qt::Key_Down);
        QTest::keyClick(w.CaptureCombo, Qt::Key_Down);
        QCOMPARE(w.CaptureCombo->currentText(), QString("Variable hanger load"));

        rig.Now = 5000;
        Click(w.RecordDataBtn);
        rig.Now = 7500;
        w.Recorddatatotable1->trigger();
        QVERIFY(messages.Shown.empty());
        const TReadingsTable& t = w.Session().Table();
        QCOMPARE(t.Count(), 2);
        const TReading& r = t.Row(1);
        QCOMPARE(r.Number, 2);
        QCOMPARE(r.ElapsedS, 2.5);
        QCOMPARE(r.Property, TVariedProperty::HangerLoad);
        QCOMPARE(r.Varied.Text, QString("100 g (0.98 N)"));
        QCOMPARE(r.GaugePositionMm(), 300);
        // P L^3 / (48 E I): 0.980665 N x 0.216 m^3 / (48 x 69e9 Pa x 19.05 x 3.18^3 / 12 x 1e-12 m^4)
        // = 1.2528 mm downward, shown negative.
        const double hand = -0.980665 * 0.216 / (48 * 69e9 * 19.05 * 3.18 * 3.18 * 3.18 / 12 * 1e-12) * 1000;
        QVERIFY2(std::abs(r.TheoryMm - hand) < 1e-4, qPrintable(QString::number(r.TheoryMm, 'g', 10)));
        QCOMPARE(FormatFixed(r.TheoryMm, 2) + " mm", w.View->DialGaugeDeflection->text());
        QVERIFY(!r.Gauges[0].Valid && !r.Gauges[1].Valid);
        QVERIFY(!r.DifferenceMm());

        // Ctrl+T: the readings window beside the experiment window, measured columns blank, the fit says why.
        QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
        auto* view = dynamic_cast<TReadingsWindow*>(w.ReadingsView());
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->windowTitle(), QString("Readings"));
        QCOMPARE(view->Model->rowCount(), 2);
        QCOMPARE(view->Model->index(1, TReadingsModel::Gauge1).data().toString(), QString());
        QCOMPARE(view->Model->index(1, TReadingsModel::Theory).data().toString(), QString("-1.25"));
        QVERIFY(view->FitLabel->text().contains("at least two readings with a measured value"));
        QCOMPARE(view->PlotView->Series().XTitle, QString("Hanger load (N)"));
        // A third row reaches the open window at once.
        w.RecordReading();
        QCOMPARE(view->Model->rowCount(), 3);
        QCOMPARE(
            w.StatusBar1->currentMessage(),
            QString("Row 3 recorded: theory %1 mm at the gauge (virtual mode)").arg(FormatFixed(hand, 2)));

        // The lab keys work from the readings window too: with the focus in its table (after a note), F10
        // records and Ctrl+T brings the table forward; the status bar of the experiment window says so.
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        view->Grid->setFocus();
        rig.Now = 9000;
        QTest::keyClick(view->Grid, Qt::Key_F10);
        QCOMPARE(t.Count(), 4);
        QCOMPARE(view->Model->rowCount(), 4);
        QVERIFY(w.StatusBar1->currentMessage().startsWith("Row 4 recorded:"));
        // Closing the experiment window closes the readings window.
        w.close();
        QVERIFY(!view->isVisible());
    }

    // Loading, Ctrl+R, unloading: two runs. A material chosen mid-run starts a run by itself, and a second
    // hanger under "hanger position" is recorded but marked; the status bar says each.
    void RunsFromTheWindow() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        w.LabToolsActionClick(true);
        TBeamLayout& l = w.Layout;
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 0;
        l.KnifeEdge2Station = 60;
        l.UpdateKnifeEdgeOrder();
        w.CaptureCombo->setCurrentIndex(0); // "Variable hanger position"
        for (int station : {20, 30}) {
            l.HangerSlots = {};
            l.HangerSlots[station].Mass = 100;
            w.DrawHanger(station);
            QTest::keyClick(&w, Qt::Key_F10);
        }
        QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
        QVERIFY2(w.StatusBar1->currentMessage().contains("Run 2"),
                 qPrintable(w.StatusBar1->currentMessage()));
        QTest::keyClick(&w, Qt::Key_F10);
        QVERIFY2(w.StatusBar1->currentMessage().contains("Run 2 begins: New run"),
                 qPrintable(w.StatusBar1->currentMessage()));
        // Steel in the tool box: the next row is run 3, and says why.
        w.Sections->YoungsModulus->setCurrentIndex(1);
        QTest::keyClick(&w, Qt::Key_F10);
        QVERIFY2(
            w.StatusBar1->currentMessage().contains("Run 3 begins: another material (Steel after Aluminium)"),
            qPrintable(w.StatusBar1->currentMessage()));
        // A second hanger: the position is undefined; the row is kept, marked, and not fitted.
        l.HangerSlots[45].Mass = 200;
        w.DrawHanger(45);
        QTest::keyClick(&w, Qt::Key_F10);
        QVERIFY2(w.StatusBar1->currentMessage().contains("not fitted: 2 hangers on the beam"),
                 qPrintable(w.StatusBar1->currentMessage()));
        const TReadingsTable& t = w.Session().Table();
        QCOMPARE(t.Count(), 5);
        QCOMPARE((std::vector<int>{t.Row(0).Run, t.Row(1).Run, t.Row(2).Run, t.Row(3).Run, t.Row(4).Run}),
                 (std::vector<int>{1, 1, 2, 3, 3}));
        QVERIFY(messages.Shown.empty());
    }

    void RecordingRefusedWhileIdle() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        w.LabToolsActionClick(true);
        Click(w.WizardBtn); // virtual experiments off: idle
        QTest::keyClick(&w, Qt::Key_F10);
        QCOMPARE(messages.Texts(), QStringList{LabTexts::NotRecordedIdle});
        QVERIFY(w.Session().Table().Empty());
    }
    // A lab window the student moved (or resized) opens there again in the next session, kept whole on the
    // screen; a place the settings file garbles, or one off the screen, never puts it out of sight.
    void MovedLabWindowOpensThereNextTime() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        w.LabToolsActionClick(true);
        QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
        auto* view = dynamic_cast<TReadingsWindow*>(w.ReadingsView());
        QVERIFY(view && view->isVisible());
        QTest::qWait(1500); // the program's own placing is over (it places again 300 ms after showing)
        const QRect area = view->screen()->availableGeometry();
        const QPoint chosen = area.topLeft() + QPoint(30, 20);
        view->move(chosen);
        view->resize(view->width() + 40, view->height());
        const QRect left = view->geometry();
        const QString file = rig.Link.Module->SettingsFilePath();
        QTRY_VERIFY(ReadSettingsText(file).Value("LabWindows", "ReadingsWindow").has_value());
        QCOMPARE(*ReadSettingsText(file).Value("LabWindows", "ReadingsWindow"),
                 QString("%1,%2,%3,%4").arg(view->x()).arg(view->y()).arg(left.width()).arg(left.height()));

        rig.Window.reset();
        TVEK4Form& again = rig.Open();
        QTest::keyClick(&again, Qt::Key_T, Qt::ControlModifier);
        auto* reopened = dynamic_cast<TReadingsWindow*>(again.ReadingsView());
        QVERIFY(reopened && reopened->isVisible());
        QTest::qWait(400); // past the second arrangement after the window system framed it
        QCOMPARE(reopened->geometry(), left);

        // Off the screen, or not four numbers: on the screen, whole.
        for (const QString& stored : {QStringLiteral("9000,9000,700,500"), QStringLiteral("12,x,3"),
                                      QStringLiteral("-5000,20,99999999999,5")}) {
            rig.Window.reset();
            QVERIFY(WriteSettingsValues(file, {{"LabWindows", "ReadingsWindow", stored}}) ==
                    TSettingsWrite::Written);
            TVEK4Form& next = rig.Open();
            QTest::keyClick(&next, Qt::Key_T, Qt::ControlModifier);
            auto* shown = dynamic_cast<TReadingsWindow*>(next.ReadingsView());
            QVERIFY(shown && shown->isVisible());
            QTest::qWait(400);
            QVERIFY2(area.contains(shown->frameGeometry()), qPrintable(stored));
        }
        QVERIFY(messages.Shown.empty());
    }
};

QTEST_MAIN(TVEK4LabTest)
#include "tst_vek4_lab.moc"
