#include "prefs/window/prop_general.h"

#include "prefs/window/prop_page_layout.h"

namespace qx {

PropGeneral::PropGeneral(ControlBinding& binding, const PropSheetModel& model, QWidget* parent)
    : QWidget(parent) {
    using C = PropControl;
    PropPageLayout layout(this, binding, model);
    layout.AddBox(C::kStockFeesLabel, C::kStockFees, 44);
    layout.AddBox(C::kOptionFeesLabel, C::kOptionFees, 44);
    layout.AddList(C::kUnitsLabel, C::kUnits, 52);
    layout.AddGap();
    layout.AddSlider(C::kIterationsLabel, C::kIterationsSlider, C::kIterationsText,
                     C::kIterationsNote);
    layout.AddGap();
    layout.AddChoice(C::kDigitsLabel, {C::kDigits2, C::kDigits3, C::kDigits4});
    layout.AddChoice(C::kDateFormatLabel, {C::kMonthFirst, C::kDayFirst});
    layout.AddGap();
    layout.AddChoice(C::kMonthlyExpirationLabel, {C::kThirdFriday, C::kSaturdayAfter});
    layout.AddCheckBox(C::kValueToClose);
    layout.Finish();
}

}  // namespace qx
