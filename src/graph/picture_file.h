#ifndef QX_GRAPH_PICTURE_FILE_H
#define QX_GRAPH_PICTURE_FILE_H

#include <string>

namespace qx {

class GraphWindowModel;

// Writes the picture a graph window shows to path, as a PDF for a path ending in ".pdf"
// and a PNG otherwise, the way the window's Save Picture does; false when it could not
// be written. Needs no display: without a running application it starts one on the
// off-screen platform. Defined by the window layer.
bool WriteGraphPicture(const GraphWindowModel& model, const std::string& path);

}  // namespace qx

#endif  // QX_GRAPH_PICTURE_FILE_H
