#include "platform/qt/dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

namespace qx {

QSize DialogUnits(const QWidget& widget, int width, int height) {
    const QFontMetrics metrics(widget.font());
    // The average width over the alphabet, as dialog templates measure it.
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double unitX = metrics.horizontalAdvance(alphabet) / 52.0 / 4.0;
    const double unitY = metrics.height() / 8.0;
    return QSize(qRound(width * unitX), qRound(height * unitY));
}

}  // namespace qx
