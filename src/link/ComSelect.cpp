#include "ComSelect.h"

#include <QCoreApplication>

#include "CommsModuleDM.h"
#include "serial/ComPortMap.h"
#include "serial/QtSerialPort.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <exception>
#include <vector>

namespace {

QString USBConnectedText() {
    return QCoreApplication::translate("TComSelectFormKV", "USB Device Connected");
}
QString USBNotConnectedText() {
    return QCoreApplication::translate("TComSelectFormKV", "USB Device Not Connected");
}

// The design's 8 point sans serif at 11 pixels, black; the free fonts stand in where it is not installed.
QFont DesignFont(bool bold = false) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

template <typename W> W* Place(QWidget* parent, int x, int y, int width = -1, int height = -1) {
    auto* widget = new W(parent);
    widget->setFont(DesignFont());
    if (width < 0) {
        widget->move(x, y);
    } else {
        widget->setGeometry(x, y, width, height);
    }
    return widget;
}

} // namespace

TComSelectFormKV::TComSelectFormKV(const std::function<bool(int)>& isPortAvailable, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Communications Options"));
    setFont(DesignFont());
    // Black text while a control is usable; a disabled one (the serial part when only USB may be used)
    // keeps the style's grey, so it reads as disabled.
    QPalette black = palette();
    black.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    black.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    setPalette(black);
    setFixedSize(237, 268);

    GroupBox1 = Place<QGroupBox>(this, 8, 8, 221, 73);
    GroupBox1->setTitle(tr("USB"));
    GroupBox1->setFont(DesignFont(true));
    USBConnectedLabel = Place<QLabel>(GroupBox1, 17, 21);
    USBConnectedLabel->setText(USBNotConnectedText());
    USBConnectedLabel->adjustSize();
    USBOnlyCheckBox = Place<QCheckBox>(GroupBox1, 17, 40);
    USBOnlyCheckBox->setText(tr("Only connect via USB"));
    USBOnlyCheckBox->adjustSize();
    // Also when the check is set from the settings, as the design's click handler ran then too.
    connect(USBOnlyCheckBox, &QCheckBox::toggled, this, [this] { USBOnlyCheckBoxClick(); });

    GroupBox2 = Place<QGroupBox>(this, 8, 96, 221, 121);
    GroupBox2->setTitle(tr("Serial Port"));
    GroupBox2->setFont(DesignFont(true));
    Bevel1 = Place<QFrame>(GroupBox2, 8, 23, 205, 50);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    // Texts are set when the dialog is shown; wide enough for the longest of them.
    Label1 = Place<QLabel>(GroupBox2, 17, 33, 190, 14);
    Label2 = Place<QLabel>(GroupBox2, 17, 52, 190, 14);
    PortsComboBox = Place<QComboBox>(GroupBox2, 8, 89, 205, 21);

    OkBtn = Place<QPushButton>(this, 16, 231, 85, 27);
    OkBtn->setText(tr("OK"));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    AbortBtn = Place<QPushButton>(this, 136, 233, 85, 27);
    AbortBtn->setText(tr("Cancel"));
    connect(AbortBtn, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate(isPortAvailable);
}

void TComSelectFormKV::FormCreate(const std::function<bool(int)>& isPortAvailable) {
    for (int n = 1; n <= HighestComPort; ++n)
        if (isPortAvailable && isPortAvailable(n)) PortsComboBox->addItem(QStringLiteral("COM%1").arg(n));
    PortsComboBox->setCurrentIndex(0);
    if (PortsComboBox->count() == 0) GroupBox2->setEnabled(false);
}

void TComSelectFormKV::USBOnlyCheckBoxClick() {
    const bool serial = !USBOnlyCheckBox->isChecked() && PortsComboBox->count() > 0;
    GroupBox2->setEnabled(serial);
    PortsComboBox->setEnabled(serial);
    Label1->setEnabled(serial);
    Label2->setEnabled(serial);
}

int TComSelectFormKV::PortNumberFromItem() const {
    return PortsComboBox->currentText().mid(3).toInt();
}

bool IsPortAvailable(const TComPortMap& map, int number) {
    return TQtSerialPort::IsPortAvailable(map, number);
}

bool ShowCommsOptionsDialog(TCommsModule& module) {
    const bool settingsFile = !module.SettingsFolder.isEmpty();
    // After a failed write the file no longer holds the choices made since, which are kept: reading it
    // would bring the old ones back (the port is guarded by SettingsWriteFailed, USB only would not be).
    if (settingsFile && !module.SettingsWriteFailed) module.ReadSettingsFile();

    // The same list Connect builds, so that the dialog offers exactly the ports Connect would try.
    const std::vector<int> ports = module.SerialPorts();
    TComSelectFormKV form([&ports](int n) { return std::find(ports.begin(), ports.end(), n) != ports.end(); },
                          QApplication::activeWindow());
    module.OptionsUSBLabel = [&form](const QString& text) { form.USBConnectedLabel->setText(text); };
    struct TUnregister {
        TCommsModule& Module;
        ~TUnregister() { Module.OptionsUSBLabel = nullptr; }
    } unregister{module};

    form.USBOnlyCheckBox->setChecked(module.USBOnly);
    form.USBConnectedLabel->setText(module.IsUSBConnected() ? USBConnectedText() : USBNotConnectedText());
    const bool havePorts = form.PortsComboBox->count() > 0;
    if (havePorts) {
        const int index = form.PortsComboBox->findText(QStringLiteral("COM%1").arg(module.ComPortNumber()));
        form.PortsComboBox->setCurrentIndex(std::max(index, 0));
        form.Label1->setText(
            QCoreApplication::translate("TComSelectFormKV", "Select the serial port to be used."));
        form.Label2->hide();
    } else {
        form.Label1->setText(QCoreApplication::translate("TComSelectFormKV", "No serial port found"));
        form.Label2->setText(QCoreApplication::translate("TComSelectFormKV", "USB must be used."));
        form.USBOnlyCheckBoxClick();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.move(screen->availableGeometry().center() - form.rect().center());

    if (form.exec() != QDialog::Accepted) return false;

    module.USBOnly = form.USBOnlyCheckBox->isChecked();
    bool portFailed = false;
    if (havePorts) {
        // An open port is closed and opened again on the new number. If that fails the choice stands;
        // the next Connect says what is wrong with the port.
        try {
            portFailed = module.Comm1().SetPortNumber(form.PortNumberFromItem()) != TPortOpenResult::Opened;
        } catch (const std::exception&) {
            portFailed = true;
        }
    }
    if (settingsFile) {
        module.SaveSettings(havePorts);
        if (portFailed) module.SettingsWriteFailed = true;
    }
    return true;
}

void InstallCommsOptionsDialog(TCommsModule& module) {
    module.CommsOptionsDialog = [](TCommsModule& m) { return ShowCommsOptionsDialog(m); };
}
