#include "editor/edit_history.h"

namespace qx {

void EditHistory::Start(const EditorSnapshot& opened) {
    states.clear();
    states.push_back(opened);
    current = 0;
}

void EditHistory::Record(const EditorSnapshot& now, bool merge) {
    states.erase(states.begin() + current + 1, states.end());
    if (merge && current > 0) {
        states[current] = now;
        return;
    }
    states.push_back(now);
    if (states.size() > kMaxSteps + 1) states.pop_front();
    current = states.size() - 1;
}

}  // namespace qx
