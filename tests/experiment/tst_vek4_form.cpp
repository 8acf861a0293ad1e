// The experiment window on its real widgets, headless: opening, the three modes from the toolbar and the
// menu, "New layout", the pictures of a weight (DrawHanger), F10, and every way of closing it. The connected
// mode runs the real link manager on a scripted USB bus with a unit plugged in.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "LinkRig.h"
#include "experiment/PictureControl.h"
#include "experiment/SectionsPanel.h"
#include "experiment/VEK4.h"
#include "lab/LabWindowPlacement.h"
#include "platform/ApplicationHint.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "resources/apparatus/ApparatusArt.h"
#include "theory/DeflectionView.h"
#include "widgets/IntegerSpinEdit.h"
#include "widgets/SpinEditFloat.h"

namespace {

enum class TMode { Idle, Virtual, Connected };

// What a control must be in a mode: shown/hidden, enabled/disabled; '-' where the mode says nothing.
struct TExpect {
    char Visible; // 'y', 'n' or '-'
    char Enabled;
};

struct TRow {
    const char* Name;
    TExpect Idle, Virtual, Connected;
};

// The table of controls by mode. Rows for a family name every member.
const TRow ControlsByMode[] = {
    {"WizardBtn", {'y', 'y'}, {'y', 'y'}, {'y', 'n'}},
    {"ConnectBtn", {'y', 'y'}, {'y', 'n'}, {'y', 'n'}},
    {"DisconnectBtn", {'y', 'n'}, {'y', 'n'}, {'y', 'y'}},
    {"NewButton", {'y', 'n'}, {'y', 'y'}, {'y', 'y'}},
    {"WeightsBinImage", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"VariableWeightLabel", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"EmptyHangerImage", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"WeightSpinEdit", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"WeightUnits", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"Gram100Image", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"Gram200Image", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"Gram300Image", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"Gram400Image", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"Gram500Image", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"EndClampImage", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"KnifeEdgeImage", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"X1", {'-', 'n'}, {'-', 'y'}, {'-', 'y'}},
    {"Y1", {'-', 'n'}, {'-', 'y'}, {'-', 'y'}},
    {"UDLButton", {'-', 'n'}, {'y', 'y'}, {'-', 'n'}},
    {"UDLSpinEdit", {'-', 'n'}, {'y', 'y'}, {'-', 'n'}},
    {"UDLLbl", {'-', 'n'}, {'y', 'y'}, {'-', 'n'}},
    {"DialGaugeImage", {'y', 'n'}, {'y', 'y'}, {'y', 'y'}},
    {"YoungsModulus", {'-', 'n'}, {'y', 'y'}, {'-', 'y'}},
    {"SectionsComboBox", {'n', '-'}, {'y', '-'}, {'n', '-'}},
    {"DeflectionLabel", {'n', '-'}, {'y', '-'}, {'y', '-'}},
    {"DialGaugeDeflection", {'n', '-'}, {'y', '-'}, {'y', '-'}},
    {"ActualDeflectionLabel", {'n', '-'}, {'n', '-'}, {'y', '-'}},
    {"ActualDeflection", {'n', '-'}, {'n', '-'}, {'y', '-'}},
    {"DisplayMeter1", {'n', '-'}, {'n', '-'}, {'y', '-'}},
    {"MeterComboBox", {'n', '-'}, {'n', '-'}, {'n', '-'}},
};

struct TActionRow {
    const char* Name;
    bool Idle, Virtual, Connected; // enabled
};
const TActionRow ActionsByMode[] = {
    {"RunVirtual", true, true, false},      {"RunConnect", true, false, false},
    {"RunDisconnect", false, false, true},  {"FileNew", false, true, true},
    {"RecordDataAction", true, true, true}, {"SelectCOMPort1", true, true, true},
    {"FileExit", true, true, true},
};

// A unit on the scripted USB bus, so the link manager connects at once.
std::unique_ptr<TLinkRig> RigWithUSBUnit() {
    return std::make_unique<TLinkRig>(10, false,
                                      [](TScriptedHidLayer& hid) { hid.Plug(VekVendorID, VekProductID); });
}

} // namespace

class TVEK4FormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TVEK4Form> Window;
    std::unique_ptr<TLinkRig> Rig;
    TRecordingMessages* Messages = nullptr;
    QList<int> PicturesShown;
    int AboutBoxes = 0;

    void Open(TCommsModule* comms = nullptr) {
        TVEK4Environment environment;
        environment.Comms = comms;
        environment.ShowModulePicture = [this](int module) { PicturesShown << module; };
        environment.ShowAbout = [this](QWidget*) { ++AboutBoxes; };
        Window = std::make_unique<TVEK4Form>(std::move(environment));
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }

    template <typename T = QWidget> T* Control(const char* name) {
        T* w = Window->findChild<T*>(QString::fromLatin1(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }

    void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    void EnterMode(TMode mode) {
        if (mode == TMode::Idle) {
            Click(Window->WizardBtn);
        } else if (mode == TMode::Connected) {
            Click(Window->WizardBtn);
            Click(Window->ConnectBtn);
            QVERIFY(Window->DisconnectBtn->isEnabled());
        }
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallDesignFontSubstitutes();
        RegisterProgramCursors();
    }
    void init() {
        Messages = new TRecordingMessages;
        PicturesShown.clear();
        AboutBoxes = 0;
    }
    void cleanup() {
        Window.reset();
        Rig.reset();
        delete Messages;
        Messages = nullptr;
    }

    void OpensInVirtualExperimentsWithAnEmptyBeam() {
        Open();
        QCOMPARE(Window->windowTitle(), QString("Deflection of Beams and Cantilevers (VEK4)"));
        // The designed place where the screen holds the whole window there; otherwise (the offscreen
        // platform's screen is 800 x 600) the nearest place where it is whole.
        const QRect area = Window->screen()->availableGeometry();
        const QRect designed(QPoint(507, 261), Window->frameGeometry().size());
        QCOMPARE(Window->pos(),
                 area.contains(designed) ? designed.topLeft() : NearestOnScreen(designed, area).topLeft());
        QCOMPARE(Window->findChild<QWidget*>("Client")->size(), QSize(756, 546));
        QCOMPARE(Window->ScreenImage->geometry(), QRect(0, 0, 752, 491));
        QVERIFY(Window->WizardBtn->isChecked());
        QVERIFY(!Window->Layout.Loaded());
        QCOMPARE(Window->Layout.SupportArrangement(), TSupportArrangement::Unsupported);
        for (const THangerSlotControls& slot : Window->HangerSlots)
            QVERIFY(slot.Hanger->isHidden() && slot.Arrow->isHidden() && slot.MassLabel->isHidden());
        for (QWidget* w :
             {static_cast<QWidget*>(Window->LClampImage), static_cast<QWidget*>(Window->KnifeEdge1),
              static_cast<QWidget*>(Window->UDLImage)})
            QVERIFY(w->isHidden());
        // The gauge at 300 mm, its stylus on station 30.
        QCOMPARE(Window->Layout.GaugeStation, 30);
        QCOMPARE(Window->DialGaugeImage->x() + 18, StationX[30]);
        QCOMPARE(Window->StatusPanel0->text(),
                 QString("Use tool box tools to add supports and weights to beam"));
        // "0g" centred over the empty hanger: its Left + Round(12 / 2) - Round(width / 2).
        QLabel* label = Window->VariableWeightLabel;
        QCOMPARE(label->text(), QString("0g"));
        const int centre = Window->EmptyHangerImage->x() + 6;
        QVERIFY2(
            qAbs(label->x() + label->width() / 2 - centre) <= 1,
            qPrintable(
                QString("label %1+%2, hanger centre %3").arg(label->x()).arg(label->width()).arg(centre)));
        QCOMPARE(Window->ComsLabel->text(), QString("Comms link OFF"));
        QVERIFY(!Window->RedLED->isHidden() && Window->GreenLED->isHidden() && Window->AmberLED->isHidden());
    }

    void MenuIsAsDesigned() {
        Open();
        QStringList titles;
        for (QAction* a : Window->MainMenu1->actions())
            if (a->isVisible()) titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "&Run", "&Options", "&Data", "&Help"}));
        QVERIFY(!Window->FileOpen->isVisible());
        QVERIFY(!Window->WindowMenu->menuAction()->isVisible() &&
                !Window->WindowMenu->menuAction()->isEnabled());
        QVERIFY(!Window->VersionInformation1->isVisible());
        QVERIFY(!Window->RecordDataMenu->menuAction()->isEnabled());
        QVERIFY(!Window->CaptureCombo->isEnabled());
        QCOMPARE(Window->CaptureCombo->count(), 10);
        QCOMPARE(Window->CaptureCombo->placeholderText(), QString("Select property being varied..."));
        QCOMPARE(Window->RecordDataAction->shortcut(), QKeySequence(Qt::Key_F10));
    }

    void ControlsByModeTable_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("idle") << int(TMode::Idle);
        QTest::newRow("virtual experiments") << int(TMode::Virtual);
        QTest::newRow("connected") << int(TMode::Connected);
    }
    void ControlsByModeTable() {
        QFETCH(int, mode);
        Rig = RigWithUSBUnit();
        Open(Rig->Module.get());
        EnterMode(TMode(mode));
        // A weight on the beam, so the table's row for the items on the beam can be read in every mode.
        if (TMode(mode) != TMode::Idle) {
            Window->Layout.LeftClamp = true;
            Window->Layout.HangerSlots[30] = {200, true};
            Window->DrawHanger(30);
        }
        for (const TRow& row : ControlsByMode) {
            const TExpect e = mode == 0 ? row.Idle : mode == 1 ? row.Virtual : row.Connected;
            QWidget* w = Control(row.Name);
            if (e.Visible != '-') QVERIFY2(w->isVisibleTo(Window.get()) == (e.Visible == 'y'), row.Name);
            if (e.Enabled != '-') QVERIFY2(w->isEnabled() == (e.Enabled == 'y'), row.Name);
        }
        for (const TActionRow& row : ActionsByMode) {
            auto* a = Window->findChild<QAction*>(row.Name);
            QVERIFY2(a, row.Name);
            QVERIFY2(a->isEnabled() == (mode == 0   ? row.Idle
                                        : mode == 1 ? row.Virtual
                                                    : row.Connected),
                     row.Name);
        }
        QCOMPARE(Window->WizardBtn->isChecked(), TMode(mode) == TMode::Virtual);
        QCOMPARE(Window->Panel1ShowHint(), TMode(mode) != TMode::Idle);
        const int designTop = TSectionsPanel::RadioGroupDesignTop;
        QCOMPARE(Window->Sections->RadioGroup->y(),
                 TMode(mode) == TMode::Virtual ? designTop : designTop + 7);
        QCOMPARE(Window->StatusPanel0->text(),
                 TMode(mode) == TMode::Idle
                     ? QString("Connect VEK2000 / Select Virtual Experiments")
                     : QString("Use tool box tools to add supports and weights to beam"));
        if (TMode(mode) != TMode::Idle) {
            // Items on the beam respond in both active modes.
            QVERIFY(Window->LClampImage->isEnabled());
            QVERIFY(Window->HangerSlots[30].Hanger->isEnabled());
            QVERIFY(Window->HangerSlots[30].MassLabel->isEnabled());
        } else {
            QCOMPARE(Window->Sections->SectionsComboBox->currentIndex(), 0);
        }
        QVERIFY2(Messages->Shown.empty(), qPrintable(Messages->Texts().join(" | ")));
    }

    void DisconnectKeepsTheLayoutDisabled() {
        Rig = RigWithUSBUnit();
        Open(Rig->Module.get());
        EnterMode(TMode::Connected);
        Window->Layout.LeftClamp = true;
        Window->Layout.HangerSlots[60].Mass = 100;
        Window->DrawHanger(60);
        Window->RunDisconnect->trigger();
        QVERIFY(!Rig->Module->Connected());
        QVERIFY(Window->ConnectBtn->isEnabled() && Window->WizardBtn->isEnabled() &&
                Window->RunVirtual->isEnabled());
        QVERIFY(!Window->DisconnectBtn->isEnabled());
        // The layout stays, out of reach; the readouts stay with dashes; the meter goes.
        QVERIFY(Window->HangerSlots[60].Hanger->isVisible() && !Window->HangerSlots[60].Hanger->isEnabled());
        QVERIFY(!Window->LClampImage->isEnabled() && !Window->DialGaugeImage->isEnabled());
        QVERIFY(Window->ActualDeflection->isVisible());
        QCOMPARE(Window->ActualDeflection->text(), QString("--.-- mm"));
        QVERIFY(Window->DisplayMeter1->isHidden());
        QVERIFY(Window->NewButton->isEnabled());
        // "New layout" then leaves nothing to clear.
        Click(Window->NewButton);
        QVERIFY(!Window->NewButton->isEnabled() && !Window->FileNew->isEnabled());
        QVERIFY(!Window->Layout.Loaded());
    }

    void ARefusedConnectionChangesNothing() {
        Open(); // no link manager: nothing can connect
        EnterMode(TMode::Idle);
        Click(Window->ConnectBtn);
        QVERIFY(Window->ConnectBtn->isEnabled());
        QVERIFY(!Window->DisconnectBtn->isEnabled());
        QVERIFY(!Window->EndClampImage->isEnabled());
    }

    void VirtualExperimentsOffAndOnAgain_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("toolbar") << false;
        QTest::newRow("menu") << true;
    }
    void VirtualExperimentsOffAndOnAgain() {
        QFETCH(bool, fromMenu);
        Open();
        TBeamLayout& l = Window->Layout;
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 10;
        l.KnifeEdge2Station = 50;
        l.UpdateKnifeEdgeOrder();
        l.HangerSlots[30].Mass = 500;
        Window->PlaceUDL();
        Window->SetUDLToolsEnabled(false);
        Window->Recalculate();
        Window->Sections->SectionsComboBox->setCurrentIndex(3);
        QVERIFY(Window->KnifeEdge1->isVisible() && Window->UDLImage->isVisible());
        QVERIFY(Window->View->NegativeDeflectLbl->isVisible());

        auto toggle = [&] {
            if (fromMenu)
                Window->RunVirtual->trigger();
            else
                Click(Window->WizardBtn);
        };
        toggle();
        QVERIFY(!Window->WizardBtn->isChecked());
        QVERIFY(!l.Loaded());
        QVERIFY(!l.KnifeEdge1 && !l.KnifeEdge2);
        QVERIFY(Window->KnifeEdge1->isHidden() && Window->Pivot1Image->isHidden() &&
                Window->UDLImage->isHidden());
        QVERIFY(Window->HangerSlots[30].Hanger->isHidden());
        QCOMPARE(Window->Sections->SectionsComboBox->currentIndex(), 0);
        QVERIFY(Window->Sections->SectionsComboBox->isHidden());
        QVERIFY(Window->ConnectBtn->isEnabled() && Window->RunConnect->isEnabled());
        QVERIFY(Window->View->NegativeDeflectLbl->isHidden() && Window->View->PositiveDeflectLbl->isHidden());
        QCOMPARE(Window->View->MinDeflectionLbl->text(), QString("-1"));

        toggle();
        QVERIFY(Window->WizardBtn->isChecked());
        QVERIFY(!l.Loaded());
        QVERIFY(Window->EndClampImage->isEnabled() && Window->UDLButton->isEnabled());
        QVERIFY(!Window->ConnectBtn->isEnabled());
        QCOMPARE(Window->StatusPanel0->text(),
                 QString("Use tool box tools to add supports and weights to beam"));
    }

    void NewLayoutEmptiesTheBeamAndKeepsTheGauge() {
        Open();
        TBeamLayout& l = Window->Layout;
        l.LeftClamp = l.RightClamp = true;
        for (int s : {0, 1, 2, 30, 59, 60})
            l.HangerSlots[s] = {s * 5, s % 2 == 1};
        Window->PlaceUDL();
        Window->SetUDLToolsEnabled(false);
        l.GaugeStation = 44;
        Window->Recalculate();
        QVERIFY(Window->HangerSlots[0].Hanger->isVisible());
        QVERIFY(Window->View->NegativeDeflectLbl->isVisible());

        QTest::keyClick(Window->MainMenu1, Qt::Key_F, Qt::AltModifier); // the "&File" menu by keyboard
        Window->FileNew->trigger();
        for (int s = 0; s < StationCount; ++s) {
            QCOMPARE(l.HangerSlots[s].Mass, -1);
            const THangerSlotControls& c = Window->HangerSlots[s];
            QVERIFY(c.Hanger->isHidden() && c.Arrow->isHidden() && c.ForceLabel->isHidden() &&
                    c.MassLabel->isHidden());
        }
        QVERIFY(!l.UDL && Window->UDLImage->isHidden() && Window->UDLLabel->isHidden() &&
                Window->UDL2Image->isHidden());
        QCOMPARE(Window->UDLImage->width(), 12);
        QVERIFY(Window->LClampImage->isHidden() && Window->RClampImage->isHidden() &&
                Window->LeftSupport->isHidden());
        QVERIFY(Window->UDLButton->isEnabled() && Window->UDLSpinEdit->isEnabled() &&
                Window->UDLLbl->isEnabled());
        QCOMPARE(Window->UDLButton->statusTip(),
                 QString("Click to put a Uniformly Distributed Load on the beam"));
        QCOMPARE(l.GaugeStation, 44);
        QCOMPARE(Window->DialGaugeImage->x(), StationX[44] - 18);
        QVERIFY(Window->NewButton->isEnabled()); // still virtual experiments
        QCOMPARE(Window->View->DialGaugeDeflection->text(), QString("0.00 mm"));
        QVERIFY(Window->View->NegativeDeflectLbl->isHidden());
    }

    void DrawHangerPlacesItsPictures_data() {
        QTest::addColumn<int>("station");
        QTest::addColumn<int>("mass");
        QTest::addColumn<bool>("variable");
        QTest::addColumn<int>("arrowHeight");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("force");
        // s mod 3: 1 small arrow (32) and d 35; 2 medium (44) and 22; 0 large (56) and 9.
        QTest::newRow("station 0, 100 g") << 0 << 100 << false << 56 << 9 << "0.98";
        QTest::newRow("station 25, 300 g") << 25 << 300 << false << 32 << 35 << "2.94";
        QTest::newRow("station 26, 250 g variable") << 26 << 250 << true << 44 << 22 << "2.45";
        QTest::newRow("station 60, 500 g") << 60 << 500 << false << 56 << 9 << "4.90";
        QTest::newRow("station 31, 0 g variable") << 31 << 0 << true << 32 << 35 << "0.00";
        QTest::newRow("station 13, 10 g variable") << 13 << 10 << true << 32 << 35 << "0.10";
    }
    void DrawHangerPlacesItsPictures() {
        QFETCH(int, station);
        QFETCH(int, mass);
        QFETCH(bool, variable);
        QFETCH(int, arrowHeight);
        QFETCH(int, d);
        QFETCH(QString, force);
        Open();
        Window->Layout.LeftClamp = true;
        Window->Layout.HangerSlots[station] = {mass, variable};
        Window->DrawHanger(station);
        const THangerSlotControls& c = Window->HangerSlots[station];
        const int x = StationX[station];
        QCOMPARE(c.Hanger->geometry(), QRect(x - 6, 144, 12, 85));
        QCOMPARE(c.Hanger->Tag, station);
        QCOMPARE(c.Hanger->statusTip(), QString("%1 grams").arg(mass));
        QCOMPARE(c.Arrow->size(), QSize(10, arrowHeight));
        QCOMPARE(c.Arrow->pos(), QPoint(x - 5, 302 - arrowHeight));
        QCOMPARE(c.ForceLabel->text(), force);
        QCOMPARE(c.ForceLabel->pos(), QPoint(x - 8, 302 - arrowHeight - c.ForceLabel->height()));
        QVERIFY(c.ForceLabel->isVisible());
        QCOMPARE(c.MassLabel->isVisible(), variable);
        if (variable) {
            QCOMPARE(c.MassLabel->text(), QString::number(mass));
            QCOMPARE(c.MassLabel->y(), 174 + d);
            QVERIFY(qAbs(c.MassLabel->x() + c.MassLabel->width() / 2 - x) <= 1);
            QCOMPARE(c.MassLabel->statusTip(), QString("%1 grams").arg(mass));
        }
        // The hanger's picture is the bare hanger over rows 11.. of the mass picture.
        const QImage bare = ApparatusBitmap("LoadHangerImage");
        const QImage masses =
            ApparatusBitmap(variable ? QString("EmptyHangerImage") : QString("Gram%1Image").arg(mass));
        const QImage composed = c.Hanger->Picture();
        QCOMPARE(composed.copy(0, 0, 12, 35).convertToFormat(QImage::Format_ARGB32),
                 bare.copy(0, 0, 12, 35).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(composed.copy(0, 35, 12, 50).convertToFormat(QImage::Format_ARGB32),
                 masses.copy(0, 11, 12, 50).convertToFormat(QImage::Format_ARGB32));
        // And the theory ran: a cantilever with a load bends.
        QVERIFY(Window->Layout.Loaded());
        // (A load at the clamp itself bends nothing.)
        QVERIFY(mass == 0 || station == 0 || Window->BeamTheory.StationDeflection[60] > 0);
    }

    void ThreeNeighboursGetThreeArrowLengths() {
        Open();
        Window->Layout.LeftClamp = true;
        for (int s = 20; s <= 22; ++s)
            Window->Layout.HangerSlots[s] = {100, true};
        Window->Recalculate();
        QSet<int> heights, labelTops;
        for (int s = 20; s <= 22; ++s) {
            heights << Window->HangerSlots[s].Arrow->height();
            labelTops << Window->HangerSlots[s].MassLabel->y();
        }
        QCOMPARE(heights.size(), 3);
        QCOMPARE(labelTops.size(), 3);
    }

    void LayoutPicturesFollowTheModel() {
        Open();
        TBeamLayout& l = Window->Layout;
        l.KnifeEdge1 = l.KnifeEdge2 = true;
        l.KnifeEdge1Station = 50;
        l.KnifeEdge2Station = 10;
        l.UpdateKnifeEdgeOrder();
        Window->PlaceUDL();
        Window->Recalculate();
        QCOMPARE(Window->KnifeEdge1->pos(), QPoint(StationX[50] - 12, 144));
        QCOMPARE(Window->Pivot2Image->pos(), QPoint(StationX[10] - 5, 304));
        // The UDL covers the span between the knife-edges only, 20 N/m from the box.
        QCOMPARE(Window->UDLImage->geometry(),
                 QRect(StationX[10] - 4, 123, StationX[50] - StationX[10] + 8, 21));
        QCOMPARE(Window->UDL2Image->geometry(),
                 QRect(StationX[10] - 4, 281, StationX[50] - StationX[10] + 8, 21));
        QCOMPARE(Window->UDLLabel->text(), QString("20 N/m"));
        QCOMPARE(Window->UDLImage->statusTip(), QString("Uniformly distributed load of 20 N/m"));
        const QRect strip = Window->UDLImage->geometry();
        QVERIFY(qAbs(Window->UDLLabel->geometry().center().x() - strip.center().x()) <= 1);
        QCOMPARE(Window->UDLLabel->y(), 272);
        // The theory laid the UDL out again when the knife-edge moved.
        l.KnifeEdge1Station = 40;
        l.UpdateKnifeEdgeOrder();
        Window->Recalculate();
        QCOMPARE(Window->UDLImage->width(), StationX[40] - StationX[10] + 8);
        // A clamp at each end.
        l.KnifeEdge1 = l.KnifeEdge2 = false;
        l.LeftClamp = l.RightClamp = true;
        Window->Recalculate();
        QCOMPARE(Window->LClampImage->geometry(), QRect(71, 128, 17, 46));
        QCOMPARE(Window->RClampImage->pos(), QPoint(441, 128));
        QCOMPARE(Window->LeftSupport->geometry(), QRect(76, 285, 12, 37));
        QCOMPARE(Window->RightSupport->pos(), QPoint(441, 285));
        QCOMPARE(Window->UDLImage->width(), 361);
        QVERIFY(Window->KnifeEdge1->isHidden() && Window->Pivot1Image->isHidden());
    }

    void NoControlIsCreatedWhileTheLayoutChanges() {
        Open();
        const int before = Window->findChildren<QObject*>().size();
        TBeamLayout& l = Window->Layout;
        l.LeftClamp = true;
        for (int s = 0; s < StationCount; ++s)
            l.HangerSlots[s] = {(s % 6) * 100, s % 2 == 0};
        Window->PlaceUDL();
        Window->Recalculate();
        Window->NewButtonClick();
        QCOMPARE(Window->findChildren<QObject*>().size(), before);
    }

    void F10ShowsTheRecordDataPicture() {
        Open();
        QVERIFY(!Window->RecordDataMenu->menuAction()->isEnabled());
        QTest::keyClick(Window.get(), Qt::Key_F10);
        QCOMPARE(PicturesShown, QList<int>{4});
        Click(Window->RecordDataBtn);
        QCOMPARE(PicturesShown, (QList<int>{4, 4}));
        Window->About1->trigger();
        QCOMPARE(AboutBoxes, 1);
    }

    void HintsFollowTheControlUnderTheMouse() {
        Open();
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
        auto hover = [&](QWidget* w) {
            QTest::mouseMove(Window->ScreenImage, {300, 30});
            QTest::mouseMove(w, w->rect().center());
            return Window->StatusPanel1->text();
        };
        // An enabled tool shows its hint in the second panel; so does a control on the picture.
        QCOMPARE(hover(Window->EndClampImage), QString("Drag clamps to either end of beam"));
        QCOMPARE(hover(Window->NewButton), QString("New layout"));
        // Disabled tools never show theirs, and the picture shows none while idle.
        Click(Window->WizardBtn);
        QCOMPARE(hover(Window->EndClampImage), QString());
        QCOMPARE(hover(Window->NewButton), QString());
        QCOMPARE(hover(Window->Sections->RadioGroup), QString());
        QCOMPARE(hover(Window->ConnectBtn), QString("Connect to VEK2000 unit"));
    }

    // Every control with a tooltip puts the same hint in the status bar, and the hint panel, the last,
    // runs to the window's edge so the longest hint shows whole.
    void ToolBoxHintsReachTheStatusBarWhole() {
        Open();
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
        auto hover = [&](QWidget* w) {
            QTest::mouseMove(Window->ScreenImage, {300, 30});
            QTest::mouseMove(w, w->rect().center());
            return Window->StatusPanel1->text();
        };
        auto shownWhole = [&](const QString& text) {
            const QLabel* panel = Window->StatusPanel1;
            return panel->fontMetrics().horizontalAdvance(text) <=
                   panel->contentsRect().width() - 2 * panel->margin() - panel->indent();
        };
        QCOMPARE(Window->StatusPanel1->geometry().right(), Window->StatusBar1->contentsRect().right());
        TSectionsPanel& s = *Window->Sections;
        const QString udl = hover(Window->UDLButton);
        QCOMPARE(udl, QString("Click to put a Uniformly Distributed Load on the beam"));
        QVERIFY2(shownWhole(udl), "the UDL button's hint is cut");
        QCOMPARE(hover(s.RadioGroup), QString("Switch between section attributes displayed"));
        QCOMPARE(hover(s.YoungsModulus), QString("Pull down list to select the material's Young's modulus"));
        s.RadioGroup->Item(1)->click(); // "Section Properties": the flat bar's dimension boxes
        QCOMPARE(hover(s.X1), QString("Enter dimension (Range: 17 - 21 mm)"));
        QCOMPARE(hover(s.Y1), s.Y1->toolTip());
        QVERIFY(!s.Y1->toolTip().isEmpty());
        for (QWidget* w : std::initializer_list<QWidget*>{s.RadioGroup, s.SectionsComboBox, s.YoungsModulus,
                                                          s.UnitsBtn, s.X1, s.Y1, s.OtherValue, s.OkButton})
            QCOMPARE(w->statusTip(), w->toolTip());
        for (QWidget* w : Window->findChildren<QWidget*>())
            if (!w->statusTip().isEmpty()) QVERIFY2(shownWhole(w->statusTip()), qPrintable(w->statusTip()));
    }

    // The UDL button has no hint once its load is on the beam: its old hint goes at once, and does not
    // stay while the pointer crosses the picture and the tool box.
    void UsedUDLButtonLeavesNoHintBehind() {
        Open();
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
        QTest::mouseMove(Window->UDLButton, Window->UDLButton->rect().center());
        QCOMPARE(Window->StatusPanel1->text(),
                 QString("Click to put a Uniformly Distributed Load on the beam"));
        Click(Window->UDLButton);
        QVERIFY(!Window->UDLButton->isEnabled());
        QCOMPARE(Window->StatusPanel1->text(), QString());
        QTest::mouseMove(Window->ScreenImage, {300, 30});
        QTest::mouseMove(Window->ToolBox, {5, 5});
        QCOMPARE(Window->StatusPanel1->text(), QString());
    }

    void EveryWayOfClosingGivesTheCursorBack_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("E&xit") << "exit";
        QTest::newRow("close box") << "close";
        QTest::newRow("Alt+F4 / window manager") << "closeEvent";
        QTest::newRow("Escape, then the close box") << "escape";
    }
    void EveryWayOfClosingGivesTheCursorBack() {
        QFETCH(QString, how);
        TVEK4Form window;
        bool stillOpenAfterEscape = false;
        QTimer::singleShot(0, &window, [&] {
            if (how == "exit") {
                window.FileExit->trigger();
            } else if (how == "close") {
                window.close();
            } else if (how == "closeEvent") {
                QCloseEvent event;
                QApplication::sendEvent(&window, &event);
            } else {
                QTest::keyClick(&window, Qt::Key_Escape);
                stillOpenAfterEscape = window.isVisible();
                window.close();
            }
        });
        SetScreenCursor(crHourGlass); // as the launcher sets it before opening the window
        ShowModal(window);
        QCOMPARE(ScreenCursor(), crDefault);
        QVERIFY(!HasApplicationHintHandler());
        if (how == "escape") QVERIFY(stillOpenAfterEscape);
    }

    void ClosingWhileConnectedDisconnects() {
        Rig = RigWithUSBUnit();
        Open(Rig->Module.get());
        EnterMode(TMode::Connected);
        QVERIFY(Rig->Module->Connected());
        Window->close();
        QVERIFY(!Rig->Module->Connected());
    }
};

QTEST_MAIN(TVEK4FormTest)
#include "tst_vek4_form.moc"
