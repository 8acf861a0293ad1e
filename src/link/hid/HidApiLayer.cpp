#include "HidApiLayer.h"

#include "platform/DebugTrace.h"

#include <hidapi.h>

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <atomic>
#include <mutex>
#include <thread>

bool DescriptorHasReportIds(const QByteArray& d) {
    for (qsizetype i = 0; i < d.size();) {
        const auto prefix = static_cast<std::uint8_t>(d[i]);
        if (prefix == 0xFE) { // long item: data size in the next byte, then a tag byte
            if (i + 1 >= d.size()) break;
            i += 3 + static_cast<std::uint8_t>(d[i + 1]);
            continue;
        }
        if ((prefix & 0xFC) == 0x84) // Report ID, any data size
            return true;
        static constexpr int Sizes[4] = {0, 1, 2, 4};
        i += 1 + Sizes[prefix & 3];
    }
    return false;
}

namespace {

bool UsesNumberedReports([[maybe_unused]] const QString& path) {
#ifdef Q_OS_LINUX
    const QString node = QFileInfo(path).fileName(); // hidrawN
    QFile descriptor(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(node));
    if (!descriptor.open(QIODevice::ReadOnly)) return false;
    return DescriptorHasReportIds(descriptor.readAll());
#else
    // Elsewhere hidapi reads unnumbered reports without the leading 0 too, but the descriptor is not at
    // hand: the data unit's reports are unnumbered.
    return false;
#endif
}

} // namespace

struct THidApiLayer::TOpenDevice {
    hid_device* Handle = nullptr;
    bool Numbered = false;
    // hidapi keeps one error string per handle and replaces it on every call, so a read on the reader
    // thread and a write on this thread must not overlap. A waiting writer goes first.
    std::mutex Io;
    std::atomic<int> WritersWaiting{0};
    std::atomic<bool> Stop{false};
    std::atomic<bool> Failed{false};
    std::thread Reader;
};

THidApiLayer::THidApiLayer(int rescanIntervalMs, QObject* parent) : QObject(parent) {
    Initialised = hid_init() == 0;
    RescanTimer.setInterval(rescanIntervalMs);
    connect(&RescanTimer, &QTimer::timeout, this, &THidApiLayer::Rescan);
    if (Initialised && rescanIntervalMs > 0) RescanTimer.start();
}

THidApiLayer::~THidApiLayer() {
    RescanTimer.stop();
    while (!Open.empty())
        CheckIn(Open.begin()->first);
    if (Initialised) hid_exit();
}

void THidApiLayer::Rescan() {
    if (!Initialised) return;
    std::map<QString, std::pair<std::uint16_t, std::uint16_t>> found;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d; d = d->next)
        if (d->path)
            found.emplace(QString::fromLocal8Bit(d->path), std::make_pair(d->vendor_id, d->product_id));
    hid_free_enumeration(list);

    // A device whose reader failed has gone, whatever the list says (hidraw nodes can linger briefly).
    std::vector<THidDeviceInfo> gone;
    for (auto it = Present.begin(); it != Present.end();) {
        const auto open = Open.find(it->first);
        const bool failed = open != Open.end() && open->second->Failed.load();
        if (!found.count(it->second.Path) || failed) {
            // A node whose reads failed is offered again only by a later scan, not at once.
            found.erase(it->second.Path);
            gone.push_back(it->second);
            it = Present.erase(it);
        } else {
            found.erase(it->second.Path);
            ++it;
        }
    }
    for (const auto& [path, ids] : found) {
        THidDeviceInfo info;
        info.Id = NextId++;
        info.Path = path;
        info.VendorID = ids.first;
        info.ProductID = ids.second;
        Present.emplace(info.Id, info);
    }
    for (const THidDeviceInfo& device : gone)
        if (OnUnplug) OnUnplug(device);
    if (OnDeviceChange) OnDeviceChange();
}

std::vector<THidDeviceInfo> THidApiLayer::Devices() const {
    std::vector<THidDeviceInfo> devices;
    for (const auto& [id, info] : Present) {
        devices.push_back(info);
        devices.back().CheckedOut = Open.count(id) > 0;
    }
    return devices;
}

bool THidApiLayer::CheckOut(int id) {
    const auto info = Present.find(id);
    if (info == Present.end() || Open.count(id)) return false;
    hid_device* handle = hid_open_path(info->second.Path.toLocal8Bit().constData());
    if (!handle) {
        DebugTrace(QStringLiteral("USB device could not be opened: ") + info->second.Path);
        return false;
    }
    auto device = std::make_unique<TOpenDevice>();
    device->Handle = handle;
    device->Numbered = UsesNumberedReports(info->second.Path);
    TOpenDevice* raw = device.get();
    device->Reader = std::thread([raw, id, this] {
        unsigned char buffer[1025];
        while (!raw->Stop.load()) {
            if (raw->WritersWaiting.load() > 0) {
                std::this_thread::yield();
                continue;
            }
            // The timed read lets the stop flag end the thread, and a writer get in, within 50 ms.
            std::unique_lock lock(raw->Io);
            const int n = hid_read_timeout(raw->Handle, buffer, sizeof buffer, 50);
            lock.unlock();
            if (n < 0) {
                raw->Failed = true;
                QMetaObject::invokeMethod(
                    this, [this] { Rescan(); }, Qt::QueuedConnection);
                break;
            }
            if (n > 0) {
                const QByteArray report(reinterpret_cast<const char*>(buffer), n);
                QMetaObject::invokeMethod(
                    this, [this, id, report] { Deliver(id, report); }, Qt::QueuedConnection);
            }
        }
    });
    Open.emplace(id, std::move(device));
    return true;
}

void THidApiLayer::Deliver(int id, const QByteArray& raw) {
    // A report still queued from a device checked in since is not delivered.
    const auto open = Open.find(id);
    if (open == Open.end() || !OnReport) return;
    if (open->second->Numbered) {
        if (raw.isEmpty()) return;
        OnReport(id, static_cast<std::uint8_t>(raw[0]), raw.mid(1));
    } else {
        OnReport(id, 0, raw);
    }
}

void THidApiLayer::CheckIn(int id) {
    const auto open = Open.find(id);
    if (open == Open.end()) return;
    std::unique_ptr<TOpenDevice> device = std::move(open->second);
    Open.erase(open);
    device->Stop = true;
    if (device->Reader.joinable()) device->Reader.join();
    hid_close(device->Handle);
}

bool THidApiLayer::IsPluggedIn(int id) const {
    const auto open = Open.find(id);
    if (open != Open.end() && open->second->Failed.load()) return false;
    return Present.count(id) > 0;
}

bool THidApiLayer::WriteReport(int id, const QByteArray& report) {
    const auto open = Open.find(id);
    if (open == Open.end() || report.isEmpty()) return false;
    TOpenDevice& device = *open->second;
    ++device.WritersWaiting;
    int written = -1;
    {
        const std::lock_guard lock(device.Io);
        written = hid_write(device.Handle, reinterpret_cast<const unsigned char*>(report.constData()),
                            static_cast<size_t>(report.size()));
    }
    --device.WritersWaiting;
    return written >= 0;
}
