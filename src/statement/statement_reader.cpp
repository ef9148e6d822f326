#include "statement/statement_readers.h"
#include "statement/statement_table.h"
#include "tracker/tran_csv.h"

namespace qx {

namespace {

// Whether a record opens the activity statement's Trades section.
bool IsActivityTradesHeader(const std::vector<std::string>& fields) {
    return fields.size() > 2 && Trim(fields[0]) == "Trades" && Trim(fields[1]) == "Header";
}

// The tracker's own spreadsheet export: its rows are transactions already.
StatementRead ReadTrackerExport(std::string_view text) {
    StatementRead read;
    read.format = "Tracker export";
    TranCsvRows rows = ReadTranCsvRows(text);
    read.error = rows.message;
    for (auto& [row, tran] : rows.rows) {
        StatementRow line;
        line.row = row;
        line.status = StatementRow::Status::kTransaction;
        line.tran = std::move(tran);
        read.rows.push_back(std::move(line));
    }
    return read;
}

}  // namespace

StatementRead ReadStatement(std::string_view text) {
    const StatementTable table(text);
    StatementRead read;
    if (table.Damaged()) {
        read.error = "A quote does not pair up on row " +
                     std::to_string(table.Size() > 0 ? table.RowNumber(table.Size() - 1) + 1 : 1) +
                     ".";
        return read;
    }
    for (int index = 0; index < table.Size(); ++index)
        if (IsActivityTradesHeader(table.Fields(index))) return ReadIbkrActivity(table);
    if (table.FindHeader({"Date", "Type", "Sub Type", "Action", "Symbol"}) >= 0 ||
        table.FindHeader({"Date/Time", "Transaction Code", "Transaction Subcode"}) >= 0)
        return ReadTastytrade(table);
    if (table.FindHeader(
            {"Date", "Action", "Symbol", "Quantity", "Price", "Fees & Comm", "Amount"}) >= 0)
        return ReadSchwab(table);
    if (table.FindHeader({"Symbol", "Quantity", "TradePrice"}) >= 0 ||
        table.FindHeader({"Symbol", "Quantity", "Buy/Sell"}) >= 0)
        return ReadIbkrFlex(table);
    if (table.FindHeader({"Date", "Entry", "Kind", "Units per Contract"}) == 0)
        return ReadTrackerExport(text);
    read.error = "The file is not a statement of a layout this program reads.";
    return read;
}

}  // namespace qx
