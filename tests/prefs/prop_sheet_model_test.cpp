#include "prefs/prop_sheet_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "shell/settings.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_color_chooser.h"
#include "test_support/settings_snapshot.h"

namespace qx {
namespace {

using C = PropControl;

class PropSheetModelTest : public testing::Test {
  protected:
    void Open() { sheet = std::make_unique<PropSheetModel>(settings, messages, chooser); }
    const Control& Ctl(C control) const { return sheet->GetControl(control); }
    // The one box of a choice that is checked, or -1 when not exactly one is.
    int Checked(std::initializer_list<C> choice) const {
        int found = -1, count = 0, index = 0;
        for (C box : choice) {
            if (Ctl(box).checked) found = index, ++count;
            ++index;
        }
        return count == 1 ? found : -1;
    }

    Settings settings;
    RecordingMessages messages;
    ScriptedColorChooser chooser;
    std::unique_ptr<PropSheetModel> sheet;
};

TEST_F(PropSheetModelTest, OpensOnGeneralWithTheSettingsAsTheBoxesShowThem) {
    const struct {
        std::function<void(Settings&)> change;
        C control;
        std::string text;
    } cases[] = {
        {[](Settings&) {}, C::kStockFees, "25.00"},
        {[](Settings&) {}, C::kUnits, "100"},
        {[](Settings&) {}, C::kIterationsText, "25"},
        {[](Settings&) {}, C::kResolutionText, "20"},
        {[](Settings& s) { s.underlyingFees = 12.5; }, C::kStockFees, "12.50"},
        {[](Settings& s) { s.optionFees = 0; }, C::kOptionFees, ""},
        {[](Settings& s) { s.unitsPerContract = 250; }, C::kUnits, "250"},
        {[](Settings& s) { s.iterations = 500; }, C::kIterationsText, "100"},  // slider's end
        {[](Settings& s) { s.iterations = 0; }, C::kIterationsText, "1"},
        {[](Settings& s) { s.resolution = 7; }, C::kResolutionText, "7"},
    };
    for (const auto& c : cases) {
        settings = Settings();
        c.change(settings);
        Open();
        EXPECT_EQ(Ctl(c.control).text, c.text) << "control " << static_cast<int>(c.control);
    }
    settings = Settings();
    Open();
    EXPECT_EQ(sheet->GetPage(), PropPage::kGeneral);
    const std::vector<std::string> units = {"100", "500", "1000", "10000", "100000", "1000000"};
    EXPECT_EQ(Ctl(C::kUnits).items, units);
    EXPECT_EQ(Ctl(C::kUnits).selected, 0);
    EXPECT_EQ(Ctl(C::kResolutionSlider).maximum, 100);
    EXPECT_EQ(Ctl(C::kIterationsSlider).minimum, 1);
    EXPECT_EQ(Ctl(SwatchLabel(Swatch::kStock)).text, "Stock / index color");
}

// Each swatch shows, and on OK writes, its own setting; a mix-up of two keys would
// paint a curve in another's colour.
TEST_F(PropSheetModelTest, EverySwatchShowsAndStoresItsOwnSetting) {
    const struct {
        Swatch swatch;
        ColorRef Settings::*field;
        int plot;  // index into plotColors when field is null
        ColorRef byDefault;
    } cases[] = {
        {Swatch::kNet, nullptr, 0, Rgb(0, 0, 230)},
        {Swatch::kStock, nullptr, 5, Rgb(255, 0, 255)},
        {Swatch::kOption1, nullptr, 1, Rgb(255, 0, 0)},
        {Swatch::kOption2, nullptr, 2, Rgb(255, 255, 0)},
        {Swatch::kOption3, nullptr, 3, Rgb(0, 255, 0)},
        {Swatch::kOption4, nullptr, 4, Rgb(128, 0, 128)},
        {Swatch::kBackground, &Settings::backgroundColor, 0, Rgb(0, 0, 0)},
        {Swatch::kTitle, &Settings::titleColor, 0, Rgb(255, 128, 0)},
        {Swatch::kScale, &Settings::scaleColor, 0, Rgb(0, 255, 255)},
        {Swatch::kScaleText, &Settings::scaleTextColor, 0, Rgb(0, 128, 64)},
        {Swatch::kCrosshair, &Settings::crosshairColor, 0, Rgb(0, 255, 255)},
        {Swatch::kGroupHighlight, &Settings::groupHighlightColor, 0, Rgb(0, 0, 225)},
        {Swatch::kTextHighlight, &Settings::textHighlightColor, 0, Rgb(25, 25, 225)},
        {Swatch::kMessageHighlight, &Settings::messageHighlightColor, 0, Rgb(255, 0, 0)},
    };
    for (const auto& c : cases) {
        settings = Settings();
        chooser = ScriptedColorChooser();
        Open();
        SCOPED_TRACE(Ctl(SwatchLabel(c.swatch)).text);
        EXPECT_EQ(sheet->GetSwatchColor(c.swatch), c.byDefault);
        chooser.answers = {Rgb(1, 2, 3)};
        sheet->ClickSwatch(c.swatch);
        ASSERT_EQ(chooser.runs.size(), 1u);
        EXPECT_EQ(chooser.runs[0].start, c.byDefault);
        ASSERT_TRUE(sheet->Ok());
        Settings expected;
        (c.field ? expected.*c.field : expected.plotColors[c.plot]) = Rgb(1, 2, 3);
        EXPECT_EQ(SettingsSnapshot(settings), SettingsSnapshot(expected));
    }
}

// The three digits boxes and the two date boxes each act as one choice: whatever the
// settings hold, exactly one box is checked, and a click checks that box alone.
TEST_F(PropSheetModelTest, DigitsAndDateFormatActAsOneChoiceEach) {
    const struct {
        int digits, checkedDigits, storedDigits;  // checked: 0 "2", 1 "3", 2 "4"
        int date, checkedDate, storedDate;        // checked: 0 month first, 1 day first
    } cases[] = {
        {2, 0, 2, 1, 0, 1}, {3, 1, 3, 2, 1, 2},  {4, 2, 4, 3, 1, 2},
        {7, 2, 4, 0, 1, 2}, {0, 2, 4, -1, 1, 2},
    };
    for (const auto& c : cases) {
        settings.significantDigits = c.digits;
        settings.dateFormat = c.date;
        Open();
        SCOPED_TRACE(testing::Message() << "digits " << c.digits << ", date " << c.date);
        EXPECT_EQ(Checked({C::kDigits2, C::kDigits3, C::kDigits4}), c.checkedDigits);
        EXPECT_EQ(Checked({C::kMonthFirst, C::kDayFirst}), c.checkedDate);
        ASSERT_TRUE(sheet->Ok());
        EXPECT_EQ(settings.significantDigits, c.storedDigits);
        EXPECT_EQ(settings.dateFormat, c.storedDate);
    }
    Open();
    // A second click on a box keeps the choice made.
    for (C box : {C::kDigits3, C::kDigits3, C::kMonthFirst, C::kColorPlotText})
        sheet->ClickButton(box);
    EXPECT_EQ(Checked({C::kDigits2, C::kDigits3, C::kDigits4}), 1);
    ASSERT_TRUE(sheet->Ok());
    EXPECT_EQ(settings.significantDigits, 3);
    EXPECT_EQ(settings.dateFormat, 1);
    EXPECT_TRUE(settings.colorPlotText);
}

TEST_F(PropSheetModelTest, MonthlyExpirationIsOneChoiceAndTheCloseABox) {
    settings.monthlyExpiration = 2;
    settings.valueToClose = false;
    Open();
    EXPECT_EQ(Checked({C::kThirdFriday, C::kSaturdayAfter}), 1);
    EXPECT_FALSE(Ctl(C::kValueToClose).checked);
    for (C box : {C::kThirdFriday, C::kThirdFriday, C::kValueToClose}) sheet->ClickButton(box);
    EXPECT_EQ(Checked({C::kThirdFriday, C::kSaturdayAfter}), 0);
    ASSERT_TRUE(sheet->Ok());
    EXPECT_EQ(settings.monthlyExpiration, 1);
    EXPECT_TRUE(settings.valueToClose);
}

TEST_F(PropSheetModelTest, LeftBoxesAreRewrittenOrEmptiedAndOkStoresThem) {
    const struct {
        C box;
        const char* typed;
        const char* shown;
        double stored;  // the fee, or the units: an emptied units box keeps the 100
    } cases[] = {
        {C::kUnits, "1,00", "100", 100},  // refused: the units stay
        {C::kUnits, "1,000", "1000", 1000},
        {C::kStockFees, "12.5", "12.50", 12.5},
        {C::kStockFees, "12 1/2", "12.50", 12.5},
        {C::kStockFees, "-3", "", 0},
        {C::kOptionFees, "0", "", 0},
        {C::kOptionFees, "abc", "25.00", 25},  // refused: the fee stays
        {C::kStockFees, "1,250", "1250.00", 1250},
        {C::kOptionFees, "7.126", "7.13", 7.13},
        {C::kUnits, "250", "250", 250},
        {C::kUnits, "0", "", 100},
        {C::kUnits, "-5", "", 100},
        {C::kUnits, "", "", 100},
    };
    for (const auto& c : cases) {
        settings = Settings();
        Open();
        sheet->LeaveBox(c.box, c.typed);
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(Ctl(c.box).text, c.shown);
        ASSERT_TRUE(sheet->Ok());
        const double stored = c.box == C::kUnits       ? settings.unitsPerContract
                              : c.box == C::kStockFees ? settings.underlyingFees
                                                       : settings.optionFees;
        EXPECT_DOUBLE_EQ(stored, c.stored);
    }
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.LastText(),
              "The Option commission per contract box cannot read \"abc\" as a number. Write "
              "it as 1250, 1,250.50 or 50 1/4.");
    Open();
    sheet->ChooseItem(C::kUnits, 5);
    EXPECT_EQ(Ctl(C::kUnits).text, "1000000");
    sheet->MoveSlider(C::kResolutionSlider, 100);
    EXPECT_EQ(Ctl(C::kResolutionText).text, "100");
    sheet->MoveSlider(C::kIterationsSlider, 1);
    ASSERT_TRUE(sheet->Ok());
    EXPECT_EQ(settings.unitsPerContract, 1000000);
    EXPECT_EQ(settings.resolution, 100);
    EXPECT_EQ(settings.iterations, 1);
}

TEST_F(PropSheetModelTest, AFeeTextLongerThanNineCharactersKeepsTheGeneralPage) {
    Open();
    sheet->LeaveBox(C::kOptionFees, "123456.78");  // nine characters pass
    ASSERT_TRUE(sheet->ChangePage(PropPage::kColors));
    ASSERT_TRUE(sheet->ChangePage(PropPage::kGeneral));
    sheet->LeaveBox(C::kOptionFees, "1234567.5");
    EXPECT_EQ(Ctl(C::kOptionFees).text, "1234567.50");
    const auto before = SettingsSnapshot(settings);
    EXPECT_FALSE(sheet->ChangePage(PropPage::kGraph));
    EXPECT_FALSE(sheet->Ok());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "Please enter no more than 9 characters.");
    EXPECT_EQ(messages.shown[1].caption, "Qualtrixon");
    EXPECT_EQ(sheet->GetPage(), PropPage::kGeneral);
    EXPECT_EQ(sheet->GetRefusedBox(), C::kOptionFees);
    EXPECT_EQ(SettingsSnapshot(settings), before);

    sheet->LeaveBox(C::kStockFees, "99999999");
    EXPECT_FALSE(sheet->Ok());
    EXPECT_EQ(sheet->GetRefusedBox(), C::kStockFees);
    sheet->LeaveBox(C::kStockFees, "9");
    sheet->LeaveBox(C::kOptionFees, "12345");
    EXPECT_TRUE(sheet->ChangePage(PropPage::kGraph));
    EXPECT_TRUE(sheet->Ok());
    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(settings.optionFees, 12345);
}

TEST_F(PropSheetModelTest, CancelAfterChangingEveryFieldLeavesTheSettingsAsTheyWere) {
    settings.underlyingFees = 3.5;
    settings.customColors[15] = Rgb(1, 1, 1);
    const auto before = SettingsSnapshot(settings);
    Open();
    sheet->LeaveBox(C::kStockFees, "10");
    sheet->LeaveBox(C::kOptionFees, "");
    sheet->LeaveBox(C::kUnits, "1000");
    sheet->MoveSlider(C::kIterationsSlider, 99);
    sheet->ClickButton(C::kDigits4);
    sheet->ClickButton(C::kDayFirst);
    ASSERT_TRUE(sheet->ChangePage(PropPage::kGraph));
    sheet->MoveSlider(C::kResolutionSlider, 100);
    sheet->ClickButton(C::kColorPlotText);
    ASSERT_TRUE(sheet->ChangePage(PropPage::kColors));
    for (int i = 0; i < kSwatchCount; ++i) {
        chooser.answers = {Rgb(i, i, i)};
        chooser.addCustom = {{i, Rgb(i, 0, 0)}};
        sheet->ClickSwatch(static_cast<Swatch>(i));
    }
    sheet.reset();  // the sheet goes away without OK
    EXPECT_EQ(SettingsSnapshot(settings), before);
}

// Colours the user puts in the chooser's custom table stay in the sheet even when the
// chooser is cancelled, reach the next chooser, and go to the settings with OK.
TEST_F(PropSheetModelTest, CustomColoursAddedInACancelledChooserAreKeptAndStored) {
    settings.customColors[0] = Rgb(10, 20, 30);
    Open();
    chooser.addCustom = {{3, Rgb(200, 100, 50)}};
    sheet->ClickSwatch(Swatch::kTitle);  // cancelled: no answer queued
    EXPECT_EQ(sheet->GetSwatchColor(Swatch::kTitle), Rgb(255, 128, 0));
    EXPECT_EQ(chooser.runs[0].customColors, settings.customColors);
    chooser.answers = {Rgb(0, 0, 1)};
    sheet->ClickSwatch(Swatch::kScale);
    ASSERT_EQ(chooser.runs.size(), 2u);
    EXPECT_EQ(chooser.runs[1].customColors[0], Rgb(10, 20, 30));
    EXPECT_EQ(chooser.runs[1].customColors[3], Rgb(200, 100, 50));
    EXPECT_EQ(settings.customColors[3], Rgb(255, 255, 255)) << "not before OK";
    ASSERT_TRUE(sheet->Ok());
    EXPECT_EQ(settings.customColors[3], Rgb(200, 100, 50));
    EXPECT_EQ(settings.titleColor, Rgb(255, 128, 0));
    EXPECT_EQ(settings.scaleColor, Rgb(0, 0, 1));
}

}  // namespace
}  // namespace qx
