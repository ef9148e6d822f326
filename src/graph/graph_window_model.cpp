#include "graph/graph_window_model.h"

#include <algorithm>
#include <iterator>

#include "graph/plot_geometry.h"
#include "platform/ascii_text.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "pricing/date_text.h"
#include "pricing/number_text.h"
#include "pricing/slider_text.h"
#include "shell/help_links.h"
#include "shell/market_environment.h"
#include "shell/settings.h"

namespace qx {

namespace {

// The curve boxes by curve: NET, options 1 to 4, the holding.
constexpr GraphControl kCurveBoxes[] = {GraphControl::kNetBox,     GraphControl::kOption1Box,
                                        GraphControl::kOption2Box, GraphControl::kOption3Box,
                                        GraphControl::kOption4Box, GraphControl::kStockBox};

// The Greek boxes and the graph types they choose.
constexpr GraphControl kGreekBoxes[] = {GraphControl::kDeltaBox, GraphControl::kGammaBox,
                                        GraphControl::kThetaBox, GraphControl::kVegaBox,
                                        GraphControl::kRhoBox};
constexpr GraphType kGreekTypes[] = {GraphType::Delta, GraphType::Gamma, GraphType::Theta,
                                     GraphType::Vega, GraphType::Rho};

// Index of value in a table, or -1.
template <typename T, std::size_t n>
int IndexIn(const T (&table)[n], T value) {
    const auto found = std::find(std::begin(table), std::end(table), value);
    return found == std::end(table) ? -1 : static_cast<int>(found - std::begin(table));
}

// The drift slider reaches this many percent a year either side of no drift.
constexpr int kDriftReach = 50;

// The drift slider's text: percent per year above or below no drift.
std::string DriftText(int position) {
    return IntegerText(DriftPercentFromPosition(position), true) + ".0%";
}

// The captions the controls start with.
constexpr Caption<GraphControl> kCaptions[] = {
    {GraphControl::kSelectGroup, "Select Option"},
    {GraphControl::kNetBox, "NET"},
    {GraphControl::kOption1Box, "Option 1"},
    {GraphControl::kOption2Box, "Option 2"},
    {GraphControl::kOption3Box, "Option 3"},
    {GraphControl::kOption4Box, "Option 4"},
    {GraphControl::kStockBox, "Stock/Asset"},
    {GraphControl::kTypeGroup, "Graph Type"},
    {GraphControl::kDeltaBox, "Delta - (sensitivity to asset price)"},
    {GraphControl::kGammaBox, "Gamma - (rate delta changes)"},
    {GraphControl::kThetaBox, "Theta - (time decay)"},
    {GraphControl::kVegaBox, "Vega - (sensitivity to volatility)"},
    {GraphControl::kRhoBox, "Rho - (sensitivity to interest rate)"},
    {GraphControl::kDateGroup, "Date"},
    {GraphControl::kVolatilityGroup, "Volatility"},
    {GraphControl::kDriftGroup, "Annual Price Drift"},
};

}  // namespace

GraphWindowModel::GraphWindowModel(const Option (&options)[kOptionSlots], const Stock& stock,
                                   Settings& settingsRecord, Messages& messageBoxes,
                                   Desktop& desktopShell)
    : settings(settingsRecord),
      messages(messageBoxes),
      desktop(desktopShell),
      model(options, stock, settingsRecord),
      renderer(model, settingsRecord),
      reference(options, stock, settingsRecord) {
    renderer.SetOverlay(&reference);
    InitControls();
}

void GraphWindowModel::AttachReference(ReferenceStore& store, const std::string& document) {
    reference.Attach(store, document, model);
    ShowReferenceMenu();
}

void GraphWindowModel::ShowReferenceMenu() {
    menu[GraphCommand::kClearReference].enabled = reference.CanClear();
    MenuItem& difference = menu[GraphCommand::kShowDifference];
    difference.enabled = reference.IsShown();
    difference.checked = reference.IsDifferenceShown();
}

void GraphWindowModel::InitControls() {
    for (const auto& caption : kCaptions) Ctl(caption.control).text = caption.text;
    for (GraphControl group :
         {GraphControl::kSelectGroup, GraphControl::kTypeGroup, GraphControl::kDateGroup,
          GraphControl::kVolatilityGroup, GraphControl::kDriftGroup})
        Ctl(group).color = TextColor::kGroupHighlight;
    for (GraphControl text :
         {GraphControl::kDateText, GraphControl::kVolatilityText, GraphControl::kDriftText})
        Ctl(text).color = TextColor::kTextHighlight;
    Ctl(GraphControl::kReadout).color = TextColor::kMessageHighlight;
    for (GraphControl box :
         {GraphControl::kOption2Box, GraphControl::kOption3Box, GraphControl::kOption4Box})
        Ctl(box).enabled = false;
    for (GraphCommand toggle : {GraphCommand::kProbabilityWeighted, GraphCommand::kShareWeighted,
                                GraphCommand::kPercentScaled, GraphCommand::kShowExpiration,
                                GraphCommand::kSecondDeviation, GraphCommand::kPrintScreenColors,
                                GraphCommand::kImpliedVolatilityLegs})
        menu.Add(toggle, MenuMark::kCheck);
    menu.Add(GraphCommand::kShowProfit, MenuMark::kRadio);
    menu.Add(GraphCommand::kShowValue, MenuMark::kRadio);
    menu.Add(GraphCommand::kClearReference).enabled = false;
    menu.Add(GraphCommand::kShowDifference, MenuMark::kCheck).enabled = false;
}

bool GraphWindowModel::Open() {
    if (model.GetOptionCount() == 0) {
        messages.Warning(kNoOptionsText, kNoOptionsCaption, MessageOwner::kGraph);
        return false;
    }
    if (model.GetStock().GetSide() == Side::kNone) Ctl(GraphControl::kStockBox).enabled = false;
    Ctl(GraphControl::kNetBox).checked = true;
    for (int k = 1; k <= model.GetOptionCount(); ++k) {
        Control& box = Ctl(kCurveBoxes[k]);
        box.text = model.GetOption(k).TradeDescription();
        box.enabled = true;
    }
    OpenSliders();
    menu[GraphCommand::kShareWeighted].checked = settings.shareWeighted;
    menu[GraphCommand::kProbabilityWeighted].checked = settings.probabilityWeighted;
    menu[GraphCommand::kShowProfit].checked = settings.showProfit;
    menu[GraphCommand::kShowValue].checked = !settings.showProfit;
    menu[GraphCommand::kPercentScaled].checked = settings.percentScaled;
    menu[GraphCommand::kShowExpiration].checked = settings.showExpiration;
    menu[GraphCommand::kSecondDeviation].checked = settings.showSecondDeviation;
    menu[GraphCommand::kPrintScreenColors].checked = settings.printScreenColors;
    menu[GraphCommand::kImpliedVolatilityLegs].checked = settings.impliedVolatilityLegs;
    // The holding's box follows its rule from the start, as before every recomputation.
    ApplyHoldingRule();
    Redraw();
    return true;
}

void GraphWindowModel::OpenSliders() {
    // A graph opens at the nearest expiration.
    model.ApplyDateBounds();
    model.SetDateOffset(model.GetDateMax());
    SetDateSlider();
    ShowDate();
    SetSlider(GraphControl::kVolatilitySlider, kMinVolatilityPercent, kMaxVolatilityPercent,
              model.GetVolatilityPosition());
    ShowVolatility();
    SetSlider(GraphControl::kDriftSlider, kNoDriftPosition - kDriftReach,
              kNoDriftPosition + kDriftReach, kNoDriftPosition);
    model.SetDriftPosition(kNoDriftPosition);
    ShowDrift();
}

void GraphWindowModel::SetSlider(GraphControl slider, int minimum, int maximum, int position) {
    // As a slider control does: a range that ends below its start holds the start only,
    // and the position stays within the range.
    Control& c = Ctl(slider);
    c.minimum = minimum;
    c.maximum = std::max(minimum, maximum);
    c.position = std::clamp(position, c.minimum, c.maximum);
}

void GraphWindowModel::SetDateSlider() {
    // The date starts one day after the base date, but a Greek on an option expiring
    // tomorrow can only be graphed at the base date itself; the slider then reaches down
    // to that day, so that moving another slider never carries the date away from it.
    const int offset = model.GetDateOffset();
    SetSlider(GraphControl::kDateSlider, std::min(1, offset), model.GetDateMax(), offset);
}

void GraphWindowModel::ShowDate() {
    // On the last day the slider moves by the hour, so the text tells the hour too.
    const bool hours = model.IsInLastDayHours();
    const bool monthFirst = settings.dateFormat == kMonthDayYear;
    Ctl(GraphControl::kDateText).text =
        model.GraphDate().Format(hours ? (monthFirst ? "%m/%d/%Y %I:%M %p" : "%d/%m/%Y %I:%M %p")
                                       : (monthFirst ? "%m/%d/%Y" : "%d/%m/%Y"));
}

void GraphWindowModel::ShowVolatility() {
    Ctl(GraphControl::kVolatilityText).text = VolatilitySliderText(model.GetVolatilityPosition());
}

void GraphWindowModel::ShowDrift() {
    Ctl(GraphControl::kDriftText).text = DriftText(model.GetDriftPosition());
}

void GraphWindowModel::ShowSummary() {
    // The summary answers for the NET profit, so it stands beside the NET curve of value
    // or profit and never beside a Greek; the NET Greeks stand beside any NET curve.
    std::string& line = Ctl(GraphControl::kSummary).text;
    std::string& numbers = Ctl(GraphControl::kGreeks).text;
    line.clear();
    numbers.clear();
    if (!model.IsNetSelected()) return;
    greeks.Compute(model);
    numbers = greeks.Text(settings.significantDigits);
    if (model.GetGraphType() != GraphType::ValueOrProfit) return;
    summary.Compute(model);
    line = summary.Text(settings.significantDigits);
    const std::string kept = reference.SummaryText(settings.significantDigits);
    if (!kept.empty()) line += "\n" + kept;
}

void GraphWindowModel::ComputeCurves() {
    // The reference's curves first: the vertical range holds them beside the position's.
    reference.Follow(model);
    model.RecomputeCurves();
    reference.AfterCurves(model);
}

void GraphWindowModel::Redraw() {
    ComputeCurves();
    ShowSummary();
    renderer.ClearCrosshair();
    pictureStale = true;
}

void GraphWindowModel::FullUpdate() {
    ApplyHoldingRule();
    model.ApplyDateBounds();
    ComputeCurves();
    Control& date = Ctl(GraphControl::kDateSlider);
    date.enabled = model.IsDateEnabled();
    if (date.enabled) {
        SetDateSlider();
        ShowDate();
    } else {
        Ctl(GraphControl::kDateText).text.clear();
    }
    ShowSummary();
    renderer.ClearCrosshair();
    pictureStale = true;
}

void GraphWindowModel::ApplyHoldingRule() {
    Control& box = Ctl(GraphControl::kStockBox);
    box.enabled = model.CanShowStock();
    if (box.enabled) return;
    box.checked = false;
    model.SetStockSelected(false);
}

void GraphWindowModel::ClickButton(GraphControl control) {
    const bool curve = IndexIn(kCurveBoxes, control) >= 0;
    const bool greek = IndexIn(kGreekBoxes, control) >= 0;
    Control& box = Ctl(control);
    if ((!curve && !greek) || !box.enabled) return;
    box.checked = !box.checked;
    if (curve)
        ClickCurveBox(control);
    else
        ClickGreekBox(control);
    FullUpdate();
}

void GraphWindowModel::ClickCurveBox(GraphControl control) {
    const int curve = IndexIn(kCurveBoxes, control);
    const bool checked = Ctl(control).checked;
    if (curve == GraphModel::kNetCurve)
        model.SetNetSelected(checked);
    else if (curve == GraphModel::kStockCurve)
        model.SetStockSelected(checked);
    else
        model.SetOptionSelected(curve, checked);
}

void GraphWindowModel::ClickGreekBox(GraphControl control) {
    // The Greek boxes act as a group that may be empty: empty means value or profit.
    if (!Ctl(control).checked) {
        model.SetGraphType(GraphType::ValueOrProfit);
        return;
    }
    for (GraphControl other : kGreekBoxes) Ctl(other).checked = other == control;
    model.SetGraphType(kGreekTypes[IndexIn(kGreekBoxes, control)]);
}

void GraphWindowModel::MoveSlider(GraphControl slider, int position) {
    if (slider != GraphControl::kDateSlider && slider != GraphControl::kVolatilitySlider &&
        slider != GraphControl::kDriftSlider)
        return;
    Control& c = Ctl(slider);
    if (!c.enabled) return;
    c.position = std::clamp(position, c.minimum, c.maximum);
    ApplySliders();
}

void GraphWindowModel::ApplySliders() {
    // Each slider is compared with what the curves were computed with; the date bounds
    // are not run again here.
    const int date = Ctl(GraphControl::kDateSlider).position;
    if (date != model.GetDateOffset()) {
        model.SetDateOffset(date);
        ShowDate();
        Redraw();
    }
    const int volatility = Ctl(GraphControl::kVolatilitySlider).position;
    if (volatility != model.GetVolatilityPosition()) {
        model.SetVolatilityPosition(volatility);
        ShowVolatility();
        Redraw();
    }
    const int drift = Ctl(GraphControl::kDriftSlider).position;
    if (drift != model.GetDriftPosition()) {
        model.SetDriftPosition(drift);
        ShowDrift();
        Redraw();
    }
}

void GraphWindowModel::MouseMove(int x, int y, int flags) {
    const int px = x - kPictureLeft;
    const int py = y - kPictureTop;
    Ctl(GraphControl::kReadout).text = renderer.Readout(px, py);
    if (flags == kLeftButton)
        renderer.DrawCrosshair(px, py);
    else if (flags == kRightButton)
        renderer.ClearCrosshair();
}

void GraphWindowModel::LeftButtonDown(int x, int y) {
    renderer.DrawCrosshair(x - kPictureLeft, y - kPictureTop);
}

void GraphWindowModel::StepCrosshair(int steps) {
    if (!renderer.StepCrosshair(steps)) return;
    Ctl(GraphControl::kReadout).text =
        renderer.Readout(renderer.GetCrosshairX(), renderer.GetCrosshairY());
}

void GraphWindowModel::RightButtonDown() { renderer.ClearCrosshair(); }

void GraphWindowModel::ResizePicture(int width, int height) {
    const PlotGeometry wanted = PlotGeometry::ForPicture(width, height);
    const PlotGeometry& now = model.GetGeometry();
    if (wanted.pictureWidth == now.pictureWidth && wanted.pictureHeight == now.pictureHeight)
        return;
    model.SetPictureSize(width, height);
    renderer.ClearCrosshair();
    Ctl(GraphControl::kReadout).text.clear();
    pictureStale = true;
}

GraphRequest GraphWindowModel::Command(GraphCommand command) {
    switch (command) {
        case GraphCommand::kProbabilityWeighted:
            ToggleSetting(settings.probabilityWeighted, command);
            break;
        case GraphCommand::kShareWeighted: ToggleSetting(settings.shareWeighted, command); break;
        case GraphCommand::kPercentScaled: ToggleSetting(settings.percentScaled, command); break;
        case GraphCommand::kImpliedVolatilityLegs:
            ToggleSetting(settings.impliedVolatilityLegs, command);
            break;
        case GraphCommand::kShowExpiration: ToggleSetting(settings.showExpiration, command); break;
        case GraphCommand::kSecondDeviation:
            ToggleSetting(settings.showSecondDeviation, command);
            break;
        case GraphCommand::kPrintScreenColors:
            settings.printScreenColors = !settings.printScreenColors;
            menu[command].checked = settings.printScreenColors;
            break;
        case GraphCommand::kPinDate: PinDate(); break;
        case GraphCommand::kClearPinnedDates:
            model.ClearPinnedDates();
            FullUpdate();
            break;
        case GraphCommand::kShowProfit:
        case GraphCommand::kShowValue: ChooseProfit(command == GraphCommand::kShowProfit); break;
        case GraphCommand::kHomePage: OpenHomePage(desktop, messages, MessageOwner::kGraph); break;
        case GraphCommand::kContents:
            ShowHelpContents(desktop, messages, MessageOwner::kGraph);
            break;
        case GraphCommand::kProperties: return GraphRequest::kRunProperties;
        case GraphCommand::kPrint: return GraphRequest::kPrint;
        case GraphCommand::kAbout: return GraphRequest::kShowAbout;
        case GraphCommand::kSavePicture: return GraphRequest::kSavePicture;
        case GraphCommand::kCopyPicture: return GraphRequest::kCopyPicture;
        case GraphCommand::kCancel: return GraphRequest::kClose;
        case GraphCommand::kProfitTable: return GraphRequest::kOpenProfitTable;
        case GraphCommand::kKeepReference: reference.Keep(); break;
        case GraphCommand::kClearReference:
            reference.Clear();
            FullUpdate();
            break;
        case GraphCommand::kShowDifference:
            reference.SetDifferenceShown(!reference.IsDifferenceShown());
            FullUpdate();
            break;
    }
    ShowReferenceMenu();
    return GraphRequest::kNone;
}

void GraphWindowModel::ToggleSetting(bool& setting, GraphCommand command) {
    setting = !setting;
    menu[command].checked = setting;
    FullUpdate();
}

void GraphWindowModel::PinDate() {
    // Full, or the date kept already: nothing to add.
    if (model.PinDate()) FullUpdate();
}

void GraphWindowModel::ChooseProfit(bool showProfit) {
    settings.showProfit = showProfit;
    menu[GraphCommand::kShowProfit].checked = showProfit;
    menu[GraphCommand::kShowValue].checked = !showProfit;
    FullUpdate();
}

void GraphWindowModel::AfterProperties() {
    model.ApplyResolution();
    renderer.CreatePens();
    // Rewrites the date text in a date format that may have changed, and leaves it
    // empty while no curve is shown.
    FullUpdate();
}

void GraphWindowModel::DrawPicture(Canvas& picture) {
    renderer.DrawPicture(picture);
    pictureStale = false;
}

std::vector<FileKind> GraphWindowModel::PictureKinds() {
    return {{"PNG Picture", "png"}, {"PDF Document", "pdf"}};
}

PictureFormat GraphWindowModel::PictureFormatOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return PictureFormat::kPng;
    return SameAsciiWord(std::string_view(path).substr(dot + 1), "pdf") ? PictureFormat::kPdf
                                                                        : PictureFormat::kPng;
}

std::string GraphWindowModel::SuggestedPictureName() const {
    const std::string symbol = model.GetStock().GetSymbol();
    return Stock::IsPlaceholderSymbol(symbol) ? "Graph" : symbol + " Graph";
}

void GraphWindowModel::PictureNotSaved(const std::string& path) {
    messages.Warning("The picture could not be written to " + path + ".", kMessageCaption,
                     MessageOwner::kGraph);
}

void GraphWindowModel::PrintFailed() {
    messages.Warning("The graph could not be printed.", kMessageCaption, MessageOwner::kGraph);
}

int GraphWindowModel::CaptionPlotColor(GraphControl control) const {
    return settings.colorPlotText ? IndexIn(kCurveBoxes, control) : -1;
}

}  // namespace qx
