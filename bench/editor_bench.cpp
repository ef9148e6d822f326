#include <benchmark/benchmark.h>

#include "editor/editor_model.h"
#include "platform/system_clock.h"
#include "shell/settings.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"

namespace qx {
namespace {

void FillRow(EditorModel& editor, int row, int record, int month, const char* strike,
             RowControl typeButton, const char* price) {
    editor.ChooseItem(RowControlId(row, RowControl::kRowChoice), record);
    editor.ChooseItem(RowControlId(row, RowControl::kExpires), month);
    editor.LeaveBox(RowControlId(row, RowControl::kStrike), strike);
    editor.ClickButton(RowControlId(row, typeButton));
    editor.LeaveBox(RowControlId(row, RowControl::kRowPrice), price);
    editor.LeaveBox(RowControlId(row, RowControl::kContracts), "5");
    editor.ClickButton(RowControlId(row, RowControl::kRowBuy));
}

// The heaviest single event of the main window: a slider move that revalues both rows,
// fair value and implied volatility, on a 100-step lattice under the American rule.
void BM_SliderMoveRevaluesBothRowsAmerican100(benchmark::State& state) {
    Settings settings;
    settings.iterations = 100;
    settings.europeanRule = false;
    RecordingMessages messages;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    SystemClock clock;
    EditorModel editor(settings, messages, desktop, files, clock);
    editor.LeaveBox(EditorControl::kPrice, "50");
    FillRow(editor, 0, 0, 3, "50", RowControl::kCallButton, "2.5");
    FillRow(editor, 1, 1, 6, "55", RowControl::kPutButton, "7");
    int position = 20;
    for (auto _ : state) {
        position = position == 20 ? 21 : 20;
        editor.MoveSlider(EditorControl::kVolatilitySlider, position);
        benchmark::DoNotOptimize(
            editor.GetControl(RowControlId(1, RowControl::kFairValue)).text.data());
    }
    if (editor.GetControl(RowControlId(1, RowControl::kFairValue)).text.empty())
        state.SkipWithError("row 2 shows no fair value");
}
BENCHMARK(BM_SliderMoveRevaluesBothRowsAmerican100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
