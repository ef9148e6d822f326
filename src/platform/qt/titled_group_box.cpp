#include "platform/qt/titled_group_box.h"

#include <QStyleOptionGroupBox>

namespace qx {

void TitledGroupBox::SetTitleColor(const QColor& color) {
    if (titleColor == color) return;
    titleColor = color;
    update();
}

void TitledGroupBox::initStyleOption(QStyleOptionGroupBox* option) const {
    QGroupBox::initStyleOption(option);
    if (!titleColor.isValid()) return;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        option->palette.setColor(group, QPalette::WindowText, titleColor);
}

}  // namespace qx
