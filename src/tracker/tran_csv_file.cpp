// The book's spreadsheet files: read whole, and written through the safe file writer, so
// a failed export never harms the file already there.

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/file_error.h"
#include "platform/safe_file_writer.h"
#include "tracker/tran_csv.h"

namespace qx {

namespace fs = std::filesystem;

Outcome SaveTranCsv(const std::string& path, const TranList& list, int significantDigits) {
    const FileError error = WriteFileSafely(path, WriteTranCsv(list, significantDigits));
    if (error == FileError::kNone) return Outcome::Accepted();
    return Outcome::Refused(FileErrorText(error, path));
}

TranCsvImport LoadTranCsv(const std::string& path, const TranList& book) {
    TranCsvImport refused;
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    // Only a regular file has an end to read up to; a pipe or a device is refused.
    if (code || !fs::is_regular_file(status)) {
        refused.message = FileErrorText(
            fs::exists(status) ? FileError::kAccessDenied : FileError::kFileNotFound, path);
        return refused;
    }
    const std::uintmax_t size = fs::file_size(path, code);
    if (!code && size > kMaxTranCsvBytes) {
        refused.message = "The file " + path + " is too large to be a list of transactions.";
        return refused;
    }
    std::ifstream file(path, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(file), {});
    if (!file.good() && !file.eof()) {
        refused.message = FileErrorText(FileErrorOfErrno(errno, false), path);
        return refused;
    }
    return ReadTranCsv(text, book);
}

}  // namespace qx
