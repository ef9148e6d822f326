#ifndef QX_GRAPH_PIXEL_H
#define QX_GRAPH_PIXEL_H

#include <cmath>

namespace qx {

// The pixel offset of a finite distance: truncated toward zero, as every conversion of
// the graph does, and held to a span far beyond any picture so it always fits an int.
// Callers leave out values that are not finite; a product that still comes out NaN
// (an infinite range times a zero scale) gives 0.
inline int TruncateToPixel(double offset) {
    constexpr double kLimit = 1e7;
    if (std::isnan(offset)) return 0;
    if (offset > kLimit) return static_cast<int>(kLimit);
    if (offset < -kLimit) return -static_cast<int>(kLimit);
    return static_cast<int>(std::trunc(offset));
}

}  // namespace qx

#endif  // QX_GRAPH_PIXEL_H
