#include "ErrorHandler.h"

#include "platform/MessageLayer.h"

void ShowCentralError(const QString& text) {
    ShowMessage(ApplicationTitle, WithFullStop(text), TMsgIcon::Error, TMsgButtons::Ok);
}

void HandleException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const EFerrantError& e) {
        ShowCentralError(e.Message());
    } catch (const std::exception& e) {
        ShowCentralError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowCentralError(QStringLiteral("Unknown error"));
    }
}

TFerrantApplication::TFerrantApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ApplicationTitle);
}

bool TFerrantApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
    }
    return false;
}
