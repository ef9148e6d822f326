#ifndef QX_PLATFORM_QT_QT_COLOR_CHOOSER_H
#define QX_PLATFORM_QT_QT_COLOR_CHOOSER_H

#include <QPointer>
#include <QWidget>

#include "platform/color_chooser.h"

namespace qx {

// The colour chooser as a modal QColorDialog over a parent window.
class QtColorChooser : public ColorChooser {
  public:
    // Shows the dialogs over parent; a null parent centres them on the screen.
    explicit QtColorChooser(QWidget* parent) : parent(parent) {}

    std::uint32_t ChooseColor(std::uint32_t start, CustomColors& customColors) override;

  private:
    QPointer<QWidget> parent;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_QT_COLOR_CHOOSER_H
