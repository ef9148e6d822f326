#ifndef QX_GRAPH_REFERENCE_STORE_H
#define QX_GRAPH_REFERENCE_STORE_H

#include <map>
#include <string>

#include "pricing/option.h"
#include "tracker/stock.h"

namespace qx {

// A position as it stood when the user kept it: its option records and its holding.
struct KeptPosition {
    Option options[kOptionSlots];
    Stock stock;
};

// The positions kept as references before an adjustment, one per document (by its
// path; an unsaved document by the empty path), for as long as the program runs.
class ReferenceStore {
  public:
    // Keeps a copy of the position as the document's reference, replacing any before.
    void Keep(const std::string& document, const Option (&options)[kOptionSlots],
              const Stock& stock);
    // Forgets the document's reference.
    void Clear(const std::string& document) { kept.erase(document); }
    // The document's reference, or null.
    const KeptPosition* Find(const std::string& document) const;

    // The store of this run, which every graph window shares.
    static ReferenceStore& Session();

  private:
    std::map<std::string, KeptPosition> kept;
};

}  // namespace qx

#endif  // QX_GRAPH_REFERENCE_STORE_H
