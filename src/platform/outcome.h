#ifndef QX_PLATFORM_OUTCOME_H
#define QX_PLATFORM_OUTCOME_H

#include <cassert>
#include <string>
#include <utility>

namespace qx {

// Whether an operation was accepted and, when it was not, why: the refusal as the
// user reads it. The operation shows nothing itself; the model the user talks to
// decides where the reason appears (a warning box, a row of an import's report).
class Outcome {
  public:
    // Accepted; index names the record the operation placed or changed (0 for none).
    static Outcome Accepted(int index = 0) {
        assert(index >= 0);
        return Outcome(index, std::string());
    }
    // Refused for reason. An empty reason is a refusal nobody needs to be told of,
    // such as an index outside the list.
    static Outcome Refused(std::string reason) { return Outcome(-1, std::move(reason)); }

    bool IsAccepted() const { return index >= 0; }
    // The record's index when accepted, -1 when refused.
    int GetIndex() const { return index; }
    // Why the operation was refused; empty when accepted.
    const std::string& GetReason() const { return reason; }

  private:
    Outcome(int index, std::string reason) : index(index), reason(std::move(reason)) {}

    int index;
    std::string reason;
};

}  // namespace qx

#endif  // QX_PLATFORM_OUTCOME_H
