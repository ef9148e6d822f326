#include "shell/document.h"

#include "platform/archive.h"
#include "platform/messages.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

// The tag this program writes, and the one of the earlier edition it reads the same way.
constexpr const char* kTag = "Qualtrixon";
constexpr const char* kEarlierTag = "Brantovelium";

}  // namespace

Document::Document(const Settings& settings, Messages& messages)
    : settings(settings), messages(messages) {
    Reset();
}

void Document::Reset() {
    stock.SetSymbol(Stock::PlaceholderSymbol(settings.assetType));
    stock.SetAssetType(settings.assetType);
    stock.SetSide(kNoSide);
    stock.Clear();
    stock.SetUnitsPerContract(UnderlyingUnitsPerContract(settings.assetType, settings));
    stock.SetFees(EnvironmentOf(settings).underlyingFees);
    for (Option& option : options) ResetOption(option, settings);
    transactions.RemoveAll();
    notes.clear();
    path.clear();
}

bool Document::Save(const std::string& target) {
    CArchive archive(target, CArchive::Mode::kStore, messages);
    std::string tag = kTag;
    archive.Exchange(tag);
    bool written = archive.EndRecord() && stock.Serialize(archive);
    for (int slot = 0; written && slot < kOptionSlots; ++slot)
        written = options[slot].Serialize(archive);
    written = written && transactions.Serialize(archive);
    if (written) archive.Exchange(notes);
    // Only a file written, flushed and put in place becomes the document's file.
    archive.Close();
    if (!archive.EndRecord()) return false;
    path = target;
    return true;
}

Document::OpenResult Document::Open(const std::string& source) {
    CArchive archive(source, CArchive::Mode::kLoad, messages);
    std::string tag;
    archive.Exchange(tag);
    if (!archive.EndRecord()) return OpenResult::kUnchanged;
    if (tag != kEarlierTag && tag != kTag) {
        messages.Warning(source + " is not an Qualtrixon file.", kMessageCaption,
                         MessageOwner::kMainWindow);
        return OpenResult::kUnchanged;
    }
    if (!ReadRecords(archive)) {
        Reset();
        return OpenResult::kReset;
    }
    path = source;
    return OpenResult::kOpened;
}

// Reads each record into a fresh one and copies it over the document's once it is
// whole, so a damaged record never leaves half its values in the document.
bool Document::ReadRecords(CArchive& archive) {
    Stock freshStock;
    if (!freshStock.Serialize(archive)) return false;
    stock.CopyFrom(freshStock);
    for (Option& option : options) {
        Option freshOption;
        if (!freshOption.Serialize(archive)) return false;
        option.CopyFrom(freshOption);
    }
    TranList freshTransactions;
    if (!freshTransactions.Serialize(archive)) return false;
    transactions.CopyFrom(freshTransactions);
    std::string freshNotes;
    archive.Exchange(freshNotes);
    if (!archive.EndRecord()) return false;
    notes = std::move(freshNotes);
    return true;
}

}  // namespace qx
