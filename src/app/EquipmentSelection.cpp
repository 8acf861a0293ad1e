#include "EquipmentSelection.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QStyleOption>
#include <QTimer>

#include "app/ExperimentWindow.h"
#include "app/ImageForm.h"
#include "lab/LabWindowPlacement.h"
#include "platform/ApplicationHint.h"
#include "platform/Cursors.h"
#include "platform/Desktop.h"
#include "platform/ErrorHandler.h"
#include "platform/MessageLayer.h"
#include "platform/VersionResource.h"
#include "resources/artwork/Artwork.h"
#include "resources/artwork/ModuleTitles.h"

TBrowserVersion BrowserMajorVersion(const std::optional<QString>& value) {
    TBrowserVersion result;
    if (!value) return result;
    const qsizetype dot = value->indexOf(QLatin1Char('.'));
    if (dot < 0) return result;
    const QString text = value->left(dot);
    // Decimal digits with an optional sign and nothing else, as the system's integer conversion accepts.
    bool ok = !text.isEmpty() && !text.front().isSpace() && !text.back().isSpace();
    const int major = ok ? text.toInt(&ok, 10) : 0;
    if (!ok) {
        result.ConversionError = QStringLiteral("'%1' is not a valid integer value").arg(text);
        return result;
    }
    result.Major = major;
    return result;
}

QString ColourDepthNotice() {
    return QStringLiteral("It is recommended that you increase the system color setting to at least 16 bit") +
           QStringLiteral("\n\r") +
           QStringLiteral("Lower color settings will result in some graphics not being displayed correctly.");
}

void TPictureButton::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TStatusBar::showMessage(const QString& message) {
    if (message == Message) return;
    Message = message;
    update();
}

void TStatusBar::paintEvent(QPaintEvent*) {
    // As QStatusBar paints a bar with a message and no widgets in it.
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    if (Message.isEmpty()) return;
    painter.setPen(palette().windowText().color());
    painter.drawText(rect().adjusted(6, 0, -12, 0), Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                     Message);
}

QRect TEquipmentSelectionForm::ButtonRect(int n) {
    const int column = (n - 1) % 5, row = (n - 1) / 5;
    return {6 + 152 * column, 12 + 116 * row, ButtonWidth, ButtonHeight};
}

TEquipmentSelectionForm::TEquipmentSelectionForm(TLauncherEnvironment environment)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      Environment(std::move(environment)) {
    if (!Environment.BrowserVersion) Environment.BrowserVersion = ReadBrowserVersionValue;
    if (!Environment.ColourDepth) Environment.ColourDepth = ScreenColourDepth;
    if (Environment.VersionFile.isEmpty()) Environment.VersionFile = QCoreApplication::applicationFilePath();
    if (!Environment.OpenExperiment) Environment.OpenExperiment = RunExperimentWindow;

    setObjectName(QStringLiteral("EquipmentSelectionForm"));
    setWindowTitle(DesignCaption);
    setFixedSize(ClientWidth, ClientHeight);
    move(300, 275);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    Panel1->installEventFilter(this); // to see the first paint

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(0, 0, LauncherBackgroundWidth, LauncherBackgroundHeight);
    Image2->setPixmap(LauncherBackground());
    const QString backgroundHint = QStringLiteral("Click a button to select an experimental module");
    Image2->setStatusTip(backgroundHint);
    Image2->setToolTip(backgroundHint);

    StatusBar1 = new TStatusBar(Panel1);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, LauncherBackgroundHeight, ClientWidth,
                            ClientHeight - LauncherBackgroundHeight);

    QWidget* previous = nullptr;
    for (int n = FirstModule; n <= LastModule; ++n) {
        auto* button = new TPictureButton(Panel1);
        button->setObjectName(QStringLiteral("VEK%1Btn").arg(n));
        button->setProperty("Tag", n);
        button->setGeometry(ButtonRect(n));
        button->setIcon(QIcon(ModuleGlyph(n)));
        button->setIconSize(QSize(GlyphWidth, GlyphHeight));
        const QString hint = QString::fromUtf8(ModuleTitle(n));
        button->setStatusTip(hint);
        button->setToolTip(hint);
        button->setAccessibleName(hint); // a picture button: a screen reader hears the module's title
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QPushButton::clicked, this, [this, n] { BtnClick(n); });
        if (previous) setTabOrder(previous, button);
        previous = button;
        Buttons[static_cast<std::size_t>(n)] = button;
    }
    VEK4Btn = Buttons[4];

    FormCreate();
}

TEquipmentSelectionForm::~TEquipmentSelectionForm() {
    // The hint handler refers to this window; it must not outlive it.
    SetApplicationHintHandler({});
}

void TEquipmentSelectionForm::FormCreate() {
    const TBrowserVersion browser = BrowserMajorVersion(Environment.BrowserVersion());
    if (!browser.ConversionError.isEmpty()) {
        // The conversion error ends creation here: the window keeps the caption of its design.
        ShowCentralError(browser.ConversionError);
        return;
    }
    if (browser.Major < MinimumBrowserMajor) {
        ShowMessage(QStringLiteral("Error"),
                    QStringLiteral("Please install Microsoft Internet Explorer 5.0 or later"),
                    TMsgIcon::Error, TMsgButtons::Ok);
        TerminationRequested = true;
    }

    setWindowTitle(ApplicationTitle);
    VersionText = ::VersionText(ReadFileVersion(Environment.VersionFile));
    setWindowTitle(windowTitle() + QStringLiteral(" v") + VersionText);

    // Menus of every later window use the launcher's font.
    QApplication::setFont(font(), "QMenu");

    if (Environment.ColourDepth() < 16)
        ShowMessage(ApplicationTitle, ColourDepthNotice(), TMsgIcon::None, TMsgButtons::Ok);
}

void TEquipmentSelectionForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        // The designed place where the screen has room for it; the nearest whole place where it has not
        // (on 1366 x 768 the bottom row of buttons would be cut). Once more when the window system has framed
        // the window (its title bar adds to the height).
        KeepWholeOnScreen();
        QTimer::singleShot(150, this, [this] { KeepWholeOnScreen(); });
    }
    FormShow();
}

void TEquipmentSelectionForm::KeepWholeOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect frame = frameGeometry();
    const QRect placed = NearestOnScreen(frame, screen->availableGeometry());
    if (placed != frame) move(placed.topLeft());
}

void TEquipmentSelectionForm::FormShow() {
    VEK4Btn->setFocus(Qt::OtherFocusReason);
}

bool TEquipmentSelectionForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(event);
}

bool TEquipmentSelectionForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::Paint && !FirstPaintSeen) {
        FirstPaintSeen = true;
        // Queued: it runs after this paint has reached the screen.
        QTimer::singleShot(0, this, &TEquipmentSelectionForm::WarmUpAfterFirstPaint);
    }
    return QWidget::eventFilter(watched, event);
}

void TEquipmentSelectionForm::WarmUpAfterFirstPaint() {
    DrawRegisteredCursors(); // the experiment window's drag cursors
    QFontDatabase::families();
    // The status bar's bold font (FormActivate makes it bold), ready for the first hint.
    QFont bold = StatusBar1->font();
    bold.setBold(true);
    [[maybe_unused]] const int height = QFontMetrics(bold).height();
}

void TEquipmentSelectionForm::FormActivate() {
    SetApplicationHintHandler([this](const QString& hint) { HintDisplay(hint); });
    QFont bold = StatusBar1->font();
    bold.setBold(true);
    StatusBar1->setFont(bold);
}

void TEquipmentSelectionForm::HintDisplay(const QString& hint) {
    StatusBar1->showMessage(hint);
}

void TEquipmentSelectionForm::customEvent(QEvent* event) {
    if (event->type() == LauncherCursorEvent) {
        SetScreenCursor(crDefault);
        return;
    }
    QWidget::customEvent(event);
}

void TEquipmentSelectionForm::BtnClick(int n) {
    SetScreenCursor(crHourGlass);
    if (n == ExperimentModule) {
        Environment.OpenExperiment();
        // The experiment window takes the hint handler while it is open.
        SetApplicationHintHandler([this](const QString& hint) { HintDisplay(hint); });
        return;
    }
    if (!ImageViewer || !ImageViewer->ShowModulePicture(n)) {
        // The picture could not be shown: no modal window took the busy cursor away, so do it here.
        SetScreenCursor(crDefault);
    }
}
