#ifndef QX_EDITOR_POSITION_SUMMARY_H
#define QX_EDITOR_POSITION_SUMMARY_H

#include <string>
#include <vector>

namespace qx {

class Document;
class Settings;

// The whole position of a document in a few lines of text, the holding and the four
// slots one line each, then the total: what the position costs or brings in, its fees
// and its NET. The descriptions are padded to one width, so the NET column lines up in
// a fixed-pitch font.
class PositionSummary {
  public:
    // The line of the holding, then one line a slot, then the total.
    static std::vector<std::string> Lines(const Document& document, const Settings& settings);

    // The line of the holding, then the slots' lines: line - 1 is a slot.
    static constexpr int kFirstSlotLine = 1;
};

}  // namespace qx

#endif  // QX_EDITOR_POSITION_SUMMARY_H
