// The central error handler: an exception escaping an event handler is shown in the error box and the
// program carries on.
#include <QtTest>
#include <stdexcept>

#include "platform/ErrorHandler.h"
#include "platform/MessageLayer.h"

namespace {

// A control whose press handler fails the way the test says; releases are counted to show the event loop
// still works afterwards.
class TFailingControl : public QWidget {
public:
    std::function<void()> Fail;
    int Releases = 0;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (Fail) Fail();
    }
    void mouseReleaseEvent(QMouseEvent*) override { ++Releases; }
};

} // namespace

class TErrorHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void ExceptionReachesTheErrorBox_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full stop added") << 0 << "Range check error"
                                         << "Range check error.";
        QTest::newRow("ends with a full stop") << 0 << "Division by zero."
                                               << "Division by zero.";
        // ')' sorts before '.', so nothing is added.
        QTest::newRow("ends before the full stop") << 0 << "List index out of bounds (5)"
                                                   << "List index out of bounds (5)";
        QTest::newRow("our own error") << 1 << "Module picture missing"
                                       << "Module picture missing.";
        // '"' sorts before '.' as well.
        QTest::newRow("ends with a quote") << 1 << "Cannot open file \"x\""
                                           << "Cannot open file \"x\"";
        QTest::newRow("not a std::exception") << 2 << ""
                                              << "Unknown error.";
    }
    void ExceptionReachesTheErrorBox() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        TRecordingMessages messages;
        TFailingControl control;
        control.resize(50, 50);
        control.Fail = [kind, text] {
            if (kind == 0) throw std::runtime_error(text.toStdString());
            if (kind == 1) throw EFerrantError(text);
            throw 42;
        };
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        QTest::mouseClick(&control, Qt::LeftButton);
        QCOMPARE(messages.Shown.size(), std::size_t(1));
        QCOMPARE(messages.Shown[0].Caption, QStringLiteral("Ferrant Demo"));
        QCOMPARE(messages.Shown[0].Text, shown);
        QCOMPARE(messages.Shown[0].Icon, TMsgIcon::Error);
        QCOMPARE(messages.Shown[0].Buttons, TMsgButtons::Ok);
        // The message loop carries on.
        control.Fail = nullptr;
        QTest::mouseClick(&control, Qt::LeftButton);
        QCOMPARE(control.Releases, 2);
        QCOMPARE(messages.Shown.size(), std::size_t(1));
    }
};

int main(int argc, char** argv) {
    TFerrantApplication app(argc, argv);
    TErrorHandlerTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_error_handler.moc"
