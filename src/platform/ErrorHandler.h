#pragma once
// The central error handler. Any exception that escapes an event handler ends here instead of ending the
// program: the error text goes into one box (application title, error icon, OK) and the message loop carries
// on. Problems the program expects are reported where they are found; this is the net for the rest.

#include <QApplication>
#include <QString>
#include <exception>
#include <stdexcept>

// An error raised with a user-facing text of its own.
class EFerrantError : public std::runtime_error {
public:
    explicit EFerrantError(const QString& message)
        : std::runtime_error(message.toStdString()), Text(message) {}
    [[nodiscard]] const QString& Message() const { return Text; }

private:
    QString Text;
};

// Shows the central error box for this text (a full stop is added by the usual rule).
void ShowCentralError(const QString& text);

// Shows the central error box for the exception in flight (call from a catch block) or for one captured.
void HandleException(std::exception_ptr error);

// The application object of the program: QApplication with the central handler around every event.
class TFerrantApplication final : public QApplication {
    Q_OBJECT
public:
    TFerrantApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
