#ifndef QX_PLATFORM_QT_DIALOG_UNITS_H
#define QX_PLATFORM_QT_DIALOG_UNITS_H

#include <QSize>

class QWidget;

namespace qx {

// Pixels of width × height dialog units in the widget's font: a horizontal unit is a
// quarter of the average character width, a vertical one an eighth of the line
// height, so window sizes given in these units follow the font and the screen scale.
QSize DialogUnits(const QWidget& widget, int width, int height);

}  // namespace qx

#endif  // QX_PLATFORM_QT_DIALOG_UNITS_H
