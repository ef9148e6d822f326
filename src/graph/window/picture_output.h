#ifndef QX_GRAPH_WINDOW_PICTURE_OUTPUT_H
#define QX_GRAPH_WINDOW_PICTURE_OUTPUT_H

#include <QImage>
#include <string>

#include "graph/graph_controls.h"

class QPrinter;

namespace qx {
class Settings;
}

namespace qx {

class GraphWindowModel;

// How many times a printed or kept picture is larger than the one on screen.
inline constexpr int kPictureEnlargement = 3;

// The picture for a report: drawn again by the renderer three times as large, so its
// lines and text are sharp rather than enlarged pixels, with the summary lines under it.
QImage ReportPicture(const GraphWindowModel& model);

// Writes the report picture to path as a PNG, or as a PDF page of vectors the size of
// the picture; false when the file could not be written, in which case a file that was
// there before is left as it was.
bool SavePicture(const GraphWindowModel& model, const std::string& path, PictureFormat format);

// Prints the graph on one page, without the crosshair: a header naming the document and
// the position with its summary, then the picture as vectors across the printable width,
// dark on white unless the settings ask for the screen's colours. False when the job
// could not be started or ended; it is then abandoned.
bool PrintPicture(const GraphWindowModel& model, QPrinter& printer, const Settings& settings,
                  const std::string& documentName);

}  // namespace qx

#endif  // QX_GRAPH_WINDOW_PICTURE_OUTPUT_H
