// The section and material tool box on its own, over the deflection view, with a cantilever carrying 100 g
// at its free end, so a change of section or material can be seen changing the curve.
//
//   sections-harness            the window
//   sections-harness --grab DIR pictures of the tool box in both "Display:" states and of every drawing

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>

#include "experiment/SectionsPanel.h"
#include "platform/QtMessageLayer.h"
#include "theory/DeflectionView.h"
#include "theory/SectionDrawings.h"

namespace {

class THarnessHost final : public TSectionsHost {
public:
    TBeamTheory BeamTheory;
    TBeamLayout Layout;
    TDeflectionView* View = nullptr;
    std::vector<QWidget*> BeamTools;

    TBeamTheory& Theory() override { return BeamTheory; }
    void Recalculate() override { BeamTheory.Recalculate(Layout, *View); }
    void InvertBeamToolsVisibility() override {
        for (QWidget* w : BeamTools)
            w->setVisible(w->isHidden());
    }
};

// Stand-ins for the window's beam tools, so the swap of the two displays can be seen.
void AddBeamToolStandIns(QWidget* toolBox, THarnessHost& host) {
    const struct {
        const char* Text;
        int X, Y, W, H;
    } tools[] = {{"clamp", 42, 104, 40, 40},       {"knife-edge", 95, 115, 40, 30},
                 {"bin", 138, 101, 45, 45},        {"UDL (N/m)", 24, 160, 170, 28},
                 {"weight (g)", 42, 203, 140, 40}, {"100 ... 500 g", 44, 274, 140, 40}};
    for (const auto& t : tools) {
        auto* label = new QLabel(QString::fromLatin1(t.Text), toolBox);
        label->setGeometry(t.X, t.Y, t.W, t.H);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Box);
        label->setStyleSheet(QStringLiteral("color: grey"));
        label->show();
        host.BeamTools.push_back(label);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    // Where Tahoma is missing, Liberation Sans has the width the tool box was laid out for.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    QApplication::setFont(font);
    TQtMessageLayer messages;
    SetMessageLayer(&messages);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Sections and materials"));
    auto* panel = new QWidget(&window);
    panel->setFixedSize(752, 491);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    window.setCentralWidget(panel);

    THarnessHost host;
    host.View = new TDeflectionView(panel);
    host.Layout.LeftClamp = true;
    host.Layout.HangerSlots[60].Mass = 100;

    auto* toolBox = new QGroupBox(QStringLiteral("Tool Box: "), panel);
    toolBox->setGeometry(524, 7, 217, 394);
    toolBox->setAutoFillBackground(true);
    toolBox->setPalette(white);
    AddBeamToolStandIns(toolBox, host);

    TSectionsPanel sections(toolBox, host);
    sections.Initialise();
    // Virtual experiments: the section list is shown and the material and dimensions can be changed.
    sections.SectionsComboBox->show();
    sections.YoungsModulus->setEnabled(true);
    sections.X1->setEnabled(true);
    sections.Y1->setEnabled(true);
    sections.ApplySelectedSectionMoment();
    host.Recalculate();

    const QStringList args = app.arguments();
    const int grab = args.indexOf(QStringLiteral("--grab"));
    if (grab < 0 || grab + 1 >= args.size()) {
        window.show();
        return app.exec();
    }

    const QDir dir(args[grab + 1]);
    window.show();
    QApplication::processEvents();
    toolBox->grab().save(dir.filePath(QStringLiteral("toolbox-beam-tools.png")));
    sections.RadioGroup->SetItemIndex(1);
    QApplication::processEvents();
    toolBox->grab().save(dir.filePath(QStringLiteral("toolbox-section-properties-flat.png")));
    for (int n = 1; n < SectionCount; ++n) {
        sections.SectionsComboBox->setCurrentIndex(n);
        sections.SectionsComboBoxChange();
        QApplication::processEvents();
        toolBox->grab().save(dir.filePath(QStringLiteral("toolbox-section-%1.png").arg(n)));
    }
    sections.YoungsModulus->setCurrentIndex(OtherMaterial);
    sections.YoungsModulusChange();
    QApplication::processEvents();
    toolBox->grab().save(dir.filePath(QStringLiteral("toolbox-other-material.png")));
    sections.OkButtonClick();
    sections.RadioGroup->SetItemIndex(0);
    QApplication::processEvents();
    toolBox->grab().save(dir.filePath(QStringLiteral("toolbox-beam-tools-after.png")));
    window.grab().save(dir.filePath(QStringLiteral("window.png")));

    // The scale labels and readouts with the longest values a student reaches (a soft "other" material,
    // heavy loads): five digits on both sides, and six at a cantilever's free end.
    host.View->VirtualExperiments = true;
    host.View->DeflectionLabel->show();
    TDeflectionCurve curve{};
    curve[30] = -19.9328f;
    host.View->ShowTwoSidedDeflection(curve, 19.9172f, -19.9328f, 30);
    QApplication::processEvents();
    panel->grab().save(dir.filePath(QStringLiteral("deflection-labels-two-sided.png")));
    curve[30] = 99.9877f;
    curve[60] = 255.2334f;
    host.View->ShowCantileverDeflection(curve, 30);
    QApplication::processEvents();
    panel->grab().save(dir.filePath(QStringLiteral("deflection-labels-cantilever.png")));

    QStringList names = {QStringLiteral("DimFlat"), QStringLiteral("NoDimFlat"), QStringLiteral("mUnits"),
                         QStringLiteral("mmUnits")};
    for (int i = 0; i < SectionCount; ++i) {
        names << QString::fromLatin1(SectionIcons[i]);
        if (i > 0) names << QString::fromLatin1(SectionCatalogue[i].PictureName);
    }
    for (const QString& name : names)
        SectionBitmap(name).save(dir.filePath(name + QStringLiteral(".png")));
    return 0;
}
