// Feeds arbitrary bytes to the document reader. Whatever the bytes, opening must end in
// one of its three results without a crash, a leak or undefined behaviour, and a
// document it opened must save, open and save again to the same bytes.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "test_support/temp_folder.h"

namespace {

// Files of this process in a memory-backed folder when there is one.
std::string WorkPath(const char* name) {
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return folder + "/qx-document-fuzz-" + std::to_string(getpid()) + "-" + name;
}

void RemoveWorkFiles() {
    for (const char* name : {"input.opt", "first.opt", "second.opt"})
        std::remove(WorkPath(name).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit(RemoveWorkFiles);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qx::Require;
    const std::string input = WorkPath("input.opt");
    qx::WriteFileBytes(input, std::string(reinterpret_cast<const char*>(data), size));
    const qx::Settings settings;
    qx::Document doc(settings);
    if (!doc.Open(input).IsAccepted()) return 0;

    const std::string first = WorkPath("first.opt");
    const std::string second = WorkPath("second.opt");
    Require(doc.Save(first).IsAccepted(), "an opened document saves");
    qx::Document again(settings);
    Require(again.Open(first).IsAccepted(), "a saved document opens");
    Require(again.Save(second).IsAccepted(), "a reopened document saves");
    Require(qx::ReadFileBytes(first) == qx::ReadFileBytes(second),
            "saving, opening and saving again gives the same bytes");
    return 0;
}
