#pragma once
// The about box of the range: the pictures of all modules and a text area that describes the module under
// the pointer. Opened from the experiment window.

#include <QDialog>
#include <QLabel>
#include <QString>
#include <array>
#include <functional>

// A label that opens its address through the desktop when clicked.
class TURLLabel final : public QLabel {
    Q_OBJECT
public:
    explicit TURLLabel(QWidget* parent = nullptr);
    QString URL;
    // Called when the address could not be opened: 0 out of memory or resources, 1 no application for the
    // address, 2 any other failure.
    std::function<void(int kind)> OnURLError;
    // Runs after every click, whether the address opened or not.
    std::function<void()> OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Click();
    bool Pressed = false;
};

// A picture that reports pointer moves over it (with no button held) in its own coordinates.
class TTrackedImage final : public QLabel {
    Q_OBJECT
public:
    explicit TTrackedImage(QWidget* parent = nullptr);
    std::function<void(TTrackedImage* sender, QPoint position)> OnMouseMove;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

// A read-only, word-wrapped text area; Text() is the text exactly as set (line breaks are CR LF).
class TMemo final : public QLabel {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);
    void SetText(const QString& text);
    [[nodiscard]] const QString& Text() const { return Contents; }

private:
    QString Contents;
};

struct TAboutEntry {
    QString Title;
    QString Description;
    QString Further; // may be empty
};
inline constexpr int AboutEntryCount = 21;
// Entry 1 is the range, entries 2..20 the modules, entry 21 the maker's contact details (never shown).
[[nodiscard]] const TAboutEntry& AboutEntry(int number);
// The entry the text area shows; it outlives each about box.
[[nodiscard]] int AboutShownEntry();

class TAboutForm final : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 770, ClientHeight = 567;
    static inline const QString SiteAddress = QStringLiteral("https://korvex.example/ferrant");

    explicit TAboutForm(QWidget* owner);

    [[nodiscard]] TTrackedImage* ModuleImage(int n) const { return Images.at(static_cast<std::size_t>(n)); }
    [[nodiscard]] static QRect ImageRect(int n);

    TTrackedImage* AboutImage;
    TURLLabel* URLLabel1;
    QLabel* AboutLabel;
    TMemo* AboutMemo;

    void AboutImageMouseMove(QPoint position);
    void EquipImageMouseMove(TTrackedImage* sender);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ShowEntry(int number);
    std::array<TTrackedImage*, 21> Images{};
};

// Creates the about box over its owner, shows it modally and destroys it.
void ShowAboutBox(QWidget* owner);
