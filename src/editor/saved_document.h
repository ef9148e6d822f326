#ifndef QX_EDITOR_SAVED_DOCUMENT_H
#define QX_EDITOR_SAVED_DOCUMENT_H

#include <array>
#include <string>

#include "pricing/option.h"
#include "shell/document.h"
#include "tracker/stock.h"
#include "tracker/tran_list.h"

namespace qx {

// What a document held when it was last opened, saved or made new: a copy of
// everything its file stores, so that any later change can be told apart from a
// document the user has not touched, whichever window made the change.
class SavedDocument {
  public:
    // Remembers what document holds now.
    void Take(const Document& document);

    // True when document holds something other than what was last taken, and holds
    // anything the user entered: a blank document has nothing to lose.
    bool HasUnsavedWork(const Document& document) const;

  private:
    bool Differs(const Document& document) const;
    static bool IsBlank(const Document& document);

    Stock stock;
    std::array<Option, kOptionSlots> options;
    TranList transactions;
    std::string notes;
};

}  // namespace qx

#endif  // QX_EDITOR_SAVED_DOCUMENT_H
