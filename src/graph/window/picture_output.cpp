#include "graph/window/picture_output.h"

#include <QBuffer>
#include <QByteArray>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "graph/graph_window_model.h"
#include "graph/plot_geometry.h"
#include "graph/plot_renderer.h"
#include "graph/print_page.h"
#include "platform/qt/qpainter_canvas.h"
#include "platform/qt/qt_color.h"
#include "platform/safe_file_writer.h"
#include "shell/settings.h"

namespace qx {

namespace {

// A kept picture has the summary's lines under the graph, in rows a little apart within
// a margin each side, with at least the room for two.
constexpr int kSummaryHeight = 40;
constexpr int kRowGap = 2;
constexpr int kSideMargin = 4;

// The graph picture at its present size.
QSize PictureSize(const GraphWindowModel& model) {
    const PlotGeometry& g = model.GetModel().GetGeometry();
    return QSize(g.pictureWidth, g.pictureHeight);
}

// The summary and Greeks lines as the window shows them under the picture.
std::vector<std::string> SummaryLines(const GraphWindowModel& model) {
    return {model.GetControl(GraphControl::kSummary).text,
            model.GetControl(GraphControl::kGreeks).text};
}

// The summary lines in rows that fit across the picture, measured in its font.
std::vector<std::string> SummaryRows(const GraphWindowModel& model, const Canvas& canvas) {
    return FitToWidth(SummaryLines(model), PictureSize(model).width() - 2 * kSideMargin,
                      [&](const std::string& text) { return canvas.MeasureText(text).width; });
}

// The picture with the summary's rows under it.
QSize ReportSize(const GraphWindowModel& model) {
    QImage scratch = QPainterCanvas::NewPicture(1, 1);
    QPainter painter(&scratch);
    const QPainterCanvas canvas(painter);
    const int rows = static_cast<int>(SummaryRows(model, canvas).size());
    const int height = 8 + rows * (canvas.MeasureText("0").height + kRowGap);
    return PictureSize(model) + QSize(0, std::max(kSummaryHeight, height));
}

// Draws the picture from its pixel (1, 1), where its background starts, onto a painter
// whose origin is the top left corner of the output.
void DrawFromFirstPixel(const GraphWindowModel& model, QPainter& painter) {
    painter.translate(-1, -1);
    QPainterCanvas canvas(painter);
    model.DrawPictureCopy(canvas);
}

// Draws the summary rows centred under the picture, from y top, in its colours.
void DrawSummaryLines(const GraphWindowModel& model, QPainter& painter, int top) {
    QPainterCanvas canvas(painter);
    const Settings& settings = model.GetModel().GetSettings();
    for (const std::string& line : SummaryRows(model, canvas)) {
        const Canvas::TextExtent extent = canvas.MeasureText(line);
        canvas.Text((PictureSize(model).width() - extent.width) / 2, top, line, settings.titleColor,
                    settings.backgroundColor);
        top += extent.height + kRowGap;
    }
}

// The graph with its summary lines under it, on the picture's background.
void DrawReport(const GraphWindowModel& model, QPainter& painter) {
    painter.fillRect(QRect(QPoint(0, 0), ReportSize(model)),
                     ToQColor(model.GetModel().GetSettings().backgroundColor));
    painter.save();
    DrawFromFirstPixel(model, painter);
    painter.restore();
    DrawSummaryLines(model, painter, PictureSize(model).height() + 4);
}

bool WritePng(const GraphWindowModel& model, QBuffer& file) {
    return ReportPicture(model).save(&file, "PNG");
}

bool WritePdf(const GraphWindowModel& model, QBuffer& file) {
    // One page the size of the picture, one point to a picture pixel.
    QPdfWriter pdf(&file);
    pdf.setPageSize(
        QPageSize(QSizeF(ReportSize(model)), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(72);
    pdf.setCreator(QStringLiteral("Qualtrixon"));
    pdf.setTitle(QStringLiteral("Graph"));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    DrawReport(model, painter);
    return painter.end();
}

// Draws the graph on a page from height top down. It is laid out afresh for the page, in
// the window's proportions and as wide as labels labelHeight high allow, so its curves
// come out smooth rather than as enlarged pixel steps; then it is scaled across the
// printable width, or less when a tall window's picture would run off the page's foot.
void DrawPaperGraph(const GraphWindowModel& model, QPainter& page, int top, int labelHeight,
                    const Settings& paper) {
    QPainterCanvas canvas(page);
    const QRect area = page.viewport();
    const double labelScale = static_cast<double>(labelHeight) / canvas.MeasureText("0").height;
    const QSize shown = PictureSize(model);
    const int width = static_cast<int>(area.width() / labelScale);
    const auto laidOut = std::make_unique<GraphModel>(model.GetModel());
    laidOut->SetPictureSize(width, width * shown.height() / shown.width());
    const PlotGeometry& g = laidOut->GetGeometry();
    const double scale = std::min(static_cast<double>(area.width()) / g.pictureWidth,
                                  static_cast<double>(area.height() - top) / g.pictureHeight);
    page.translate(0, top);
    page.scale(scale, scale);
    page.translate(-1, -1);
    PlotRenderer renderer(*laidOut, paper);
    renderer.SetOverlay(&model.GetReference());
    renderer.DrawCopy(canvas);
}

}  // namespace

QImage ReportPicture(const GraphWindowModel& model) {
    const QSize size = ReportSize(model) * kPictureEnlargement;
    QImage picture = QPainterCanvas::NewPicture(size.width(), size.height());
    picture.setDevicePixelRatio(kPictureEnlargement);
    QPainter painter(&picture);
    DrawReport(model, painter);
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

bool PrintPicture(const GraphWindowModel& model, QPrinter& printer, const Settings& settings,
                  const std::string& documentName) {
    QPainter page;
    if (!page.begin(&printer)) return false;
    // The header in the page's own text, then the graph as vectors across the printable
    // width, in paper colours unless the screen's are asked for.
    QFont font = page.font();
    font.setPointSizeF(10);
    page.setFont(font);
    const Settings paper = PrintSettings(settings);
    page.setPen(ToQColor(paper.titleColor));
    const int lineHeight = page.fontMetrics().lineSpacing();
    int y = 0;
    for (const std::string& line :
         PrintHeader(model.GetModel(), documentName, SummaryLines(model), settings)) {
        page.drawText(QRect(0, y, page.viewport().width(), lineHeight),
                      Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(line));
        y += lineHeight;
    }
    DrawPaperGraph(model, page, y + lineHeight, lineHeight, paper);
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        page.end();
        return false;
    }
    return page.end();
}

}  // namespace qx
