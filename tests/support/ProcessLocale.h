#pragma once
// The process's C locale as the program runs it: Qt's application object calls setlocale(LC_ALL, "") at
// start-up, so on a German desktop printf writes "0,98". QLocale::setDefault changes none of that; tests of
// code that reaches the C library (libxlsxwriter) set the process locale itself.
//
// Debian's minimal systems generate no locales, so a locale the system lacks is compiled into a private
// folder with localedef (package "locales") and found there through LOCPATH. TProcessLocale puts the locale
// in force for its lifetime and the previous one back after.

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <clocale>
#include <string>

class TProcessLocale {
public:
    // name: "de_DE.UTF-8", "fr_FR.UTF-8", "en_US.UTF-8" or "C".
    explicit TProcessLocale(const QByteArray& name) {
        if (const char* now = std::setlocale(LC_ALL, nullptr)) Previous = now;
        Prepare();
        Active = std::setlocale(LC_ALL, name.constData()) != nullptr;
    }
    ~TProcessLocale() { std::setlocale(LC_ALL, Previous.c_str()); }
    TProcessLocale(const TProcessLocale&) = delete;
    TProcessLocale& operator=(const TProcessLocale&) = delete;

    // The locale is in force (localedef and its data were there).
    [[nodiscard]] bool IsActive() const { return Active; }

private:
    // Once per process, before any of them is asked for: glibc remembers a locale it did not find, so the
    // private folder must be complete before the first setlocale() that may use it.
    static void Prepare() {
        static bool prepared = false;
        if (prepared) return;
        prepared = true;
        QProcess list;
        list.start(QStringLiteral("locale"), {QStringLiteral("-a")});
        list.waitForFinished(10000);
        const QString have = QString::fromLocal8Bit(list.readAllStandardOutput()).toLower();
        static QTemporaryDir folder;
        const QStringList wanted = {QStringLiteral("de_DE"), QStringLiteral("fr_FR"), QStringLiteral("en_US"),
                                    QStringLiteral("es_ES")};
        bool all = true;
        for (const QString& base : wanted)
            all = all && have.contains(base.toLower() + QStringLiteral(".utf8"));
        if (all) return;
        // LOCPATH replaces the system's folder: every locale the tests use goes into the private one.
        bool made = false;
        for (const QString& base : wanted) {
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), base, QStringLiteral("-f"), QStringLiteral("UTF-8"),
                               QDir(folder.path()).filePath(base + QStringLiteral(".UTF-8"))});
            made = true;
        }
        if (made) qputenv("LOCPATH", QFile::encodeName(folder.path()));
    }

    std::string Previous = "C";
    bool Active = false;
};
