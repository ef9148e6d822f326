#include <benchmark/benchmark.h>

#include "editor/editor_model.h"
#include "editor/system_clock.h"
#include "platform/messages.h"
#include "shell/settings.h"

namespace qx {
namespace {

class SilentMessages : public Messages {
  public:
    void Warning(const std::string&, const std::string&, MessageOwner) override {}
    bool AskYesNo(const std::string&, const std::string&, MessageOwner) override { return false; }
};

void FillRow(EditorModel& editor, int row, int record, int month, const char* strike,
             int typeButton, const char* price) {
    editor.ChooseItem(RowControlId(row, kRowChoice), record);
    editor.ChooseItem(RowControlId(row, kExpires), month);
    editor.LeaveBox(RowControlId(row, kStrike), strike);
    editor.ClickButton(RowControlId(row, RowControl(typeButton)));
    editor.LeaveBox(RowControlId(row, kRowPrice), price);
    editor.LeaveBox(RowControlId(row, kContracts), "5");
    editor.ClickButton(RowControlId(row, kRowBuy));
}

// The heaviest single event of the main window: a slider move that revalues both rows,
// fair value and implied volatility, on a 100-step lattice under the American rule.
void BM_SliderMoveRevaluesBothRowsAmerican100(benchmark::State& state) {
    Settings settings;
    settings.iterations = 100;
    settings.europeanRule = false;
    SilentMessages messages;
    SystemClock clock;
    EditorModel editor(settings, messages, clock);
    editor.LeaveBox(kPrice, "50");
    FillRow(editor, 0, 0, 3, "50", kCallButton, "2.5");
    FillRow(editor, 1, 1, 6, "55", kPutButton, "7");
    int position = 20;
    for (auto _ : state) {
        position = position == 20 ? 21 : 20;
        editor.MoveSlider(kVolatilitySlider, position);
        benchmark::DoNotOptimize(editor.GetControl(RowControlId(1, kFairValue)).text.data());
    }
    if (editor.GetControl(RowControlId(1, kFairValue)).text.empty())
        state.SkipWithError("row 2 shows no fair value");
}
BENCHMARK(BM_SliderMoveRevaluesBothRowsAmerican100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
