#ifndef QX_PLATFORM_TEXT_FILE_H
#define QX_PLATFORM_TEXT_FILE_H

#include <string>
#include <system_error>

#include "platform/archive.h"

namespace qx {

// The file error a system error stands for, as the file messages word it.
FileError FileErrorOf(const std::error_code& code);

// Writes text to the file at path, beside it first and then in its place, so a failed
// write never harms the file already there (a link is followed, not replaced). An
// empty text when written, else the message for the user.
std::string SaveTextFile(const std::string& path, const std::string& text);

}  // namespace qx

#endif  // QX_PLATFORM_TEXT_FILE_H
