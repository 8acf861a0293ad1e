// The program in German, French and Spanish: the translations load, and every text of the designed windows
// (the experiment window with its menus, tool box and status hints, the communications options, the
// launcher's hint) shows whole in the room the fixed design gives it, in each language and in English. The
// language follows the desktop unless Options > Language chose one; numbers keep the designed formats.

#include <QtTest>

#include <QTemporaryDir>
#include <QTranslator>

#include "TextRoom.h"
#include "app/EquipmentSelection.h"
#include "app/StartUpDisplay.h"
#include "experiment/VEK4.h"
#include "link/ComSelect.h"
#include "platform/DesignFonts.h"
#include "platform/SettingsFile.h"
#include "record/DisplaySetting.h"
#include "record/LabToolsSetting.h"
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

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
