// The display commands of the laboratory tools on the experiment window, under "&Options" while the tools
// are on:
// - "Large &display" (projector mode): the whole program at 1.5x from the next start (start-up sets the
//   scale before any window exists), and at once the deflection curve and the live readout drawn bolder;
//   the window offers to start the program again;
// - "Lang&uage": the desktop's or one of the program's languages, from the next start, as the window says.
// Both are kept in the settings file (record/DisplaySetting.h).

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>

#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "platform/MessageLayer.h"
#include "record/DisplaySetting.h"
#include "theory/DeflectionView.h"

namespace {

// Each language named in itself, so a student finds theirs whatever the program speaks now.
struct TLanguageChoice {
    const char* Code; // empty: the desktop's
    const char* Name;
};
constexpr TLanguageChoice LanguageChoices[] = {
    {"", QT_TRANSLATE_NOOP("TVEK4Form", "&Desktop language")},
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
};

void SetHintText(QAction* a, const QString& hint) {
    a->setStatusTip(hint);
    a->setToolTip(hint);
}

void SetBold(QWidget* w, bool bold) {
    QFont font = w->font();
    font.setBold(bold);
    w->setFont(font);
}

} // namespace

void TVEK4Form::BuildDisplayCommands(QMenu* options) {
    LargeDisplayAction = options->addAction(tr("Large &display"));
    LargeDisplayAction->setObjectName(QStringLiteral("LargeDisplayAction"));
    LargeDisplayAction->setCheckable(true);
    SetHintText(LargeDisplayAction, tr("The whole program larger, with bolder lines, for a projector"));
    connect(LargeDisplayAction, &QAction::triggered, this, &TVEK4Form::LargeDisplayClick);

    LanguageMenu = options->addMenu(tr("Lang&uage"));
    LanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(LanguageMenu);
    for (const TLanguageChoice& choice : LanguageChoices) {
        const QString code = QString::fromLatin1(choice.Code);
        QAction* a =
            LanguageMenu->addAction(code.isEmpty() ? tr(choice.Name) : QString::fromUtf8(choice.Name));
        a->setObjectName(QStringLiteral("Language_") + (code.isEmpty() ? QStringLiteral("desktop") : code));
        a->setCheckable(true);
        a->setData(code);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { LanguageClick(code); });
    }
    LargeDisplayAction->setVisible(false);
    LanguageMenu->menuAction()->setVisible(false);
}

void TVEK4Form::ApplyDisplayCommands(bool on) {
    if (!LargeDisplayAction) return;
    LargeDisplayAction->setVisible(on);
    LanguageMenu->menuAction()->setVisible(on);
    const bool large = on && ReadLargeDisplay(Lab->SettingsFile);
    LargeDisplayAction->setChecked(large);
    const QString language = on ? ReadLanguage(Lab->SettingsFile) : QString();
    for (QAction* a : LanguageMenu->actions())
        a->setChecked(a->data().toString() == language);
    // Bolder lines for a room reading from the back; the designed weights otherwise.
    View->SetBoldLines(large);
    SetBold(DisplayMeter1, large);
    SetBold(ActualDeflection, large);
}

void TVEK4Form::LargeDisplayClick(bool on) {
    if (!LabToolsOn()) return;
    WriteLargeDisplay(Lab->SettingsFile, on);
    ApplyDisplayCommands(true);
    const QString text = on ? tr("The large display shows the whole program larger from its next start.")
                            : tr("The program returns to its normal size from its next start.");
    if (!Environment.Restart) {
        ShowMessage(ApplicationTitle, text, TMsgIcon::Information);
        return;
    }
    if (ShowMessage(ApplicationTitle, text + QLatin1Char(' ') + tr("Start the program again now?"),
                    TMsgIcon::Question, TMsgButtons::YesNo) == TMsgResult::Ok)
        Environment.Restart();
}

void TVEK4Form::LanguageClick(const QString& language) {
    if (!LabToolsOn()) return;
    WriteLanguage(Lab->SettingsFile, language);
    ApplyDisplayCommands(true);
    ShowMessage(ApplicationTitle, tr("The program speaks the language chosen from its next start."),
                TMsgIcon::Information);
}
