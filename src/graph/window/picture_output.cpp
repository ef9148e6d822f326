#include "graph/window/picture_output.h"

#include <QFile>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "graph/graph_window_model.h"
#include "graph/plot_geometry.h"
#include "platform/qt/qpainter_canvas.h"

namespace qx {

namespace {

constexpr int kWidth = kPictureWidth;
constexpr int kHeight = kPictureHeight;

// Draws the picture from its pixel (1, 1), where its background starts, onto a painter
// whose origin is the top left corner of the output.
void DrawFromFirstPixel(const GraphWindowModel& model, QPainter& painter) {
    painter.translate(-1, -1);
    QPainterCanvas canvas(painter);
    model.DrawPictureCopy(canvas);
}

bool WritePng(const GraphWindowModel& model, QSaveFile& file) {
    return ReportPicture(model).save(&file, "PNG");
}

bool WritePdf(const GraphWindowModel& model, QSaveFile& file) {
    // One page the size of the picture, one point to a picture pixel.
    QPdfWriter pdf(&file);
    pdf.setPageSize(
        QPageSize(QSizeF(kWidth, kHeight), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(72);
    pdf.setCreator(QStringLiteral("Qualtrixon"));
    pdf.setTitle(QStringLiteral("Graph"));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    DrawFromFirstPixel(model, painter);
    return painter.end();
}

}  // namespace

QImage ReportPicture(const GraphWindowModel& model) {
    QImage picture =
        QPainterCanvas::NewPicture(kWidth * kPictureEnlargement, kHeight * kPictureEnlargement);
    picture.setDevicePixelRatio(kPictureEnlargement);
    QPainter painter(&picture);
    DrawFromFirstPixel(model, painter);
    painter.end();
    picture.setDevicePixelRatio(1);
    return picture;
}

bool SavePicture(const GraphWindowModel& model, const std::string& path, PictureFormat format) {
    // Written beside the file and put in its place only when whole.
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const bool written =
        format == PictureFormat::kPdf ? WritePdf(model, file) : WritePng(model, file);
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool PrintPicture(const GraphWindowModel& model, QPrinter& printer) {
    // The picture as the screen has it at 100 %, one pixel wider and higher so that the
    // copy from (1, 1) stays inside it.
    QImage picture = QPainterCanvas::NewPicture(kWidth + 1, kHeight + 1);
    QPainter painter(&picture);
    QPainterCanvas canvas(painter);
    model.DrawPictureCopy(canvas);
    painter.end();

    QPainter page;
    if (!page.begin(&printer)) return false;
    // Each pixel as it is, neither smoothed nor compressed with losses.
    page.setRenderHint(QPainter::SmoothPixmapTransform, false);
    page.setRenderHint(QPainter::LosslessImageRendering, true);
    page.drawImage(QRect(1, 1, kWidth * kPictureEnlargement, kHeight * kPictureEnlargement),
                   picture, QRect(1, 1, kWidth, kHeight));
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        page.end();
        return false;
    }
    return page.end();
}

}  // namespace qx
