#include "statement/statement_import.h"

#include <algorithm>
#include <utility>

#include "platform/text_encoding.h"
#include "pricing/option.h"
#include "statement/book_duplicates.h"
#include "statement/book_holdings.h"
#include "statement/delivery_pairing.h"
#include "statement/statement_readers.h"
#include "statement/trade_mapping.h"

namespace qx {

namespace {

using Status = StatementRow::Status;

bool IsDated(const StatementRow& row) {
    return row.status == Status::kTrade || row.status == Status::kTransaction;
}

CTime DateOf(const StatementRow& row) {
    return row.status == Status::kTrade ? row.trade.date : row.tran.GetDate();
}

// Date order, a file written newest first read from its end, so that a day without
// times keeps its trades in the order they were made. The dates tell the file's order;
// when they are all one, the layout's habit does. Rows left out keep no place.
void OrderByDate(std::vector<StatementRow>& rows, bool newestFirst) {
    const auto dated = std::stable_partition(rows.begin(), rows.end(), IsDated);
    if (dated == rows.begin()) return;
    const CTime first = DateOf(rows.front()), last = DateOf(*(dated - 1));
    if (last < first || (last == first && newestFirst)) std::reverse(rows.begin(), dated);
    std::stable_sort(rows.begin(), dated, [](const StatementRow& a, const StatementRow& b) {
        return DateOf(a) < DateOf(b);
    });
}

// The side the book gave an exercise against what the file called it: the writer's
// exercise (an assignment) is a Buy, closing a short; the holder's is a Sell.
std::string CheckExerciseSide(const BrokerTrade& trade, const Tran& recorded) {
    if (trade.effect == TradeEffect::kAssignment && recorded.GetSide() != Side::kBuy)
        return "The row is an assignment, but the book holds the option long.";
    if (trade.effect == TradeEffect::kExercise && recorded.GetSide() != Side::kSell)
        return "The row is an exercise, but the book holds the option short.";
    return "";
}

class Importer {
  public:
    explicit Importer(StatementPreview& preview)
        : preview(preview), holdings(preview.book), duplicates(preview.book) {}

    void Take(const StatementRow& row) {
        if (row.status == Status::kSkipped)
            return Line(row.row, ImportLine::Status::kSkipped, row.reason);
        if (row.status == Status::kRefused)
            return Line(row.row, ImportLine::Status::kRefused, row.reason);
        Tran tran = row.tran;
        if (row.status == Status::kTrade) {
            const std::string reason = MapTrade(row.trade, tran);
            if (!reason.empty()) return Line(row.row, ImportLine::Status::kRefused, reason);
        }
        const bool sideKnown = row.status == Status::kTransaction || HasFileSide(row.trade);
        if (duplicates.Take(tran, sideKnown))
            return Line(row.row, ImportLine::Status::kInBook, "", tran);
        if (row.status == Status::kTrade) {
            const std::string reason = SettleByHolding(row.trade, holdings, tran);
            if (!reason.empty()) return Line(row.row, ImportLine::Status::kRefused, reason);
        }
        Add(row, tran);
    }

  private:
    void Add(const StatementRow& row, const Tran& tran) {
        const Outcome outcome = preview.book.Add(tran);
        if (!outcome.IsAccepted())
            return Line(row.row, ImportLine::Status::kRefused, outcome.GetReason());
        const Tran& recorded = preview.book.At(outcome.GetIndex());
        if (row.status == Status::kTrade && recorded.IsExercise()) {
            const std::string refusal = CheckExerciseSide(row.trade, recorded);
            if (!refusal.empty()) {
                preview.book.Remove(outcome.GetIndex());
                return Line(row.row, ImportLine::Status::kRefused, refusal);
            }
        }
        holdings.Record(recorded);
        Line(row.row, ImportLine::Status::kAdded, "", recorded);
    }

    void Line(int row, ImportLine::Status status, const std::string& reason,
              const Tran& tran = {}) {
        preview.lines.push_back({row, status, reason, tran});
        switch (status) {
            case ImportLine::Status::kAdded: ++preview.added; break;
            case ImportLine::Status::kInBook: ++preview.inBook; break;
            case ImportLine::Status::kSkipped: ++preview.skipped; break;
            case ImportLine::Status::kRefused: ++preview.refused; break;
        }
    }

    StatementPreview& preview;
    BookHoldings holdings;
    BookDuplicates duplicates;
};

}  // namespace

StatementPreview PreviewStatement(StatementRead read, const TranList& book) {
    StatementPreview preview;
    preview.format = read.format;
    preview.error = read.error;
    preview.book = book;
    if (!preview.error.empty()) return preview;
    OrderByDate(read.rows, read.newestFirst);
    PairDeliveries(read.rows);
    Importer importer(preview);
    for (const StatementRow& row : read.rows) importer.Take(row);
    std::stable_sort(preview.lines.begin(), preview.lines.end(),
                     [](const ImportLine& a, const ImportLine& b) { return a.row < b.row; });
    return preview;
}

StatementPreview PreviewStatementText(std::string_view text, const TranList& book) {
    // A statement that is not UTF-8 is read as Windows-1252, as spreadsheets save it.
    return PreviewStatement(ReadStatement(TextAsUtf8(std::string(text))), book);
}

std::string ImportSummary(const StatementPreview& preview) {
    return std::to_string(preview.added) + " added, " + std::to_string(preview.inBook) +
           " already in the book, " + std::to_string(preview.refused) + " refused";
}

std::vector<std::string> RefusalTexts(const StatementPreview& preview) {
    std::vector<std::string> texts;
    for (const ImportLine& line : preview.lines)
        if (line.status == ImportLine::Status::kRefused)
            texts.push_back("Row " + std::to_string(line.row) + ": " + line.reason);
    return texts;
}

}  // namespace qx
