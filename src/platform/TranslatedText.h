#pragma once
// A text kept in English as a constant (the tests and the files read it so) shown in the language in use.
// The constant's source is marked with QT_TRANSLATE_NOOP(context, ...) so lupdate finds it; with no
// translation loaded the English comes back unchanged.

#include <QCoreApplication>
#include <QString>

[[nodiscard]] inline QString TranslatedText(const char* context, const QString& english) {
    return QCoreApplication::translate(context, english.toUtf8().constData());
}
