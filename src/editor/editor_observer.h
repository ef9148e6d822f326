#ifndef QX_EDITOR_EDITOR_OBSERVER_H
#define QX_EDITOR_EDITOR_OBSERVER_H

namespace qx {

// The windows that live beside the main window and work on its document (notes,
// tracker). The window layer implements this; the model tells it when their
// contents are out of date. Windows that do not exist yet simply ignore the call.
class EditorObserver {
  public:
    virtual ~EditorObserver() = default;

    // An option row changed: the tracker refills its entry list.
    virtual void RowChanged() {}

    // New or Open replaced the whole document: the notes window shows the new notes,
    // the tracker rebuilds its list view and entry list.
    virtual void DocumentReplaced() {}
};

}  // namespace qx

#endif  // QX_EDITOR_EDITOR_OBSERVER_H
