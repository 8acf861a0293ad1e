// The float spin edit driven by real key and mouse events, headless.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "platform/MessageLayer.h"
#include "widgets/SpinEditFloat.h"

namespace {

struct TFixture {
    double Min, Max, Increment;
    int Precision;
    double Start;
};

// The three boxes of the experiment window as designed, and two without bounds.
TFixture FixtureNamed(const QString& name) {
    if (name == "Y1") return {2.8, 3.5, 0.1, 2, 3.18};
    if (name == "X1") return {17.0, 21.0, 0.1, 2, 19.05};
    if (name == "OtherValue") return {1.0, 500.0, 1.0, 1, 69.0};
    if (name == "Free1") return {0, 0, 1.0, 1, 0};
    return {0, 0, 10.0, 2, 0}; // Free2
}

} // namespace

class TestSpinEditFloat : public QObject {
    Q_OBJECT

    QWidget* Window = nullptr;
    TSpinEditFloat* Edit = nullptr;
    QLineEdit* Elsewhere = nullptr;

    void Build(const QString& fixture) {
        delete Window;
        Window = new QWidget;
        auto* layout = new QVBoxLayout(Window);
        Edit = new TSpinEditFloat(Window);
        Elsewhere = new QLineEdit(Window);
        layout->addWidget(Edit);
        layout->addWidget(Elsewhere);
        const TFixture f = FixtureNamed(fixture);
        Edit->MinValue = f.Min;
        Edit->MaxValue = f.Max;
        Edit->Increment = f.Increment;
        Edit->Precision = f.Precision;
        Edit->SetValue(f.Start);
        Window->show();
        QApplication::setActiveWindow(Window);
        QVERIFY(QTest::qWaitForWindowActive(Window));
        Elsewhere->setFocus();
    }

    QPoint UpHalf() const { return Edit->Button->UpButton->rect().center(); }

    // One step of a script: real key presses and mouse clicks on the box and its buttons.
    void Perform(const QString& action) {
        const QString arg = action.section(':', 1);
        if (action == "focus")
            QTest::mouseClick(Edit, Qt::LeftButton, {}, QPoint(5, Edit->height() / 2));
        else if (action == "up")
            QTest::keyClick(Edit, Qt::Key_Up);
        else if (action == "down")
            QTest::keyClick(Edit, Qt::Key_Down);
        else if (action == "click-up")
            QTest::mouseClick(Edit->Button->UpButton, Qt::LeftButton, {}, UpHalf());
        else if (action == "click-down")
            QTest::mouseClick(Edit->Button->DownButton, Qt::LeftButton, {},
                              Edit->Button->DownButton->rect().center());
        else if (action == "enter")
            QTest::keyClick(Edit, Qt::Key_Return);
        else if (action == "clear") {
            QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(Edit, Qt::Key_Backspace);
        } else if (action.startsWith("type:"))
            QTest::keyClicks(Edit, arg);
        else if (action == "leave")
            QTest::mouseClick(Elsewhere, Qt::LeftButton);
        else if (action.startsWith("value:"))
            Edit->SetValue(arg.toDouble());
        else if (action == "exponential")
            Edit->Exponential = true;
        else if (action == "editor-off")
            Edit->EditorEnabled = false;
        else if (action == "read-only")
            Edit->setReadOnly(true);
        else if (action.startsWith("paste:")) {
            QGuiApplication::clipboard()->setText(arg);
            QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
        } else
            QFAIL(qPrintable("unknown action " + action));
    }

private slots:
    // The rows are written with "." as the decimal separator, whatever the machine's locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void cleanup() {
        delete Window;
        Window = nullptr;
    }

    void Script_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("beeps");

        const QStringList up5 = {"up", "up", "up", "up", "up"};
        QTest::newRow("Y1 3.18 Up gives 3.28") << "Y1" << QStringList{"focus", "up"} << "3.28" << 3.28 << 0;
        QTest::newRow("Y1 four Ups reach 3.50, a fifth stays")
            << "Y1" << (QStringList{"focus"} + up5) << "3.50" << 3.5 << 0;
        QTest::newRow("Y1 button clicks stop at 3.50")
            << "Y1" << QStringList{"click-up", "click-up", "click-up", "click-up", "click-up"} << "3.50"
            << 3.5 << 0;
        QTest::newRow("Y1 Down floors at 2.80")
            << "Y1" << QStringList{"focus", "down", "down", "down", "down", "down"} << "2.80" << 2.8 << 0;
        QTest::newRow("OtherValue 5 left stays 5")
            << "OtherValue" << QStringList{"focus", "clear", "type:5", "leave"} << "5" << 5.0 << 0;
        QTest::newRow("OtherValue 600 left becomes 500.0")
            << "OtherValue" << QStringList{"focus", "clear", "type:600", "leave"} << "500.0" << 500.0 << 0;
        QTest::newRow("OtherValue 0 left becomes 1.0")
            << "OtherValue" << QStringList{"focus", "clear", "type:0", "leave"} << "1.0" << 1.0 << 0;
        QTest::newRow("OtherValue 12.75 left keeps its decimals")
            << "OtherValue" << QStringList{"focus", "clear", "type:12.75", "leave"} << "12.75" << 12.75 << 0;
        QTest::newRow("X1 emptied and left stays empty, reads 17")
            << "X1" << QStringList{"focus", "clear", "leave"} << "" << 17.0 << 0;
        QTest::newRow("X1 emptied then Up gives 17.10")
            << "X1" << QStringList{"focus", "clear", "leave", "focus", "up"} << "17.10" << 17.1 << 0;
        QTest::newRow("Enter beeps and changes nothing")
            << "OtherValue" << QStringList{"focus", "enter"} << "69.0" << 69.0 << 1;
        QTest::newRow("letters and spaces beep, digits pass")
            << "OtherValue" << QStringList{"focus", "clear", "type:1a2 x"} << "12" << 12.0 << 3;
        QTest::newRow("1-2 can be typed and reads as the minimum")
            << "OtherValue" << QStringList{"focus", "clear", "type:1-2"} << "1-2" << 1.0 << 0;
        QTest::newRow("a lone minus left reads as the minimum, text kept")
            << "X1" << QStringList{"focus", "clear", "type:-", "leave"} << "-" << 17.0 << 0;
        QTest::newRow("no bounds: 1234.567 shows 1234.6")
            << "Free1" << QStringList{"value:1234.567"} << "1234.6" << 1234.6 << 0;
        QTest::newRow("no bounds: -5000 is not clamped")
            << "Free1" << QStringList{"focus", "clear", "type:-5000", "leave"} << "-5000" << -5000.0 << 0;
        QTest::newRow("exponential from 0 steps one unit: 0.01")
            << "Free2" << QStringList{"exponential", "value:0", "focus", "up"} << "0.01" << 0.01 << 0;
        QTest::newRow("exponential 10 % from 100 gives 110.00")
            << "Free2" << QStringList{"exponential", "value:100", "focus", "up"} << "110.00" << 110.0 << 0;
        QTest::newRow("exponential down 10 % from 100 gives 90.00")
            << "Free2" << QStringList{"exponential", "value:100", "focus", "down"} << "90.00" << 90.0 << 0;
        QTest::newRow("exponential at the bound stays")
            << "OtherValue" << QStringList{"exponential", "value:500", "focus", "up"} << "500.0" << 500.0
            << 0;
        QTest::newRow("editor off: typing beeps, arrows still step")
            << "OtherValue" << QStringList{"editor-off", "focus", "type:7", "key-backspace", "up"} << "70.0"
            << 70.0 << 2;
        QTest::newRow("editor off: paste dropped")
            << "OtherValue" << QStringList{"editor-off", "focus", "paste:123"} << "69.0" << 69.0 << 0;
        QTest::newRow("editor on: paste unfiltered, reads as minimum")
            << "OtherValue" << QStringList{"focus", "clear", "paste:abc"} << "abc" << 1.0 << 0;
        QTest::newRow("pasted nan reads as the minimum and leaving keeps it")
            << "OtherValue" << QStringList{"focus", "clear", "paste:nan", "leave"} << "nan" << 1.0 << 0;
        QTest::newRow("pasted 1e400 reads as the minimum")
            << "OtherValue" << QStringList{"focus", "clear", "paste:1e400", "leave"} << "1e400" << 1.0 << 0;
        QTest::newRow("pasted 1e4 is a number, clamped on leaving")
            << "OtherValue" << QStringList{"focus", "clear", "paste:1e4", "leave"} << "500.0" << 500.0 << 0;
        QTest::newRow("read-only: Up beeps and stays")
            << "OtherValue" << QStringList{"read-only", "focus", "up", "click-down"} << "69.0" << 69.0 << 2;
    }

    void Script() {
        QFETCH(QString, fixture);
        QFETCH(QStringList, actions);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, beeps);
        TRecordingMessages messages;
        Build(fixture);
        for (QString action : actions) {
            if (action == "key-backspace") {
                QTest::keyClick(Edit, Qt::Key_Backspace);
                continue;
            }
            Perform(action);
        }
        QCOMPARE(Edit->text(), text);
        QVERIFY2(qAbs(Edit->Value() - value) < 1e-9,
                 qPrintable(QString("value %1, expected %2").arg(Edit->Value()).arg(value)));
        QCOMPARE(messages.Beeps, beeps);
        QVERIFY(messages.Shown.empty());
    }

    // Every change of the text raises one change event; the exit event comes before the correction.
    void ChangeAndExitOrder() {
        TRecordingMessages messages;
        Build("OtherValue");
        QStringList seen;
        connect(Edit, &TSpinEditFloat::OnChange, this, [&] { seen << "change:" + Edit->text(); });
        connect(Edit, &TSpinEditFloat::OnExit, this, [&] { seen << "exit:" + Edit->text(); });
        Perform("focus");
        Perform("clear");
        Perform("type:9");
        Perform("type:99");
        Perform("leave");
        QCOMPARE(seen,
                 (QStringList{"change:", "change:9", "change:99", "change:999", "exit:999", "change:500.0"}));
    }

    // Holding a half: nothing more for 400 ms, then a step every 100 ms while held over it, and one more
    // step on release over it. The timer's expiries are driven by hand.
    void AutoRepeat() {
        TRecordingMessages messages;
        Build("OtherValue");
        TTimerSpeedButton* up = Edit->Button->UpButton;
        QTest::mousePress(up, Qt::LeftButton, {}, UpHalf());
        QVERIFY(Edit->hasFocus()); // the press hands the focus to the edit
        QVERIFY(up->RepeatActive());
        QCOMPARE(up->RepeatInterval(), 400);
        QCOMPARE(Edit->text(), QString("69.0"));
        up->TimerExpired();
        QCOMPARE(up->RepeatInterval(), 100);
        up->TimerExpired();
        QCOMPARE(Edit->text(), QString("71.0"));
        QTest::mouseMove(up, QPoint(up->width() + 30, up->height() + 30));
        up->TimerExpired(); // held, but off the button: no step
        QCOMPARE(Edit->text(), QString("71.0"));
        QTest::mouseMove(up, UpHalf());
        up->TimerExpired();
        QTest::mouseRelease(up, Qt::LeftButton, {}, UpHalf());
        QCOMPARE(Edit->text(), QString("73.0"));
        QVERIFY(!up->RepeatActive());
        up->TimerExpired(); // a late expiry after the release does nothing
        QCOMPARE(Edit->text(), QString("73.0"));
    }

    // When the edit takes no part in tab order, pressing a half gives the focus to the pair itself, which
    // then steps with Up, Down and Space and marks its focused half.
    void PairTakesFocusWhenEditCannot() {
        Build("OtherValue");
        Edit->setFocusPolicy(Qt::ClickFocus);
        Edit->Button->setFocusPolicy(Qt::StrongFocus);
        TSpinButton* pair = Edit->Button;
        QTest::mouseClick(pair->UpButton, Qt::LeftButton, {}, UpHalf());
        QVERIFY(pair->hasFocus());
        QCOMPARE(Edit->text(), QString("70.0"));
        QVERIFY(pair->UpButton->FocusRect);
        QTest::keyClick(pair, Qt::Key_Down);
        QCOMPARE(Edit->text(), QString("69.0"));
        QVERIFY(pair->DownButton->FocusRect && !pair->UpButton->FocusRect);
        QTest::keyClick(pair, Qt::Key_Space);
        QCOMPARE(Edit->text(), QString("68.0"));
        QTest::mouseClick(Elsewhere, Qt::LeftButton);
        QVERIFY(!pair->DownButton->FocusRect);
    }

    // Entering by keyboard selects everything; entering by a click leaves the caret where it was put.
    void AutoSelectOnEntry() {
        Build("OtherValue");
        QTest::keyClick(Elsewhere, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(Edit->hasFocus());
        QCOMPARE(Edit->selectedText(), QString("69.0"));
        QTest::mouseClick(Elsewhere, Qt::LeftButton);
        QTest::mouseClick(Edit, Qt::LeftButton, {}, QPoint(3, Edit->height() / 2));
        QVERIFY(Edit->hasFocus());
        QVERIFY(Edit->selectedText().isEmpty());
    }

    // A box made too low grows to its minimum height; the pair stays inside its right edge whatever the
    // size, and the text stops short of it.
    void LayoutOnResize() {
        TSpinEditFloat standalone;
        Edit = &standalone;
        standalone.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standalone));
        standalone.resize(60, 4);
        QCOMPARE(Edit->height(), Edit->MinHeight());
        for (QSize size : {QSize(60, 30), QSize(100, 21), QSize(30, 40)}) {
            Edit->resize(size);
            const QRect pair = Edit->Button->geometry();
            QVERIFY2(pair.right() < Edit->width() && pair.bottom() < Edit->height() && pair.top() >= 0,
                     qPrintable(QString("pair %1,%2 %3x%4 in %5x%6")
                                    .arg(pair.x())
                                    .arg(pair.y())
                                    .arg(pair.width())
                                    .arg(pair.height())
                                    .arg(Edit->width())
                                    .arg(Edit->height())));
            QCOMPARE(pair.width(), 15);
            QCOMPARE(Edit->textMargins().right(), 17);
            // Lower half starts one pixel above the end of the upper one.
            QCOMPARE(Edit->Button->DownButton->y(), Edit->Button->UpButton->height() - 1);
        }
        Edit = nullptr;
    }
};

QTEST_MAIN(TestSpinEditFloat)
#include "tst_spin_edit_float.moc"
