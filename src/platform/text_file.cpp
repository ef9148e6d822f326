#include "platform/text_file.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace qx {

namespace {

namespace fs = std::filesystem;

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

}  // namespace

FileError FileErrorOf(const std::error_code& code) {
    if (code == std::errc::no_such_file_or_directory) return FileError::kBadPath;
    if (code == std::errc::permission_denied || code == std::errc::read_only_file_system)
        return FileError::kAccessDenied;
    if (code == std::errc::no_space_on_device) return FileError::kDiskFull;
    return FileError::kGeneric;
}

std::string SaveTextFile(const std::string& path, const std::string& text) {
    std::error_code code;
    // Replace what a link points to, not the link.
    const fs::path target = fs::exists(path, code) ? fs::canonical(path, code) : fs::path(path);
    if (fs::is_directory(target, code)) return FileErrorText(FileError::kAccessDenied, path);
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + "." +
                                                       std::to_string(::getpid()) + ".tmp");
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return FileErrorText(FileErrorOf(LastError()), path);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file) {
            const std::error_code failure = LastError();
            fs::remove(temporary, code);
            return FileErrorText(FileErrorOf(failure), path);
        }
    }
    fs::rename(temporary, target, code);
    if (code) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return FileErrorText(FileErrorOf(code), path);
    }
    return "";
}

}  // namespace qx
