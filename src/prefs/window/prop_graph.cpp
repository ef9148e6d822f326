#include "prefs/window/prop_graph.h"

#include "prefs/window/prop_page_layout.h"

namespace qx {

PropGraph::PropGraph(ControlBinding& binding, const PropSheetModel& model, QWidget* parent)
    : QWidget(parent) {
    using C = PropControl;
    PropPageLayout layout(this, binding, model);
    layout.AddSlider(C::kResolutionLabel, C::kResolutionSlider, C::kResolutionText,
                     C::kResolutionNote);
    layout.AddGap();
    layout.AddCheckBox(C::kColorPlotText);
    layout.Finish();
}

}  // namespace qx
