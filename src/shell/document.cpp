#include "shell/document.h"

#include <cstdint>
#include <utility>

#include "platform/archive.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

// The tag this program writes, and the one of the earlier edition it reads the same way.
constexpr const char* kTag = "Qualtrixon";
constexpr const char* kEarlierTag = "Brantovelium";
// The tag of the extended layout, for books the classic one cannot hold; its version is
// the book's layout (docs/extended-document-layout.md).
constexpr const char* kExtendedTag = "QualtrixonBook";

const char* const kExtendedWarning =
    "This book holds more than 100 transactions, so it is saved in a layout that "
    "earlier versions of Qualtrixon cannot open.";
const char* const kBrokerIdWarning =
    "This book holds the broker's transaction ids, so it is saved in a layout that "
    "earlier versions of Qualtrixon cannot open.";

bool IsExtendedVersion(std::int32_t version) {
    return version == static_cast<std::int32_t>(TranList::Layout::kExtended) ||
           version == static_cast<std::int32_t>(TranList::Layout::kExtendedWithIds);
}

}  // namespace

Document::Document(const Settings& settings) : settings(settings) { Reset(); }

void Document::Reset() {
    stock.SetSymbol(Stock::PlaceholderSymbol(settings.assetType));
    stock.SetAssetType(settings.assetType);
    stock.SetSide(Side::kNone);
    stock.Clear();
    stock.SetUnitsPerContract(UnderlyingUnitsPerContract(settings.assetType, settings));
    stock.SetFees(EnvironmentOf(settings).underlyingFees);
    for (Option& option : options) ResetOption(option, settings);
    transactions.RemoveAll();
    notes.clear();
    path.clear();
    warnedOfExtendedLayout = false;
}

std::string Document::TakeLayoutWarning() {
    if (transactions.LayoutToWrite() == TranList::Layout::kClassic || warnedOfExtendedLayout)
        return {};
    warnedOfExtendedLayout = true;
    const bool large = transactions.GetCount() > TranList::kClassicMaxTransactions;
    return large ? kExtendedWarning : kBrokerIdWarning;
}

Outcome Document::Save(const std::string& target) {
    // A book the classic layout holds is written byte for byte as earlier versions do.
    const TranList::Layout layout = transactions.LayoutToWrite();
    const bool extended = layout != TranList::Layout::kClassic;
    CArchive archive(target, CArchive::Mode::kStore);
    std::string tag = extended ? kExtendedTag : kTag;
    archive.Exchange(tag);
    if (extended) {
        std::int32_t version = static_cast<std::int32_t>(layout);
        archive.Exchange(version);
    }
    bool written = archive.EndRecord() && stock.Serialize(archive);
    for (int slot = 0; written && slot < kOptionSlots; ++slot)
        written = options[slot].Serialize(archive);
    written = written && transactions.Serialize(archive, layout);
    if (written) archive.Exchange(notes);
    // Only a file written, flushed and put in place becomes the document's file.
    if (archive.Close()) path = target;
    return archive.GetOutcome();
}

Outcome Document::Open(const std::string& source, bool* reset) {
    if (reset) *reset = false;
    CArchive archive(source, CArchive::Mode::kLoad);
    std::string tag;
    archive.Exchange(tag);
    if (!archive.EndRecord()) return archive.GetOutcome();
    const bool extended = tag == kExtendedTag;
    if (tag != kEarlierTag && tag != kTag && !extended)
        return Outcome::Refused(source + " is not an Qualtrixon file.");
    std::int32_t version = 0;
    if (extended) {
        archive.Exchange(version);
        if (!archive.EndRecord()) return archive.GetOutcome();
        if (!IsExtendedVersion(version))
            return Outcome::Refused(source + " was saved by a later version of Qualtrixon.");
    }
    if (!ReadRecords(archive, static_cast<TranList::Layout>(version))) {
        Reset();
        if (reset) *reset = true;
        return archive.GetOutcome();
    }
    path = source;
    // A file already in the extended layout tells the user nothing new when saved again.
    warnedOfExtendedLayout = extended;
    return Outcome::Accepted();
}

// Reads each record into a fresh one and copies it over the document's once it is
// whole, so a damaged record never leaves half its values in the document.
bool Document::ReadRecords(CArchive& archive, TranList::Layout layout) {
    Stock freshStock;
    if (!freshStock.Serialize(archive)) return false;
    stock.CopyFrom(freshStock);
    for (Option& option : options) {
        Option freshOption;
        if (!freshOption.Serialize(archive)) return false;
        option.CopyFrom(freshOption);
    }
    TranList freshTransactions;
    if (!freshTransactions.Serialize(archive, layout)) return false;
    transactions = std::move(freshTransactions);
    std::string freshNotes;
    archive.Exchange(freshNotes);
    if (!archive.EndRecord()) return false;
    notes = std::move(freshNotes);
    return true;
}

std::string Document::NameOf(const std::string& path) {
    return path.empty() ? "Untitled" : path.substr(path.find_last_of('/') + 1);
}

}  // namespace qx
