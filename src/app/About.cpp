#include "About.h"

#include <QFrame>
#include <QMouseEvent>

#include "platform/Cursors.h"
#include "platform/Desktop.h"
#include "resources/artwork/Artwork.h"
#include "resources/artwork/ModuleTitles.h"

namespace {

int ShownEntry = 1;

// The shell's answers, sorted into the three kinds the label reports.
int URLErrorKind(int shellResult) {
    if (shellResult == 0 || shellResult == 8) return 0;
    if (shellResult == 27 || shellResult == 31) return 1;
    return 2;
}

} // namespace

int AboutShownEntry() {
    return ShownEntry;
}

TURLLabel::TURLLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
    Pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        Pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    Pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click) Click();
}

void TURLLabel::Click() {
    const int result = ShellOpen(URL);
    if (result <= 32 && OnURLError) OnURLError(URLErrorKind(result));
    if (OnClick) OnClick();
}

TTrackedImage::TTrackedImage(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void TTrackedImage::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (OnMouseMove) OnMouseMove(this, event->position().toPoint());
}

TMemo::TMemo(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void TMemo::SetText(const QString& text) {
    Contents = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

QRect TAboutForm::ImageRect(int n) {
    const int column = (n - 1) % 5, row = (n - 1) / 5;
    return {12 + 152 * column, 13 + 116 * row, GlyphWidth, GlyphHeight};
}

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About the Korvex Ferrant Product Range"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, ClientWidth, ClientHeight);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    AboutImage = new TTrackedImage(panel);
    AboutImage->setObjectName(QStringLiteral("AboutImage"));
    AboutImage->setGeometry(0, 0, ClientWidth, ClientHeight);
    AboutImage->setPixmap(QPixmap(QStringLiteral(":/artwork/About.png")));
    AboutImage->OnMouseMove = [this](TTrackedImage*, QPoint position) { AboutImageMouseMove(position); };

    auto* textBevel = new QFrame(panel);
    textBevel->setGeometry(0, ClientHeight - 93, ClientWidth, 93);
    textBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    textBevel->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int n = FirstModule; n <= LastModule; ++n) {
        const QRect place = ImageRect(n);
        auto* bevel = new QFrame(panel);
        bevel->setGeometry(place.left() - 2, place.top() - 2, 142, 102);
        bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* image = new TTrackedImage(panel);
        image->setObjectName(QStringLiteral("VEK%1Image").arg(n));
        image->setProperty("Tag", n);
        image->setGeometry(place);
        image->setPixmap(ModuleGlyph(n));
        image->OnMouseMove = [this](TTrackedImage* sender, QPoint) { EquipImageMouseMove(sender); };
        Images[static_cast<std::size_t>(n)] = image;
    }

    URLLabel1 = new TURLLabel(panel);
    URLLabel1->setObjectName(QStringLiteral("URLLabel1"));
    URLLabel1->setGeometry(12, 0, 140, 123);
    URLLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    arial.setUnderline(true);
    URLLabel1->setFont(arial);
    URLLabel1->URL = SiteAddress;
    URLLabel1->setText(QStringLiteral("korvex.example"));
    URLLabel1->setToolTip(SiteAddress);

    AboutLabel = new QLabel(panel);
    AboutLabel->setObjectName(QStringLiteral("AboutLabel"));
    AboutLabel->setGeometry(7, 476, 757, 16);
    QFont bold = font();
    bold.setBold(true);
    AboutLabel->setFont(bold);
    AboutLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    AboutMemo = new TMemo(panel);
    AboutMemo->setObjectName(QStringLiteral("AboutMemo"));
    AboutMemo->setGeometry(7, 494, 757, 66);
    AboutMemo->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TAboutForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TAboutForm::FormShow() {
    const TAboutEntry& entry = AboutEntry(1);
    AboutLabel->setText(entry.Title);
    AboutMemo->SetText(entry.Description + QStringLiteral("\r\n") + entry.Further);
    ShownEntry = 1;
}

void TAboutForm::ShowEntry(int number) {
    if (number == ShownEntry) return;
    const TAboutEntry& entry = AboutEntry(number);
    AboutLabel->setText(entry.Title);
    QString text = entry.Description;
    if (!entry.Further.isEmpty()) text += QStringLiteral("\r\n") + entry.Further;
    AboutMemo->SetText(text);
    ShownEntry = number;
}

void TAboutForm::AboutImageMouseMove(QPoint position) {
    ShowEntry(position.x() >= 605 && position.y() >= 346 ? 19 : 1);
}

void TAboutForm::EquipImageMouseMove(TTrackedImage* sender) {
    ShowEntry(sender->property("Tag").toInt());
}

void ShowAboutBox(QWidget* owner) {
    TAboutForm about(owner);
    ShowModal(about);
}
