// Feeds arbitrary bytes to the document reader. Whatever the bytes, opening must end in
// one of its three results without a crash, a leak or undefined behaviour, and a
// document it opened must save, open and save again to the same bytes.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/messages.h"
#include "shell/document.h"
#include "shell/settings.h"

namespace {

// Message boxes nobody sees.
class SilentMessages : public qx::Messages {
  public:
    void Warning(const std::string&, const std::string&, qx::MessageOwner) override {}
    bool AskYesNo(const std::string&, const std::string&, qx::MessageOwner) override {
        return false;
    }
};

// Files of this process in a memory-backed folder when there is one.
std::string WorkPath(const char* name) {
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return folder + "/qx-document-fuzz-" + std::to_string(getpid()) + "-" + name;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Require(bool condition) {
    if (!condition) __builtin_trap();
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
    const std::string input = WorkPath("input.opt");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const qx::Settings settings;
    SilentMessages messages;
    qx::Document doc(settings, messages);
    if (doc.Open(input) != qx::Document::OpenResult::kOpened) return 0;

    const std::string first = WorkPath("first.opt");
    const std::string second = WorkPath("second.opt");
    Require(doc.Save(first));
    qx::Document again(settings, messages);
    Require(again.Open(first) == qx::Document::OpenResult::kOpened);
    Require(again.Save(second));
    Require(ReadAll(first) == ReadAll(second));
    return 0;
}
