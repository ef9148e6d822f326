#ifndef QX_TEST_SUPPORT_SCRIPTED_COLOR_CHOOSER_H
#define QX_TEST_SUPPORT_SCRIPTED_COLOR_CHOOSER_H

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "platform/color_chooser.h"

namespace qx {

// Stands in for the colour chooser: remembers what each run started from, puts the
// custom colours the test queued into the table (as a user adding them would), and
// answers with the next colour queued, or cancels when none is left.
class ScriptedColorChooser : public ColorChooser {
  public:
    // What one run of the chooser was given.
    struct Run {
        std::uint32_t start;
        CustomColors customColors;
    };

    std::uint32_t ChooseColor(std::uint32_t start, CustomColors& customColors) override {
        runs.push_back({start, customColors});
        for (const auto& [index, color] : addCustom) customColors[index] = color;
        addCustom.clear();
        if (answers.empty()) return start;
        const std::uint32_t chosen = answers.front();
        answers.pop_front();
        return chosen;
    }

    std::deque<std::uint32_t> answers;  // colours the runs confirm, in turn
    // Custom colours the next run adds to the table: index and colour.
    std::vector<std::pair<int, std::uint32_t>> addCustom;
    std::vector<Run> runs;
};

}  // namespace qx

#endif  // QX_TEST_SUPPORT_SCRIPTED_COLOR_CHOOSER_H
