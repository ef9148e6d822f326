#ifndef QX_PREFS_WINDOW_PROP_COLORS_H
#define QX_PREFS_WINDOW_PROP_COLORS_H

#include <QWidget>
#include <array>

#include "prefs/prop_controls.h"

namespace qx {

class ColorButton;
class ControlBinding;
class PropSheetModel;

// The Colors page: the fourteen swatches in three headed groups, each swatch beside its
// label. The sheet handles the swatches' clicks and shows their colours.
class PropColors : public QWidget {
  public:
    PropColors(ControlBinding& binding, const PropSheetModel& model, QWidget* parent);

    // The swatch button of one colour.
    ColorButton* GetSwatch(Swatch swatch) const { return swatches[static_cast<int>(swatch)]; }

  private:
    QWidget* BuildGroup(ControlBinding& binding, const PropSheetModel& model, PropControl title,
                        Swatch first, Swatch last);

    std::array<ColorButton*, kSwatchCount> swatches{};
};

}  // namespace qx

#endif  // QX_PREFS_WINDOW_PROP_COLORS_H
