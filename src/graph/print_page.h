#ifndef QX_GRAPH_PRINT_PAGE_H
#define QX_GRAPH_PRINT_PAGE_H

#include <functional>
#include <string>
#include <vector>

#include "shell/settings.h"

namespace qx {

class GraphModel;

// The settings a graph is printed with: as on screen when "Print in screen colours" is
// checked, else dark on white paper: a white background, black scales and text, and each
// curve colour darkened until it stands out on white.
Settings PrintSettings(const Settings& screen);

// The lines above a printed graph: the document's name when it has one, the symbol with
// the valuation date, each leg ("Buy 2 Feb 2027 100 calls at 3.50"), the holding, and the
// summary and Greeks lines when they are shown.
std::vector<std::string> PrintHeader(const GraphModel& model, const std::string& documentName,
                                     const std::vector<std::string>& summaryLines,
                                     const Settings& settings);

// Lines of text as rows no wider than width by measure: the items of a line (parted by
// three spaces) packed greedily, each line break starting a new row, an item wider than
// width on a row of its own; empty lines give no row.
std::vector<std::string> FitToWidth(const std::vector<std::string>& lines, int width,
                                    const std::function<int(const std::string&)>& measure);

}  // namespace qx

#endif  // QX_GRAPH_PRINT_PAGE_H
