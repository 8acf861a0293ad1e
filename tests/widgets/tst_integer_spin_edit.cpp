// The integer spin edit of the weight and UDL boxes, driven by real key and mouse events, headless.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "platform/MessageLayer.h"
#include "widgets/IntegerSpinEdit.h"

class TestIntegerSpinEdit : public QObject {
    Q_OBJECT

    QWidget* Window = nullptr;
    TIntegerSpinEdit* Edit = nullptr;
    QLineEdit* Elsewhere = nullptr;

    // The weight box: whole grams 0..500, step 10, at most three characters.
    void Build() {
        delete Window;
        Window = new QWidget;
        auto* layout = new QVBoxLayout(Window);
        Edit = new TIntegerSpinEdit(Window);
        Elsewhere = new QLineEdit(Window);
        layout->addWidget(Edit);
        layout->addWidget(Elsewhere);
        Edit->MinValue = 0;
        Edit->MaxValue = 500;
        Edit->Increment = 10;
        Edit->setMaxLength(3);
        Edit->SetValue(0);
        Edit->MakeFinal();
        Window->show();
        QApplication::setActiveWindow(Window);
        QVERIFY(QTest::qWaitForWindowActive(Window));
        QTest::mouseClick(Edit, Qt::LeftButton, {}, QPoint(4, Edit->height() / 2));
        QVERIFY(Edit->hasFocus());
    }

    void Clear() {
        QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Edit, Qt::Key_Backspace);
    }

    // A change rule in the few lines a window needs: a change is refused when the text holds a "-", is not
    // a whole number (empty counts as 0), or lies outside 0..500; a refused change is undone, an accepted
    // one becomes final.
    void InstallWeightRule() {
        connect(Edit, &TIntegerSpinEdit::OnChange, this, [this] {
            const QString t = Edit->text();
            bool whole = true;
            const int v = t.isEmpty() ? 0 : t.toInt(&whole);
            if (t.contains('-') || !whole || v < 0 || v > 500)
                Edit->Undo();
            else
                Edit->MakeFinal();
        });
    }

private slots:
    // The rows are written with "." as the decimal separator, whatever the machine's locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void cleanup() {
        delete Window;
        Window = nullptr;
    }

    void Filter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits pass") << "250"
                                     << "250" << 0;
        QTest::newRow("letters and space beep") << "1a b2"
                                                << "12" << 3;
        QTest::newRow("signs and separator pass, value then reads minimum") << "-.+"
                                                                            << "-.+" << 0;
        QTest::newRow("max length stops the fourth character") << "1234"
                                                               << "123" << 0;
    }

    void Filter() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        TRecordingMessages messages;
        Build();
        Clear();
        QTest::keyClicks(Edit, typed);
        QCOMPARE(Edit->text(), text);
        QCOMPARE(messages.Beeps, beeps);
        QTest::keyClick(Edit, Qt::Key_Return);
        QCOMPARE(Edit->text(), text);
        QCOMPARE(messages.Beeps, beeps + 1);
    }

    void ClampOnExitAndSteps_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("600 left becomes 500") << "600" << QStringList{"leave"} << "500" << 500;
        QTest::newRow("-5 left becomes 0") << "-5" << QStringList{"leave"} << "0" << 0;
        QTest::newRow("empty left stays empty, reads 0") << "" << QStringList{"leave"} << "" << 0;
        QTest::newRow("junk left stays, reads 0") << "1-2" << QStringList{"leave"} << "1-2" << 0;
        QTest::newRow("495 Up clamps to 500") << "495" << QStringList{"up", "up"} << "500" << 500;
        QTest::newRow("5 Down clamps to 0") << "5" << QStringList{"down"} << "0" << 0;
        QTest::newRow("button up from 20 gives 30") << "20" << QStringList{"click-up"} << "30" << 30;
        QTest::newRow("999 overflow-free up") << "999" << QStringList{"up"} << "500" << 500;
    }

    void ClampOnExitAndSteps() {
        QFETCH(QString, typed);
        QFETCH(QStringList, keys);
        QFETCH(QString, text);
        QFETCH(int, value);
        TRecordingMessages messages;
        Build();
        Edit->setMaxLength(32767);
        Clear();
        QTest::keyClicks(Edit, typed);
        for (const QString& k : keys) {
            if (k == "leave")
                QTest::mouseClick(Elsewhere, Qt::LeftButton);
            else if (k == "up")
                QTest::keyClick(Edit, Qt::Key_Up);
            else if (k == "down")
                QTest::keyClick(Edit, Qt::Key_Down);
            else if (k == "click-up")
                QTest::mouseClick(Edit->Button->UpButton, Qt::LeftButton, {},
                                  Edit->Button->UpButton->rect().center());
        }
        QCOMPARE(Edit->text(), text);
        QCOMPARE(Edit->Value(), value);
    }

    // Undo goes back to the text before the last change; after MakeFinal there is nothing to undo.
    void UndoAndMakeFinal() {
        Build();
        Clear();
        QTest::keyClicks(Edit, "4");
        QVERIFY(Edit->CanUndo());
        Edit->MakeFinal();
        QTest::keyClicks(Edit, "2");
        QCOMPARE(Edit->text(), QString("42"));
        Edit->Undo();
        QCOMPARE(Edit->text(), QString("4"));
        Edit->MakeFinal();
        QVERIFY(!Edit->CanUndo());
        Edit->Undo();
        QCOMPARE(Edit->text(), QString("4"));
    }

    // The weight rule written on top of the class keeps the box to whole grams within 0..500 whatever is
    // typed or pasted, and the caret stays where the refused character would have gone.
    void WeightRuleOnTop() {
        TRecordingMessages messages;
        Build();
        InstallWeightRule();
        Clear();
        QTest::keyClicks(Edit, "60");
        QTest::keyClicks(Edit, "0"); // 600: refused
        QCOMPARE(Edit->text(), QString("60"));
        QTest::keyClicks(Edit, "-"); // minus: refused
        QCOMPARE(Edit->text(), QString("60"));
        QTest::keyClick(Edit, Qt::Key_Home);
        QTest::keyClicks(Edit, "4"); // 460: accepted
        QCOMPARE(Edit->text(), QString("460"));
        QTest::keyClick(Edit, Qt::Key_Backspace);
        QTest::keyClicks(Edit, "9"); // 960: refused, back to 60 with the caret after nothing typed
        QCOMPARE(Edit->text(), QString("60"));
        QCOMPARE(Edit->cursorPosition(), 0);
        QGuiApplication::clipboard()->setText("1e3");
        QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Edit->text(), QString("60"));
        QCOMPARE(Edit->Value(), 60);
    }
};

QTEST_MAIN(TestIntegerSpinEdit)
#include "tst_integer_spin_edit.moc"
