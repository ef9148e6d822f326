#include "prefs/window/prop_colors.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "platform/qt/control_binding.h"
#include "prefs/prop_sheet_model.h"
#include "prefs/window/color_button.h"

namespace qx {

PropColors::PropColors(ControlBinding& binding, const PropSheetModel& model, QWidget* parent)
    : QWidget(parent) {
    auto* groups = new QHBoxLayout(this);
    groups->addWidget(
        BuildGroup(binding, model, PropControl::kPlotColorsGroup, Swatch::kNet, Swatch::kOption4));
    groups->addWidget(BuildGroup(binding, model, PropControl::kGraphColorsGroup,
                                 Swatch::kBackground, Swatch::kCrosshair));
    groups->addWidget(BuildGroup(binding, model, PropControl::kApplicationColorsGroup,
                                 Swatch::kGroupHighlight, Swatch::kMessageHighlight));
}

QWidget* PropColors::BuildGroup(ControlBinding& binding, const PropSheetModel& model,
                                PropControl title, Swatch first, Swatch last) {
    QGroupBox* group = binding.Group(title, this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (int i = static_cast<int>(first); i <= static_cast<int>(last); ++i, ++row) {
        const PropControl label = SwatchLabel(static_cast<Swatch>(i));
        auto* swatch = new ColorButton(group);
        // The swatch has no text of its own; screen readers name it after its label.
        swatch->setAccessibleName(QString::fromStdString(model.GetControl(label).text));
        QLabel* caption = binding.Label(label, group);
        caption->setBuddy(swatch);
        grid->addWidget(swatch, row, 0);
        grid->addWidget(caption, row, 1);
        swatches[i] = swatch;
    }
    // Groups of fewer colours keep their swatches at the top, in line with the others.
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    return group;
}

}  // namespace qx
