#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "editor/editor_model.h"
#include "editor/window/editor_dlg.h"
#include "offscreen_application.h"
#include "platform/system_clock.h"
#include "shell/settings.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/scripted_file_chooser.h"

namespace qx {
namespace {

// The main window on a 100-step lattice under the American rule, with two valued rows.
struct Window {
    Window() {
        OffscreenApplication();
        settings.iterations = 100;
        settings.europeanRule = false;
        editor = std::make_unique<EditorDlg>(settings, messages, desktop, files, clock);
        editor->show();
        EditorModel& model = editor->GetModel();
        model.LeaveBox(EditorControl::kPrice, "50");
        const char* strikes[] = {"50", "55"};
        const RowControl types[] = {RowControl::kCallButton, RowControl::kPutButton};
        for (int row = 0; row < kEditorRows; ++row) {
            model.ChooseItem(RowControlId(row, RowControl::kRowChoice), row);
            model.ChooseItem(RowControlId(row, RowControl::kExpires), 3 + 3 * row);
            model.LeaveBox(RowControlId(row, RowControl::kStrike), strikes[row]);
            model.ClickButton(RowControlId(row, types[row]));
            model.LeaveBox(RowControlId(row, RowControl::kRowPrice), "4");
        }
    }

    Settings settings;
    RecordingMessages messages;
    RecordingDesktop desktop;
    ScriptedFileChooser files;
    SystemClock clock;
    std::unique_ptr<EditorDlg> editor;
};

// The volatility slider dragged by one step: both rows revalued and every widget of the
// window brought in line with the model.
void BM_SliderStepThroughTheWindow(benchmark::State& state) {
    Window window;
    auto* slider =
        qobject_cast<QSlider*>(window.editor->GetControlWidget(EditorControl::kVolatilitySlider));
    int position = 20;
    for (auto _ : state) {
        position = position == 20 ? 21 : 20;
        slider->setValue(position);
    }
}
BENCHMARK(BM_SliderStepThroughTheWindow)->Unit(benchmark::kMicrosecond);

// A price typed into a row and committed with Enter, keystroke by keystroke.
void BM_TypedRowPriceThroughTheWindow(benchmark::State& state) {
    Window window;
    QWidget* box = window.editor->GetControlWidget(RowControlId(0, RowControl::kRowPrice));
    box->setFocus();
    bool high = false;
    for (auto _ : state) {
        high = !high;
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, high ? "4.25" : "3.75");
        QTest::keyClick(box, Qt::Key_Return);
    }
}
BENCHMARK(BM_TypedRowPriceThroughTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qx
