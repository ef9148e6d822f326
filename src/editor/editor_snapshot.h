#ifndef QX_EDITOR_EDITOR_SNAPSHOT_H
#define QX_EDITOR_EDITOR_SNAPSHOT_H

#include <array>
#include <tuple>

#include "editor/editor_controls.h"
#include "platform/ctime.h"
#include "pricing/option.h"
#include "shell/document.h"
#include "tracker/stock.h"
#include "tracker/tran_list.h"

namespace qx {

class Settings;

// What one step of Undo takes the editor back to: the document's records and book, the
// settings the records take their environment from, the valuation date, and the slots
// the two rows show. The notes keep their own undo in their window and are left out.
class EditorSnapshot {
  public:
    // The state now.
    EditorSnapshot(const Document& document, const Settings& settings, CTime valuationDate,
                   const std::array<int, kEditorRows>& rows);
    EditorSnapshot(const EditorSnapshot& other);
    EditorSnapshot& operator=(const EditorSnapshot& other);

    // Puts the state back into the document and the settings; the editor then shows it.
    void RestoreTo(Document& document, Settings& settings) const;
    CTime GetValuationDate() const { return valuationDate; }
    const std::array<int, kEditorRows>& GetRows() const { return rows; }

    // The same records, book, environment and date as the document, the settings and
    // date hold now; which slots the rows show is a view of the document, no change
    // of it.
    bool Matches(const Document& document, const Settings& settings, CTime date) const;

  private:
    // The settings that the records' environment, fees, units and rule come from, as
    // values, and as references into settings (const or not).
    using Environment =
        std::tuple<int, int, int, int, int, AssetType, double, double, bool, bool, bool, bool>;
    template <class S>
    static auto EnvironmentFields(S& s) {
        return std::tie(s.volatility, s.interest, s.dividend, s.iterations, s.unitsPerContract,
                        s.assetType, s.underlyingFees, s.optionFees, s.includeFees,
                        s.includeDividend, s.europeanRule, s.basicMode);
    }
    static Environment EnvironmentOf(const Settings& settings);

    Stock stock;
    std::array<Option, kOptionSlots> options;
    TranList book;
    Environment environment;
    CTime valuationDate;
    std::array<int, kEditorRows> rows;
};

}  // namespace qx

#endif  // QX_EDITOR_EDITOR_SNAPSHOT_H
