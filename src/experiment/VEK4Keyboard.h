#pragma once
// The experiment window with the keyboard alone: the tool-box items and the items on the beam take focus,
// Enter or Space picks one up, Left/Right move it (10 mm, Shift 100 mm, Home/End the ends), Enter drops,
// Escape puts it back, Delete removes an item from the beam; the dial gauge and the UDL's length move the
// same way. Every pick-up and drop of a support or a weight goes through the window's drag controller to the
// very handlers the mouse reaches (KeyBegin/KeyOver/KeyEnd), at the point of the apparatus picture that
// model/KeyboardPlacement.h names for the station, so keys obey exactly the mouse's placement rules; the
// gauge and the UDL's length get the mouse events their mouse gestures get, at the station's x.
//
// What changes is announced once to assistive technology (the Announcement label's name, with an
// accessibility event), and Ctrl+Shift+M reads the live meter, Ctrl+Shift+D the whole set-up, on request.

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "model/KeyboardPlacement.h"

class QLabel;
class QWidget;
class TPictureControl;
class TVEK4Form;

class TVEK4Keyboard final : public QObject {
    Q_OBJECT
public:
    explicit TVEK4Keyboard(TVEK4Form* form);
    ~TVEK4Keyboard() override;

    enum class TMode { None, Item, Gauge, UDLLength };
    [[nodiscard]] TMode Mode() const { return Moving; }
    [[nodiscard]] int Station() const { return CurrentStation; }
    // The last announcement, as assistive technology got it.
    [[nodiscard]] QString LastAnnouncement() const;
    // Says text once: the Announcement label takes it as its name and an accessibility event tells readers.
    void Announce(const QString& text);
    // The control that shows a placed item.
    [[nodiscard]] QWidget* ControlOf(const TPlacedItem& item) const;
    [[nodiscard]] bool IsPlacedControl(const QWidget* w) const;
    [[nodiscard]] bool IsToolBoxSource(const QWidget* w) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyDuringMove(int key, Qt::KeyboardModifiers modifiers);
    bool KeyOnControl(QWidget* focus, int key, Qt::KeyboardModifiers modifiers);
    void PickUp(QWidget* source);
    void MoveTo(int station);
    void Drop();
    void PutBack();
    void Remove(QWidget* placed);
    void StartGauge();
    void StartUDLLength();
    void FinishMove(bool drop);
    void ShowGhost(bool on);
    bool TabAmongPlaced(QWidget* focus, bool forward);
    [[nodiscard]] QWidget* NextOutsideBeam(QWidget* from, bool forward) const;
    [[nodiscard]] QString ItemName(const TDragSource& source) const;
    [[nodiscard]] QString ReadMeter() const;

    TVEK4Form* Form;
    QLabel* AnnouncementLabel;
    TPictureControl* Ghost; // the picked-up item, on the beam at its station
    TMode Moving = TMode::None;
    QPointer<QWidget> MovingSource;
    int CurrentStation = 0;
    int StartStation = 0;
    QPointer<QWidget> LastFocus;
    bool Redirecting = false;
    bool MouseDropPending = false;
    QString LinkText; // the link label as last said
    int ReadingsSaid = 0;
};
