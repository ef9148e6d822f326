#include "prefs/prop_sheet_model.h"

#include <algorithm>
#include <initializer_list>

#include "platform/messages.h"
#include "pricing/number_text.h"
#include "shell/market_environment.h"
#include "shell/number_box.h"
#include "shell/settings.h"

namespace qx {

namespace {

using C = PropControl;

// A fee box takes at most this many characters.
constexpr std::size_t kMaxFeeLength = 9;

// Both sliders run over the same range.
constexpr int kSliderMinimum = 1;
constexpr int kSliderMaximum = 100;

constexpr const char* kUnitsItems[] = {"100", "500", "1000", "10000", "100000", "1000000"};

// The settings field each swatch edits, in Swatch order.
std::array<ColorRef*, kSwatchCount> SwatchFields(Settings& s) {
    return {&s.plotColors[0],      &s.plotColors[5],        &s.plotColors[1],
            &s.plotColors[2],      &s.plotColors[3],        &s.plotColors[4],
            &s.backgroundColor,    &s.titleColor,           &s.scaleColor,
            &s.scaleTextColor,     &s.crosshairColor,       &s.groupHighlightColor,
            &s.textHighlightColor, &s.messageHighlightColor};
}

// The label of a number box.
PropControl Label(PropControl box) {
    switch (box) {
        case C::kStockFees: return C::kStockFeesLabel;
        case C::kOptionFees: return C::kOptionFeesLabel;
        default: return C::kUnitsLabel;
    }
}

// A box is named by its label, without the label's closing point.
std::string BoxName(std::string label) {
    if (!label.empty() && label.back() == '.') label.pop_back();
    return label;
}

// A fee as its box shows it: two decimals, and nothing for 0.
std::string FeeText(double fee) { return NumberText(fee, 2, false); }

// The captions the controls start with.
constexpr Caption<C> kCaptions[] = {
    {C::kStockFeesLabel, "Underlying commission per trade."},
    {C::kOptionFeesLabel, "Option commission per contract."},
    {C::kUnitsLabel, "Units per contract."},
    {C::kIterationsLabel, "Number of iterations for american options"},
    {C::kIterationsNote, "(High values can significantly decrease performance)"},
    {C::kDigitsLabel, "Significant Digits:"},
    {C::kDigits2, "2"},
    {C::kDigits3, "3"},
    {C::kDigits4, "4"},
    {C::kDateFormatLabel, "Date Format:"},
    {C::kMonthFirst, "MM/DD/YYYY"},
    {C::kDayFirst, "DD/MM/YYYY"},
    {C::kMonthlyExpirationLabel, "Monthly expiration:"},
    {C::kThirdFriday, "Third Friday"},
    {C::kSaturdayAfter, "Saturday after the third Friday"},
    {C::kValueToClose, "Value to the 4:00 PM close"},
    {C::kResolutionLabel, "Resolution of Graph"},
    {C::kResolutionNote, "(Choose lower values to increase drawing speed)"},
    {C::kColorPlotText, "Color plot description text same color as plot."},
    {C::kPlotColorsGroup, "Plot Colors:"},
    {C::kGraphColorsGroup, "Graph Colors:"},
    {C::kApplicationColorsGroup, "Application Colors:"},
    {SwatchLabel(Swatch::kNet), "Net color"},
    {SwatchLabel(Swatch::kStock), "Stock / index color"},
    {SwatchLabel(Swatch::kOption1), "Option 1 color"},
    {SwatchLabel(Swatch::kOption2), "Option 2 color"},
    {SwatchLabel(Swatch::kOption3), "Option 3 color"},
    {SwatchLabel(Swatch::kOption4), "Option 4 color"},
    {SwatchLabel(Swatch::kBackground), "Background color"},
    {SwatchLabel(Swatch::kTitle), "Title color"},
    {SwatchLabel(Swatch::kScale), "Scale color"},
    {SwatchLabel(Swatch::kScaleText), "Scale text color"},
    {SwatchLabel(Swatch::kCrosshair), "Crosshair color"},
    {SwatchLabel(Swatch::kGroupHighlight), "Group highlight color"},
    {SwatchLabel(Swatch::kTextHighlight), "Text highlight color"},
    {SwatchLabel(Swatch::kMessageHighlight), "Msg highlight color"},
};

}  // namespace

PropSheetModel::PropSheetModel(Settings& settingsRecord, Messages& messageBoxes,
                               ColorChooser& colorChooser)
    : settings(settingsRecord), messages(messageBoxes), chooser(colorChooser) {
    InitCaptions();
    Fill();
}

void PropSheetModel::InitCaptions() {
    for (const auto& caption : kCaptions) Ctl(caption.control).text = caption.text;
    Ctl(C::kUnits).items.assign(std::begin(kUnitsItems), std::end(kUnitsItems));
}

void PropSheetModel::Fill() {
    Ctl(C::kStockFees).text = FeeText(settings.underlyingFees);
    Ctl(C::kOptionFees).text = FeeText(settings.optionFees);
    SetUnitsText(IntegerText(settings.unitsPerContract));
    SetSlider(C::kIterationsSlider, C::kIterationsText, settings.iterations);
    const int digits = settings.significantDigits;
    CheckOneOf({C::kDigits2, C::kDigits3, C::kDigits4}, digits == 2   ? C::kDigits2
                                                        : digits == 3 ? C::kDigits3
                                                                      : C::kDigits4);
    CheckOneOf({C::kMonthFirst, C::kDayFirst},
               settings.dateFormat == 1 ? C::kMonthFirst : C::kDayFirst);
    CheckOneOf({C::kThirdFriday, C::kSaturdayAfter},
               MonthlyExpirationOf(settings) == MonthlyExpiration::kThirdFriday
                   ? C::kThirdFriday
                   : C::kSaturdayAfter);
    Ctl(C::kValueToClose).checked = settings.valueToClose;
    SetSlider(C::kResolutionSlider, C::kResolutionText, settings.resolution);
    Ctl(C::kColorPlotText).checked = settings.colorPlotText;
    const auto fields = SwatchFields(settings);
    for (int i = 0; i < kSwatchCount; ++i) colors[i] = *fields[i];
    customColors = settings.customColors;
}

void PropSheetModel::SetUnitsText(const std::string& text) {
    Control& units = Ctl(C::kUnits);
    units.text = text;
    const auto found = std::find(units.items.begin(), units.items.end(), text);
    units.selected =
        found == units.items.end() ? -1 : static_cast<int>(found - units.items.begin());
}

void PropSheetModel::SetSlider(PropControl slider, PropControl text, int position) {
    Control& s = Ctl(slider);
    s.minimum = kSliderMinimum;
    s.maximum = kSliderMaximum;
    // A slider cannot show a position outside its range, so its text does not either.
    s.position = std::clamp(position, kSliderMinimum, kSliderMaximum);
    Ctl(text).text = IntegerText(s.position);
}

void PropSheetModel::CheckOneOf(std::initializer_list<PropControl> choice, PropControl checked) {
    for (PropControl box : choice) Ctl(box).checked = box == checked;
}

void PropSheetModel::LeaveBox(PropControl control, const std::string& text) {
    switch (control) {
        case C::kStockFees:
        case C::kOptionFees: {
            // Text the box cannot read leaves the fee in force; a fee is a cost of 0 or more.
            const std::optional<double> fee = ReadNumberBox(
                text, BoxName(GetControl(Label(control)).text), messages, MessageOwner::kNone);
            if (fee) Ctl(control).text = *fee > 0 ? FeeText(*fee) : "";
            break;
        }
        case C::kUnits: {
            const std::optional<int> units = ReadIntegerBox(
                text, BoxName(GetControl(Label(control)).text), messages, MessageOwner::kNone);
            if (units) SetUnitsText(*units < 1 ? "" : IntegerText(*units));
            break;
        }
        default: break;
    }
}

void PropSheetModel::ChooseItem(PropControl control, int item) {
    const Control& list = GetControl(control);
    if (control == C::kUnits && item >= 0 && item < static_cast<int>(list.items.size()))
        SetUnitsText(list.items[item]);
}

void PropSheetModel::ClickButton(PropControl control) {
    switch (control) {
        case C::kDigits2:
        case C::kDigits3:
        case C::kDigits4: CheckOneOf({C::kDigits2, C::kDigits3, C::kDigits4}, control); break;
        case C::kMonthFirst:
        case C::kDayFirst: CheckOneOf({C::kMonthFirst, C::kDayFirst}, control); break;
        case C::kThirdFriday:
        case C::kSaturdayAfter: CheckOneOf({C::kThirdFriday, C::kSaturdayAfter}, control); break;
        case C::kValueToClose:
        case C::kColorPlotText: Ctl(control).checked = !Ctl(control).checked; break;
        default: break;
    }
}

void PropSheetModel::MoveSlider(PropControl control, int position) {
    if (control == C::kIterationsSlider) SetSlider(control, C::kIterationsText, position);
    if (control == C::kResolutionSlider) SetSlider(control, C::kResolutionText, position);
}

void PropSheetModel::ClickSwatch(Swatch swatch) {
    std::uint32_t& color = colors[static_cast<int>(swatch)];
    // The custom colours come back whether the user confirmed or cancelled, so colours
    // added to the table are kept either way.
    color = chooser.ChooseColor(color, customColors) & 0xFFFFFF;
    for (std::uint32_t& custom : customColors) custom &= 0xFFFFFF;
}

bool PropSheetModel::ChangePage(PropPage to) {
    if (to == page) return true;
    if (!PageMayBeLeft()) return false;
    page = to;
    return true;
}

bool PropSheetModel::PageMayBeLeft() {
    if (page != PropPage::kGeneral) return true;
    for (C fee : {C::kStockFees, C::kOptionFees}) {
        if (GetControl(fee).text.size() <= kMaxFeeLength) continue;
        refusedBox = fee;
        messages.Warning("Please enter no more than " + IntegerText(kMaxFeeLength) + " characters.",
                         kMessageCaption, MessageOwner::kNone);
        return false;
    }
    return true;
}

bool PropSheetModel::Ok() {
    if (!PageMayBeLeft()) return false;
    WriteBack();
    return true;
}

void PropSheetModel::WriteBack() {
    settings.underlyingFees = ParseNumber(GetControl(C::kStockFees).text);
    settings.optionFees = ParseNumber(GetControl(C::kOptionFees).text);
    settings.iterations = GetControl(C::kIterationsSlider).position;
    // No units at all would value every contract at nothing: an emptied box keeps the
    // units in force.
    const int units = ReadInteger(GetControl(C::kUnits).text).value_or(0);
    if (units >= 1) settings.unitsPerContract = units;
    settings.significantDigits = GetControl(C::kDigits2).checked   ? 2
                                 : GetControl(C::kDigits3).checked ? 3
                                                                   : 4;
    if (GetControl(C::kMonthFirst).checked)
        settings.dateFormat = 1;
    else if (GetControl(C::kDayFirst).checked)
        settings.dateFormat = 2;
    settings.monthlyExpiration =
        static_cast<int>(GetControl(C::kSaturdayAfter).checked ? MonthlyExpiration::kSaturdayAfter
                                                               : MonthlyExpiration::kThirdFriday);
    settings.valueToClose = GetControl(C::kValueToClose).checked;
    settings.resolution = GetControl(C::kResolutionSlider).position;
    settings.colorPlotText = GetControl(C::kColorPlotText).checked;
    const auto fields = SwatchFields(settings);
    for (int i = 0; i < kSwatchCount; ++i) *fields[i] = colors[i];
    settings.customColors = customColors;
}

}  // namespace qx
