// Writes the version 1 experiment files kept in tests/record/fixtures/ with the program's own code of the
// time: rows gathered as the window's RecordReading gathered them (property, section and material names,
// E and I of the theory, the varied value, the theory at the gauge, the gauges' last-second statistics
// with the zero), saved with SaveExperiment. Run once; the files are the fixtures, not this program.
#include <QCoreApplication>
#include <QDir>
#include <cmath>

#include "RecordingPresenter.h"
#include "record/io/ExperimentFile.h"
#include "record/io/ReadingJson.h"
#include "theory/BeamTheory.h"

namespace {

struct TBench {
    TExperimentSetup Setup;
    TReadingsTable Table;
    TGaugeHistory History;
    qint64 Now = 1000000;
    std::vector<QJsonObject> Rows;

    // The gauges as a real dial gauge shows them: the deflection the beam has (theory times k, downward
    // negative on gauge 1; gauge 2 reads a fixed offset) with a little scatter, 25 samples a second.
    void Settle(std::optional<double> gauge1Mm, std::optional<double> gauge2Mm) {
        for (int i = 0; i < 25; ++i) {
            Now += 40;
            const double wobble = 0.002 * std::sin(0.7 * i + gauge1Mm.value_or(0.0) + gauge2Mm.value_or(0.0));
            History.Add(Now, {gauge1Mm ? std::optional<double>(*gauge1Mm + wobble) : std::nullopt,
                              gauge2Mm ? std::optional<double>(*gauge2Mm - wobble) : std::nullopt});
        }
    }

    void Record(const QString& note, int selectedGauge, bool connected) {
        TBeamTheory theory;
        theory.ModulusE = ChoiceModulusE(Setup.Section);
        theory.SecondMomentI = ChoiceSecondMomentI(Setup.Section);
        TRecordingPresenter view;
        TBeamLayout layout = Setup.Layout;
        theory.Recalculate(layout, view);
        TReading r;
        r.Property = VariedPropertyFromIndex(Setup.PropertyVaried);
        const TSectionChoice& c = Setup.Section;
        r.Stiffness.SectionName = QString::fromLatin1(SectionNames[std::size_t(c.Section)]);
        r.Stiffness.MaterialName = MaterialName(c.Material);
        r.Stiffness.ModulusGPa = double(theory.ModulusE) / 1e9;
        r.Stiffness.SecondMomentM4 = double(theory.SecondMomentI);
        r.Varied = VariedValue(r.Property, layout, r.Stiffness);
        r.GaugeStation = layout.GaugeStation;
        r.TheoryMm = theory.DisplayedDeflectionMm(layout.GaugeStation);
        r.SelectedGauge = selectedGauge;
        r.Gauges = GaugeReadings(History, Now, Setup.Zero, connected);
        r.Note = note;
        const int index = Table.Add(std::move(r), Now);
        Rows.push_back(ReadingToJson(Table.Row(index)));
        Now += 15000;
    }

    double TheoryNow() {
        TBeamTheory theory;
        theory.ModulusE = ChoiceModulusE(Setup.Section);
        theory.SecondMomentI = ChoiceSecondMomentI(Setup.Section);
        TRecordingPresenter view;
        TBeamLayout layout = Setup.Layout;
        theory.Recalculate(layout, view);
        return theory.DisplayedDeflectionMm(layout.GaugeStation);
    }
};

TBeamLayout SimplySupported() {
    TBeamLayout l;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = 10;
    l.KnifeEdge2Station = 50;
    l.UpdateKnifeEdgeOrder();
    l.GaugeStation = 30;
    return l;
}

void Save(const QString& folder, const QString& name, const TBench& bench, bool handout = false) {
    const QString path = QDir(folder).filePath(name);
    const QString why = SaveExperiment(path, bench.Setup, bench.Rows, handout);
    if (!why.isEmpty()) qFatal("%s: %s", qPrintable(name), qPrintable(why));
    const TFileRead<TExperimentDocument> read = OpenExperiment(path);
    if (!read.Ok()) qFatal("%s does not open: %s", qPrintable(name), qPrintable(read.Problem));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = app.arguments().value(1, QStringLiteral("."));

    // Aluminium flat bar on knife-edges at 100 and 500 mm, a variable hanger at mid-span loaded 100 to
    // 500 g and unloaded again; gauge 1 under it reads 1.08 times the theory, zeroed on the empty hanger.
    {
        TBench b;
        b.Setup.Layout = SimplySupported();
        b.Setup.PropertyVaried = int(TVariedProperty::HangerLoad);
        b.Settle(0.412, 1.250);
        b.Setup.Zero = b.History.ZeroNow(b.Now);
        const int loads[] = {100, 200, 300, 400, 500, 400, 300, 200, 100};
        for (int grams : loads) {
            b.Setup.Layout.HangerSlots[30] = {grams, true};
            const double t = b.TheoryNow();
            b.Settle(0.412 + 1.08 * t + (grams == 500 ? 0 : 0.003), 1.250 + 0.5 * t);
            b.Record(grams == 500 ? QStringLiteral("top of the loading") : QString(), 0, true);
        }
        Save(folder, QStringLiteral("v1-simply-supported-load-series.ferx"), b);
    }

    // A steel cantilever, the gauge at the tip moved along; gauge 2 zeroed, gauge 1 in error for the zero
    // (so only gauge 2 keeps one), the meter on gauge 2; one row recorded before the zero was taken.
    {
        TBench b;
        b.Setup.Layout.LeftClamp = true;
        b.Setup.Layout.HangerSlots[60] = {200, true};
        b.Setup.Section.Material = 1;
        b.Setup.PropertyVaried = int(TVariedProperty::GaugePosition);
        b.Setup.Layout.GaugeStation = 20;
        b.Settle(std::nullopt, 0.800 + 1.03 * b.TheoryNow());
        b.Record(QStringLiteral("before the zero"), 1, true);
        b.Setup.Layout.HangerSlots[60] = {0, true};
        b.Settle(std::nullopt, 0.800);
        b.Setup.Zero = b.History.ZeroNow(b.Now);
        b.Setup.Layout.HangerSlots[60] = {200, true};
        for (int station : {20, 30, 40, 50, 60}) {
            b.Setup.Layout.GaugeStation = station;
            b.Settle(std::nullopt, 0.800 + 1.03 * b.TheoryNow());
            b.Record(QString(), 1, true);
        }
        Save(folder, QStringLiteral("v1-cantilever-gauge-zeroed.ferx"), b);
    }

    // Notes in several scripts, a separator and a formula in a note, a brass "Other material" of 97.5 GPa,
    // a 20 x 3 mm flat bar; recorded in virtual mode (no measured values).
    {
        TBench b;
        b.Setup.Layout = SimplySupported();
        b.Setup.Layout.HangerSlots[20] = {300, true};
        b.Setup.Section.FlatWidth = 20.0;
        b.Setup.Section.FlatThickness = 3.0;
        b.Setup.Section.Material = OtherMaterial;
        b.Setup.Section.OtherModulusGPa = 97.5;
        b.Setup.PropertyVaried = int(TVariedProperty::HangerPosition);
        const QString notes[] = {QStringLiteral("Grüße aus Köln; µm-Messung"),
                                 QStringLiteral("=SUM(A1:A3), \"quoted\"; semi;colon"),
                                 QStringLiteral("日本語のメモ — Ελληνικά ✓"), QString()};
        int i = 0;
        for (int station : {15, 20, 25, 35}) {
            b.Setup.Layout.HangerSlots = {};
            b.Setup.Layout.HangerSlots[station] = {300, true};
            b.Record(notes[i++], 0, false);
        }
        Save(folder, QStringLiteral("v1-notes-unicode-virtual.ferx"), b);
    }

    // A hanger-position series on the apparatus, gauge 1 reading 1.08 times the theory; one row recorded
    // with a second hanger on the beam, where the position is undefined and the gauge reads what the two
    // loads give.
    {
        TBench b;
        b.Setup.Layout = SimplySupported();
        b.Setup.PropertyVaried = int(TVariedProperty::HangerPosition);
        b.Settle(0.0, 0.0);
        b.Setup.Zero = b.History.ZeroNow(b.Now);
        for (int station : {15, 20, 25, 30, -1, 35, 40}) {
            b.Setup.Layout.HangerSlots = {};
            if (station < 0) {
                b.Setup.Layout.HangerSlots[20] = {300, true};
                b.Setup.Layout.HangerSlots[40] = {200, false};
            } else {
                b.Setup.Layout.HangerSlots[station] = {300, true};
            }
            b.Settle(1.08 * b.TheoryNow(), 0.0);
            b.Record(station < 0 ? QStringLiteral("second hanger on") : QString(), 0, true);
        }
        Save(folder, QStringLiteral("v1-hanger-position-two-hangers.ferx"), b);
    }

    // A teacher's hand-out: a propped cantilever with a UDL, the property chosen, no readings yet.
    {
        TBench b;
        b.Setup.Layout.LeftClamp = true;
        b.Setup.Layout.KnifeEdge2 = true;
        b.Setup.Layout.KnifeEdge2Station = 50;
        b.Setup.Layout.UpdateKnifeEdgeOrder();
        b.Setup.Layout.UDL = true;
        b.Setup.Layout.UDLIntensity = 10;
        b.Setup.Layout.UDLStartStation = 0;
        b.Setup.Layout.UDLEndStation = 50;
        b.Setup.Layout.GaugeStation = 25;
        b.Setup.PropertyVaried = int(TVariedProperty::UDLValue);
        Save(folder, QStringLiteral("v1-handout-propped-udl.ferx"), b, true);
    }
    return 0;
}
