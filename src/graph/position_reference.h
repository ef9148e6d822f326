#ifndef QX_GRAPH_POSITION_REFERENCE_H
#define QX_GRAPH_POSITION_REFERENCE_H

#include <memory>
#include <string>

#include "graph/graph_model.h"
#include "graph/plot_overlay.h"
#include "graph/position_summary.h"
#include "graph/reference_store.h"
#include "shell/settings.h"

namespace qx {

// A graph window's side of a position kept before an adjustment. It keeps the window's
// own position as the document's reference on request; a window opened while the
// document has one draws that reference's NET curve dashed beside its own, on the same
// axis, date, volatility and drift, with its own summary, and the difference on request.
class PositionReference : public PlotOverlay {
  public:
    // The colours of the reference's curve and of the difference, readable on a dark
    // and on a light background alike.
    static constexpr ColorRef kReferenceColor = Rgb(160, 160, 160);
    static constexpr ColorRef kDifferenceColor = Rgb(255, 165, 0);

    // Copies the window's own position, the one Keep() keeps.
    PositionReference(const Option (&options)[kOptionSlots], const Stock& stock,
                      const Settings& settings);

    // Takes a copy of the document's reference from store, if it has one, valued in
    // the current graph's market: its underlying price and its base date.
    void Attach(ReferenceStore& store, std::string document, const GraphModel& current);

    // Keeps the window's own position as the document's reference.
    void Keep();
    // Forgets the document's reference, and this window stops drawing it.
    void Clear();
    // Whether the document has a reference to clear.
    bool CanClear() const;
    // Whether this window draws a reference.
    bool IsShown() const { return reference != nullptr; }
    void SetDifferenceShown(bool shown) { differenceShown = shown; }
    bool IsDifferenceShown() const { return differenceShown && IsShown(); }

    // Before the current curves are computed: the reference's curves at the current
    // graph's inputs, and its range companions set on current.
    void Follow(GraphModel& current);
    // After the current curves: the difference, current NET minus reference NET.
    void AfterCurves(GraphModel& current);

    // The reference's NET at point i; the difference at point i.
    double GetNet(int i) const { return net[i]; }
    double GetDifference(int i) const { return difference[i]; }
    // "Reference: " and the reference's summary, or empty when none is drawn.
    std::string SummaryText(int digits);

    // The dashed reference curve, the difference and their names.
    void Draw(Canvas& picture, const GraphModel& model, std::uint32_t background) const override;

    const Option (&GetOwnOptions() const)[kOptionSlots] { return own.options; }
    const Stock& GetOwnStock() const { return own.stock; }

  private:
    void DrawValues(Canvas& picture, const GraphModel& model, const double* values,
                    std::uint32_t color, bool dashed) const;

    const Settings& settings;
    KeptPosition own;
    ReferenceStore* store = nullptr;
    std::string document;
    std::unique_ptr<GraphModel> reference;  // aligned to the window's graph
    double net[GraphModel::kMaxPoints] = {};
    double difference[GraphModel::kMaxPoints] = {};
    bool differenceShown = false;
    PositionSummary summary;
};

}  // namespace qx

#endif  // QX_GRAPH_POSITION_REFERENCE_H
