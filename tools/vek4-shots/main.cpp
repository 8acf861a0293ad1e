// vek4-shots DIR [LANGUAGE QMDIR]: pictures of the experiment window at 100 %, empty and with one layout of
// each support arrangement set up through the model, for looking at the design (run with
// QT_QPA_PLATFORM=offscreen). With a language ("de", "fr", "es") and the folder of the built .qm files, the
// window speaks that language and each picture's name ends in "-LANGUAGE".

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QToolButton>
#include <QTranslator>

#include "experiment/VEK4.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"

namespace {

QString Suffix;

void Shot(TVEK4Form& window, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    window.grab().save(dir.filePath(name + Suffix + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallDesignFontSubstitutes();
    RegisterProgramCursors();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTranslator own, qt;
    if (argc > 3) {
        const QString language = QString::fromLocal8Bit(argv[2]);
        if (!own.load(QStringLiteral("ferrant_") + language, QString::fromLocal8Bit(argv[3]))) return 1;
        QCoreApplication::installTranslator(&own);
        if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        Suffix = QLatin1Char('-') + language;
    }

    TVEK4Form window;
    window.show();
    Shot(window, dir, QStringLiteral("vek4-empty"));

    TBeamLayout& l = window.Layout;
    l.LeftClamp = true;
    l.HangerSlots[60].Mass = 300;
    l.HangerSlots[40] = {150, true};
    l.GaugeStation = 45;
    window.Recalculate();
    Shot(window, dir, QStringLiteral("vek4-cantilever"));

    window.NewButtonClick();
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = 10;
    l.KnifeEdge2Station = 50;
    l.UpdateKnifeEdgeOrder();
    l.HangerSlots[30].Mass = 500;
    l.HangerSlots[5].Mass = 100;
    l.HangerSlots[56].Mass = 200;
    window.Recalculate();
    Shot(window, dir, QStringLiteral("vek4-simply-supported"));

    window.NewButtonClick();
    l.LeftClamp = l.RightClamp = true;
    l.UDL = false;
    window.PlaceUDL();
    l.HangerSlots[20].Mass = 400;
    window.Recalculate();
    Shot(window, dir, QStringLiteral("vek4-fixed-both-ends"));

    window.NewButtonClick();
    l.LeftClamp = true;
    l.KnifeEdge1 = true;
    l.KnifeEdge1Station = 40;
    window.PlaceUDL();
    l.HangerSlots[58] = {250, true};
    l.HangerSlots[59].Mass = 100;
    window.Recalculate();
    Shot(window, dir, QStringLiteral("vek4-propped-cantilever"));

    window.WizardBtn->click();
    Shot(window, dir, QStringLiteral("vek4-idle"));
    return 0;
}
