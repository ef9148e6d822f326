#include "platform/qt/qt_color_chooser.h"

#include <QColorDialog>

#include "platform/qt/qt_color.h"

namespace qx {

std::uint32_t QtColorChooser::ChooseColor(std::uint32_t start, CustomColors& customColors) {
    // The dialog keeps one custom table for the whole program; it is loaded from the
    // caller's table each time, so the caller's copy is the one that counts.
    for (int i = 0; i < static_cast<int>(customColors.size()); ++i)
        QColorDialog::setCustomColor(i, ToQColor(customColors[i]));
    QColorDialog dialog(ToQColor(start), parent);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < static_cast<int>(customColors.size()); ++i)
        customColors[i] = ToColorRef(QColorDialog::customColor(i));
    return chosen ? ToColorRef(dialog.selectedColor()) : start;
}

}  // namespace qx
