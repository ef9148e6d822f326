#include "cli/picture_command.h"

#include <charconv>
#include <cmath>
#include <ostream>
#include <string>

#include "cli/command_document.h"
#include "graph/graph_window_model.h"
#include "graph/picture_file.h"
#include "platform/desktop.h"
#include "shell/settings.h"

namespace qx {

namespace {

// A command opens neither help nor web pages.
class NoDesktop : public Desktop {
  public:
    bool OpenHelp(const std::string& /*page*/) override { return false; }
    bool OpenAddress(const std::string& /*address*/) override { return false; }
};

// The Greek boxes by the names --greek takes.
const struct {
    const char* name;
    GraphControl box;
} kGreeks[] = {{"delta", GraphControl::kDeltaBox},
               {"gamma", GraphControl::kGammaBox},
               {"theta", GraphControl::kThetaBox},
               {"vega", GraphControl::kVegaBox},
               {"rho", GraphControl::kRhoBox}};

// A date written YYYY-MM-DD, at local midnight; false when the text is no such date.
bool ParseIsoDate(const std::string& text, CTime& date) {
    int fields[3] = {};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && (at == end || *at++ != '-')) return false;
        const auto read = std::from_chars(at, end, fields[i]);
        if (read.ec != std::errc() || read.ptr - at != (i == 0 ? 4 : 2)) return false;
        at = read.ptr;
    }
    if (at != end || fields[1] < 1 || fields[1] > 12 || fields[2] < 1 || fields[2] > 31)
        return false;
    date = CTime(fields[0], fields[1], fields[2]);
    // A day beyond the month's end rolls into the next: not the date written.
    return date.GetDay() == fields[2];
}

// Moves the graph to the date; false, having said why, when it is no date of the graph.
bool MoveToDate(GraphWindowModel& window, const std::string& text, std::ostream& err) {
    CTime date;
    if (!ParseIsoDate(text, date)) {
        err << "qualtrixon picture: \"" << text << "\" is not a date written YYYY-MM-DD\n";
        return false;
    }
    const GraphModel& model = window.GetModel();
    const CTime base = model.GetBaseDate();
    const CTime baseDay(base.GetYear(), base.GetMonth(), base.GetDay());
    const double seconds =
        static_cast<double>(date.GetWallClockSeconds() - baseDay.GetWallClockSeconds());
    const int days = static_cast<int>(std::lround(seconds / 86400));
    const Control& slider = window.GetControl(GraphControl::kDateSlider);
    if (days < slider.minimum || days > slider.maximum) {
        err << "qualtrixon picture: the graph's dates run from "
            << base.AddDays(slider.minimum).Format("%Y-%m-%d") << " to "
            << base.AddDays(slider.maximum).Format("%Y-%m-%d") << "\n";
        return false;
    }
    window.MoveSlider(GraphControl::kDateSlider, days);
    return true;
}

// Applies the options after the document and the output; false, having said why, on
// anything else.
bool ApplyOptions(const std::vector<std::string>& args, GraphWindowModel& window,
                  std::ostream& err) {
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--date" && i + 1 < args.size()) {
            if (!MoveToDate(window, args[++i], err)) return false;
            continue;
        }
        if (arg == "--greek" && i + 1 < args.size()) {
            const std::string& name = args[++i];
            bool found = false;
            for (const auto& greek : kGreeks) {
                if (name != greek.name) continue;
                window.ClickButton(greek.box);
                found = true;
            }
            if (found) continue;
            err << "qualtrixon picture: no Greek \"" << name
                << "\"; one of delta, gamma, theta, vega, rho\n";
            return false;
        }
        err << "qualtrixon picture: unknown option \"" << arg << "\"\n";
        return false;
    }
    return true;
}

}  // namespace

int RunPictureCommand(const CommandCall& call) {
    if (call.args.size() < 2) {
        call.err << "qualtrixon picture: a document and the picture file to write are needed\n";
        return kExitMisuse;
    }
    Settings settings;
    CommandDocument document(settings, call.err);
    if (!document.Open(call.args[0])) return kExitMisuse;
    NoDesktop desktop;
    GraphWindowModel window(document.Options(), document.Get().GetStock(), settings,
                            document.GetMessages(), desktop);
    if (!window.Open() || !ApplyOptions(call.args, window, call.err)) return kExitMisuse;
    if (!WriteGraphPicture(window, call.args[1])) {
        call.err << "The picture could not be written to " << call.args[1] << ".\n";
        return kExitMisuse;
    }
    return kExitDone;
}

}  // namespace qx
