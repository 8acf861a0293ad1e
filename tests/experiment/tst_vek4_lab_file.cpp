// The laboratory tools' files on the real experiment window: the "&File" menu off and on, save and open
// giving back the same experiment, a refused file changing nothing, the question before unsaved work is
// lost, and a killed window's readings offered back by the next one.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <csignal>
#include <cstring>

#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "model/PlacementRules.h"
#include "platform/DesignFonts.h"
#include "platform/MessageLayer.h"
#include "record/ReadingsFit.h"
#include "record/io/ExperimentFile.h"
#include "record/io/LayoutReplay.h"
#include "record/io/ReadingJson.h"
#include "widgets/IntegerSpinEdit.h"

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
    for (const TReading& r : w.LabTools().Table.Rows())
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
                              "E&xit"}));
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
        a.LabTools().Table.SetNote(0, QStringLiteral("=first; \"quoted\""));
        QVERIFY(a.LabFileModified());
        saving.SaveNames = {saving.Path("run")}; // the extension is added
        QTest::keyClick(&a, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saving.SaveAsked, 1);
        QVERIFY(QFileInfo::exists(saving.Path("run.ferx")));
        QVERIFY(!a.LabFileModified());
        QCOMPARE(a.LabFileState().Path, saving.Path("run.ferx"));

        TRig opening;
        TVEK4Form& b = opening.Open();
        opening.OpenName = saving.Path("run.ferx");
        QTest::keyClick(&b, Qt::Key_O, Qt::ControlModifier);
        QVERIFY2(messages.Shown.empty(), qPrintable(messages.Texts().join(QLatin1Char('\n'))));
        QVERIFY(SameItems(b.Layout, a.Layout));
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
        QCOMPARE(b.LabTools().Table.Row(2).Number, 3);
        QVERIFY(b.LabTools().Table.Row(2).ElapsedS > b.LabTools().Table.Row(1).ElapsedS);
        QVERIFY(b.LabFileModified());
        b.LabTools().Table.Clear(); // nothing to ask about on close
        b.LabFileState().SavedTableVersion = b.LabFileState().TableVersion;
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
        QVERIFY(w.LabTools().Table.Empty());
        QVERIFY(!w.LabFileModified());
        QVERIFY(w.LabFileState().Path.isEmpty()); // a new experiment has no file yet

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
        w.LabTools().Table.SetNote(2, QStringLiteral("heavier hanger"));

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
        QVERIFY(all.contains(FitResultText(FitMeasuredToTheory(w.LabTools().Table))));

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
        w.LabFileState().SavedTableVersion = w.LabFileState().TableVersion;
        w.LabFileState().SavedSetup = QJsonObject(); // closing would ask; the test ends here
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
            QCOMPARE(w.LabTools().Table.Count(), 3);
            QCOMPARE(w.LabTools().Table.Row(2).Number, 3);
            QCOMPARE(w.LabTools().Table.Row(2).ElapsedS, 5.0);
            QVERIFY(w.Layout.LeftClamp);
            QCOMPARE(w.Layout.HangerSlots[60].Mass, 300);
            QVERIFY(w.LabFileModified());          // restored, but in no file yet
            QCOMPARE(int(journal.Rows.size()), 3); // the new journal holds what was restored
        } else {
            QVERIFY(w.LabTools().Table.Empty());
            QVERIFY(!w.Layout.LeftClamp);
            QVERIFY(journal.Rows.empty());
        }
        messages.Answers = {TMsgResult::Discard};
        w.close();
        QVERIFY(!QFileInfo::exists(rig.Path("experiment-journal.jsonl")));
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
