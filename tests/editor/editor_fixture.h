#ifndef QX_TESTS_EDITOR_EDITOR_FIXTURE_H
#define QX_TESTS_EDITOR_EDITOR_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "editor/editor_model.h"
#include "editor/editor_observer.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"
#include "test_support/stopped_clock.h"
#include "test_support/time_zone.h"

namespace qx {

// Control and command ids in a failure message, by number.
inline std::ostream& operator<<(std::ostream& out, EditorControl control) {
    return out << static_cast<int>(control);
}
inline std::ostream& operator<<(std::ostream& out, RowControl control) {
    return out << static_cast<int>(control);
}
inline std::ostream& operator<<(std::ostream& out, EditorCommand command) {
    return out << static_cast<int>(command);
}

// Counts what the editor told the windows beside it.
class CountingObserver : public EditorObserver {
  public:
    void RowChanged() override { ++rowChanges; }
    void DocumentReplaced() override { ++replacements; }
    int rowChanges = 0;
    int replacements = 0;
};

// An editor opened on 15 January 1999, 2:30 PM, New York time, with default settings
// unless a test changes them and calls Reopen.
class EditorTest : public ::testing::Test {
  protected:
    using C = EditorControl;
    using R = RowControl;

    EditorTest() : zone("EST5EDT,M4.1.0,M10.5.0") { Reopen(); }

    void Reopen() {
        editor = std::make_unique<EditorModel>(settings, messages, desktop, files, clock);
    }

    const Control& Ctl(EditorControl control) const { return editor->GetControl(control); }
    const Control& Row(int row, RowControl control) const {
        return editor->GetControl(RowControlId(row, control));
    }
    const std::string& Text(EditorControl control) const { return Ctl(control).text; }
    const std::string& RowText(int row, RowControl control) const { return Row(row, control).text; }
    const Option& Record(int index) const { return editor->GetDocument().GetOption(index); }
    const Stock& Underlying() const { return editor->GetDocument().GetStock(); }

    void Type(EditorControl control, const std::string& text) { editor->LeaveBox(control, text); }
    void TypeInRow(int row, RowControl control, const std::string& text) {
        editor->LeaveBox(RowControlId(row, control), text);
    }
    void Click(EditorControl control) { editor->ClickButton(control); }
    void ClickInRow(int row, RowControl control) {
        editor->ClickButton(RowControlId(row, control));
    }
    // Chooses the item with the given text; fails the test when the list lacks it.
    void Choose(EditorControl control, const std::string& item) {
        const std::vector<std::string>& items = Ctl(control).items;
        const auto found = std::find(items.begin(), items.end(), item);
        ASSERT_NE(found, items.end()) << "no item " << item << " in list " << control;
        editor->ChooseItem(control, static_cast<int>(found - items.begin()));
    }
    void ChooseInRow(int row, RowControl control, const std::string& item) {
        Choose(RowControlId(row, control), item);
    }
    void ChooseRecord(int row, int index) {
        editor->ChooseItem(RowControlId(row, RowControl::kRowChoice), index);
    }

    // Gives a toggling command and checks that its setting and its menu mark follow.
    void ExpectToggle(EditorCommand command, const bool& setting, bool on) {
        editor->Command(command);
        EXPECT_EQ(setting, on) << "command " << command;
        EXPECT_EQ(editor->GetMenuItem(command).checked, on) << "command " << command;
    }

    // The underlying at 50 with 100 shares bought or sold (kBuyButton or kSellButton).
    void HoldShares(EditorControl side) {
        Type(EditorControl::kPrice, "50");
        Type(EditorControl::kShares, "100");
        Click(side);
    }

    // Starts a row as a user does: the record, the expiration from its list, a typed strike.
    void StartRow(int row, int record, const std::string& expires, const std::string& strike) {
        ChooseRecord(row, record);
        ChooseInRow(row, RowControl::kExpires, expires);
        TypeInRow(row, RowControl::kStrike, strike);
    }

    // Fills a row completely: Mar 1999, the strike, call or put, price, contracts, side.
    void FillRow(int row, int record, const std::string& strike, RowControl type,
                 const std::string& price, const std::string& contracts, RowControl side) {
        StartRow(row, record, "Mar 1999", strike);
        ClickInRow(row, type);
        TypeInRow(row, RowControl::kRowPrice, price);
        TypeInRow(row, RowControl::kContracts, contracts);
        ClickInRow(row, side);
    }

    ScopedTimeZone zone;
    Settings settings;
    RecordingMessages messages;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    StoppedClock clock;
    std::unique_ptr<EditorModel> editor;
};

}  // namespace qx

#endif  // QX_TESTS_EDITOR_EDITOR_FIXTURE_H
