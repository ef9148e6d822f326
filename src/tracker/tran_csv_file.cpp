// The book's spreadsheet files: read whole, written beside the target and then put in
// its place, so a failed export never harms the file already there.

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/archive.h"
#include "tracker/tran_csv.h"

namespace qx {

namespace {

namespace fs = std::filesystem;

FileError ErrorOf(const std::error_code& code) {
    if (code == std::errc::no_such_file_or_directory) return FileError::kBadPath;
    if (code == std::errc::permission_denied || code == std::errc::read_only_file_system)
        return FileError::kAccessDenied;
    if (code == std::errc::no_space_on_device) return FileError::kDiskFull;
    return FileError::kGeneric;
}

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

}  // namespace

std::string SaveTranCsv(const std::string& path, const TranList& list, int significantDigits) {
    std::error_code code;
    // Replace what a link points to, not the link.
    const fs::path target = fs::exists(path, code) ? fs::canonical(path, code) : fs::path(path);
    if (fs::is_directory(target, code)) return FileErrorText(FileError::kAccessDenied, path);
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + "." +
                                                       std::to_string(::getpid()) + ".tmp");
    const std::string text = WriteTranCsv(list, significantDigits);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return FileErrorText(ErrorOf(LastError()), path);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file) {
            const std::error_code failure = LastError();
            fs::remove(temporary, code);
            return FileErrorText(ErrorOf(failure), path);
        }
    }
    fs::rename(temporary, target, code);
    if (code) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return FileErrorText(ErrorOf(code), path);
    }
    return "";
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
        refused.message = FileErrorText(ErrorOf(LastError()), path);
        return refused;
    }
    return ReadTranCsv(text, book);
}

}  // namespace qx
