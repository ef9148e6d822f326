#include "graph/window/profit_table_print.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "graph/profit_table_window_model.h"
#include "platform/qt/qt_color.h"

namespace qx {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The grid's geometry in the painter's units before scaling.
struct GridSize {
    int priceWidth = 0;
    std::vector<int> columnWidths;
    int headerHeight = 0;
    int rowHeight = 0;
    int Width() const {
        int width = priceWidth;
        for (int column : columnWidths) width += column;
        return width;
    }
};

GridSize Measure(const ProfitTableWindowModel& model, const QFontMetrics& metrics) {
    const int pad = metrics.averageCharWidth();
    GridSize size;
    size.rowHeight = metrics.height() + pad / 2;
    size.headerHeight = 2 * metrics.height() + pad / 2;
    for (int row = 0; row < model.RowCount(); ++row)
        size.priceWidth =
            std::max(size.priceWidth, metrics.horizontalAdvance(ToQt(model.RowHeader(row))));
    size.priceWidth += 2 * pad;
    for (int column = 0; column < model.ColumnCount(); ++column) {
        int width = metrics.boundingRect(QRect(), 0, ToQt(model.ColumnHeader(column))).width();
        for (int row = 0; row < model.RowCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(ToQt(model.CellText(row, column))));
        size.columnWidths.push_back(width + 2 * pad);
    }
    return size;
}

void DrawCell(QPainter& painter, const QRect& box, const QString& text, const QColor& fill,
              bool bold, int alignment) {
    painter.fillRect(box, fill);
    painter.setPen(QColor(190, 190, 190));
    painter.drawRect(box);
    QFont font = painter.font();
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int pad = painter.fontMetrics().averageCharWidth();
    painter.drawText(box.adjusted(pad, 0, -pad, 0), alignment, text);
}

void DrawGrid(QPainter& painter, const ProfitTableWindowModel& model, const GridSize& size) {
    const QColor headerFill(235, 235, 235);
    int x = size.priceWidth;
    DrawCell(painter, QRect(0, 0, size.priceWidth, size.headerHeight), QStringLiteral("Price"),
             headerFill, true, Qt::AlignCenter);
    for (int column = 0; column < model.ColumnCount(); ++column) {
        const QRect box(x, 0, size.columnWidths[column], size.headerHeight);
        DrawCell(painter, box, ToQt(model.ColumnHeader(column)), headerFill,
                 model.IsMarkedColumn(column), Qt::AlignCenter);
        x += size.columnWidths[column];
    }
    for (int row = 0; row < model.RowCount(); ++row) {
        const int y = size.headerHeight + row * size.rowHeight;
        DrawCell(painter, QRect(0, y, size.priceWidth, size.rowHeight), ToQt(model.RowHeader(row)),
                 headerFill, model.IsMarkedRow(row), Qt::AlignRight | Qt::AlignVCenter);
        x = size.priceWidth;
        for (int column = 0; column < model.ColumnCount(); ++column) {
            const QRect box(x, y, size.columnWidths[column], size.rowHeight);
            DrawCell(painter, box, ToQt(model.CellText(row, column)),
                     ToQColor(model.CellColor(row, column)),
                     model.IsMarkedRow(row) || model.IsMarkedColumn(column),
                     Qt::AlignRight | Qt::AlignVCenter);
            x += size.columnWidths[column];
        }
    }
}

}  // namespace

bool PrintProfitTable(const ProfitTableWindowModel& model, QPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect page(0, 0, device.width(), device.height());
    QFont font = painter.font();
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    // The header: what the table is of, one line each.
    int y = 0;
    bool first = true;
    for (const std::string& line : model.PrintHeader()) {
        QFont lineFont = font;
        lineFont.setBold(first);
        painter.setFont(lineFont);
        painter.drawText(QRect(0, y, page.width(), metrics.height()), Qt::AlignLeft, ToQt(line));
        y += metrics.lineSpacing();
        first = false;
    }
    y += metrics.lineSpacing();
    painter.setFont(font);
    const GridSize size = Measure(model, metrics);
    const int height = size.headerHeight + model.RowCount() * size.rowHeight;
    const double scale = std::min(static_cast<double>(page.width()) / size.Width(),
                                  static_cast<double>(page.height() - y) / height);
    painter.translate(0, y);
    painter.scale(scale, scale);
    DrawGrid(painter, model, size);
    return painter.end();
}

}  // namespace qx
