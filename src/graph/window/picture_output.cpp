#include "graph/window/picture_output.h"

#include <QBuffer>
#include <QByteArray>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "graph/graph_window_model.h"
#include "graph/plot_geometry.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/safe_file_writer.h"

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

bool WritePng(const GraphWindowModel& model, QBuffer& file) {
    return ReportPicture(model).save(&file, "PNG");
}

bool WritePdf(const GraphWindowModel& model, QBuffer& file) {
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
    // Made whole in memory, then written through the one safe file writer.
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);
    const bool made = format == PictureFormat::kPdf ? WritePdf(model, file) : WritePng(model, file);
    file.close();
    return made && WriteFileSafely(path, std::string_view(bytes.constData(), bytes.size())) ==
                       FileError::kNone;
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
