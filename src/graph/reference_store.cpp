#include "graph/reference_store.h"

namespace qx {

void ReferenceStore::Keep(const std::string& document, const Option (&options)[kOptionSlots],
                          const Stock& stock) {
    KeptPosition& position = kept[document];
    for (int k = 0; k < kOptionSlots; ++k) position.options[k].CopyFrom(options[k]);
    position.stock.CopyFrom(stock);
}

const KeptPosition* ReferenceStore::Find(const std::string& document) const {
    const auto found = kept.find(document);
    return found == kept.end() ? nullptr : &found->second;
}

ReferenceStore& ReferenceStore::Session() {
    static ReferenceStore store;
    return store;
}

}  // namespace qx
