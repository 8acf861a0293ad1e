#pragma once
// The HID layer on hidapi (hidraw backend on Linux). hidapi of this generation has no hot-plug callback, so
// the device list is scanned again on a timer, as other programs do. Each checked-out device has a reader
// thread with a timed read and an atomic stop flag; it hands every report to this object's thread through
// a queued call. <hidapi.h> stays inside the .cpp.

#include "HidLayer.h"

#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

// A device with numbered reports puts the report ID in front of every report hidapi reads; one without
// puts nothing, although its report ID is 0. Only the report descriptor tells them apart: any Report ID
// item (tag 0x85) means numbered reports.
[[nodiscard]] bool DescriptorHasReportIds(const QByteArray& descriptor);

class THidApiLayer final : public QObject, public THidLayer {
    Q_OBJECT
public:
    explicit THidApiLayer(int rescanIntervalMs = 1000, QObject* parent = nullptr);
    ~THidApiLayer() override;

    void Rescan() override;
    [[nodiscard]] std::vector<THidDeviceInfo> Devices() const override;
    bool CheckOut(int id) override;
    void CheckIn(int id) override;
    [[nodiscard]] bool IsPluggedIn(int id) const override;
    bool WriteReport(int id, const QByteArray& report) override;

private:
    struct TOpenDevice;
    void Deliver(int id, const QByteArray& raw);
    std::map<int, THidDeviceInfo> Present;
    std::map<int, std::unique_ptr<TOpenDevice>> Open;
    int NextId = 1;
    QTimer RescanTimer;
    bool Initialised = false;
};
