// The about box: which entry the text area shows as the pointer moves, and the link label's error kinds.
#include <QtTest>

#include "app/About.h"
#include "platform/Desktop.h"
#include "resources/artwork/ModuleTitles.h"

namespace {

QString Expected(int entry, bool alwaysBreak = false) {
    const TAboutEntry& e = AboutEntry(entry);
    return e.Further.isEmpty() && !alwaysBreak ? e.Description
                                               : e.Description + QStringLiteral("\r\n") + e.Further;
}

} // namespace

class TAboutTest : public QObject {
    Q_OBJECT
private slots:
    void TextTable() {
        QCOMPARE(AboutEntry(4).Title, QStringLiteral("Deflection of Beams and Cantilevers (VEK4)"));
        for (int n = 2; n <= 20; ++n)
            QCOMPARE(AboutEntry(n).Title, QString::fromUtf8(ModuleTitle(n)));
        QVERIFY(AboutEntry(16).Further.isEmpty());
        int beginWithBreak = 0;
        for (int n = 1; n <= AboutEntryCount; ++n) {
            QVERIFY(!AboutEntry(n).Title.isEmpty());
            QVERIFY(!AboutEntry(n).Description.isEmpty());
            beginWithBreak += AboutEntry(n).Further.startsWith(QStringLiteral("\r\n"));
        }
        QVERIFY(beginWithBreak >= 2);
    }

    void DesignAndOpeningEntry() {
        QWidget owner;
        TAboutForm about(&owner);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QStringLiteral("About the Korvex Ferrant Product Range"));
        QCOMPARE(about.size(), QSize(770, 567));
        QCOMPARE(about.ModuleImage(2)->geometry(), QRect(164, 13, 140, 100));   // column 1, row 0
        QCOMPARE(about.ModuleImage(20)->geometry(), QRect(620, 361, 140, 100)); // column 4, row 3
        QCOMPARE(about.ModuleImage(9)->pixmap().size(), QSize(140, 100));
        QCOMPARE(about.URLLabel1->geometry(), QRect(12, 0, 140, 123));
        // Entry 1 in full, with the line break even before an empty further paragraph.
        QCOMPARE(about.AboutLabel->text(), AboutEntry(1).Title);
        QCOMPARE(about.AboutMemo->Text(), Expected(1, true));
        QCOMPARE(AboutShownEntry(), 1);
        const QString dir = qEnvironmentVariable("FERRANT_SCREENSHOT_DIR");
        if (!dir.isEmpty()) about.grab().save(QDir(dir).filePath(QStringLiteral("about.png")));
    }

    void PointerMoves_data() {
        QTest::addColumn<QString>("over"); // a module picture "VEKnImage" or "background"
        QTest::addColumn<QPoint>("at");    // in that control's coordinates
        QTest::addColumn<int>("entry");
        QTest::newRow("module 9 picture") << "VEK9Image" << QPoint(70, 50) << 9;
        QTest::newRow("module 16, no further paragraph") << "VEK16Image" << QPoint(10, 10) << 16;
        QTest::newRow("module 20 picture") << "VEK20Image" << QPoint(139, 99) << 20;
        QTest::newRow("background, left part") << "background" << QPoint(300, 470) << 1;
        QTest::newRow("background, right but too high") << "background" << QPoint(700, 345) << 1;
        QTest::newRow("background, low but left of 605") << "background" << QPoint(604, 465) << 1;
        QTest::newRow("background at 605, 346") << "background" << QPoint(605, 346) << 19;
        QTest::newRow("background, bottom right") << "background" << QPoint(765, 560) << 19;
    }
    void PointerMoves() {
        QFETCH(QString, over);
        QFETCH(QPoint, at);
        QFETCH(int, entry);
        QWidget owner;
        TAboutForm about(&owner);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // Start from another entry so that every row shows a change.
        QTest::mouseMove(about.ModuleImage(3), QPoint(20, 20));
        QTRY_COMPARE(AboutShownEntry(), 3);
        QWidget* target = over == QLatin1String("background") ? static_cast<QWidget*>(about.AboutImage)
                                                              : about.findChild<QWidget*>(over);
        QVERIFY(target);
        QTest::mouseMove(target, at);
        QTRY_COMPARE(AboutShownEntry(), entry);
        QCOMPARE(about.AboutLabel->text(), AboutEntry(entry).Title);
        QCOMPARE(about.AboutMemo->Text(), Expected(entry));
    }

    void MovingWithinOnePictureRewritesNothing() {
        QWidget owner;
        TAboutForm about(&owner);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseMove(about.ModuleImage(9), QPoint(10, 10));
        QTRY_COMPARE(AboutShownEntry(), 9);
        about.AboutMemo->SetText(QStringLiteral("untouched"));
        about.AboutLabel->setText(QStringLiteral("untouched"));
        QTest::mouseMove(about.ModuleImage(9), QPoint(100, 80));
        QTest::mouseMove(about.ModuleImage(9), QPoint(50, 30));
        QCoreApplication::processEvents();
        QCOMPARE(about.AboutMemo->Text(), QStringLiteral("untouched"));
        QCOMPARE(about.AboutLabel->text(), QStringLiteral("untouched"));
        // Onto the background: entry 1 again.
        QTest::mouseMove(about.AboutImage, QPoint(300, 470));
        QTRY_COMPARE(AboutShownEntry(), 1);
        QCOMPARE(about.AboutMemo->Text(), Expected(1));
    }

    // A description that runs past the bottom of the text area would be cut off on screen.
    void EveryEntryFitsTheTextArea() {
        QWidget owner;
        TAboutForm about(&owner);
        const QFontMetrics metrics(about.AboutMemo->font());
        for (int n = 1; n <= 20; ++n) {
            QString text = Expected(n, n == 1);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            const int height = metrics.boundingRect(QRect(0, 0, 757, 1000), Qt::TextWordWrap, text).height();
            QVERIFY2(height <= 66, qPrintable(QStringLiteral("entry %1 needs %2 pixels").arg(n).arg(height)));
        }
    }

    void EveryOpeningStartsAtEntryOne() {
        QWidget owner;
        {
            TAboutForm first(&owner);
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            QTest::mouseMove(first.ModuleImage(12), QPoint(30, 30));
            QTRY_COMPARE(AboutShownEntry(), 12);
        }
        QCOMPARE(AboutShownEntry(), 12); // the shown entry outlives the box
        TAboutForm second(&owner);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(AboutShownEntry(), 1);
        QCOMPARE(second.AboutLabel->text(), AboutEntry(1).Title);
    }

    void LinkLabel_data() {
        QTest::addColumn<int>("shellResult");
        QTest::addColumn<int>("errorKind"); // -1: no error reported
        QTest::newRow("opened") << 42 << -1;
        QTest::newRow("33 is success") << 33 << -1;
        QTest::newRow("out of memory (0)") << 0 << 0;
        QTest::newRow("out of resources (8)") << 8 << 0;
        QTest::newRow("no association (31)") << 31 << 1;
        QTest::newRow("no application (27)") << 27 << 1;
        QTest::newRow("file not found (2)") << 2 << 2;
        QTest::newRow("32 is still failure") << 32 << 2;
    }
    void LinkLabel() {
        QFETCH(int, shellResult);
        QFETCH(int, errorKind);
        QStringList opened;
        SetShellOpen([&](const QString& target) {
            opened << target;
            return shellResult;
        });
        TURLLabel label;
        label.resize(140, 30);
        label.URL = QStringLiteral("https://korvex.example/ferrant");
        QList<int> kinds;
        QStringList order;
        label.OnURLError = [&](int kind) {
            kinds << kind;
            order << QStringLiteral("error");
        };
        label.OnClick = [&] { order << QStringLiteral("click"); };
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label.font().underline());
        QTest::mouseClick(&label, Qt::LeftButton);
        SetShellOpen({});
        QCOMPARE(opened, QStringList{label.URL});
        QCOMPARE(kinds, errorKind < 0 ? QList<int>{} : QList<int>{errorKind});
        QCOMPARE(order.last(), QStringLiteral("click")); // the ordinary click runs last, whatever happened
    }

    void FailedOpenWithoutHandlerIsSilent() {
        SetShellOpen([](const QString&) { return 2; });
        QWidget owner;
        TAboutForm about(&owner);
        QVERIFY(!about.URLLabel1->OnURLError);
        QTest::mouseClick(about.URLLabel1, Qt::LeftButton, {}, QPoint(70, 110));
        SetShellOpen({});
    }
};

QTEST_MAIN(TAboutTest)
#include "tst_about.moc"
