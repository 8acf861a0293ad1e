// The experiment window's live readings, end to end: the real window and the real link manager, with the
// simulated unit on a real pseudo-terminal (serial) or a unit on a scripted USB bus. The test decides when
// each frame is sent and fires the link manager's timer ticks itself.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include "LinkRig.h"
#include "experiment/PictureControl.h"
#include "experiment/VEK4.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "theory/DeflectionView.h"

namespace {

// An input report of the unit over USB: an unused byte, then the payload with gauge 1 at -1.23 mm.
QByteArray UnitReport() {
    QByteArray data(57, '\0');
    auto word = [&](int k, int value) {
        data[1 + 2 * k] = char(value & 0xFF);
        data[2 + 2 * k] = char((value >> 8) & 0xFF);
    };
    word(5, 0x0800);
    word(4, 0x2123);
    return data;
}

// A window wired to a link manager whose COM3 is the simulator.
struct TLiveRig {
    explicit TLiveRig(std::unique_ptr<TLinkRig> rig) : Link(std::move(rig)) {
        TVEK4Environment environment;
        environment.Comms = Link->Module.get();
        Window = std::make_unique<TVEK4Form>(std::move(environment));
        Window->show();
    }
    // What the window's lamp shows: which LED, and the text.
    QString Lamp() const {
        const char* led = Window->GreenLED->isVisible()   ? "green"
                          : Window->AmberLED->isVisible() ? "amber"
                          : Window->RedLED->isVisible()   ? "red"
                                                          : "none";
        return QString("%1 %2").arg(led, Window->ComsLabel->text());
    }
    // Lets the port and the posted messages through until `done` holds.
    template <typename F> bool Until(F done) { return Link->Until(done); }

    std::unique_ptr<TLinkRig> Link;
    std::unique_ptr<TVEK4Form> Window;
};

void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class TVEK4LiveTest : public QObject {
    Q_OBJECT

    // Serial: the window connects (from the toolbar or the menu), the stream starts, the first frame arrives.
    std::unique_ptr<TLiveRig> ConnectedOverSerial(bool fromMenu = false) {
        auto link = std::make_unique<TLinkRig>();
        link->Sim.SetAutoStream(false);
        link->Sim.SetGauge(1, {-1.23, true, false});
        link->Sim.SetGauge(2, {0.05, false, false});
        auto rig = std::make_unique<TLiveRig>(std::move(link));
        TVEK4Form& w = *rig->Window;
        Click(w.WizardBtn); // virtual experiments off: idle
        if (fromMenu)
            w.RunConnect->trigger();
        else
            Click(w.ConnectBtn);
        if (!w.DisconnectBtn->isEnabled()) qFatal("not connected");
        if (!rig->Link->StartStream()) qFatal("stream not started");
        return rig;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        InstallDesignFontSubstitutes();
        RegisterProgramCursors();
    }

    void ReadingsFollowTheGaugesOverSerial_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("toolbar") << false;
        QTest::newRow("&Run menu") << true;
    }
    void ReadingsFollowTheGaugesOverSerial() {
        QFETCH(bool, fromMenu);
        TRecordingMessages messages;
        auto rig = ConnectedOverSerial(fromMenu);
        TVEK4Form& w = *rig->Window;
        QCOMPARE(rig->Lamp(), QString("red Comms link OFF"));
        QCOMPARE(w.DisplayMeter1->text(), QString(" --.-- mm"));
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return w.ActualDeflection->text() != "--.-- mm"; }));
        QVERIFY(rig->Until([&] { return rig->Lamp() == "green COM 3: Connected"; }));
        // Gauge 1 in inches: -1.23 x 25.4 = -31.242, shown as -31.24.
        QCOMPARE(w.DisplayMeter1->text(), QString(" -31.24 mm "));
        QCOMPARE(w.ActualDeflection->text(), QString("-31.24 mm"));
        QVERIFY(w.DisplayMeter1->isVisible() && w.ActualDeflectionLabel->isVisible());
        QVERIFY(w.View->DialGaugeDeflection->isVisible());

        // "Deflection 2": the next frame shows gauge 2 with its own unit.
        w.MeterComboBox->setCurrentIndex(1);
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return w.ActualDeflection->text() == "0.05 mm"; }));
        QCOMPARE(w.DisplayMeter1->text(), QString(" 0.05 mm "));

        // A gauge in error shows dashes.
        rig->Link->Sim.SetGauge(2, {0, false, true});
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return w.ActualDeflection->text() == "--.- mm"; }));
        QCOMPARE(w.DisplayMeter1->text(), QString(" --.- mm "));

        // A frame cut short: amber until the next whole frame.
        rig->Link->Sim.EmitPartialFrame(30);
        QVERIFY(rig->Until([&] { return rig->Link->RxTick().Enabled(); }));
        for (int i = 0; i < 6; ++i)
            rig->Link->RxTick().Fire();
        QVERIFY(rig->Until([&] { return rig->Lamp() == "amber Comms link unstable"; }));
        rig->Link->Sim.SetGauge(2, {-0.5, false, false});
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return rig->Lamp() == "green COM 3: Connected"; }));
        QVERIFY(rig->Until([&] { return w.ActualDeflection->text() == "-0.50 mm"; }));
        QVERIFY(messages.Shown.empty());
    }

    void AUnitThatStopsStreamingIsGivenUp() {
        TRecordingMessages messages;
        auto rig = ConnectedOverSerial();
        TVEK4Form& w = *rig->Window;
        // A layout built while connected.
        w.Layout.LeftClamp = true;
        w.Layout.HangerSlots[60].Mass = 100;
        w.DrawHanger(60);
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return rig->Lamp() == "green COM 3: Connected"; }));
        // The watchdog restarts the stream once, then gives up.
        for (int i = 0; i < 17 && w.DisconnectBtn->isEnabled(); ++i) {
            rig->Link->Timer1().Fire();
            QCoreApplication::processEvents();
        }
        QCOMPARE(messages.Texts(), QStringList{"Data overrun or loss of link"});
        QVERIFY(rig->Until([&] { return rig->Lamp() == "red Comms link OFF"; }));
        // Back in idle, the layout kept and out of reach.
        QVERIFY(w.ConnectBtn->isEnabled() && w.WizardBtn->isEnabled() && !w.DisconnectBtn->isEnabled());
        QVERIFY(w.HangerSlots[60].Hanger->isVisible() && !w.HangerSlots[60].Hanger->isEnabled());
        QVERIFY(w.LClampImage->isVisible() && !w.LClampImage->isEnabled());
        QVERIFY(w.DisplayMeter1->isHidden());
        QCOMPARE(w.ActualDeflection->text(), QString("--.-- mm"));
        QCOMPARE(w.StatusPanel0->text(), QString("Connect VEK2000 / Select Virtual Experiments"));
    }

    void ClosingWhileConnectedStopsTheUnit() {
        auto rig = ConnectedOverSerial();
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return rig->Lamp() == "green COM 3: Connected"; }));
        const qsizetype before = rig->Link->Sim.Received().size();
        rig->Window->close();
        QVERIFY(rig->Link->Sim.WaitForReceived(before + 2, 5000));
        QCOMPARE(rig->Link->Sim.Received().mid(before, 2), QByteArray("4d"));
        QVERIFY(!rig->Link->Module->Connected());
    }

    void UpdateFormOutputsByWParam_data() {
        QTest::addColumn<int>("wParam");
        QTest::addColumn<bool>("readings");
        QTest::addColumn<bool>("lamp");
        QTest::newRow("0: nothing") << 0 << false << false;
        QTest::newRow("1: readings") << 1 << true << false;
        QTest::newRow("2: state") << 2 << false << true;
        QTest::newRow("3: both") << 3 << true << true;
    }
    void UpdateFormOutputsByWParam() {
        QFETCH(int, wParam);
        QFETCH(bool, readings);
        QFETCH(bool, lamp);
        auto rig = ConnectedOverSerial();
        TVEK4Form& w = *rig->Window;
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return rig->Lamp() == "green COM 3: Connected"; }));
        w.ActualDeflection->setText("stale");
        w.ComsLabel->setText("stale");
        w.WMUpdateFormOutputs(wParam);
        QCOMPARE(w.ActualDeflection->text(), readings ? QString("-31.24 mm") : QString("stale"));
        QCOMPARE(w.ComsLabel->text(), lamp ? QString("COM 3: Connected") : QString("stale"));
    }

    void ReadingsAtTheEdgeOfTheRange_data() {
        QTest::addColumn<double>("mm");
        QTest::addColumn<QString>("readout");
        QTest::addColumn<QString>("meter");
        QTest::newRow("exactly 100 mm") << 100.0 << "100.00 mm"
                                        << " 100.00 mm ";
        QTest::newRow("-100 mm") << -100.0 << "-100.00 mm"
                                 << " -100.00 mm ";
        QTest::newRow("100.01 mm") << 100.01 << "--.- mm"
                                   << " --.- mm ";
        QTest::newRow("-100.01 mm") << -100.01 << "--.- mm"
                                    << " --.- mm ";
        QTest::newRow("0 mm") << 0.0 << "0.00 mm"
                              << " 0.00 mm ";
    }
    void ReadingsAtTheEdgeOfTheRange() {
        QFETCH(double, mm);
        QFETCH(QString, readout);
        QFETCH(QString, meter);
        auto rig = ConnectedOverSerial();
        TVEK4Form& w = *rig->Window;
        rig->Link->Sim.SetGauge(1, {mm, false, false});
        rig->Link->Sim.EmitFrame();
        QVERIFY(rig->Until([&] { return w.ActualDeflection->text() == readout; }));
        QCOMPARE(w.DisplayMeter1->text(), meter);
        // The readout shows whole.
        QVERIFY(w.ActualDeflection->width() >= w.ActualDeflection->fontMetrics().horizontalAdvance(readout));
    }

    void TheMeterUnfoldsUnderItsSelectorAndFoldsBack() {
        auto rig = ConnectedOverSerial();
        TVEK4Form& w = *rig->Window;
        const QPoint home = w.DisplayMeter1->pos();
        QTest::mouseMove(w.DisplayMeter1, w.DisplayMeter1->rect().center());
        QVERIFY(w.MeterComboBox->isVisible());
        QCOMPARE(w.DisplayMeter1->pos(),
                 QPoint(w.MeterComboBox->x(), w.MeterComboBox->y() + w.MeterComboBox->height() - 2));
        QCOMPARE(w.DisplayMeter1->width(), w.MeterComboBox->width());
        QCOMPARE(w.DisplayMeter1->font().pointSize(), 11);
        QTest::mouseMove(w.ScreenImage, {30, 450});
        QVERIFY(w.MeterComboBox->isHidden());
        QCOMPARE(w.DisplayMeter1->pos(), home);
        QCOMPARE(w.DisplayMeter1->font().pointSize(), 8);
    }

    void OverUSB() {
        TRecordingMessages messages;
        int unit = 0;
        auto link = std::make_unique<TLinkRig>(
            10, false, [&](TScriptedHidLayer& hid) { unit = hid.Plug(VekVendorID, VekProductID); });
        TLiveRig rig(std::move(link));
        TVEK4Form& w = *rig.Window;
        QCOMPARE(w.ComsLabel->text(), QString("USB Device Connected"));
        Click(w.WizardBtn);
        Click(w.ConnectBtn);
        QVERIFY(w.DisconnectBtn->isEnabled());
        rig.Link->Hid->SendReport(unit, 0, UnitReport());
        QVERIFY(rig.Until([&] { return rig.Lamp() == "green Communicating via USB"; }));
        QCOMPARE(w.ActualDeflection->text(), QString("-1.23 mm"));
        // Pulled out during the connection: said at once, then the disconnect's red lamp.
        rig.Link->Hid->Unplug(unit);
        QCOMPARE(w.ComsLabel->text(), QString("USB Device Disconnected"));
        QVERIFY(!w.DisconnectBtn->isEnabled() && w.ConnectBtn->isEnabled());
        QVERIFY(rig.Until([&] { return rig.Lamp() == "red Comms link OFF"; }));
        // Plugged in again while idle.
        rig.Link->Hid->Plug(VekVendorID, VekProductID);
        QCOMPARE(w.ComsLabel->text(), QString("USB Device Connected"));
        QVERIFY(messages.Shown.empty());
    }

    void TheWindowLeavesNoCallbacksBehind() {
        auto link = std::make_unique<TLinkRig>(10, false);
        TCommsModule& comms = *link->Module;
        {
            TLiveRig rig(std::move(link));
            QVERIFY(comms.LinkLost && comms.USBChanged);
            QCOMPARE(comms.WindowHandle.data(), static_cast<QObject*>(rig.Window.get()));
            rig.Window.reset();
            QVERIFY(!comms.LinkLost && !comms.USBChanged && !comms.WindowHandle);
            link = std::move(rig.Link);
        }
    }
};

QTEST_MAIN(TVEK4LiveTest)
#include "tst_vek4_live.moc"
