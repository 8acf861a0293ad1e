// "Compare experiments" on its real widgets: a class folder gives one row per run, sorted by a click on any
// column's header (a double click then opens the run's own file, whatever the order), the unreadable file is
// named with its reason, the class's mean shows, the table exports and the summary is a PDF; and on the
// experiment window, Ctrl+Shift+O opens it and "Experiment details" go into the saved file, offered at the
// first save.
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "experiment/VEK4.h"
#include "experiment/VEK4LabFile.h"
#include "lab/compare/CompareWindow.h"
#include "lab/report/Report.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "record/LabSession.h"

namespace {

// A group's file: hanger loads at midspan of a simply supported bar, the gauge reading k times the theory.
void WriteGroup(const QString& path, int material, double k, int rows, const QString& group) {
    TLabSession session;
    TRowInputs in;
    in.Setup.Layout.KnifeEdge1 = in.Setup.Layout.KnifeEdge2 = true;
    in.Setup.Layout.KnifeEdge1Station = 10;
    in.Setup.Layout.KnifeEdge2Station = 50;
    in.Setup.Layout.UpdateKnifeEdgeOrder();
    in.Setup.Layout.GaugeStation = 30;
    in.Setup.Section.Material = material;
    in.Setup.PropertyVaried = int(TVariedProperty::HangerLoad);
    in.Connected = true;
    qint64 now = 10000;
    for (int i = 1; i <= rows; ++i) {
        in.Setup.Layout.HangerSlots[30] = {100 * i, true};
        in.TheoryMm = -0.4 * i;
        for (int j = 0; j < 10; ++j)
            session.History().Add(now += 100, {k * in.TheoryMm, 0.0});
        session.Record(in, now);
    }
    session.SetDetails({QStringLiteral("Students of ") + group, group, {}, {}, {}});
    QCOMPARE(session.Save(path, in.Setup), QString());
}

int Column(const QStandardItemModel& model, const QString& title) {
    for (int c = 0; c < model.columnCount(); ++c)
        if (model.headerData(c, Qt::Horizontal).toString() == title) return c;
    return -1;
}

} // namespace

class TestCompareWindow : public QObject {
    Q_OBJECT
    QTemporaryDir Folder;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        InstallDesignFontSubstitutes();
        WriteGroup(Folder.filePath("a.ferx"), 0, 0.9, 4, "A");  // E_exp 76.7
        WriteGroup(Folder.filePath("b.ferx"), 0, 1.15, 3, "B"); // E_exp 60.0
        WriteGroup(Folder.filePath("c.ferx"), 1, 1.0, 3, "C");  // E_exp 207
        QFile cut(Folder.filePath("d-cut.ferx"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write("{\"format\": \"ferrant-experiment\", \"version\": 2, \"readings\": [");
    }

    void ClassFolderSortedExportedOpened() {
        TRecordingMessages messages;
        QStringList opened;
        QStringList saveAnswers{Folder.filePath("class.csv"), Folder.filePath("class.xlsx"),
                                Folder.filePath("summary.pdf")};
        std::vector<QString> sheets;
        TCompareContext c;
        c.PickFolder = [this](QWidget*) { return Folder.path(); };
        c.SaveFileName = [&](QWidget*, const QString&, const QString&, const QString&) {
            return saveAnswers.takeFirst();
        };
        c.WriteXlsx = [&](const QString&, const TExportTable& a, const TExportTable& b) {
            sheets = {a.Name, b.Name};
            return QString();
        };
        c.OpenExperiment = [&](const QString& path) { opened << path; };
        TCompareWindow w(std::move(c));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.ExportButton->isEnabled());
        QTest::mouseClick(w.AddFolderButton, Qt::LeftButton);
        QCOMPARE(w.Model->rowCount(), 3);
        QVERIFY(w.Problems->isVisible());
        QVERIFY2(w.Problems->text().startsWith("d-cut.ferx was not read: "), qPrintable(w.Problems->text()));
        QVERIFY2(
            w.Statistics->text().startsWith("Aluminium: mean E_exp 68.33 GPa, spread 11.79 GPa (2 runs)"),
            qPrintable(w.Statistics->text()));

        // A click on the E_exp header sorts by value, a second click the other way.
        const int e = Column(*w.Model, "E_exp (GPa)");
        QVERIFY(e >= 0);
        QHeaderView* header = w.Table->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(e) + header->sectionSize(e) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        auto column = [&](int c) {
            QStringList texts;
            for (int r = 0; r < w.Model->rowCount(); ++r)
                texts << w.Table->model()->index(r, c).data().toString();
            return texts;
        };
        const QStringList ascending{"60.0", "76.7", "207.0"};
        QStringList sorted = column(e);
        if (sorted != ascending) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
            sorted = column(e);
        }
        QCOMPARE(sorted, ascending);
        QCOMPARE(column(Column(*w.Model, "Group")), (QStringList{"B", "A", "C"}));

        // A double click opens the run's own file, in the sorted order.
        const QRect first = w.Table->visualRect(w.Table->model()->index(0, 0));
        QTest::mousePress(w.Table->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseRelease(w.Table->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(w.Table->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(opened, QStringList{Folder.filePath("b.ferx")});

        // The table as CSV and XLSX; the summary as a PDF.
        QTest::mouseClick(w.ExportButton, Qt::LeftButton);
        QFile csv(Folder.filePath("class.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().contains("E_exp (GPa)"));
        QTest::mouseClick(w.ExportButton, Qt::LeftButton);
        QCOMPARE(sheets, (std::vector<QString>{"Class results", "Class statistics"}));
        QTest::mouseClick(w.SummaryButton, Qt::LeftButton);
        QFile pdf(Folder.filePath("summary.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(messages.Shown.empty());
        if (qEnvironmentVariableIsSet("FERRANT_SHOTS"))
            w.grab().save(qEnvironmentVariable("FERRANT_SHOTS") + QStringLiteral("/compare-window.png"));
    }

    void FromTheExperimentWindowWithDetails() {
        TRecordingMessages messages;
        QTemporaryDir journal;
        int detailsAsked = 0;
        QStringList saveNames{Folder.filePath("mine.ferx")};
        TVEK4Environment environment;
        environment.LabFiles.JournalFolder = journal.path();
        environment.LabFiles.SaveFileName = [&](QWidget*, const QString&, const QString&, const QString&) {
            return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
        };
        environment.LabFiles.Details = [&](QWidget*, const TExperimentDetails&) {
            ++detailsAsked;
            return std::optional<TExperimentDetails>(
                TExperimentDetails{"Ann, Ben", "7", "3", "11 Dec 2026", "bench wobbles"});
        };
        TVEK4Form w(std::move(environment));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!w.FileCompare->isVisible()); // the designed menu while the tools are off
        w.LabToolsAction->trigger();
        QVERIFY(w.FileCompare->isVisible() && w.FileDetails->isVisible());
        QCOMPARE(w.FileCompare->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));

        // The first save offers the details, and the file keeps them.
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(detailsAsked, 1);
        QFile saved(Folder.filePath("mine.ferx"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QJsonObject details =
            QJsonDocument::fromJson(saved.readAll()).object().value("details").toObject();
        QCOMPARE(details.value("names").toString(), QString("Ann, Ben"));
        QCOMPARE(details.value("note").toString(), QString("bench wobbles"));
        // Not asked again once they are there.
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(detailsAsked, 1);

        // The report's title block carries them, and the report dialog offers the names.
        const TReportContent report = w.ReportContent(w.OfferedStudentName());
        QCOMPARE(report.StudentName, QString("Ann, Ben"));
        QCOMPARE(report.Details.front(), (std::pair<QString, QString>{"Group", "7"}));
        QCOMPARE(report.Details.back(), (std::pair<QString, QString>{"Note", "bench wobbles"}));

        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        auto* compare = w.findChild<TCompareWindow*>();
        QVERIFY(compare && compare->isVisible());
        QCOMPARE(compare->windowTitle(), QString("Compare experiments"));
        QVERIFY(messages.Shown.empty());
    }
};

QTEST_MAIN(TestCompareWindow)
#include "tst_compare_window.moc"
