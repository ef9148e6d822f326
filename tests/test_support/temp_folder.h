#ifndef QX_TEST_SUPPORT_TEMP_FOLDER_H
#define QX_TEST_SUPPORT_TEMP_FOLDER_H

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace qx {

// A fresh folder under the system's temporary folder, removed with everything in it
// at the end of the test. Tests write their files here, never in the user's home.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qx-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of name inside the folder.
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    // The number of entries in the folder.
    int CountEntries() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder),
                                              std::filesystem::directory_iterator()));
    }

  private:
    std::filesystem::path folder;
};

// The whole content of a file, or an empty text when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes bytes as the whole content of a file.
inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace qx

#endif  // QX_TEST_SUPPORT_TEMP_FOLDER_H
