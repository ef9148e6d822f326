// A statement file read whole; what cannot be read is named with the file's error text.

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/archive.h"
#include "statement/statement_import.h"

namespace qx {

namespace {

namespace fs = std::filesystem;

StatementPreview Unreadable(const std::string& error, const TranList& book) {
    StatementPreview preview;
    preview.error = error;
    preview.book = book;
    return preview;
}

}  // namespace

StatementPreview PreviewStatementFile(const std::string& path, const TranList& book) {
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    // Only a regular file has an end to read up to; a pipe or a device is refused.
    if (code || !fs::is_regular_file(status))
        return Unreadable(
            FileErrorText(fs::exists(status) ? FileError::kAccessDenied : FileError::kFileNotFound,
                          path),
            book);
    const std::uintmax_t size = fs::file_size(path, code);
    if (!code && size > kMaxStatementBytes)
        return Unreadable("The file " + path + " is too large to be a statement.", book);
    std::ifstream file(path, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(file), {});
    if (!file.good() && !file.eof())
        return Unreadable(FileErrorText(FileError::kGeneric, path), book);
    return PreviewStatementText(text, book);
}

}  // namespace qx
