#ifndef QX_TESTS_EDITOR_EDITOR_FIXTURE_H
#define QX_TESTS_EDITOR_EDITOR_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/editor_model.h"
#include "pricing/number_text.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/recording_messages.h"
#include "test_support/stopped_clock.h"
#include "test_support/time_zone.h"

namespace qx {

// An editor opened on 15 January 1999, 2:30 PM, New York time, with default settings
// unless a test changes them and calls Reopen.
class EditorTest : public ::testing::Test {
  protected:
    EditorTest() : zone("EST5EDT,M4.1.0,M10.5.0") { Reopen(); }

    void Reopen() { editor = std::make_unique<EditorModel>(settings, messages, clock); }

    const Control& Ctl(int control) const { return editor->GetControl(control); }
    const Control& Row(int row, RowControl control) const {
        return editor->GetControl(RowControlId(row, control));
    }
    const std::string& Text(int control) const { return Ctl(control).text; }
    const std::string& RowText(int row, RowControl control) const { return Row(row, control).text; }
    const Option& Record(int index) const { return editor->GetDocument().GetOption(index); }
    const Stock& Underlying() const { return editor->GetDocument().GetStock(); }

    void Type(int control, const std::string& text) { editor->LeaveBox(control, text); }
    void TypeInRow(int row, RowControl control, const std::string& text) {
        editor->LeaveBox(RowControlId(row, control), text);
    }
    void Click(int control) { editor->ClickButton(control); }
    void ClickInRow(int row, RowControl control) {
        editor->ClickButton(RowControlId(row, control));
    }
    // Chooses the item with the given text; fails the test when the list lacks it.
    void Choose(int control, const std::string& item) {
        const std::vector<std::string>& items = Ctl(control).items;
        const auto found = std::find(items.begin(), items.end(), item);
        ASSERT_NE(found, items.end()) << "no item " << item << " in list " << control;
        editor->ChooseItem(control, static_cast<int>(found - items.begin()));
    }
    void ChooseInRow(int row, RowControl control, const std::string& item) {
        Choose(RowControlId(row, control), item);
    }
    void ChooseRecord(int row, int index) {
        editor->ChooseItem(RowControlId(row, kRowChoice), index);
    }

    // Fills a row completely: Mar 1999, the strike, call or put, price, contracts, side.
    void FillRow(int row, int record, const std::string& strike, RowControl type,
                 const std::string& price, const std::string& contracts, RowControl side) {
        ChooseRecord(row, record);
        ChooseInRow(row, kExpires, "Mar 1999");
        TypeInRow(row, kStrike, strike);
        ClickInRow(row, type);
        TypeInRow(row, kRowPrice, price);
        TypeInRow(row, kContracts, contracts);
        ClickInRow(row, side);
    }

    ScopedTimeZone zone;
    Settings settings;
    RecordingMessages messages;
    StoppedClock clock;
    std::unique_ptr<EditorModel> editor;
};

}  // namespace qx

#endif  // QX_TESTS_EDITOR_EDITOR_FIXTURE_H
