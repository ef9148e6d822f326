#ifndef QX_PREFS_WINDOW_PROP_GENERAL_H
#define QX_PREFS_WINDOW_PROP_GENERAL_H

#include <QWidget>

namespace qx {

class ControlBinding;
class PropSheetModel;

// The General page: fees, units per contract, lattice iterations, digits and date
// format, bound to the sheet's model.
class PropGeneral : public QWidget {
  public:
    PropGeneral(ControlBinding& binding, const PropSheetModel& model, QWidget* parent);
};

}  // namespace qx

#endif  // QX_PREFS_WINDOW_PROP_GENERAL_H
