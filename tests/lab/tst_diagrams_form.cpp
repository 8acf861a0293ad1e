// The "Diagrams" window on a real widget: the mouse moves a cursor whose values are the core's, every
// ShowLayout follows the edit at once, and the worked solution pane keeps its place.
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "RecordingPresenter.h"
#include "lab/DiagramsForm.h"
#include "platform/MessageLayer.h"

namespace {

struct TBench {
    TBeamLayout Layout;
    TBeamTheory Theory;
    TRecordingPresenter View;
    void Recalculate(TDiagramsForm& form) {
        Theory.Recalculate(Layout, View);
        form.ShowLayout(Layout, Theory);
    }
    // The worked solution follows from the event loop once the window is shown.
    static QString Solution(const TDiagramsForm& form) { return form.WorkedSolution()->toPlainText(); }
};

} // namespace

class TestDiagramsForm : public QObject {
    Q_OBJECT
private slots:
    void init() {
        messages.reset(); // the old recorder gives the layer back before the new one takes it
        messages = std::make_unique<TRecordingMessages>();
    }

    void CursorFollowsTheMouse() {
        TDiagramsForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Diagrams"));
        QVERIFY(form.isWindow());
        QCOMPARE(form.windowModality(), Qt::NonModal);
        TBench bench;
        bench.Layout.LeftClamp = true;
        bench.Layout.HangerSlots[60].Mass = 200;
        bench.Recalculate(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        TDiagramsCanvas* canvas = form.DiagramsCanvas();
        const TDiagramsGeometry g = DiagramsGeometry(canvas->size());
        QVERIFY(!canvas->Cursor());
        // Over the moment diagram at about 200 mm, then over the deflection diagram at about 450 mm.
        for (auto [mm, band] : {std::pair{200.0, 1}, std::pair{450.0, 3}}) {
            const QPoint at(int(g.PixelOf(mm)), int(g.Bands[band].center().y()));
            QTest::mouseMove(canvas, at);
            // The cursor names a whole millimetre and gives the values there (the pixel lies between two).
            const double x = std::round(g.MmOf(at.x()));
            // A real window system delivers the move later: wait for this one.
            QTRY_VERIFY(canvas->Cursor() && std::abs(canvas->Cursor()->XMm - x) < 1e-9);
            const TCursorReadout r = *canvas->Cursor();
            QCOMPARE(r.Position, QStringLiteral("x = %1 mm").arg(x));
            // Cantilever, 200 g at the tip: V = P all along, M = -P (L - x), and the theory's curve.
            const double P = 200 * 0.00980665;
            QCOMPARE(r.Values[0], QStringLiteral("V = %1 N").arg(DiagramNumber(P)));
            QCOMPARE(r.Values[1], QStringLiteral("M = %1 N·m").arg(DiagramNumber(-P * (0.6 - x / 1000.0))));
            QCOMPARE(r.Values[3],
                     QStringLiteral("y = %1 mm").arg(DiagramNumber(form.Diagrams().DeflectionAt(x))));
        }
        // Left of the beam's start there is no cursor.
        QTest::mouseMove(canvas, QPoint(int(g.Left) - 20, int(g.Bands[0].center().y())));
        QTRY_VERIFY(!canvas->Cursor());
    }

    // Each ShowLayout replaces the picture and the worked solution; an unsupported beam says why in both.
    void FollowsEveryEdit() {
        TDiagramsForm form;
        TBench bench;
        bench.Layout.KnifeEdge1 = bench.Layout.KnifeEdge2 = true;
        bench.Layout.KnifeEdge1Station = 0;
        bench.Layout.KnifeEdge2Station = 60;
        bench.Layout.UpdateKnifeEdgeOrder();
        bench.Layout.HangerSlots[30].Mass = 500;
        bench.Recalculate(form);
        QVERIFY(form.Diagrams().Drawable);
        form.UpdateWorkedSolution(); // hidden: nothing is written until asked or shown
        QVERIFY(TBench::Solution(form).contains(QStringLiteral("2.452 N"))); // P/2 = 2.4517 N
        for (int station : {10, 20, 40, 50})
            bench.Layout.HangerSlots[station].Mass = 100; // a longer solution, so the pane scrolls
        bench.Recalculate(form);
        form.resize(1000, 700); // a short pane that scrolls
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QApplication::processEvents();
        QScrollBar* scroll = form.WorkedSolution()->verticalScrollBar();
        QVERIFY(scroll->maximum() > 40);
        scroll->setValue(40);

        bench.Layout.HangerSlots[45].Mass = 200; // another weight: new reactions, same reading place
        bench.Recalculate(form);
        QCOMPARE(form.Diagrams().Loads.size(), std::size_t(6));
        QTRY_VERIFY(TBench::Solution(form).contains(QStringLiteral("W5 = 200 g")));
        QCOMPARE(scroll->value(), 40);

        bench.Layout.KnifeEdge2 = false; // one knife-edge left
        bench.Recalculate(form);
        QVERIFY(!form.Diagrams().Drawable);
        QTRY_VERIFY(TBench::Solution(form).contains(QStringLiteral("not adequately supported")));
    }

    // "Export diagrams as PNG / PDF...": the dialog is asked with the suggested name, the picture goes to a
    // PNG at twice its pixels, the picture and the worked solution to a PDF; a file that cannot be written
    // says why in a box and leaves nothing behind.
    void ExportsPngAndPdf() {
        TDiagramsForm form;
        TBench bench;
        bench.Layout.LeftClamp = true;
        bench.Layout.HangerSlots[40].Mass = 500;
        bench.Layout.HangerSlots[60].Mass = 200;
        bench.Recalculate(form);
        form.resize(1240, 860);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTemporaryDir dir;
        QString asked, suggestedSeen;
        QString answer = dir.filePath(QStringLiteral("beam-diagrams.png"));
        form.SuggestedExportName = [&] { return dir.filePath(QStringLiteral("experiment-diagrams.png")); };
        form.SaveFileName = [&](QWidget*, const QString& caption, const QString& filter,
                                const QString& suggested) {
            asked = caption + QLatin1Char('|') + filter;
            suggestedSeen = suggested;
            return answer;
        };
        QTest::mouseClick(form.ExportButton(), Qt::LeftButton);
        QCOMPARE(suggestedSeen, dir.filePath(QStringLiteral("experiment-diagrams.png")));
        QVERIFY(asked.contains(QStringLiteral("*.png")) && asked.contains(QStringLiteral("*.pdf")));
        QImage png(answer);
        QVERIFY(!png.isNull());
        QCOMPARE(png.size(), form.DiagramsCanvas()->size().expandedTo(QSize(760, 860)) * 2);
        // The picture is in it: the load arrows' red and the moment diagram's.
        int red = 0;
        for (int y = 0; y < png.height(); y += 3)
            for (int x = 0; x < png.width(); x += 3)
                if (png.pixelColor(x, y).red() > 150 && png.pixelColor(x, y).green() < 80) ++red;
        QVERIFY(red > 50);

        answer = dir.filePath(QStringLiteral("beam.pdf"));
        QTest::mouseClick(form.ExportButton(), Qt::LeftButton);
        QFile pdf(answer);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const qsizetype pages = bytes.count("/Type /Page") - bytes.count("/Type /Pages");
        QVERIFY2(pages >= 2,
                 qPrintable(QStringLiteral("%1 pages: the picture, then the worked solution").arg(pages)));
        if (qEnvironmentVariableIsSet("FERRANT_SHOTS"))
            QFile::copy(answer, QStringLiteral("/tmp/diagrams-export.pdf"));
        QVERIFY(messages->Shown.empty());

        answer = dir.filePath(QStringLiteral("no such folder/beam.png"));
        QTest::mouseClick(form.ExportButton(), Qt::LeftButton);
        QCOMPARE(int(messages->Shown.size()), 1);
        QVERIFY2(messages->Texts().front().startsWith(QStringLiteral("The diagrams could not be saved: ")),
                 qPrintable(messages->Texts().front()));
        QVERIFY(!QFile::exists(answer));
    }

private:
    std::unique_ptr<TRecordingMessages> messages;
};

QTEST_MAIN(TestDiagramsForm)
#include "tst_diagrams_form.moc"
