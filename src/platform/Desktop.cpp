#include "Desktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QSettings>
#include <shellapi.h>
#include <windows.h>
#endif

namespace {

TShellOpen& InstalledShell() {
    static TShellOpen shell;
    return shell;
}

int SystemShellOpen(const QString& target) {
#ifdef Q_OS_WIN
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(target.utf16()), nullptr, nullptr, 0));
    return static_cast<int>(result);
#else
    constexpr int Success = 42, NoAssociation = 31;
    return QDesktopServices::openUrl(QUrl::fromUserInput(target)) ? Success : NoAssociation;
#endif
}

} // namespace

int ScreenColourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

std::optional<QString> ReadBrowserVersionValue() {
#ifdef Q_OS_WIN
    QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer"),
                  QSettings::NativeFormat);
    const QVariant value = key.value(QStringLiteral("Version"));
    if (!value.isValid()) return std::nullopt;
    return value.toString();
#else
    return QString::fromLatin1(qVersion());
#endif
}

int ShellOpen(const QString& target) {
    return InstalledShell() ? InstalledShell()(target) : SystemShellOpen(target);
}

void SetShellOpen(TShellOpen shell) {
    InstalledShell() = std::move(shell);
}
