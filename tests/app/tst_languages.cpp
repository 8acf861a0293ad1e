// The program in German, French and Spanish: the translations load, and every text of the designed windows
// (the experiment window with its menus, tool box and status hints, the communications options, the
// launcher's hint) shows whole in the room the fixed design gives it, in each language and in English. The
// language follows the desktop unless Options > Language chose one; numbers keep the designed formats.
// The laboratory tools speak the language too: their commands, the "Readings", "Diagrams" and "Compare
// experiments" windows and the details dialog, each whole in the room a lab window has.

#include <QtTest>

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "TextRoom.h"
#include "app/EquipmentSelection.h"
#include "app/StartUpDisplay.h"
#include "experiment/VEK4.h"
#include "experiment/VEK4LabFile.h"
#include "experiment/VEK4LabTools.h"
#include "lab/DiagramsForm.h"
#include "lab/ReadingsModel.h"
#include "lab/ReadingsWindow.h"
#include "lab/compare/CompareWindow.h"
#include "link/ComSelect.h"
#include "platform/DesignFonts.h"
#include "platform/SettingsFile.h"
#include "record/DisplaySetting.h"
#include "record/LabToolsSetting.h"
#include "record/ReadingsFit.h"
#include "theory/DeflectionView.h"

namespace {

// Removes every translator the test installed, so the next row starts in English.
void RemoveTranslators() {
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

void Speak(const QString& language) {
    RemoveTranslators();
    QVERIFY(InstallTranslationsFrom(QStringLiteral(FERRANT_QM_DIR), language));
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallDesignFontSubstitutes(); }
    void cleanup() { RemoveTranslators(); }

    void theLanguageFollowsTheDesktopUnlessChosen_data();
    void theLanguageFollowsTheDesktopUnlessChosen();
    void theDesktopsLanguageWithTheToolsOffToo();
    void displaySettingsKeepTheOtherSections();

    void translationsLoad_data();
    void translationsLoad();
    void everyTextFits_data();
    void everyTextFits();
    void numbersKeepTheDesignedFormats();
    void displayCommandsOnlyWithTheLaboratoryTools();
    void labTextsAreTranslated_data();
    void labTextsAreTranslated();
    void labWindowsTextsFit_data() { everyTextFits_data(); }
    void labWindowsTextsFit();
};

void TestLanguages::theLanguageFollowsTheDesktopUnlessChosen_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("German desktop") << ""
                                    << "de_DE"
                                    << "de";
    QTest::newRow("Austrian desktop") << ""
                                      << "de_AT"
                                      << "de";
    QTest::newRow("Canadian French desktop") << ""
                                             << "fr_CA"
                                             << "fr";
    QTest::newRow("Mexican desktop") << ""
                                     << "es_MX"
                                     << "es";
    QTest::newRow("Portuguese desktop: English") << ""
                                                 << "pt_BR"
                                                 << "en";
    QTest::newRow("C locale: English") << ""
                                       << "C"
                                       << "en";
    QTest::newRow("chosen over the desktop") << "fr"
                                             << "de_DE"
                                             << "fr";
    QTest::newRow("English chosen on a Spanish desktop") << "en"
                                                         << "es_ES"
                                                         << "en";
    QTest::newRow("unknown choice: the desktop's") << "xx"
                                                   << "es_ES"
                                                   << "es";
}

void TestLanguages::theLanguageFollowsTheDesktopUnlessChosen() {
    QFETCH(QString, chosen);
    QFETCH(QString, locale);
    QFETCH(QString, spoken);
    QCOMPARE(EffectiveLanguage(chosen, locale), spoken);
}

// The desktop's language with the laboratory tools off as well; a choice only while they are on.
void TestLanguages::theDesktopsLanguageWithTheToolsOffToo() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("FerrantSettings.ini"));
    QCOMPARE(StartUpLanguage(file, QStringLiteral("de_DE")), QStringLiteral("de")); // no settings file yet
    QVERIFY(WriteLanguage(file, QStringLiteral("fr")));
    QVERIFY(WriteLabToolsEnabled(file, false));
    QCOMPARE(StartUpLanguage(file, QStringLiteral("de_DE")), QStringLiteral("de"));
    QCOMPARE(StartUpLanguage(file, QStringLiteral("en_GB")), QStringLiteral("en"));
    QVERIFY(WriteLabToolsEnabled(file, true));
    QCOMPARE(StartUpLanguage(file, QStringLiteral("de_DE")), QStringLiteral("fr"));
}

void TestLanguages::displaySettingsKeepTheOtherSections() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("FerrantSettings.ini"));
    QVERIFY(!ReadLargeDisplay(file));
    QCOMPARE(ReadLanguage(file), QString());
    QVERIFY(WriteLabToolsEnabled(file, true));
    QVERIFY(WriteLargeDisplay(file, true));
    QVERIFY(WriteLanguage(file, QStringLiteral("es")));
    QVERIFY(ReadLabToolsEnabled(file));
    QVERIFY(ReadLargeDisplay(file));
    QCOMPARE(ReadLanguage(file), QStringLiteral("es"));
    QVERIFY(WriteLanguage(file, QString())); // the desktop's again
    QCOMPARE(ReadLanguage(file), QString());
    QVERIFY(WriteLargeDisplay(file, false));
    QVERIFY(!ReadLargeDisplay(file));
    QVERIFY(ReadLabToolsEnabled(file));
    // A hand-edited value that is no language of the program reads as the desktop's.
    QVERIFY(WriteSettingsValues(file, {{DisplaySection, LanguageKey, QStringLiteral("klingon")}}) ==
            TSettingsWrite::Written);
    QCOMPARE(ReadLanguage(file), QString());
}

void TestLanguages::translationsLoad_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("cancel"); // Qt's own button text, from Qt's translations
    QTest::newRow("de") << "de"
                        << "&Datei"
                        << "&Optionen"
                        << "Abbrechen";
    QTest::newRow("fr") << "fr"
                        << "&Fichier"
                        << "&Options"
                        << "Annuler";
    QTest::newRow("es") << "es"
                        << "&Archivo"
                        << "&Opciones"
                        << "Cancelar";
}

void TestLanguages::translationsLoad() {
    QFETCH(QString, language);
    QFETCH(QString, file);
    QFETCH(QString, options);
    QFETCH(QString, cancel);
    Speak(language);
    QCOMPARE(ProgramLanguage(), language);
    TVEK4Form w;
    const QList<QAction*> menus = w.MainMenu1->actions();
    QCOMPARE(menus.front()->text(), file);
    QVERIFY(std::any_of(menus.begin(), menus.end(), [&](QAction* a) { return a->text() == options; }));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    // The translations carry every text: none is left in English where the languages differ.
    QCOMPARE(w.FileNew->statusTip() == QLatin1String("New layout"), false);
}

void TestLanguages::everyTextFits_data() {
    QTest::addColumn<QString>("language");
    for (const char* l : {"en", "de", "fr", "es"})
        QTest::newRow(l) << QString::fromLatin1(l);
}

void TestLanguages::everyTextFits() {
    QFETCH(QString, language);
    Speak(language);

    TVEK4Form w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList clipped = TextRoom::Clipped(&w, w.StatusPanel1);
    // With the laboratory tools on: their commands and the display commands too.
    w.LabToolsAction->trigger();
    clipped << TextRoom::Clipped(&w, w.StatusPanel1);
    // The section properties side of the tool box, and the status texts the window shows by itself.
    w.Sections->RadioGroup->findChildren<QRadioButton*>().back()->click();
    clipped << TextRoom::Clipped(&w, w.StatusPanel1);
    for (const char* status :
         {"Connect VEK2000 / Select Virtual Experiments",
          "Use tool box tools to add supports and weights to beam", "Right click to change length of UDL"})
        if (!TextRoom::HintFits(w.StatusPanel0, w.tr(status))) clipped << w.tr(status);
    // The popup over the beam says what is moved; each caption in the popup's room.
    for (const char* caption : {"Support Position", "Gauge Position", "UDL length"}) {
        w.PositionPopup->setText(w.tr(caption));
        clipped << TextRoom::Clipped(w.PositionPopup);
    }

    TComSelectFormKV comms([](int) { return true; });
    comms.show();
    clipped << TextRoom::Clipped(&comms);
    TComSelectFormKV noPorts([](int) { return false; });
    noPorts.show();
    clipped << TextRoom::Clipped(&noPorts);

    TEquipmentSelectionForm launcher;
    const QString hint = TEquipmentSelectionForm::tr("Click a button to select an experimental module");
    if (launcher.StatusBar1->fontMetrics().horizontalAdvance(hint) > launcher.StatusBar1->width() - 8)
        clipped << hint;

    // Each menu's access keys stay unique in every language (a shared key only cycles between the commands).
    QList<QMenu*> menus = w.findChildren<QMenu*>();
    for (QMenu* menu : menus) {
        QMap<QChar, QString> keys;
        QList<QAction*> actions = menu->actions();
        for (QAction* a : actions) {
            const qsizetype at = a->text().indexOf(QLatin1Char('&'));
            if (!a->isVisible() || at < 0 || at + 1 >= a->text().size()) continue;
            const QChar key = a->text().at(at + 1).toLower();
            if (keys.contains(key))
                clipped << QStringLiteral("access key %1: %2 and %3").arg(key).arg(keys[key], a->text());
            keys.insert(key, a->text());
        }
    }
    QMap<QChar, QString> bar;
    for (QAction* a : w.MainMenu1->actions()) {
        const qsizetype at = a->text().indexOf(QLatin1Char('&'));
        if (!a->isVisible() || at < 0) continue;
        const QChar key = a->text().at(at + 1).toLower();
        if (bar.contains(key))
            clipped << QStringLiteral("menu bar key %1: %2 and %3").arg(key).arg(bar[key], a->text());
        bar.insert(key, a->text());
    }

    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

void TestLanguages::numbersKeepTheDesignedFormats() {
    Speak(QStringLiteral("de"));
    TVEK4Form w;
    w.show();
    TBeamLayout& l = w.Layout;
    l.LeftClamp = true;
    l.HangerSlots[60].Mass = 300;
    l.GaugeStation = 60;
    w.Recalculate();
    // A decimal point and the designed unit, whatever the language.
    const QString gauge = w.View->DialGaugeDeflection->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^-?\\d+\\.\\d\\d mm$")).match(gauge).hasMatch(),
             qPrintable(gauge));
    QVERIFY2(!w.View->MinDeflectionLbl->text().contains(QLatin1Char(',')),
             qPrintable(w.View->MinDeflectionLbl->text()));
}

void TestLanguages::displayCommandsOnlyWithTheLaboratoryTools() {
    TVEK4Form w;
    QVERIFY(!w.LargeDisplayAction->isVisible());
    QVERIFY(!w.LanguageMenu->menuAction()->isVisible());
    w.LabToolsAction->trigger();
    QVERIFY(w.LargeDisplayAction->isVisible());
    QVERIFY(w.LanguageMenu->menuAction()->isVisible());
    QCOMPARE(w.LanguageMenu->actions().size(), 5);
    w.LabToolsAction->trigger();
    QVERIFY(!w.LargeDisplayAction->isVisible());
}

namespace {

// An experiment window with the laboratory tools on, two rows recorded and every lab window open.
struct TLabRig {
    TLabRig() {
        TVEK4Environment environment;
        environment.CreateReadingsView = [](const TReadingsViewContext& c) -> TReadingsView* {
            return new TReadingsWindow(c);
        };
        Window = std::make_unique<TVEK4Form>(std::move(environment));
        Window->show();
        Window->LabToolsAction->trigger();
        Window->Layout.LeftClamp = true;
        Window->Layout.HangerSlots[60].Mass = 300;
        Window->Layout.GaugeStation = 60;
        Window->Recalculate();
        for (qint64 now : {1000, 2000}) {
            TRowInputs in;
            in.Setup = Window->CurrentSetup();
            in.TheoryMm = -1.5;
            Window->LabTools().Session.Record(in, now);
        }
        Window->ShowTableAction->trigger();
        Window->ReadingsView()->RowsChanged();
        Window->ShowDiagramsAction->trigger();
        Window->FileCompare->trigger();
    }
    template <typename W> W* Find(const char* name) const {
        return Window->findChild<W*>(QString::fromLatin1(name));
    }
    std::unique_ptr<TVEK4Form> Window;
};

QString Plain(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The buttons of one window each answer to their own access key.
QStringList SharedButtonKeys(const QWidget* window) {
    QStringList shared;
    QMap<QChar, QString> keys;
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        const qsizetype at = b->text().indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= b->text().size()) continue;
        const QChar key = b->text().at(at + 1).toLower();
        if (keys.contains(key))
            shared << QStringLiteral("%1: key %2 on %3 and %4")
                          .arg(window->objectName())
                          .arg(key)
                          .arg(keys[key], b->text());
        keys.insert(key, b->text());
    }
    return shared;
}

} // namespace

void TestLanguages::labTextsAreTranslated_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("table");    // "Show &table"
    QTest::addColumn<QString>("readings"); // the Readings window's title
    QTest::addColumn<QString>("theory");   // its theory column's header
    QTest::addColumn<QString>("moment");   // a diagram's title in the picture
    QTest::addColumn<QString>("recorded"); // the status text of a row recorded in virtual mode
    QTest::newRow("de") << "de"
                        << "&Tabelle zeigen"
                        << "Messwerte"
                        << "Theorie\n(mm, ab -)"
                        << "Biegemoment M"
                        << "Zeile 1 aufgezeichnet";
    QTest::newRow("fr") << "fr"
                        << "Afficher le &tableau"
                        << "Mesures"
                        << "Théorie\n(mm, bas -)"
                        << "Moment fléchissant M"
                        << "Ligne 1 enregistrée";
    QTest::newRow("es") << "es"
                        << "Mostrar la &tabla"
                        << "Lecturas"
                        << "Teoría\n(mm, abajo -)"
                        << "Momento flector M"
                        << "Fila 1 registrada";
}

// The lab commands and windows speak the language, and no lab command or button is left in English.
void TestLanguages::labTextsAreTranslated() {
    QFETCH(QString, language);
    QFETCH(QString, table);
    QFETCH(QString, readings);
    QFETCH(QString, theory);
    QFETCH(QString, moment);
    QFETCH(QString, recorded);

    // The English texts first, then the same commands in the language.
    auto labTexts = [] {
        TLabRig rig;
        QStringList texts;
        // Every command of the menu bar's menus (the languages' own names in Options > Language excepted).
        std::function<void(QMenu*)> commands = [&](QMenu* menu) {
            for (QAction* a : menu->actions()) {
                if (!a->isVisible() || a->text().isEmpty()) continue;
                texts << a->text() << a->statusTip();
                if (a->menu() && a->menu() != rig.Window->LanguageMenu) commands(a->menu());
            }
        };
        for (QAction* title : rig.Window->MainMenu1->actions())
            if (title->menu()) commands(title->menu());
        for (const char* window : {"ReadingsWindow", "Diagrams", "CompareWindow"})
            for (QAbstractButton* b : rig.Find<QWidget>(window)->findChildren<QAbstractButton*>())
                if (!b->text().isEmpty()) texts << b->text();
        return texts;
    };
    RemoveTranslators();
    const QStringList english = labTexts();
    Speak(language);
    const QStringList spoken = labTexts();
    QCOMPARE(spoken.size(), english.size());
    QStringList untranslated;
    for (qsizetype i = 0; i < english.size(); ++i)
        if (!english[i].isEmpty() && spoken[i] == english[i]) untranslated << english[i];
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));

    TLabRig rig;
    QCOMPARE(rig.Window->ShowTableAction->text(), table);
    auto* readingsWindow = rig.Find<TReadingsWindow>("ReadingsWindow");
    QCOMPARE(readingsWindow->windowTitle(), readings);
    QCOMPARE(
        readingsWindow->Model->headerData(TReadingsModel::Theory, Qt::Horizontal, Qt::DisplayRole).toString(),
        theory);
    QCOMPARE(rig.Window->Diagrams->Diagrams().Curves[1].Title, moment);
    QVERIFY2(rig.Window->LabTools().Session.RecordedText(0).startsWith(recorded),
             qPrintable(rig.Window->LabTools().Session.RecordedText(0)));
    // The files and the report keep the English whatever the screen speaks (a class exchanges them); the
    // screen says the same in the language.
    QCOMPARE(ClassRunsTable({}).Columns[3].Title, QStringLiteral("Set-up"));
    const TFitResult none = FitRun(TReadingsTable(), 1);
    QCOMPARE(RunFitText(none), QStringLiteral("No readings in this run"));
    QCOMPARE(none.Message, RunFitText(none));
    QVERIFY2(RunFitTextShown(none) != RunFitText(none), qPrintable(RunFitTextShown(none)));
}

// Every text of the lab windows whole in the room a lab window has: the Readings window at its smallest
// (the width it has beside the experiment window on a 1366 x 768 screen) with its column headers in their
// columns, the Diagrams and Compare windows at their smallest, the details dialog; the lab commands' hints
// in the experiment window's status bar, and each window's buttons with their own access keys.
void TestLanguages::labWindowsTextsFit() {
    QFETCH(QString, language);
    Speak(language);
    TLabRig rig;
    QStringList clipped;

    auto* readings = rig.Find<TReadingsWindow>("ReadingsWindow");
    auto* diagrams = rig.Find<TDiagramsForm>("Diagrams");
    auto* compare = rig.Find<TCompareWindow>("CompareWindow");
    QVERIFY(readings && diagrams && compare);
    for (QWidget* w : QList<QWidget*>{readings, diagrams, compare}) {
        clipped << SharedButtonKeys(w);
        // At its smallest (the placement beside the experiment window counts on it), the window's layout
        // needs no more room, and every text shows whole.
        if (w->minimumWidth() > 0) {
            w->resize(w->minimumSize());
            QApplication::sendPostedEvents();
            const QSize need = w->minimumSizeHint();
            if (need.width() > w->width() || need.height() > w->height())
                clipped << QStringLiteral("%1 needs %2 x %3 px, its minimum is %4 x %5")
                               .arg(w->objectName())
                               .arg(need.width())
                               .arg(need.height())
                               .arg(w->width())
                               .arg(w->height());
        }
        clipped << TextRoom::Clipped(w);
    }

    // Each header in its column, every line of it; the columns compared first have fixed widths.
    const QHeaderView* header = readings->Grid->horizontalHeader();
    for (int c = 0; c < TReadingsModel::ColumnCount; ++c) {
        const QString title = readings->Model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        int need = 0;
        for (const QString& line : title.split(QLatin1Char('\n')))
            need = std::max(need, header->fontMetrics().horizontalAdvance(line));
        // Half the header's margin on each side: a line shows whole (as the English ones do, tightly).
        need += header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        if (need > readings->Grid->columnWidth(c))
            clipped << QStringLiteral("column \"%1\" needs %2 px, has %3")
                           .arg(title)
                           .arg(need)
                           .arg(readings->Grid->columnWidth(c));
    }

    // Each cell in its column, except the free texts a student types, a reason, and the names with a value
    // (a property's value, a section, a material with its modulus), which show whole on hover.
    // The delegate's text margin on each side, and the grid line the cell gives up.
    const int padding = 2 * (readings->Grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) +
                        (readings->Grid->showGrid() ? 1 : 0);
    for (int c = 0; c < TReadingsModel::ColumnCount; ++c) {
        if (c == TReadingsModel::Note || c == TReadingsModel::Fitted || c == TReadingsModel::Run ||
            c == TReadingsModel::Value || c == TReadingsModel::Property || c == TReadingsModel::Section ||
            c == TReadingsModel::Material)
            continue;
        for (int r = 0; r < readings->Model->rowCount(); ++r) {
            const QString text = readings->Model->index(r, c).data().toString();
            const int need = readings->Grid->fontMetrics().horizontalAdvance(text) + padding;
            if (need > readings->Grid->columnWidth(c))
                clipped << QStringLiteral("cell \"%1\" needs %2 px, has %3")
                               .arg(text)
                               .arg(need)
                               .arg(readings->Grid->columnWidth(c));
        }
    }

    // The lab hints in the experiment window's status bar, those shown only when connected or zeroed too.
    clipped << TextRoom::Clipped(rig.Window.get(), rig.Window->StatusPanel1);
    for (const char* hint : {"Zero the gauges: their mean over the last second becomes zero",
                             "Clear the zero: show the gauges' raw readings again"})
        if (!TextRoom::HintFits(rig.Window->StatusPanel1, TVEK4Form::tr(hint)))
            clipped << TVEK4Form::tr(hint);
    // "(zeroed)" stands left of the measured readout, inside its panel.
    if (rig.Window->ZeroedMark->x() < 0) clipped << rig.Window->ZeroedMark->text();

    // The details dialog, measured while it is open.
    QTimer::singleShot(0, [&clipped] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        dialog->adjustSize();
        clipped << TextRoom::Clipped(dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
    QVERIFY(!ExperimentDetailsDialog(rig.Window.get(), {}).has_value());

    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
