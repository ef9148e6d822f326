#ifndef QX_TRACKER_GRAPH_OPENER_H
#define QX_TRACKER_GRAPH_OPENER_H

#include "pricing/option.h"

namespace qx {

class Stock;

// Where the tracker hands its open positions to be graphed. The tracker's window knows
// only this; the window that opens the tracker opens the graph window behind it.
class GraphOpener {
  public:
    virtual ~GraphOpener() = default;

    // Opens a graph window on copies of the options and their underlying.
    virtual void OpenGraph(const Option (&options)[kOptionSlots], const Stock& stock) = 0;
};

}  // namespace qx

#endif  // QX_TRACKER_GRAPH_OPENER_H
