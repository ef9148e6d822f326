#include "platform/qt/qpainter_canvas.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "graph/graph_fixtures.h"
#include "graph/graph_model.h"
#include "graph/plot_renderer.h"
#include "shell/settings.h"

namespace qx {

// Draws real pictures through QPainter into a QImage and reads their pixels back.
class QPainterCanvasTest : public QObject {
    Q_OBJECT

  private:
    static QRgb ToRgb(ColorRef color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }

    // The graph of a call and a sold put with NET shown, drawn into a fresh picture.
    QImage DrawGraph(Settings& settings, GraphModel*& out) {
        static Option rows[4];
        rows[0] = MakeCall(100, 90);
        rows[1] = MakePut(95, 60, Side::kSell, 2);
        model.reset(new GraphModel(rows, MakeHolding(), settings));
        model->SetDateOffset(30);
        model->Recompute();
        out = model.get();
        QImage picture = QPainterCanvas::NewPicture(382, 344);
        QPainter painter(&picture);
        QPainterCanvas canvas(painter);
        PlotRenderer(*model, settings).DrawPicture(canvas);
        painter.end();
        return picture;
    }

    std::unique_ptr<GraphModel> model;

  private slots:
    void pictureHoldsBackgroundScaleAndCurve() {
        Settings settings = WholeDaySettings();
        settings.backgroundColor = Rgb(240, 240, 240);
        GraphModel* graph = nullptr;
        const QImage picture = DrawGraph(settings, graph);

        QCOMPARE(picture.pixel(1, 1), ToRgb(settings.backgroundColor));
        QCOMPARE(picture.pixel(381, 343), ToRgb(settings.backgroundColor));
        QCOMPARE(picture.pixel(0, 0), qRgb(0, 0, 0));  // left of the fill, as drawn
        for (int y : {20, 100, 200, 294})
            QCOMPARE(picture.pixel(59, y), ToRgb(settings.scaleColor));
        for (int j : {0, 10, 30, 58}) {
            const int x = j == 0 ? 60 : j * 5 + 61;
            const int y = graph->GetPixelRow(0, j) + 20;
            QVERIFY2(picture.pixel(x, y) == ToRgb(settings.plotColors[0]),
                     qPrintable(QString("NET point %1 at %2, %3").arg(j).arg(x).arg(y)));
        }
    }

    void titleIsDrawnInItsColour() {
        Settings settings = WholeDaySettings();
        GraphModel* graph = nullptr;
        const QImage picture = DrawGraph(settings, graph);
        int titlePixels = 0;
        for (int y = 320; y < 340; ++y)
            for (int x = 0; x < 382; ++x)
                titlePixels += picture.pixel(x, y) == ToRgb(settings.titleColor);
        QVERIFY2(titlePixels > 50, qPrintable(QString::number(titlePixels)));
    }

    void strokeStopsShortOfItsEnd() {
        QImage image = QPainterCanvas::NewPicture(40, 40);
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        canvas.Line(10, 10, 20, 10, Rgb(255, 0, 0));
        canvas.Line(5, 5, 5, 15, Rgb(0, 255, 0));
        canvas.Line(30, 30, 34, 38, Rgb(0, 0, 255));
        painter.end();
        QCOMPARE(image.pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(19, 10), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(20, 10), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(5, 14), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(5, 15), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(30, 30), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(34, 38), qRgb(0, 0, 0));
    }

    void strokesCoverWholePixelsOfAScaledPicture() {
        // At 200 % and three times enlarged, a stroke covers the device pixels of each
        // logical pixel it passes, stopping a whole logical pixel short of its end.
        for (const int scale : {2, 3}) {
            QImage image = QPainterCanvas::NewPicture(40 * scale, 40 * scale);
            image.setDevicePixelRatio(scale);
            QPainter painter(&image);
            QPainterCanvas canvas(painter);
            canvas.Line(5, 10, 30, 10, Rgb(255, 0, 0));
            canvas.Line(20, 20, 20, 35, Rgb(0, 255, 0));
            const Canvas::Point run[] = {{2, 38}, {12, 33}, {22, 31}, {32, 24}, {38, 22}};
            canvas.Polyline(run, 5, Rgb(0, 0, 255));
            painter.end();
            const auto at = [&](int x, int y) { return image.pixel(x, y); };
            const QString where = QString("scale %1").arg(scale);
            for (int d = 0; d < scale; ++d) {
                QVERIFY2(at(5 * scale + d, 10 * scale + d) == qRgb(255, 0, 0), qPrintable(where));
                QVERIFY2(at(30 * scale - 1, 10 * scale + d) == qRgb(255, 0, 0), qPrintable(where));
                QVERIFY2(at(20 * scale + d, 34 * scale + d) == qRgb(0, 255, 0), qPrintable(where));
                for (const Canvas::Point& p : run)  // every point but the last, whole
                    QVERIFY2(p.x == 38 || at(p.x * scale + d, p.y * scale + d) == qRgb(0, 0, 255),
                             qPrintable(QString("%1 at %2, %3").arg(where).arg(p.x).arg(p.y)));
            }
            QVERIFY2(at(5 * scale - 1, 10 * scale) == qRgb(0, 0, 0), qPrintable(where));
            QVERIFY2(at(30 * scale, 10 * scale) == qRgb(0, 0, 0), qPrintable(where));
            QVERIFY2(at(12 * scale, 10 * scale - 1) == qRgb(0, 0, 0), qPrintable(where));
            QVERIFY2(at(12 * scale, 11 * scale) == qRgb(0, 0, 0), qPrintable(where));
            QVERIFY2(at(20 * scale, 35 * scale) == qRgb(0, 0, 0), qPrintable(where));
        }
    }

    void textIsOpaqueOverItsBackground() {
        QImage image = QPainterCanvas::NewPicture(120, 40);
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        const Canvas::TextExtent extent = canvas.MeasureText("Price$ 100");
        canvas.Text(5, 5, "Price$ 100", Rgb(255, 128, 0), Rgb(0, 0, 200));
        painter.end();
        QVERIFY(extent.width > 20 && extent.height > 5);
        QCOMPARE(image.pixel(5, 5), qRgb(0, 0, 200));
        QCOMPARE(image.pixel(5 + extent.width - 1, 5 + extent.height - 1), qRgb(0, 0, 200));
        QCOMPARE(image.pixel(5 + extent.width, 5), qRgb(0, 0, 0));
        int inked = 0;
        for (int y = 5; y < 5 + extent.height; ++y)
            for (int x = 5; x < 5 + extent.width; ++x)
                inked += image.pixel(x, y) == qRgb(255, 128, 0);
        QVERIFY(inked > 10);
    }
};

}  // namespace qx

QTEST_MAIN(qx::QPainterCanvasTest)
#include "qpainter_canvas_test.moc"
