#ifndef QX_SHELL_DOCUMENT_H
#define QX_SHELL_DOCUMENT_H

#include <array>
#include <string>

#include "pricing/option.h"
#include "tracker/stock.h"
#include "tracker/tran_list.h"

namespace qx {

class CArchive;
class Messages;
class Settings;

// One position as the user entered it: the underlying, four option slots, the trade
// tracker's transactions and the notes, with the path of the file it came from. Saves
// and opens the document file; file errors are shown through Messages.
class Document {
  public:
    // How an open ended.
    enum class OpenResult {
        kOpened,     // the file's records replaced the document's; the path is the file's
        kUnchanged,  // the file could not be opened or is not a document; nothing changed
        kReset,      // the file was damaged after its tag; the document is a new one
    };

    // A new document; settings give its environment, also at every later Reset.
    Document(const Settings& settings, Messages& messages);

    // Writes the document to path: in the classic layout while the book holds at most
    // TranList::kClassicMaxTransactions and no broker ids, else in the extended layout,
    // with a warning once per document that earlier versions cannot open it. A file already there
    // is replaced only once the whole document is written, so on failure it stays as it was. On
    // success the path becomes the document's; on failure the error is shown and false returned.
    bool Save(const std::string& path);

    // Reads the document at path over this one. Each record is read into a fresh one
    // and copied over as soon as it is read; a failure after the tag resets the
    // document. Errors and foreign files are shown.
    OpenResult Open(const std::string& path);

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

  private:
    bool ReadRecords(CArchive& archive, TranList::Layout layout);

    const Settings& settings;
    Messages& messages;
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
