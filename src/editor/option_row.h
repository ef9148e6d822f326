#ifndef QX_EDITOR_OPTION_ROW_H
#define QX_EDITOR_OPTION_ROW_H

#include <optional>
#include <string>
#include <vector>

#include "editor/editor_controls.h"
#include "platform/controls.h"
#include "platform/ctime.h"
#include "pricing/record_enums.h"

namespace qx {

class Document;
class Messages;
class Option;
class Settings;

// One option row of the main window: its controls, the record slot it shows (or none)
// and what the user does in it. The row keeps its record's fields valid in entry order
// and shows what the record holds; what the rest of the editor shows after a change is
// left to the editor.
class OptionRow {
  public:
    // A row showing no record, hidden, over the document's slots; values are dated at
    // valuationDate. The references must outlive the row.
    // A number box the row cannot read warns through messages.
    OptionRow(Document& document, const Settings& settings, const CTime& valuationDate,
              Messages& messages);

    // The state of one of the row's controls.
    const Control& GetControl(RowControl control) const {
        return controls[static_cast<int>(control)];
    }
    // The slot the row shows, 0..3, or -1 for none.
    int GetRecord() const { return record; }
    bool HasRecord() const { return record >= 0; }
    // The record the row shows; only while it shows one.
    const Option& GetOption() const;

    // Events. Each returns true when the row took it, so that the editor refreshes.

    // Text typed into the expiration, strike, price or contracts box.
    bool LeaveBox(RowControl control, const std::string& text);
    // An item chosen from the expiration, strike or contracts list.
    bool ChooseItem(RowControl control, const std::string& item);
    // Call, Put, Buy, Sell or Clear.
    bool ClickButton(RowControl control);

    // Shows slot index, filled from its record.
    void ShowRecord(int index);
    // Shows no record: every control but the record choice is hidden.
    void Detach();
    // Gives the record back the state of a new position, then shows no record.
    void Clear();
    // Re-applies entry order after the record changed beneath the row.
    void Check();

    // What the status line asks of the row: its first missing field, or nothing.
    std::string Phrase() const;
    // True when the row's record is bought or sold.
    bool IsTraded() const;

    // Display, after the editor changed the environment, the rule, the date or the form.
    void ShowDaysLeft();
    void ShowValues();
    void ShowNet();
    void ShowTitle();
    void RewritePrices();
    // Shows the controls for the current mode and fees, or hides them all.
    void ShowControls(bool shown);
    // Shows or hides the record choice while the other controls follow the record.
    void ShowChoice(bool shown) { Ctl(RowControl::kRowChoice).visible = shown; }
    void SetExpirationItems(std::vector<std::string> months);
    void SetStrikeItems(std::vector<std::string> strikes);
    // The record choices; the slot the other row shows is greyed, so the arrow keys
    // pass over it.
    void SetRecordChoices(std::vector<std::string> items, int otherRecord);

  private:
    Control& Ctl(RowControl control) { return controls[static_cast<int>(control)]; }
    Option& Record();
    void ResetRecord();
    void Fill();
    void VoidEntries();
    void VoidPosition();
    void EnterExpiration(const std::string& text);
    void ChooseExpiration(const std::string& month);
    std::string BoxName(const char* box) const;
    std::optional<double> ReadRowNumber(const std::string& text, const char* box);
    void EnterStrike(const std::string& text, bool chosen);
    void ClickType(OptionType type);
    void EnterPrice(const std::string& text);
    void EnterContracts(const std::string& text, bool chosen);
    void ClickSide(Side side);

    Document& document;
    const Settings& settings;
    const CTime& valuationDate;
    Messages& messages;
    Control controls[kRowControlCount];
    int record = -1;
};

}  // namespace qx

#endif  // QX_EDITOR_OPTION_ROW_H
