#ifndef QX_CLI_PICTURE_COMMAND_H
#define QX_CLI_PICTURE_COMMAND_H

#include "cli/command.h"

namespace qx {

// picture DOC.opt OUT.png|OUT.pdf [--date YYYY-MM-DD] [--greek NAME]: the picture a
// graph window shows on opening, written to OUT.
int RunPictureCommand(const CommandCall& call);

}  // namespace qx

#endif  // QX_CLI_PICTURE_COMMAND_H
