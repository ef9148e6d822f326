#ifndef QX_GRAPH_POSITION_GREEKS_H
#define QX_GRAPH_POSITION_GREEKS_H

#include <string>

namespace qx {

class GraphModel;

// The NET Greeks of a graph's position as numbers: at the underlying's current price and
// the graph date, a sold leg counting against a bought one and the holding adding its
// delta, share weighted as the graph is.
class PositionGreeks {
  public:
    PositionGreeks() { text.reserve(128); }

    // Sums the Greeks of the model's position as it stands now. A leg with no time left
    // adds its payoff's delta (1 in the money, 0 out) and nothing else.
    void Compute(const GraphModel& model);

    double GetDelta() const { return delta; }
    double GetGamma() const { return gamma; }
    // Per calendar day.
    double GetTheta() const { return theta; }
    double GetVega() const { return vega; }
    double GetRho() const { return rho; }

    // The line under the summary, for example "Delta 12.50   Gamma -0.0312   Theta/day
    // 4.10   Vega -20.31   Rho 1.02": amounts with the given decimals, gamma with at
    // least four.
    const std::string& Text(int digits);

  private:
    double delta = 0;
    double gamma = 0;
    double theta = 0;
    double vega = 0;
    double rho = 0;
    std::string text;
};

}  // namespace qx

#endif  // QX_GRAPH_POSITION_GREEKS_H
