#include "ExperimentFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

#include "platform/FileWriter.h"
#include "platform/RegularFile.h"
#include "record/Readings.h"
#include "record/io/LayoutReplay.h"
#include "record/io/ReadingJson.h"

namespace {

// A position on the beam in the file is in mm, a multiple of the 10 mm between stations.
int StationMm(int station) {
    return station * 10;
}

// Reads the members of one JSON object with the checks the format asks for; the first failure is kept as a
// sentence naming the field ("layout.gauge: ...").
class TReader {
public:
    TReader(const QJsonObject& object, QString path, QString& problem)
        : Object(object), Path(std::move(path)), Problem(problem) {}

    [[nodiscard]] bool Has(const char* key) const { return Object.contains(QLatin1String(key)); }

    bool Fail(const QString& key, const QString& what) {
        if (Problem.isEmpty()) Problem = QStringLiteral("%1%2 %3").arg(Path, key, what);
        return false;
    }

    bool Bool(const char* key, bool& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isBool()) return Fail(QLatin1String(key), QStringLiteral("must be true or false"));
        out = v.toBool();
        return true;
    }
    bool Number(const char* key, double& out, double min, double max) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isDouble()) return Fail(QLatin1String(key), QStringLiteral("must be a number"));
        const double d = v.toDouble();
        if (!(d >= min && d <= max))
            return Fail(QLatin1String(key), QStringLiteral("must lie from %1 to %2").arg(min).arg(max));
        out = d;
        return true;
    }
    bool Integer(const char* key, int& out, int min, int max) {
        double d = 0;
        if (!Number(key, d, min, max)) return false;
        if (d != std::floor(d)) return Fail(QLatin1String(key), QStringLiteral("must be a whole number"));
        out = int(d);
        return true;
    }
    bool Station(const char* key, int& out) {
        return StationValue(Object.value(QLatin1String(key)), key, out);
    }
    bool StationValue(const QJsonValue& v, const QString& key, int& out) {
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d < 0 || d > StationMm(LastStation) || std::fmod(d, 10.0) != 0.0)
            return Fail(key, QStringLiteral("must be a position on the beam: 0 to 600 mm in steps of 10 mm"));
        out = int(d) / 10;
        return true;
    }
    bool Zero(const char* key, TGaugeZero& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (v.isNull() || v.isUndefined()) {
            out = {};
            return true;
        }
        if (!v.isDouble() || !std::isfinite(v.toDouble()))
            return Fail(QLatin1String(key), QStringLiteral("must be a number or null"));
        out = {true, v.toDouble()};
        return true;
    }
    bool Object_(const char* key, QJsonObject& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isObject()) return Fail(QLatin1String(key), QStringLiteral("is missing"));
        out = v.toObject();
        return true;
    }
    bool Array(const char* key, QJsonArray& out) {
        const QJsonValue v = Object.value(QLatin1String(key));
        if (!v.isArray()) return Fail(QLatin1String(key), QStringLiteral("must be a list"));
        out = v.toArray();
        return true;
    }
    [[nodiscard]] QString Child(const char* key) const {
        return Path + QLatin1String(key) + QLatin1Char('.');
    }

private:
    QJsonObject Object;
    QString Path;
    QString& Problem;
};

QJsonObject LayoutToJson(const TBeamLayout& layout) {
    QJsonArray knifeEdges;
    if (layout.KnifeEdge1) knifeEdges.append(StationMm(layout.KnifeEdge1Station));
    if (layout.KnifeEdge2) knifeEdges.append(StationMm(layout.KnifeEdge2Station));
    QJsonArray weights;
    for (int s = 0; s < StationCount; ++s) {
        const THangerSlot& slot = layout.HangerSlots[s];
        if (!slot.Occupied()) continue;
        weights.append(QJsonObject{{QStringLiteral("at"), StationMm(s)},
                                   {QStringLiteral("grams"), slot.Mass},
                                   {QStringLiteral("variable"), slot.Variable}});
    }
    QJsonValue udl = QJsonValue::Null;
    if (layout.UDL)
        udl = QJsonObject{{QStringLiteral("intensity"), layout.UDLIntensity},
                          {QStringLiteral("from"), StationMm(layout.UDLStartStation)},
                          {QStringLiteral("to"), StationMm(layout.UDLEndStation)}};
    return {{QStringLiteral("leftClamp"), layout.LeftClamp},
            {QStringLiteral("rightClamp"), layout.RightClamp},
            {QStringLiteral("knifeEdges"), knifeEdges},
            {QStringLiteral("weights"), weights},
            {QStringLiteral("udl"), udl},
            {QStringLiteral("gauge"), StationMm(layout.GaugeStation)}};
}

bool LayoutFromJson(const QJsonObject& json, TBeamLayout& layout, QString& problem) {
    TReader l(json, QStringLiteral("layout."), problem);
    QJsonArray knifeEdges, weights;
    if (!l.Bool("leftClamp", layout.LeftClamp) || !l.Bool("rightClamp", layout.RightClamp) ||
        !l.Array("knifeEdges", knifeEdges) || !l.Array("weights", weights) ||
        !l.Station("gauge", layout.GaugeStation))
        return false;
    if (knifeEdges.size() > 2)
        return l.Fail(QStringLiteral("knifeEdges"), QStringLiteral("lists more than two"));
    int station = 0;
    for (qsizetype i = 0; i < knifeEdges.size(); ++i) {
        if (!l.StationValue(knifeEdges[i], QStringLiteral("knifeEdges[%1]").arg(i), station)) return false;
        (i == 0 ? layout.KnifeEdge1 : layout.KnifeEdge2) = true;
        (i == 0 ? layout.KnifeEdge1Station : layout.KnifeEdge2Station) = station;
    }
    for (qsizetype i = 0; i < weights.size(); ++i) {
        TReader w(weights[i].toObject(), QStringLiteral("layout.weights[%1].").arg(i), problem);
        if (!weights[i].isObject())
            return l.Fail(QStringLiteral("weights[%1]").arg(i), QStringLiteral("is not a weight"));
        THangerSlot slot;
        if (!w.Station("at", station) || !w.Integer("grams", slot.Mass, 0, 500) ||
            !w.Bool("variable", slot.Variable))
            return false;
        if (layout.HangerSlots[station].Occupied())
            return w.Fail(QStringLiteral("at"),
                          QStringLiteral("holds a second weight at %1 mm").arg(StationMm(station)));
        layout.HangerSlots[station] = slot;
    }
    const QJsonValue udl = json.value(QLatin1String("udl"));
    if (!udl.isNull()) {
        if (!udl.isObject()) return l.Fail(QStringLiteral("udl"), QStringLiteral("must be a load or null"));
        TReader u(udl.toObject(), QStringLiteral("layout.udl."), problem);
        if (!u.Integer("intensity", layout.UDLIntensity, 1, 50) ||
            !u.Station("from", layout.UDLStartStation) || !u.Station("to", layout.UDLEndStation))
            return false;
        layout.UDL = true;
    }
    return true;
}

} // namespace

QJsonObject SetupToJson(const TExperimentSetup& setup) {
    const TSectionChoice& c = setup.Section;
    return {
        {QStringLiteral("layout"), LayoutToJson(setup.Layout)},
        {QStringLiteral("section"),
         QJsonObject{{QStringLiteral("index"), c.Section},
                     {QStringLiteral("name"), QString::fromLatin1(SectionNames[std::size_t(c.Section)])},
                     {QStringLiteral("flatWidth"), c.FlatWidth},
                     {QStringLiteral("flatThickness"), c.FlatThickness},
                     {QStringLiteral("secondMomentM4"), double(ChoiceSecondMomentI(c))}}},
        {QStringLiteral("material"), QJsonObject{{QStringLiteral("index"), c.Material},
                                                 {QStringLiteral("name"), MaterialName(c.Material)},
                                                 {QStringLiteral("otherModulusGPa"), c.OtherModulusGPa},
                                                 {QStringLiteral("modulusPa"), ChoiceModulusGPa(c) * 1e9}}},
        {QStringLiteral("propertyVaried"), setup.PropertyVaried},
        {QStringLiteral("zeros"), QJsonObject{{QStringLiteral("gauge1"), ZeroToJson(setup.Zero[0])},
                                              {QStringLiteral("gauge2"), ZeroToJson(setup.Zero[1])}}},
    };
}

TSetupRead SetupFromJson(const QJsonObject& json) {
    TSetupRead read;
    QString& problem = read.Problem;
    TExperimentSetup& s = read.Setup;
    TReader root(json, QString(), problem);
    QJsonObject layout, section, material, zeros;
    if (!root.Object_("layout", layout) || !root.Object_("section", section) ||
        !root.Object_("material", material) || !root.Object_("zeros", zeros) ||
        !root.Integer("propertyVaried", s.PropertyVaried, -1, 9))
        return read;
    TBeamLayout wanted;
    if (!LayoutFromJson(layout, wanted, problem)) return read;

    TReader sec(section, QStringLiteral("section."), problem);
    TReader mat(material, QStringLiteral("material."), problem);
    TReader zero(zeros, QStringLiteral("zeros."), problem);
    if (!sec.Integer("index", s.Section.Section, 0, SectionCount - 1) ||
        !sec.Number("flatWidth", s.Section.FlatWidth, FlatWidthMin, FlatWidthMax) ||
        !sec.Number("flatThickness", s.Section.FlatThickness, FlatThicknessMin, FlatThicknessMax) ||
        !mat.Integer("index", s.Section.Material, 0, MaterialCount - 1) ||
        !mat.Number("otherModulusGPa", s.Section.OtherModulusGPa, OtherModulusMinGPa, OtherModulusMaxGPa) ||
        !zero.Zero("gauge1", s.Zero[0]) || !zero.Zero("gauge2", s.Zero[1]))
        return read;

    const TLayoutReplay replay = ReplayLayout(wanted);
    if (!replay.Ok()) {
        problem =
            QStringLiteral("its layout cannot be built: %1").arg(QString::fromStdString(replay.Problem));
        return read;
    }
    s.Layout = replay.Layout;
    return read;
}

TFileRead<QByteArray> ReadBoundedFile(const QString& path, qint64 maxBytes) {
    TFileRead<QByteArray> read;
    // Only a regular file, opened without blocking and never read past the bound: a pipe in the file's
    // place would otherwise hold the window until something writes into it.
    TRegularFile file = ReadRegularFile(path, maxBytes);
    switch (file.Status) {
    case TRegularFileStatus::Ok:
        read.Value = std::move(file.Bytes);
        break;
    case TRegularFileStatus::CannotOpen:
        read.Problem = file.SystemText;
        break;
    case TRegularFileStatus::NotRegular:
        read.Problem = QStringLiteral("it is not an ordinary file (a folder, a pipe or a device)");
        break;
    case TRegularFileStatus::TooLarge:
        read.Problem = QStringLiteral("it is %1 MB, larger than any experiment can be (at most %2 MB)")
                           .arg(double(QFileInfo(path).size()) / (1024 * 1024), 0, 'f', 1)
                           .arg(maxBytes / (1024 * 1024));
        break;
    }
    return read;
}

TFileRead<QJsonObject> ParseExperimentDocument(const QByteArray& bytes) {
    TFileRead<QJsonObject> read;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const bool cut = error.offset >= bytes.size() - 1 ||
                         error.error == QJsonParseError::UnterminatedObject ||
                         error.error == QJsonParseError::UnterminatedArray ||
                         error.error == QJsonParseError::UnterminatedString;
        read.Problem = (cut ? QStringLiteral("it is incomplete (it ends at byte %1: %2)")
                            : QStringLiteral("it is not a valid experiment file (at byte %1: %2)"))
                           .arg(error.offset)
                           .arg(error.errorString());
        return read;
    }
    if (!document.isObject()) {
        read.Problem = QStringLiteral("it is not an experiment file");
        return read;
    }
    read.Value = document.object();
    if (read.Value.value(QLatin1String("format")).toString() != ExperimentFileFormat) {
        read.Problem = QStringLiteral("it is not an experiment file (it does not say \"format\": \"%1\")")
                           .arg(ExperimentFileFormat);
        return read;
    }
    const QJsonValue version = read.Value.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1 ||
        version.toDouble() != std::floor(version.toDouble())) {
        read.Problem = QStringLiteral("its format version is missing or not a whole number");
        return read;
    }
    if (version.toDouble() > ExperimentFileVersion) {
        read.Problem =
            QStringLiteral(
                "it was saved by a newer version of the program (file format %1; this version reads "
                "format %2 and older)")
                .arg(version.toDouble())
                .arg(ExperimentFileVersion);
        return read;
    }
    return read;
}

QJsonArray RunNamesToJson(const std::map<int, QString>& names) {
    QJsonArray list;
    for (const auto& [run, name] : names)
        list.append(QJsonObject{{QStringLiteral("run"), run}, {QStringLiteral("name"), name}});
    return list;
}

std::map<int, QString> RunNamesFromJson(const QJsonObject& root) {
    std::map<int, QString> names;
    const QJsonValue list = root.value(QLatin1String("runNames"));
    for (const QJsonValue item : list.toArray()) {
        const QJsonObject o = item.toObject();
        const double run = o.value(QLatin1String("run")).toDouble(-1);
        const QString name = o.value(QLatin1String("name")).toString().left(60);
        if (run >= 1 && run <= MaxReadings && run == std::floor(run) && !name.trimmed().isEmpty())
            names[int(run)] = name;
    }
    return names;
}

QJsonArray RunSetupsToJson(const std::map<int, TRunSetup>& setups) {
    QJsonArray list;
    for (const auto& [run, kept] : setups)
        list.append(QJsonObject{{QStringLiteral("run"), run},
                                {QStringLiteral("reading"), kept.Reading},
                                {QStringLiteral("setup"), SetupToJson(kept.Setup)}});
    return list;
}

std::map<int, TRunSetup> RunSetupsFromJson(const QJsonObject& root) {
    std::map<int, TRunSetup> setups;
    const QJsonValue list = root.value(QLatin1String("runLayouts"));
    for (const QJsonValue item : list.toArray()) {
        const QJsonObject o = item.toObject();
        const double run = o.value(QLatin1String("run")).toDouble(-1);
        const double reading = o.value(QLatin1String("reading")).toDouble(-1);
        const auto whole = [](double v) { return v >= 1 && v <= MaxReadings && v == std::floor(v); };
        if (!whole(run) || !whole(reading) || !o.value(QLatin1String("setup")).isObject()) continue;
        // Rebuilt through the placement rules like the file's own set-up; one that is not is left out.
        const TSetupRead setup = SetupFromJson(o.value(QLatin1String("setup")).toObject());
        if (setup.Problem.isEmpty()) setups[int(run)] = {int(reading), setup.Setup};
    }
    return setups;
}

namespace {

struct TDetailField {
    const char* Key;
    QString TExperimentDetails::*Field;
    int Length;
};
constexpr TDetailField DetailFields[] = {{"names", &TExperimentDetails::Names, 200},
                                         {"group", &TExperimentDetails::Group, 60},
                                         {"bench", &TExperimentDetails::Bench, 60},
                                         {"date", &TExperimentDetails::Date, 60},
                                         {"note", &TExperimentDetails::Note, MaxNoteLength}};

} // namespace

TExperimentDetails CleanDetails(const TExperimentDetails& details) {
    TExperimentDetails clean;
    for (const TDetailField& f : DetailFields)
        clean.*f.Field = CleanNote(details.*f.Field).trimmed().left(f.Length);
    return clean;
}

QJsonObject DetailsToJson(const TExperimentDetails& details) {
    QJsonObject json;
    const TExperimentDetails clean = CleanDetails(details);
    for (const TDetailField& f : DetailFields)
        if (!(clean.*f.Field).isEmpty()) json.insert(QString::fromLatin1(f.Key), clean.*f.Field);
    return json;
}

TExperimentDetails DetailsFromJson(const QJsonObject& root) {
    const QJsonObject json = root.value(QLatin1String("details")).toObject();
    TExperimentDetails details;
    for (const TDetailField& f : DetailFields)
        details.*f.Field = json.value(QLatin1String(f.Key)).toString();
    return CleanDetails(details);
}

QByteArray ExperimentBytes(const TExperimentSetup& setup, const std::vector<QJsonObject>& rows, bool handout,
                           const std::map<int, QString>& runNames, const TExperimentDetails& details,
                           const std::map<int, TRunSetup>& runSetups) {
    QJsonObject root = SetupToJson(setup);
    root.insert(QStringLiteral("runNames"), RunNamesToJson(runNames));
    if (!runSetups.empty()) root.insert(QStringLiteral("runLayouts"), RunSetupsToJson(runSetups));
    if (!details.Empty()) root.insert(QStringLiteral("details"), DetailsToJson(details));
    if (handout) root.insert(QStringLiteral("handout"), true);
    root.insert(QStringLiteral("format"), ExperimentFileFormat);
    root.insert(QStringLiteral("version"), ExperimentFileVersion);
    root.insert(QStringLiteral("saved"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    QJsonArray readings;
    for (const QJsonObject& row : rows)
        readings.append(row);
    root.insert(QStringLiteral("readings"), readings);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

TFileRead<TExperimentDocument> ExperimentFromBytes(const QByteArray& bytes) {
    TFileRead<TExperimentDocument> read;
    const TFileRead<QJsonObject> document = ParseExperimentDocument(bytes);
    if (!document.Ok()) {
        read.Problem = document.Problem;
        return read;
    }
    const QJsonValue readings = document.Value.value(QLatin1String("readings"));
    if (!readings.isArray()) {
        read.Problem = QStringLiteral("readings must be a list");
        return read;
    }
    for (const QJsonValue row : readings.toArray()) {
        const QString where = QStringLiteral("readings[%1]").arg(read.Value.Rows.size());
        const QString problem = row.isObject() ? ReadingFromJson(row.toObject(), where).Problem
                                               : where + QStringLiteral(" is not a reading");
        if (!problem.isEmpty()) {
            read.Problem = problem;
            read.Value.Rows.clear();
            return read;
        }
        read.Value.Rows.push_back(row.toObject());
    }
    TSetupRead setup = SetupFromJson(document.Value);
    if (!setup.Problem.isEmpty()) {
        read.Problem = setup.Problem;
        read.Value.Rows.clear();
        return read;
    }
    read.Value.Setup = setup.Setup;
    read.Value.Handout = document.Value.value(QLatin1String("handout")).toBool(false);
    read.Value.Version = document.Value.value(QLatin1String("version")).toInt();
    read.Value.RunNames = RunNamesFromJson(document.Value);
    read.Value.Details = DetailsFromJson(document.Value);
    read.Value.RunSetups = RunSetupsFromJson(document.Value);
    return read;
}

QString SaveExperiment(const QString& path, const TExperimentSetup& setup,
                       const std::vector<QJsonObject>& rows, bool handout,
                       const std::map<int, QString>& runNames, const TExperimentDetails& details,
                       const std::map<int, TRunSetup>& runSetups) {
    const QByteArray bytes = ExperimentBytes(setup, rows, handout, runNames, details, runSetups);
    // The bound of opening holds for saving too: a file the program writes is one it reads.
    if (bytes.size() > ExperimentFileMaxBytes)
        return QStringLiteral(
                   "the experiment would take %1 MB, more than an experiment file may hold (%2 MB)")
            .arg(double(bytes.size()) / (1024 * 1024), 0, 'f', 1)
            .arg(ExperimentFileMaxBytes / (1024 * 1024));
    return WriteFileSafely(path, bytes);
}

TFileRead<TExperimentDocument> OpenExperiment(const QString& path) {
    const TFileRead<QByteArray> bytes = ReadBoundedFile(path, ExperimentFileMaxBytes);
    if (!bytes.Ok()) return {{}, bytes.Problem};
    return ExperimentFromBytes(bytes.Value);
}
