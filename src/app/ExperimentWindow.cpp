#include "ExperimentWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/About.h"
#include "app/ImageForm.h"
#include "platform/Cursors.h"
#include "theory/BeamTheory.h"
#include "theory/DeflectionView.h"

namespace {

TBeamLayout ExampleLayout(int index) {
    TBeamLayout layout;
    switch (index) {
    case 0: // cantilever, 100 g at the free end
        layout.LeftClamp = true;
        layout.HangerSlots[60].Mass = 100;
        break;
    case 1: // two knife-edges at 100 and 500 mm, 500 g in the middle
        layout.KnifeEdge1 = layout.KnifeEdge2 = true;
        layout.KnifeEdge1Station = 10;
        layout.KnifeEdge2Station = 50;
        layout.UpdateKnifeEdgeOrder();
        layout.HangerSlots[30].Mass = 500;
        break;
    case 2: // clamped at both ends, 10 N/m over the whole beam
        layout.LeftClamp = layout.RightClamp = true;
        layout.PlaceUDL(10);
        break;
    default: // propped at 400 mm, 100 g at the free end
        layout.LeftClamp = true;
        layout.KnifeEdge1 = true;
        layout.KnifeEdge1Station = 40;
        layout.HangerSlots[60].Mass = 100;
        break;
    }
    return layout;
}

class TExperimentStandIn final : public QDialog {
public:
    TExperimentStandIn() {
        setWindowTitle(QStringLiteral("Deflection of Beams and Cantilevers (VEK4)"));
        auto* box = new QVBoxLayout(this);
        auto* commands = new QHBoxLayout;
        auto* choice = new QComboBox(this);
        choice->addItems({QStringLiteral("Cantilever, 100 g at 600 mm"),
                          QStringLiteral("Two knife-edges at 100 and 500 mm, 500 g at 300 mm"),
                          QStringLiteral("Clamped at both ends, 10 N/m"),
                          QStringLiteral("Propped at 400 mm, 100 g at 600 mm")});
        auto* record = new QPushButton(QStringLiteral("&Record data to table"), this);
        auto* about = new QPushButton(QStringLiteral("&About Ferrant Range..."), this);
        commands->addWidget(choice, 1);
        commands->addWidget(record);
        commands->addWidget(about);
        auto* panel = new QWidget(this);
        panel->setFixedSize(752, 491);
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, Qt::white);
        panel->setPalette(palette);
        box->addLayout(commands);
        box->addWidget(panel);

        View = new TDeflectionView(panel);
        connect(choice, &QComboBox::currentIndexChanged, this, [this](int index) { Show(index); });
        connect(record, &QPushButton::clicked, this, [] {
            if (ImageViewer) ImageViewer->ShowModulePicture(4);
        });
        connect(about, &QPushButton::clicked, this, [this] { ShowAboutBox(this); });
        Show(0);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        SetScreenCursor(crHandPoint);
        QDialog::closeEvent(event);
    }

private:
    void Show(int index) {
        Layout = ExampleLayout(index);
        Theory.Recalculate(Layout, *View);
    }
    TDeflectionView* View;
    TBeamTheory Theory;
    TBeamLayout Layout;
};

} // namespace

void RunExperimentWindow() {
    TExperimentStandIn window;
    ShowModal(window);
}
