// The laboratory tools' files on the real experiment window: the "&File" menu off and on, save and open
// giving back the same experiment, a refused file changing nothing, the question before unsaved work is
// lost, and a killed window's readings offered back by the next one.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <csignal>
#include <cstring>

#include "experiment/ApparatusScene.h"
#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "lab/report/Report.h"
#include "model/PlacementRules.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "record/ReadingsFit.h"
#include "record/io/ExperimentFile.h"
#include "record/io/LayoutReplay.h"
#include "record/io/ReadingJson.h"
#include "theory/DeflectionView.h"
#include "widgets/IntegerSpinEdit.h"

#include "SmallDisk.h"
#include <QStatusBar>
#include <sys/stat.h>

namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        if (a->isVisible()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QMenu* FileMenu(TVEK4Form& w) {
    for (QObject* o : w.FileNew->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) return menu;
    return nullptr;
}

QJsonArray RowsOf(const TVEK4Form& w) {
    QJsonArray rows;
    for (const TReading& r : w.Session().Table().Rows())
        rows.append(ReadingToJson(r));
    return rows;
}

// A window with the laboratory tools' dialogs answered by the test.
struct TRig {
    QTemporaryDir Folder;
    QStringList SaveNames; // answers of the save dialog, in order
    QString OpenName;
    int SaveAsked = 0;
    qint64 Now = 1000;
    std::unique_ptr<TVEK4Form> Window;

    TVEK4Form& Open(bool labTools = true) {
        TVEK4Environment environment;
        environment.Clock = [this] { return Now; };
        environment.LabFiles.JournalFolder = Folder.path();
        environment.LabFiles.SaveFileName = [this](QWidget*, const QString&, const QString&, const QString&) {
            ++SaveAsked;
            return SaveNames.isEmpty() ? QString() : SaveNames.takeFirst();
        };
        environment.LabFiles.OpenFileName = [this](QWidget*, const QString&, const QString&) {
            return OpenName;
        };
        environment.LabFiles.StudentName = [](QWidget*, const QString&) { return std::optional<QString>(); };
        Window = std::make_unique<TVEK4Form>(std::move(environment));
        Window->show();
        if (!QTest::qWaitForWindowExposed(Window.get())) qFatal("window not exposed");
        // The shortcuts (Ctrl+S...) need the active window; on a real X server without a window manager
        // nobody else activates it.
        Window->activateWindow();
        if (!QTest::qWaitForWindowActive(Window.get())) qFatal("window not active");
        if (labTools) Window->LabToolsAction->trigger();
        return *Window;
    }
    QString Path(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }
};

void Drop(TVEK4Form& w, const TDragSource& source, const TDropTarget& target) {
    w.ApplyDrop(DragAndDrop(w.Layout, source, target));
}

// A propped cantilever with a UDL to the prop and two weights, steel, the hanger load varied.
void BuildExperiment(TRig& rig) {
    TVEK4Form& w = *rig.Window;
    Drop(w, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(86, 150));
    Drop(w, TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[45], 154));
    w.UDLSpinEdit->SetValue(17);
    w.UDLComponentClick();
    Drop(w, TDragSource::FixedWeight(300), TDropTarget::Screen(StationX[20], 190));
    Drop(w, TDragSource::VariableWeight(70), TDropTarget::Screen(StationX[55], 190));
    w.Sections->YoungsModulus->setCurrentIndex(1);
    w.Sections->YoungsModulusChange();
    w.CaptureCombo->setCurrentIndex(1);
    for (int i = 0; i < 2; ++i) {
        rig.Now += 1500;
        QVERIFY(w.RecordReading());
    }
}

} // namespace

class TVEK4LabFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallDesignFontSubstitutes(); }

    void fileMenuFollowsTheSwitch() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open(false);
        QMenu* file = FileMenu(w);
        QVERIFY(file);
        const QStringList designed = {"&New", "-", "E&xit"};
        QCOMPARE(MenuTexts(file), designed);
        w.LabToolsAction->trigger();
        QCOMPARE(MenuTexts(file),
                 (QStringList{"&New", "&Open...", "&Save", "Save &As...", "Save as &hand-out...", "-",
                              "&Export table...", "&Print report...", "Export report as PD&F...", "-",
                              "Experiment &details...", "&Compare experiments...", "-", "E&xit"}));
        QCOMPARE(w.FileOpen, w.findChild<QAction*>(QStringLiteral("FileOpen")));
        QCOMPARE(w.FileOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(w.FileSave->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(w.FileExportTable->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
        QCOMPARE(w.FilePrintReport->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        w.LabToolsAction->trigger();
        QCOMPARE(MenuTexts(file), designed);
        QCOMPARE(w.FileOpen->text(), QStringLiteral("&Open"));
        // Off, Ctrl+S saves nothing and "&New" is the designed command, asking nothing.
        Drop(w, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(86, 150));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(rig.SaveAsked, 0);
        w.FileNew->trigger();
        QVERIFY(!w.Layout.LeftClamp);
        QVERIFY(messages.Shown.empty());
    }

    void saveAndOpenGiveTheSameExperiment() {
        TRecordingMessages messages;
        TRig saving;
        TVEK4Form& a = saving.Open();
        BuildExperiment(saving);
        a.Session().Table().SetNote(0, QStringLiteral("=first; \"quoted\""));
        QVERIFY(a.LabFileModified());
        saving.SaveNames = {saving.Path("run")}; // the extension is added
        QTest::keyClick(&a, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saving.SaveAsked, 1);
        QVERIFY(QFileInfo::exists(saving.Path("run.ferx")));
        QVERIFY(!a.LabFileModified());
        QCOMPARE(a.Session().Path(), saving.Path("run.ferx"));

        TRig opening;
        TVEK4Form& b = opening.Open();
        // Something placed before: its position popups are up, reading "600 mm".
        Drop(b, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(86, 150));
        Drop(b, TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[60], 154));
        Drop(b, TDragSource::FixedWeight(100), TDropTarget::Screen(StationX[60], 190));
        messages.Answers = {TMsgResult::Discard}; // that set-up is not kept
        opening.OpenName = saving.Path("run.ferx");
        QTest::keyClick(&b, Qt::Key_O, Qt::ControlModifier);
        QVERIFY2(messages.Texts() == QStringList{LabFileTexts::Unsaved},
                 qPrintable(messages.Texts().join(QLatin1Char('\n'))));
        QVERIFY(SameItems(b.Layout, a.Layout));
        // No position popup of the gestures the replay made is left on the picture.
        for (QLabel* popup : {b.PositionPopup, b.PositionValue, b.LoadPositionPopup, b.LoadPositionValue})
            QVERIFY2(!popup->isVisible(), qPrintable(popup->text()));
        QVERIFY(std::memcmp(b.BeamTheory.StationDeflection.data(), a.BeamTheory.StationDeflection.data(),
                            sizeof a.BeamTheory.StationDeflection) == 0);
        QCOMPARE(b.BeamTheory.ModulusE, a.BeamTheory.ModulusE);
        QCOMPARE(b.Sections->YoungsModulus->currentIndex(), 1);
        QCOMPARE(b.CaptureCombo->currentIndex(), 1);
        QCOMPARE(b.UDLSpinEdit->Value(), 17);
        QVERIFY(!b.UDLButton->isEnabled()); // the UDL is on the beam
        QCOMPARE(RowsOf(b), RowsOf(a));
        QVERIFY(!b.LabFileModified());
        // The next row continues the numbering and the clock.
        opening.Now += 4000;
        QVERIFY(b.RecordReading());
        QCOMPARE(b.Session().Table().Row(2).Number, 3);
        QVERIFY(b.Session().Table().Row(2).ElapsedS > b.Session().Table().Row(1).ElapsedS);
        QVERIFY(b.LabFileModified());
        b.Session().Table().Clear(); // nothing to ask about on close
        b.Session().MarkSaved(b.CurrentSetup());
    }

    // A version 1 file written by the earlier program opens in the window as one run, saved as it stands;
    // saved again it is version 2 and opens with the same rows.
    void versionOneFileOpensAndSavesAsVersionTwo() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        const QString old = QStringLiteral(FERRANT_FIXTURES "/v1-simply-supported-load-series.ferx");
        QVERIFY(w.OpenExperimentFile(old));
        QVERIFY(messages.Shown.empty());
        const TReadingsTable& t = w.Session().Table();
        QCOMPARE(t.Count(), 9);
        QCOMPARE(t.Runs(), std::vector<int>{1});
        QCOMPARE(t.Row(4).Note, QString("top of the loading"));
        QVERIFY(!w.LabFileModified());
        QVERIFY(w.windowTitle().startsWith(QString("v1-simply-supported-load-series.ferx")));
        const QString copy = rig.Path("copy.ferx");
        QVERIFY(w.SaveExperimentFile(copy));
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(file.readAll()).object().value("version").toInt(), 2);
        const TFileRead<TOpenedExperiment> again = TLabSession::ReadExperiment(copy);
        QVERIFY2(again.Ok(), qPrintable(again.Problem));
        QCOMPARE(int(again.Value.Rows.size()), 9);
        QCOMPARE(again.Value.Rows[8].TheoryMm, t.Row(8).TheoryMm);
    }

    void refusedFileChangesNothing() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        BuildExperiment(rig);
        const TBeamLayout before = w.Layout;
        const QJsonArray rows = RowsOf(w);
        QFile cut(rig.Path("cut.ferx"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(ExperimentBytes(TExperimentSetup{}, {}).left(60));
        cut.close();
        rig.OpenName = cut.fileName();
        messages.Answers = {TMsgResult::Discard}; // the unsaved readings: go on
        w.FileOpen->trigger();
        QCOMPARE(messages.Shown.size(), std::size_t(2));
        QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::SaveDiscardCancel);
        QVERIFY2(messages.Shown[1].Text.startsWith(
                     QStringLiteral("The experiment \"cut.ferx\" could not be opened: it is "
                                    "incomplete")),
                 qPrintable(messages.Shown[1].Text));
        QVERIFY(messages.Shown[1].Text.contains(QStringLiteral("Nothing in the window has changed.")));
        QVERIFY(SameItems(w.Layout, before));
        QCOMPARE(RowsOf(w), rows);
        QVERIFY(w.LabFileModified());
        messages.Answers = {TMsgResult::Discard};
    }

    void unsavedWorkIsAskedFor() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        BuildExperiment(rig);

        // Cancel: the window stays, with everything in it.
        messages.Answers = {TMsgResult::Cancel};
        w.close();
        QVERIFY(w.isVisible());
        QCOMPARE(messages.Shown.back().Text, LabFileTexts::Unsaved);
        QCOMPARE(messages.Shown.back().Buttons, TMsgButtons::SaveDiscardCancel);

        // "&New", Save: the experiment is saved, then the beam and the table are empty.
        messages.Answers = {TMsgResult::Ok};
        rig.SaveNames = {rig.Path("before-new.ferx")};
        w.NewButton->click();
        QVERIFY(QFileInfo::exists(rig.Path("before-new.ferx")));
        QVERIFY(!w.Layout.Loaded() && !w.Layout.LeftClamp);
        QVERIFY(w.Session().Table().Empty());
        QVERIFY(!w.LabFileModified());
        QVERIFY(w.Session().Path().isEmpty()); // a new experiment has no file yet

        // Save cancelled in its dialog: nothing is lost, the window stays.
        rig.Now += 1000;
        QVERIFY(w.RecordReading());
        messages.Answers = {TMsgResult::Ok};
        w.close();
        QVERIFY(w.isVisible());

        // Discard: the window closes, and its journal goes with it.
        const QString journal = rig.Path("experiment-journal.jsonl");
        QVERIFY(QFileInfo::exists(journal));
        messages.Answers = {TMsgResult::Discard};
        w.close();
        QVERIFY(!w.isVisible());
        QVERIFY(!QFileInfo::exists(journal));
    }

    // The report and the table as the window exports them: the report carries the window's own pictures and
    // the fit, the CSV the rows.
    void reportAndTableFromTheWindow() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        BuildExperiment(rig);
        rig.Now += 2000;
        Drop(w, TDragSource::FixedWeight(500), TDropTarget::Screen(StationX[20], 190)); // 300 g -> 500 g
        QVERIFY(w.RecordReading());
        w.Session().Table().SetNote(2, QStringLiteral("heavier hanger"));

        const QString pdf = rig.Path("report.pdf");
        QVERIFY(w.ExportReportPdf(pdf, QStringLiteral("Grace Hopper")));
        if (qEnvironmentVariableIsSet("FERRANT_KEEP_REPORT"))
            QFile::copy(pdf, qEnvironmentVariable("FERRANT_KEEP_REPORT"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString all = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* part : {"Grace Hopper", "Steel", "207 GPa", "Variable hanger load", "heavier hanger",
                                 "Hanger load (N)", "Page 1 of", "Experimental modulus"})
            QVERIFY2(all.contains(QString::fromLatin1(part)), part);
        // Virtual readings have no measured values: the fit says why instead of giving a number.
        QVERIFY(all.contains(FitResultText(FitMeasuredToTheory(w.Session().Table()))));

        rig.SaveNames = {rig.Path("table")};
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        w.FileExportTable->trigger();
        QLocale::setDefault(QLocale::c());
        QFile csv(rig.Path("table.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QVERIFY2(lines[0].startsWith(QStringLiteral("Elapsed time (s);No.;")), qPrintable(lines[0].left(40)));
        QCOMPARE(lines.size(), 5); // header, three rows, and the end of the last line
        QVERIFY(lines[3].startsWith(QStringLiteral("3,5;3;Variable hanger load;")));
        QVERIFY(lines[3].endsWith(QStringLiteral(";heavier hanger")));
        QVERIFY(messages.Shown.empty());
        w.Session().MarkSaved(w.CurrentSetup());
        w.Session().TableChanged(); // closing would ask; the test ends here
        messages.Answers = {TMsgResult::Discard};
    }

    // The report's apparatus is painted from the layout (what hovers over the picture is not in it), its
    // deflection diagram gives the gauge the window's readout, and with the "Diagrams" window in use each
    // run gets a page of diagrams on the layout of its last reading.
    void reportDrawsTheLayoutAndEachRunsDiagrams() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        BuildExperiment(rig); // run 1: two rows, 300 g at 200 mm
        w.NewRunClick();
        Drop(w, TDragSource::FixedWeight(500), TDropTarget::Screen(StationX[20], 190));
        rig.Now += 1500;
        QVERIFY(w.RecordReading()); // run 2: row 3, 500 g
        w.PositionPopup->show();    // a hover popup over the picture when the report is made
        w.PositionValue->show();

        const auto reportText = [&](const char* name) {
            const QString pdf = rig.Path(name);
            if (!w.ExportReportPdf(pdf, QStringLiteral("Grace Hopper"))) return QString();
            if (qEnvironmentVariableIsSet("FERRANT_KEEP_REPORT"))
                QFile::copy(pdf, qEnvironmentVariable("FERRANT_KEEP_REPORT") + QLatin1String(name));
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            text.waitForFinished(60000);
            return QString::fromUtf8(text.readAllStandardOutput());
        };
        const TReportContent content = w.ReportContent(QStringLiteral("Grace Hopper"));
        QCOMPARE(content.Apparatus.deviceIndependentSize().toSize(), ApparatusPlaces::ApparatusRegion.size());
        QCOMPARE(content.Apparatus, ApparatusImage(w.Layout, content.Apparatus.devicePixelRatio()));
        QVERIFY(content.RunDiagrams.empty());
        const QString plain = reportText("plain.pdf");
        const QString readout = w.View->DialGaugeDeflection->text(); // "-0.61 mm"
        QVERIFY2(plain.contains(QStringLiteral("gauge at 300 mm: theory ") + readout), qPrintable(readout));
        QVERIFY(plain.contains(QStringLiteral("Position along the beam x (mm)")));
        QVERIFY(!plain.contains(QStringLiteral("Diagrams: ")));

        w.ShowDiagramsClick();
        const QString withDiagrams = reportText("diagrams.pdf");
        QVERIFY(
            withDiagrams.contains(QStringLiteral("Diagrams: Run 1, the layout as reading 2 was recorded")));
        QVERIFY(
            withDiagrams.contains(QStringLiteral("Diagrams: Run 2, the layout as reading 3 was recorded")));
        const std::vector<TRunDiagrams> runs = w.ReportContent(QString()).RunDiagrams;
        QCOMPARE(int(runs.size()), 2);
        // Each run's loads: 300 g then 500 g at 200 mm beside the 70 g weight and the UDL.
        const auto largestLoad = [](const TBeamDiagrams& d) {
            double n = 0.0;
            for (const TPointLoad& load : d.Loads)
                n = std::max(n, load.Force);
            return n;
        };
        QVERIFY2(std::abs(largestLoad(runs[0].Diagrams) - 0.3 * 9.80665) < 1e-9,
                 qPrintable(QString::number(largestLoad(runs[0].Diagrams))));
        QVERIFY(std::abs(largestLoad(runs[1].Diagrams) - 0.5 * 9.80665) < 1e-9);
        messages.Answers = {TMsgResult::Discard};
    }

    void killedWindowIsRestored_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("restore") << true;
        QTest::newRow("decline") << false;
    }

    void killedWindowIsRestored() {
        QFETCH(bool, accept);
        TRig rig;
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vek4-journal-probe"),
                    {rig.Folder.path()});
        QVERIFY(probe.waitForStarted());
        QByteArray out;
        while (!out.contains("row 3") && probe.waitForReadyRead(20000))
            out += probe.readAllStandardOutput();
        QVERIFY2(out.contains("row 3"), (out + probe.readAllStandardError()).constData());
        ::kill(pid_t(probe.processId()), SIGKILL);
        QVERIFY(probe.waitForFinished());
        QCOMPARE(probe.exitStatus(), QProcess::CrashExit);

        TRecordingMessages messages;
        messages.Answers = {accept ? TMsgResult::Ok : TMsgResult::Cancel};
        TVEK4Form& w = rig.Open();
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QCOMPARE(messages.Shown[0].Text, LabFileTexts::RestoreOffer.arg(3));
        QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::YesNo);
        const TJournalState journal = TExperimentJournal::ReadBack(rig.Path("experiment-journal.jsonl"));
        if (accept) {
            QCOMPARE(w.Session().Table().Count(), 3);
            QCOMPARE(w.Session().Table().Row(2).Number, 3);
            QCOMPARE(w.Session().Table().Row(2).ElapsedS, 5.0);
            QVERIFY(w.Layout.LeftClamp);
            QCOMPARE(w.Layout.HangerSlots[60].Mass, 300);
            QVERIFY(w.LabFileModified());          // restored, but in no file yet
            QCOMPARE(int(journal.Rows.size()), 3); // the new journal holds what was restored
        } else {
            QVERIFY(w.Session().Table().Empty());
            QVERIFY(!w.Layout.LeftClamp);
            QVERIFY(journal.Rows.empty());
        }
        messages.Answers = {TMsgResult::Discard};
        w.close();
        QVERIFY(!QFileInfo::exists(rig.Path("experiment-journal.jsonl")));
    }

    // A full disk at the next Ctrl+S: the message says why, the old file stays byte for byte, the work stays
    // unsaved (the title keeps its mark, closing asks) and the journal stays.
    void fullDiskKeepsTheWorkUnsaved() {
        TRecordingMessages messages;
        TSmallDisk disk;
        TRig rig;
        TVEK4Form& w = rig.Open();
        BuildExperiment(rig);
        for (int i = 0; i < 3; ++i) {
            rig.Now += 1500;
            QVERIFY(w.RecordReading());
        }
        const QString path = disk.Path(QStringLiteral("kept.ferx"));
        rig.SaveNames = {path};
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(messages.Shown.empty(), qPrintable(messages.Texts().join(QLatin1Char('\n'))));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray old = kept.readAll();
        kept.close();
        QVERIFY(old.size() > 4000 && old.size() < 16384);
        QVERIFY(!w.isWindowModified());

        disk.Fill();
        rig.Now += 1500;
        QVERIFY(w.RecordReading());
        QVERIFY(w.isWindowModified());
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        disk.Unfill();
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QVERIFY2(messages.Shown[0].Text.contains(QStringLiteral("could not be saved")) &&
                     (messages.Shown[0].Text.contains(QStringLiteral("the disk is full")) ||
                      messages.Shown[0].Text.contains(QStringLiteral("larger than"))),
                 qPrintable(messages.Shown[0].Text));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
        kept.close();
        QVERIFY(w.LabFileModified());
        QVERIFY(w.isWindowModified());
        QVERIFY(QFileInfo::exists(rig.Path("experiment-journal.jsonl")));
        messages.Answers = {TMsgResult::Cancel};
        w.close();
        QVERIFY(w.isVisible()); // asked, and stayed
        QCOMPARE(messages.Shown.back().Text, LabFileTexts::Unsaved);
        messages.Answers = {TMsgResult::Discard};
    }

    // A pipe where the file should be: File > Open answers at once; a pipe or a link at the journal's path
    // neither freezes the window nor gets written through.
    void pipesAndLinksNeverHoldOrLeak() {
        TRecordingMessages messages;
        {
            TRig rig;
            const QString fifo = rig.Path("pipe.ferx");
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
            TVEK4Form& w = rig.Open();
            rig.OpenName = fifo;
            QElapsedTimer clock;
            clock.start();
            w.FileOpen->trigger();
            QVERIFY(clock.elapsed() < 5000);
            QCOMPARE(messages.Shown.size(), std::size_t(1));
            QVERIFY2(messages.Shown[0].Text.contains(QStringLiteral("not an ordinary file")),
                     qPrintable(messages.Shown[0].Text));
        }
        messages.Shown.clear();
        {
            TRig rig;
            const QString journal = rig.Path("experiment-journal.jsonl");
            QVERIFY(::mkfifo(QFile::encodeName(journal).constData(), 0600) == 0);
            TVEK4Form& w = rig.Open(); // would wait in the kernel before it painted
            BuildExperiment(rig);
            QVERIFY(QFileInfo(journal).isFile()); // the pipe was replaced by the journal
            QCOMPARE(int(TExperimentJournal::ReadBack(journal).Rows.size()), 2);
            messages.Answers = {TMsgResult::Discard};
            w.close();
        }
        {
            TRig rig;
            const QString own = rig.Path("own-notes.txt");
            QFile notes(own);
            QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("my notes\n") == 9);
            notes.close();
            const QString journal = rig.Path("experiment-journal.jsonl");
            QVERIFY(QFile::link(own, journal));
            TVEK4Form& w = rig.Open();
            BuildExperiment(rig);
            QVERIFY(notes.open(QIODevice::ReadOnly));
            QCOMPARE(notes.readAll(), QByteArray("my notes\n"));
            notes.close();
            QVERIFY(!QFileInfo(journal).isSymLink());
            messages.Answers = {TMsgResult::Discard};
            w.close();
        }
        QVERIFY2(messages.Shown.size() <= 2, qPrintable(messages.Texts().join(QLatin1Char('\n'))));
    }

    // A teacher's hand-out opens as an untitled copy: the student's Ctrl+S asks for a name, and the hand-out
    // stays as the teacher wrote it. The title names the file and marks unsaved changes.
    void handOutSurvivesTheStudentsSave() {
        TRecordingMessages messages;
        TRig teacher;
        TVEK4Form& t = teacher.Open();
        BuildExperiment(teacher);
        teacher.SaveNames = {teacher.Path("beam-lab")};
        t.FileSaveHandout->trigger();
        const QString handout = teacher.Path("beam-lab.ferx");
        QFile file(handout);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        file.close();
        QVERIFY(OpenExperiment(handout).Value.Handout);

        TRig student;
        TVEK4Form& s = student.Open();
        QCOMPARE(s.windowTitle(), QStringLiteral("Untitled[*] - ") + TVEK4Form::Caption);
        student.OpenName = handout;
        QTest::keyClick(&s, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(SameItems(s.Layout, t.Layout));
        QCOMPARE(s.windowTitle(), LabFileTexts::HandoutCopy.arg(QStringLiteral("beam-lab.ferx")) +
                                      QStringLiteral("[*] - ") + TVEK4Form::Caption);
        QVERIFY(!s.isWindowModified());
        student.Now += 2000;
        QVERIFY(s.RecordReading());
        QVERIFY(s.isWindowModified());
        student.SaveNames = {student.Path("mine")};
        QTest::keyClick(&s, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(student.SaveAsked, 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
        QCOMPARE(s.Session().Path(), student.Path("mine.ferx"));
        QCOMPARE(s.windowTitle(), QStringLiteral("mine.ferx[*] - ") + TVEK4Form::Caption);
        QVERIFY(!s.isWindowModified());
        QVERIFY(!OpenExperiment(student.Path("mine.ferx")).Value.Handout);
        messages.Answers = {TMsgResult::Discard};
        t.LabToolsAction->trigger(); // off: the designed caption again
        QCOMPARE(t.windowTitle(), TVEK4Form::Caption);
        QVERIFY2(messages.Shown.empty(), qPrintable(messages.Texts().join(QLatin1Char('\n'))));
    }

    // Leaving virtual mode to connect keeps what the student built: supports, weights and gauge stay, the
    // UDL goes with a word; with unsaved work that would lose the UDL, the question comes first.
    void leavingVirtualModeKeepsTheSetUp() {
        TRecordingMessages messages;
        TRig rig;
        TVEK4Form& w = rig.Open();
        BuildExperiment(rig); // propped cantilever, UDL, two weights, two readings
        const TBeamLayout built = w.Layout;
        messages.Answers = {TMsgResult::Cancel};
        w.WizardBtn->click();
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::SaveDiscardCancel);
        QVERIFY(w.WizardBtn->isChecked());
        QVERIFY(SameItems(w.Layout, built));

        messages.Answers = {TMsgResult::Discard};
        w.WizardBtn->click();
        QVERIFY(!w.WizardBtn->isChecked());
        QVERIFY(!w.Layout.UDL);
        QVERIFY(w.Layout.LeftClamp && w.Layout.KnifeEdge1);
        QCOMPARE(w.Layout.HangerSlots[20].Mass, 300);
        QCOMPARE(w.Layout.HangerSlots[55].Mass, 70);
        QCOMPARE(w.Layout.GaugeStation, built.GaugeStation);
        QCOMPARE(w.Session().Table().Count(), 2);
        QCOMPARE(w.StatusBar1->currentMessage(), LabFileTexts::UDLTakenOff);

        // Without a UDL or another section nothing is lost, so nothing is asked.
        w.WizardBtn->click();
        const std::size_t asked = messages.Shown.size();
        w.WizardBtn->click();
        QCOMPARE(messages.Shown.size(), asked);
        QVERIFY(w.Layout.LeftClamp && w.Layout.HangerSlots[20].Occupied());
        messages.Answers = {TMsgResult::Discard};
    }

    // A journal whose set-up cannot be rebuilt: the offer says so, the readings come back on an empty beam,
    // and the next save asks for a name instead of writing less over the file.
    void restoreSaysWhatItCannotRebuild() {
        TRig rig;
        const QString journal = rig.Path("experiment-journal.jsonl");
        {
            TExperimentJournal left(journal);
            TExperimentSetup setup;
            QJsonObject json = SetupToJson(setup);
            QJsonObject layout = json[QStringLiteral("layout")].toObject();
            layout[QStringLiteral("rightClamp")] = true; // a right clamp alone: no gesture builds it
            json[QStringLiteral("layout")] = layout;
            TReading r;
            r.Number = 1;
            QVERIFY(left.Start(json, {ReadingToJson(r)}).isEmpty());
            QVERIFY(left.Append(TExperimentJournal::FileRecord(rig.Path("good.ferx"))).isEmpty());
            // A line of a newer program's kind, and one damaged line in the middle.
            QVERIFY(left.Append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("photo")}}).isEmpty());
        }
        QFile file(journal);
        QVERIFY(file.open(QIODevice::Append));
        file.write("{\"kind\":\"row\",\"row\":{\"number\":2,\"elapsedS\":1e308}}\n{broken\n");
        file.close();
        TRecordingMessages messages;
        messages.Answers = {TMsgResult::Ok};
        TVEK4Form& w = rig.Open();
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        const QString offer = messages.Shown[0].Text;
        const QString question = LabFileTexts::RestoreOffer.arg(1);
        QVERIFY2(offer.startsWith(question.left(question.lastIndexOf(QStringLiteral("\n\n")))) &&
                     offer.endsWith(QStringLiteral("\n\nNo discards them.")),
                 qPrintable(offer));
        for (const char* part :
             {"the layout, which could not be rebuilt (a right-hand clamp needs the left-hand",
              "1 record this version of the program does not know", "1 damaged line",
              "1 reading(s) that could not be read"})
            QVERIFY2(offer.contains(QString::fromLatin1(part)), qPrintable(offer));
        QCOMPARE(w.Session().Table().Count(), 1);
        QVERIFY(w.Session().Path().isEmpty());
        rig.SaveNames = {};
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(rig.SaveAsked, 1); // asked for a name, and cancelled
        QVERIFY(!QFileInfo::exists(rig.Path("good.ferx")));
        messages.Answers = {TMsgResult::Discard};
    }

    // A window killed before anything was built or recorded leaves only a new window's set-up in its
    // journal: the next window starts without asking (an offer to restore "0 readings" of an empty beam is
    // noise).
    void killedEmptyWindowIsNotOfferedBack() {
        TRig rig;
        rig.Open();
        const QString journal = rig.Path("experiment-journal.jsonl");
        QVERIFY(QFileInfo::exists(journal));
        QFile::remove(rig.Path("left.jsonl"));
        QVERIFY(QFile::copy(journal, rig.Path("left.jsonl")));
        rig.Window.reset(); // an orderly end removes the journal; the copy stands for what a kill leaves
        QVERIFY(!QFileInfo::exists(journal));
        QVERIFY(QFile::rename(rig.Path("left.jsonl"), journal));
        TRecordingMessages messages;
        rig.Open();
        QVERIFY2(messages.Shown.empty(), qPrintable(messages.Texts().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TVEK4LabFileTest)
#include "tst_vek4_lab_file.moc"
