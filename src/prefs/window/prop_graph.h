#ifndef QX_PREFS_WINDOW_PROP_GRAPH_H
#define QX_PREFS_WINDOW_PROP_GRAPH_H

#include <QWidget>

namespace qx {

class ControlBinding;
class PropSheetModel;

// The Graph page: the graph's resolution and its coloured captions, bound to the
// sheet's model.
class PropGraph : public QWidget {
  public:
    PropGraph(ControlBinding& binding, const PropSheetModel& model, QWidget* parent);
};

}  // namespace qx

#endif  // QX_PREFS_WINDOW_PROP_GRAPH_H
