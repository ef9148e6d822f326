#ifndef QX_SHELL_DOCUMENT_H
#define QX_SHELL_DOCUMENT_H

#include <array>
#include <string>

#include "platform/outcome.h"
#include "pricing/option.h"
#include "tracker/stock.h"
#include "tracker/tran_list.h"

namespace qx {

class CArchive;
class Settings;

// One position as the user entered it: the underlying, four option slots, the trade
// tracker's transactions and the notes, with the path of the file it came from. Saves
// and opens the document file; what went wrong is returned for the caller to show.
class Document {
  public:
    // A new document; settings give its environment, also at every later Reset.
    explicit Document(const Settings& settings);

    // Writes the document to path: in the classic layout while the book holds at most
    // TranList::kClassicMaxTransactions and no broker ids, else in the extended layout. A
    // file already there is replaced only once the whole document is written, so on
    // failure it stays as it was. Accepted when written, and the path becomes the
    // document's; otherwise refused with the file's error.
    Outcome Save(const std::string& path);

    // The warning owed before a save that needs the extended layout: that earlier
    // versions cannot open it, given once per document (a new document, or one opened
    // from the classic layout, is warned again); empty when none is owed.
    std::string TakeLayoutWarning();

    // Reads the document at path over this one. Each record is read into a fresh one
    // and copied over as soon as it is read. Accepted when the whole file was read;
    // otherwise refused with why (the file's error, a file that is no document, one of
    // a later version), and reset, when given, tells whether damage after the tag reset
    // the document (true) or it was left unchanged (false).
    Outcome Open(const std::string& path, bool* reset = nullptr);

    // Makes this a new document: an underlying with no trade, the placeholder symbol of
    // the asset type setting and the fees in force, the settings' environment in every
    // slot (lattice steps and dates stay), no transactions, no notes, no path.
    void Reset();

    // The underlying asset.
    Stock& GetStock() { return stock; }
    const Stock& GetStock() const { return stock; }

    // Option slot 0 to kOptionSlots - 1.
    Option& GetOption(int slot) { return options.at(slot); }
    const Option& GetOption(int slot) const { return options.at(slot); }

    // The trade tracker's transactions.
    TranList& GetTransactions() { return transactions; }
    const TranList& GetTransactions() const { return transactions; }

    // The notes text, edited in place by the notes window; line breaks are CR LF.
    std::string& GetNotes() { return notes; }
    const std::string& GetNotes() const { return notes; }

    // The file last opened or saved; empty for a new document.
    const std::string& GetPath() const { return path; }
    // The name a document goes by for the user: its file's name, or "Untitled" for one
    // never saved (an empty path).
    static std::string NameOf(const std::string& path);

  private:
    bool ReadRecords(CArchive& archive, TranList::Layout layout);

    const Settings& settings;
    std::string notes;
    std::string path;
    std::array<Option, kOptionSlots> options;
    Stock stock;
    TranList transactions;
    // Whether the user was told that this document needs the extended layout, or its
    // file was in that layout already.
    bool warnedOfExtendedLayout = false;
};

}  // namespace qx

#endif  // QX_SHELL_DOCUMENT_H
