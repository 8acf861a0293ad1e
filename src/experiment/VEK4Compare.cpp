// The laboratory tools' class commands on the experiment window: "Experiment &details..." (who did the
// experiment, saved with it and offered at its first save) and "&Compare experiments..." (a class's files
// side by side in a window of their own; a double click on a run opens that experiment here).

#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "experiment/VEK4.h"
#include "experiment/VEK4LabFile.h"
#include "experiment/VEK4LabTools.h"
#include "lab/compare/CompareWindow.h"
#include "platform/TranslatedText.h"

std::optional<TExperimentDetails> ExperimentDetailsDialog(QWidget* owner, const TExperimentDetails& details) {
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("ExperimentDetailsDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("TVEK4Form", "Experiment details"));
    auto* form = new QFormLayout(&dialog);
    auto line = [&](const QString& label, const QString& text, int length) {
        auto* edit = new QLineEdit(text, &dialog);
        edit->setMaxLength(length);
        edit->setMinimumWidth(320);
        form->addRow(label, edit);
        return edit;
    };
    QLineEdit* names =
        line(QCoreApplication::translate("TVEK4Form", "Students' &names:"), details.Names, 200);
    QLineEdit* group = line(QCoreApplication::translate("TVEK4Form", "&Group:"), details.Group, 60);
    QLineEdit* bench = line(QCoreApplication::translate("TVEK4Form", "&Bench:"), details.Bench, 60);
    QLineEdit* date =
        line(QCoreApplication::translate("TVEK4Form", "&Date:"),
             details.Date.isEmpty() ? QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)
                                    : details.Date,
             60);
    auto* note = new QPlainTextEdit(details.Note, &dialog);
    note->setTabChangesFocus(true);
    note->setFixedHeight(note->fontMetrics().lineSpacing() * 4 + 10);
    form->addRow(QCoreApplication::translate("TVEK4Form", "N&ote:"), note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return CleanDetails({names->text(), group->text(), bench->text(), date->text(), note->toPlainText()});
}

bool TVEK4Form::FileDetailsClick() {
    if (!LabToolsOn() || !Environment.LabFiles.Details) return false;
    const std::optional<TExperimentDetails> details =
        Environment.LabFiles.Details(this, Lab->Session.Details());
    if (!details) return false;
    Lab->Session.SetDetails(*details);
    UpdateLabTitle(); // unsaved now
    return true;
}

void TVEK4Form::FileCompareClick() {
    if (!LabToolsOn()) return;
    if (!Compare) {
        TCompareContext c;
        const TLabFileDialogs& d = Environment.LabFiles;
        if (d.OpenFileNames)
            c.PickFiles = [d](QWidget* owner) {
                return d.OpenFileNames(owner, tr("Compare experiments"),
                                       TranslatedText("LabFileTexts", LabFileTexts::ExperimentFilter));
            };
        if (d.FolderName)
            c.PickFolder = [d](QWidget* owner) {
                return d.FolderName(owner, tr("A folder of experiment files"));
            };
        c.SaveFileName = d.SaveFileName;
        c.WriteXlsx = d.WriteXlsx;
        c.OpenExperiment = [this](const QString& path) {
            activateWindow();
            raise();
            OpenHandedOverFile(path);
        };
        Compare = new TCompareWindow(std::move(c), this);
    }
    Compare->show();
    Compare->raise();
    Compare->activateWindow();
}
