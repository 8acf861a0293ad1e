// The experiment file: what is saved comes back the same (layout, curve bit for bit, section, rows), and
// every kind of bad file is refused by name without a half-read result.
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <sys/stat.h>

#include "RecordingPresenter.h"
#include "SmallDisk.h"
#include "model/PlacementRules.h"
#include "record/io/ExperimentFile.h"
#include "record/io/LayoutReplay.h"
#include "record/io/ReadingJson.h"
#include "theory/BeamTheory.h"

Q_DECLARE_METATYPE(TBeamLayout)

namespace {

TBeamLayout Hang(TBeamLayout l, int station, int grams, bool variable = false) {
    l.HangerSlots[station] = {grams, variable};
    return l;
}

TBeamLayout Cantilever() {
    TBeamLayout l;
    l.LeftClamp = true;
    return l;
}

TBeamLayout TwoKnifeEdges(int a, int b) {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = a;
    l.KnifeEdge2Station = b;
    l.UpdateKnifeEdgeOrder();
    return l;
}

TBeamLayout WithUDL(TBeamLayout l, int intensity, int from, int to) {
    l.UDL = true;
    l.UDLIntensity = intensity;
    l.UDLStartStation = from;
    l.UDLEndStation = to;
    return l;
}

TDeflectionCurve Curve(TBeamLayout layout, const TSectionChoice& section) {
    TBeamTheory theory;
    theory.ModulusE = ChoiceModulusE(section);
    theory.SecondMomentI = ChoiceSecondMomentI(section);
    TRecordingPresenter view;
    theory.Recalculate(layout, view);
    return theory.StationDeflection;
}

TReading SampleReading(int number, const QString& note) {
    TReading r;
    r.Number = number;
    r.ElapsedS = 12.345 * number;
    r.Property = TVariedProperty::HangerLoad;
    r.Varied.Numeric = true;
    r.Varied.Value = 300 * NewtonsPerGram;
    r.Varied.Quantity = QStringLiteral("Hanger load");
    r.Varied.Unit = QStringLiteral("N");
    r.Varied.Text = QStringLiteral("300 g (2.94 N)");
    r.Varied.Grams = 300;
    r.GaugeStation = 45;
    r.TheoryMm = -1.0 / 3.0;
    r.Gauges[0] = {true, -0.3141592653589793, 17, 0.001, {true, 0.1 + 0.2}};
    r.Gauges[1] = {true, -0.25, 18, 1e-17, {}};
    r.Stiffness = {QStringLiteral("Flat section"), QStringLiteral("Aluminium"), 69.0, 5.1e-11};
    r.Note = note;
    return r;
}

QByteArray ValidBytes() {
    TExperimentSetup setup;
    setup.Layout = Hang(Cantilever(), 40, 300);
    return ExperimentBytes(setup, {ReadingToJson(SampleReading(1, QStringLiteral("first")))});
}

QByteArray Edited(const QByteArray& bytes, const std::function<void(QJsonObject&)>& edit) {
    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    edit(root);
    return QJsonDocument(root).toJson();
}

void SetLayoutMember(QJsonObject& root, const QString& key, const QJsonValue& value) {
    QJsonObject layout = root[QStringLiteral("layout")].toObject();
    layout[key] = value;
    root[QStringLiteral("layout")] = layout;
}

} // namespace

class TestExperimentFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void refusals_data();
    void refusals();
    void refusesOversizedFileUnread();
    void failedWriteLeavesOldFileWhole();
    void hostilePaths();
    void savedFileKeepsItsMode();
    void largestTableSavesAndOpens();
    void modulusStoredAsStated();
    void replayFollowsTheMouseRules();
};

void TestExperimentFile::roundTrip_data() {
    QTest::addColumn<TBeamLayout>("layout");
    TBeamLayout propped = Cantilever();
    propped.KnifeEdge1 = true;
    propped.KnifeEdge1Station = 45;
    TBeamLayout fixed = Cantilever();
    fixed.RightClamp = true;
    TBeamLayout onlySecond = Cantilever(); // knife-edge 1 taken away, number 2 stayed as the prop
    onlySecond.KnifeEdge2 = true;
    onlySecond.KnifeEdge1Station = 10;
    onlySecond.KnifeEdge2Station = 50;

    QTest::newRow("cantilever, tip load") << Hang(Cantilever(), 60, 500);
    QTest::newRow("cantilever, shortened UDL and a variable weight")
        << Hang(WithUDL(Cantilever(), 17, 0, 35), 52, 230, true);
    QTest::newRow("propped cantilever, UDL to the prop, two weights")
        << Hang(Hang(WithUDL(propped, 50, 0, 45), 20, 100), 55, 400);
    QTest::newRow("fixed both ends, UDL and a 0 g hanger") << Hang(WithUDL(fixed, 1, 0, 60), 30, 0, true);
    QTest::newRow("simply supported, one weight on each overhang, UDL over the span")
        << Hang(Hang(Hang(WithUDL(TwoKnifeEdges(50, 10), 25, 10, 50), 3, 200), 58, 100), 30, 500);
    QTest::newRow("simply supported at the ends, gauge at 0 mm") << [] {
        TBeamLayout l = Hang(TwoKnifeEdges(0, 60), 30, 300);
        l.GaugeStation = 0;
        return l;
    }();
    QTest::newRow("propped by knife-edge 2 alone") << Hang(onlySecond, 20, 100);
    QTest::newRow("empty beam, gauge at 600 mm") << [] {
        TBeamLayout l;
        l.GaugeStation = 60;
        return l;
    }();
}

void TestExperimentFile::roundTrip() {
    QFETCH(TBeamLayout, layout);
    TExperimentSetup saved;
    saved.Layout = layout;
    saved.Section = {FlatSectionIndex, 20.5, 2.95, OtherMaterial, 123.4};
    saved.PropertyVaried = 1;
    saved.Zero[0] = {true, -0.0123456789};
    const std::vector<QJsonObject> rows = {ReadingToJson(SampleReading(1, QStringLiteral("=1+1 ünits µm"))),
                                           ReadingToJson(SampleReading(4, QString()))};

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.ferx"));
    QCOMPARE(SaveExperiment(path, saved, rows), QString());
    const TFileRead<TExperimentDocument> opened = OpenExperiment(path);
    QVERIFY2(opened.Ok(), qPrintable(opened.Problem));

    const TExperimentSetup& back = opened.Value.Setup;
    QVERIFY(SameItems(back.Layout, layout));
    QVERIFY(back.Section == saved.Section);
    QCOMPARE(back.PropertyVaried, 1);
    QVERIFY(back.Zero[0].Set && back.Zero[0].Value == saved.Zero[0].Value);
    QVERIFY(!back.Zero[1].Set);
    QCOMPARE(opened.Value.Rows, rows);
    // The rows read back as readings, every number exactly as it was.
    const TReading first = ReadingFromJson(opened.Value.Rows[0], QStringLiteral("r")).Reading;
    const TReading expected = SampleReading(1, QStringLiteral("=1+1 ünits µm"));
    QCOMPARE(first.Note, expected.Note);
    QVERIFY(first.TheoryMm == expected.TheoryMm && first.Gauges[1].StdDev == expected.Gauges[1].StdDev);
    QVERIFY(first.Gauges[0].Zero.Set && first.Gauges[0].Zero.Value == expected.Gauges[0].Zero.Value);
    QCOMPARE(first.Property, TVariedProperty::HangerLoad);
    QCOMPARE(first.Varied.Grams, 300);
    const TDeflectionCurve before = Curve(layout, saved.Section), after = Curve(back.Layout, back.Section);
    QVERIFY(std::memcmp(before.data(), after.data(), sizeof before) == 0);
    // Every layout here is loaded or deliberately empty; a loaded one must give a real curve.
    if (layout.Loaded() && layout.SupportArrangement() != TSupportArrangement::Unsupported)
        QVERIFY(std::any_of(after.begin(), after.end(), [](float d) { return d != 0.0f; }));
}

void TestExperimentFile::refusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray valid = ValidBytes();
    QTest::newRow("not JSON") << QByteArray("this is a letter, not an experiment")
                              << "not a valid experiment file";
    QTest::newRow("cut short") << valid.left(valid.size() / 2) << "it is incomplete";
    QTest::newRow("empty") << QByteArray() << "it is incomplete";
    QTest::newRow("another program's JSON") << QByteArray(R"({"name": "x"})") << "not an experiment file";
    QTest::newRow("newer version")
        << Edited(valid, [](QJsonObject& r) { r[QStringLiteral("version")] = ExperimentFileVersion + 1; })
        << QStringLiteral("saved by a newer version of the program (file format %1")
               .arg(ExperimentFileVersion + 1);
    QTest::newRow("gauge off the beam")
        << Edited(valid, [](QJsonObject& r) { SetLayoutMember(r, QStringLiteral("gauge"), 605); })
        << "layout.gauge must be a position on the beam";
    QTest::newRow("readings not a list")
        << Edited(valid, [](QJsonObject& r) { r[QStringLiteral("readings")] = 3; })
        << "readings must be a list";
    QTest::newRow("a reading without its gauges") << Edited(valid, [](QJsonObject& r) {
        QJsonObject row = r[QStringLiteral("readings")].toArray()[0].toObject();
        row.remove(QStringLiteral("gauges"));
        r[QStringLiteral("readings")] = QJsonArray{row};
    }) << "readings[0].gauges must list 2 gauges";
    // Values no program run can have written: a time that would overflow the next row's clock, a negative
    // spread that would put "inf" on the plot's axis.
    auto editReading = [&valid](const char* key, const QJsonValue& value, const char* gauge = nullptr) {
        return Edited(valid, [=](QJsonObject& r) {
            QJsonObject row = r[QStringLiteral("readings")].toArray()[0].toObject();
            if (gauge) {
                QJsonArray gauges = row[QStringLiteral("gauges")].toArray();
                QJsonObject g = gauges[0].toObject();
                g[QLatin1String(key)] = value;
                gauges[0] = g;
                row[QStringLiteral("gauges")] = gauges;
            } else {
                row[QLatin1String(key)] = value;
            }
            r[QStringLiteral("readings")] = QJsonArray{row};
        });
    };
    QTest::newRow("elapsed time beyond any session")
        << editReading("elapsedS", 1e308) << "readings[0].elapsedS must lie from 0 to";
    QTest::newRow("negative elapsed time")
        << editReading("elapsedS", -1.0) << "readings[0].elapsedS must lie";
    QTest::newRow("negative spread") << editReading("stdDev", -0.01, "gauge")
                                     << "readings[0].gauges[0].stdDev must lie from 0 to";
    QTest::newRow("flat bar too thick") << Edited(valid, [](QJsonObject& r) {
        QJsonObject s = r[QStringLiteral("section")].toObject();
        s[QStringLiteral("flatThickness")] = 9.0;
        r[QStringLiteral("section")] = s;
    }) << "section.flatThickness must lie from 2.8 to 3.5";
    // Layouts the tool box would not let the mouse build.
    QTest::newRow("right clamp alone") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("leftClamp"), false);
        SetLayoutMember(r, QStringLiteral("rightClamp"), true);
    }) << "its layout cannot be built: a right-hand clamp needs the left-hand clamp";
    QTest::newRow("knife-edge between two clamps") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("rightClamp"), true);
        SetLayoutMember(r, QStringLiteral("knifeEdges"), QJsonArray{300});
    }) << "its layout cannot be built: " + QString::fromStdString(BothClampsKnifeEdgeWarning).chopped(1);
    QTest::newRow("two knife-edges beside a clamp") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("knifeEdges"), QJsonArray{200, 400});
    }) << "its layout cannot be built: a clamped beam holds at most one knife-edge";
    QTest::newRow("a hanger heavier than 500 g") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("weights"),
                        QJsonArray{QJsonObject{{"at", 300}, {"grams", 510}, {"variable", true}}});
    }) << "layout.weights[0].grams must lie from 0 to 500";
    QTest::newRow("a mass the tool box does not have") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("weights"),
                        QJsonArray{QJsonObject{{"at", 300}, {"grams", 150}, {"variable", false}}});
    }) << "a weight of 150 g at 300 mm is not one of the tool box's masses";
    QTest::newRow("UDL beyond the span") << Edited(valid, [](QJsonObject& r) {
        SetLayoutMember(r, QStringLiteral("leftClamp"), false);
        SetLayoutMember(r, QStringLiteral("knifeEdges"), QJsonArray{100, 500});
        SetLayoutMember(r, QStringLiteral("weights"), QJsonArray{});
        SetLayoutMember(r, QStringLiteral("udl"), QJsonObject{{"intensity", 10}, {"from", 0}, {"to", 600}});
    }) << "a UDL from 0 mm to 600 mm does not fit these supports (it would lie from 100 mm to 500 mm)";
}

void TestExperimentFile::refusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const TFileRead<TExperimentDocument> read = ExperimentFromBytes(bytes);
    QVERIFY2(read.Problem.contains(problem), qPrintable(read.Problem));
    QVERIFY(read.Value.Rows.empty());
    QVERIFY(!read.Value.Setup.Layout.Loaded());
}

void TestExperimentFile::refusesOversizedFileUnread() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.ferx"));
    QFile big(path);
    QVERIFY(big.open(QIODevice::WriteOnly));
    // A sparse file: the bound is judged by its size, so nothing of it needs to be read or even stored.
    QVERIFY(big.resize(ExperimentFileMaxBytes + 1));
    big.close();
    const TFileRead<TExperimentDocument> read = OpenExperiment(path);
    QVERIFY2(read.Problem.contains(QStringLiteral("larger than any experiment can be (at most %1 MB)")
                                       .arg(ExperimentFileMaxBytes / (1024 * 1024))),
             qPrintable(read.Problem));

    // At the bound exactly, the file is read and judged by its content.
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(ExperimentFileMaxBytes));
    big.close();
    QVERIFY(!OpenExperiment(path).Problem.contains(QStringLiteral("larger")));
}

void TestExperimentFile::failedWriteLeavesOldFileWhole() {
    // A saved experiment of a real size (five readings, a few KB) on a disk that then fills: the next save
    // (one note longer) must fail, say why, and leave the old file byte for byte. A write this small fits
    // in a file buffer, so a writer that only flushes at its close never sees the failure.
    TSmallDisk disk;
    QVERIFY(disk.Valid());
    const QString path = disk.Path(QStringLiteral("kept.ferx"));
    TExperimentSetup setup;
    setup.Layout = Hang(Cantilever(), 40, 300);
    std::vector<QJsonObject> rows;
    for (int n = 1; n <= 5; ++n)
        rows.push_back(ReadingToJson(SampleReading(n, QStringLiteral("step %1").arg(n))));
    QCOMPARE(SaveExperiment(path, setup, rows), QString());
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const QByteArray old = kept.readAll();
    kept.close();
    QVERIFY2(old.size() > 4000 && old.size() < 16384, QByteArray::number(old.size()).constData());

    disk.Fill();
    rows[2] = ReadingToJson(SampleReading(3, QStringLiteral("step 3, the hanger swung")));
    const QString why = SaveExperiment(path, setup, rows);
    disk.Unfill();

    QVERIFY2(why.contains(QStringLiteral("the disk is full")) || why.contains(QStringLiteral("larger than")),
             qPrintable(QStringLiteral("%1: \"%2\"").arg(QLatin1String(disk.Kind()), why)));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), old);
    kept.close();
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("kept.ferx")});
}

void TestExperimentFile::hostilePaths() {
    // What may stand where a student saves or opens: each ends at once in a clear answer, and nothing is
    // written through a link into a file that is not a regular one. A pipe would hold a plain open() until
    // something writes into it; the test would then hang (and fail on the time limit).
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe.ferx"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY2(OpenExperiment(fifo).Problem.contains(QStringLiteral("not an ordinary file")),
             qPrintable(OpenExperiment(fifo).Problem));
    TExperimentSetup setup;
    setup.Layout = Hang(Cantilever(), 40, 300);
    QVERIFY(SaveExperiment(fifo, setup, {}).contains(QStringLiteral("not an ordinary file")));
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());

    const QString sub = folder.filePath(QStringLiteral("folder.ferx"));
    QVERIFY(QDir().mkdir(sub));
    QVERIFY(OpenExperiment(sub).Problem.contains(QStringLiteral("not an ordinary file")));
    QVERIFY(SaveExperiment(sub, setup, {}).contains(QStringLiteral("not an ordinary file")));

    const QString dangling = folder.filePath(QStringLiteral("dangling.ferx"));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("nowhere")), dangling));
    QVERIFY(!SaveExperiment(dangling, setup, {}).isEmpty());
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("nowhere"))));

    // A file made read-only (a teacher's hand-out) is refused, not replaced through its folder.
    const QString locked = folder.filePath(QStringLiteral("locked.ferx"));
    QCOMPARE(SaveExperiment(locked, {}, {}), QString());
    QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0444) == 0);
    QVERIFY(SaveExperiment(locked, setup, {}).contains(QStringLiteral("read-only")));
    QVERIFY(!OpenExperiment(locked).Value.Setup.Layout.LeftClamp);

    // A link to a regular file (a shared folder arranged with links) is followed; the link stays a link.
    const QString real = folder.filePath(QStringLiteral("real.ferx"));
    const QString link = folder.filePath(QStringLiteral("link.ferx"));
    QCOMPARE(SaveExperiment(real, {}, {}), QString());
    QVERIFY(QFile::link(real, link));
    QCOMPARE(SaveExperiment(link, setup, {}), QString());
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(SameItems(OpenExperiment(real).Value.Setup.Layout, setup.Layout));
}

void TestExperimentFile::savedFileKeepsItsMode() {
    // A file a teacher made readable to the class keeps its mode when a save replaces it.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shared.ferx"));
    QCOMPARE(SaveExperiment(path, {}, {}), QString());
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(::chmod(name.constData(), 0644) == 0);
    QCOMPARE(SaveExperiment(path, {}, {}), QString());
    struct stat status {};
    QVERIFY(::stat(name.constData(), &status) == 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0644));
}

void TestExperimentFile::largestTableSavesAndOpens() {
    // One bound for saving and opening, with room for the largest table the window lets a student record:
    // MaxReadings rows, each with the longest note of three-byte characters.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("largest.ferx"));
    std::vector<QJsonObject> rows;
    const QString note(MaxNoteLength, QChar(0x20AC)); // the euro sign: three bytes in UTF-8
    for (int n = 1; n <= MaxReadings; ++n)
        rows.push_back(ReadingToJson(SampleReading(n, note)));
    QCOMPARE(SaveExperiment(path, {}, rows), QString());
    QVERIFY(QFileInfo(path).size() <= ExperimentFileMaxBytes);
    const TFileRead<TExperimentDocument> read = OpenExperiment(path);
    QVERIFY2(read.Ok(), qPrintable(read.Problem));
    QCOMPARE(int(read.Value.Rows.size()), MaxReadings);

    // Past the bound nothing is written, and the old file stays.
    const QString big(200000, QLatin1Char('x'));
    for (int i = 0; i < 200; ++i)
        rows[std::size_t(i)][QStringLiteral("note")] = big;
    const QString why = SaveExperiment(path, {}, rows);
    QVERIFY2(why.contains(QStringLiteral("more than an experiment file may hold")), qPrintable(why));
    QCOMPARE(int(OpenExperiment(path).Value.Rows.size()), MaxReadings);
}

void TestExperimentFile::modulusStoredAsStated() {
    // The material list says 69 GPa; the file says 69000000000 Pa, not the float's 69000003584.
    TExperimentSetup setup;
    const QJsonObject json = SetupToJson(setup);
    QCOMPARE(json[QStringLiteral("material")][QStringLiteral("modulusPa")].toDouble(), 69e9);
    setup.Section.Material = 1;
    QCOMPARE(SetupToJson(setup)[QStringLiteral("material")][QStringLiteral("modulusPa")].toDouble(), 207e9);
}

void TestExperimentFile::replayFollowsTheMouseRules() {
    // A layout the mouse builds in an order the replay does not use (weights first, then the supports)
    // comes back the same; the replayed layout passes through the rules, so it is a layout the window can
    // show and edit further.
    TBeamLayout built;
    auto drop = [&built](const TDragSource& s, const TDropTarget& t) {
        built = DragAndDrop(built, s, t).Layout;
    };
    drop(TDragSource::FixedWeight(200), TDropTarget::Screen(StationX[5], 190));
    drop(TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[12], 150));
    drop(TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[48], 150));
    drop(TDragSource::VariableWeight(70), TDropTarget::Screen(StationX[30], 190));
    const TLayoutReplay replay = ReplayLayout(built);
    QVERIFY2(replay.Ok(), replay.Problem.c_str());
    QVERIFY(SameItems(replay.Layout, built));
    QCOMPARE(replay.Layout.LeftKnifeEdgeStation, 12);
    QCOMPARE(replay.Layout.RightKnifeEdgeStation, 48);
    QVERIFY(!replay.Layout.MovingKnifeEdge1 && !replay.Layout.DraggingGauge && !replay.Layout.ResizingUDL);
}

QTEST_APPLESS_MAIN(TestExperimentFile)
#include "tst_experiment_file.moc"
