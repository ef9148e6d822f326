#ifndef QX_EDITOR_EDIT_HISTORY_H
#define QX_EDITOR_EDIT_HISTORY_H

#include <cstddef>
#include <deque>

#include "editor/editor_snapshot.h"

namespace qx {

// The editor's states from the opened or new document on, for Undo and Redo: each
// change the user makes is one step. A step made after undoing drops the steps that
// could have been redone.
class EditHistory {
  public:
    // The history of a document just opened or made new: its one state, nothing to undo.
    void Start(const EditorSnapshot& opened);

    // The state the editor shows.
    const EditorSnapshot& Current() const { return states[current]; }

    // Adds now as a step after the current state, dropping the steps that could have
    // been redone; the oldest step goes beyond kMaxSteps. With merge, now replaces the
    // current step instead (a slider dragged on is one change), unless that is the
    // first state.
    void Record(const EditorSnapshot& now, bool merge);

    bool CanUndo() const { return current > 0; }
    bool CanRedo() const { return current + 1 < states.size(); }

    // One step back or forward; the state to show. Only while CanUndo or CanRedo.
    const EditorSnapshot& Undo() { return states[--current]; }
    const EditorSnapshot& Redo() { return states[++current]; }

    // The most steps kept.
    static constexpr std::size_t kMaxSteps = 200;

  private:
    std::deque<EditorSnapshot> states;  // oldest first; never empty once started
    std::size_t current = 0;            // the state the editor shows
};

}  // namespace qx

#endif  // QX_EDITOR_EDIT_HISTORY_H
