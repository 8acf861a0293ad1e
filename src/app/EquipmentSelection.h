#pragma once
// The launcher: one picture button per module of the range; module 4 opens the experiment window, every
// other module shows the picture of its apparatus.

#include <QEvent>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QLabel;

// The launcher's private message: on receiving it the launcher sets the screen-wide cursor to the arrow.
inline constexpr int LauncherCursorMessage = 0x2401;
inline constexpr QEvent::Type LauncherCursorEvent = QEvent::Type(QEvent::User + LauncherCursorMessage);

// The browser prerequisite: the major version is the text before the first "." as an integer, 0 when there
// is no value or no ".". A text that is not an integer gives the conversion error instead.
struct TBrowserVersion {
    int Major = 0;
    QString ConversionError;
};
[[nodiscard]] TBrowserVersion BrowserMajorVersion(const std::optional<QString>& value);
inline constexpr int MinimumBrowserMajor = 5;

// The colour-depth notice, its two lines joined by LF CR.
[[nodiscard]] QString ColourDepthNotice();

// Where the launcher gets what it reads from the system; the defaults read the real system.
struct TLauncherEnvironment {
    std::function<std::optional<QString>()> BrowserVersion;
    std::function<int()> ColourDepth;
    QString VersionFile; // empty: the executable's own file
    // Opens the experiment window of module 4 modally and returns when it has closed.
    std::function<void()> OpenExperiment;
};

// A module button: a push button with the module's picture, which Enter presses as well as Space.
class TPictureButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The launcher's status bar: one panel that shows the current hint. Unlike QStatusBar, which measures its
// font as it is built, it needs a font only when it has text to draw; so showing the launcher does not wait
// for the font database, which the launcher loads once it has been painted (see WarmUpAfterFirstPaint).
class TStatusBar final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void showMessage(const QString& message);
    [[nodiscard]] QString currentMessage() const { return Message; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString Message;
};

class TEquipmentSelectionForm final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 768, ClientHeight = 501;
    static constexpr int ButtonWidth = 148, ButtonHeight = 107;
    static inline const QString DesignCaption = QStringLiteral("Welcome to the Korvex Ferrant Product Range");

    explicit TEquipmentSelectionForm(TLauncherEnvironment environment = {});
    ~TEquipmentSelectionForm() override;

    [[nodiscard]] TPictureButton* ModuleButton(int n) const {
        return Buttons.at(static_cast<std::size_t>(n));
    }
    // The geometry of module n's button: column (n - 1) mod 5, row (n - 1) div 5.
    [[nodiscard]] static QRect ButtonRect(int n);

    QWidget* Panel1;
    QLabel* Image2;
    TStatusBar* StatusBar1;
    TPictureButton* VEK4Btn;
    QString VersionText;
    // Set when the browser prerequisite failed: start-up ends the program instead of running it.
    bool TerminationRequested = false;

    void BtnClick(int n);
    void HintDisplay(const QString& hint);

protected:
    void showEvent(QShowEvent* event) override;
    void KeepWholeOnScreen();
    bool event(QEvent* event) override;
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the launcher does not need for its first picture but a later action would wait for: the
    // registered cursors and the font database (the first hint in the status bar, every window with text).
    // Done once the launcher has been painted, while the user is still looking at it, so neither the
    // launcher's appearance nor the first click waits for it.
    void WarmUpAfterFirstPaint();
    bool FirstPaintSeen = false;

    void FormCreate();
    void FormShow();
    void FormActivate();

    TLauncherEnvironment Environment;
    std::array<TPictureButton*, 21> Buttons{};
};
