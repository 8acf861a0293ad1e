#pragma once
// TComSelectFormKV: the communications options dialog, where the user chooses the serial port of the data
// unit and whether the link may use USB only. The link manager runs it through its CommsOptionsDialog seam
// (ShowCommsOptions): from the experiment window's "Set Communications Options" command, and when the
// serial port failed to open during Connect. InstallCommsOptionsDialog fills the seam; start-up calls it once
// after creating the link manager.

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class TComPortMap;
class TCommsModule;

class TComSelectFormKV final : public QDialog {
    Q_OBJECT
public:
    // isPortAvailable is asked about COM 1 to 50 in turn while the port list is built.
    explicit TComSelectFormKV(const std::function<bool(int)>& isPortAvailable, QWidget* parent = nullptr);

    // The serial part is usable exactly when USB only is not checked and there is a port to choose.
    void USBOnlyCheckBoxClick();
    // The number of the chosen port ("COM12" gives 12); 0 when the list is empty.
    [[nodiscard]] int PortNumberFromItem() const;

    QGroupBox* GroupBox1;
    QLabel* USBConnectedLabel;
    QCheckBox* USBOnlyCheckBox;
    QGroupBox* GroupBox2;
    QFrame* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    QComboBox* PortsComboBox;
    QPushButton* OkBtn;
    QPushButton* AbortBtn;

private:
    void FormCreate(const std::function<bool(int)>& isPortAvailable);
};

// COM `number` is there: its device opens, or another program (or this one) holds it.
[[nodiscard]] bool IsPortAvailable(const TComPortMap& map, int number);

// What the link manager's ShowCommsOptions runs: reads the settings file, shows the dialog modally over the
// active window, and on OK applies and saves the choices. True when the user pressed OK.
bool ShowCommsOptionsDialog(TCommsModule& module);

// Makes the link manager's ShowCommsOptions run the dialog.
void InstallCommsOptionsDialog(TCommsModule& module);
