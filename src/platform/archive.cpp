#include "platform/archive.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/safe_file_writer.h"
#include "platform/text_encoding.h"

namespace qx {

namespace {

// Marks of the longer text length prefixes.
constexpr std::uint8_t kLongLength = 0xFF;
constexpr std::uint16_t kWideText = 0xFFFE;
constexpr std::uint16_t kLongerLength = 0xFFFF;

// Whether the folder that would hold path exists, so that a missing file can be told
// apart from a path that leads nowhere.
bool FolderExistsFor(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return true;
    struct stat status {};
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// UTF-16 code units in UTF-8; a surrogate without its partner becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& units) {
    std::string out;
    out.reserve(units.size() * 3);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t unit = units[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace

CArchive::CArchive(const std::string& path, Mode mode) : mode(mode), path(path) {
    if (IsStoring()) {
        writer = std::make_unique<SafeFileWriter>(path);
        Fail(writer->GetError());
    } else {
        OpenForLoading();
    }
}

CArchive::~CArchive() {
    if (file >= 0) ::close(file);
}

void CArchive::OpenForLoading() {
    // Without O_NONBLOCK a named pipe would hold the program until someone writes to
    // it; on a regular file the flag changes nothing.
    file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0) {
        const int number = errno;
        const bool nowhere = number == ENOENT && !FolderExistsFor(path);
        return Fail(nowhere ? FileError::kBadPath : FileErrorOfErrno(number, false));
    }
    struct stat status {};
    if (::fstat(file, &status) != 0) return FailWithErrno(errno);
    // Only a regular file has an end to read up to; a folder or a device is refused.
    if (!S_ISREG(status.st_mode)) return Fail(FileError::kAccessDenied);
    bytesLeft = static_cast<std::uint64_t>(status.st_size);
}

void CArchive::Fail(FileError failure) {
    if (error == FileError::kNone) error = failure;
}

void CArchive::FailWithErrno(int number) { Fail(FileErrorOfErrno(number, IsStoring())); }

bool CArchive::FlushBuffer() {
    const bool written = writer->Write(buffer.data(), bufferUsed);
    bufferUsed = 0;
    Fail(writer->GetError());
    return written;
}

bool CArchive::FillBuffer() {
    bufferUsed = bufferNext = 0;
    if (bytesLeft == 0) {
        Fail(FileError::kEndOfFile);
        return false;
    }
    ssize_t got;
    do {
        got = ::read(file, buffer.data(), buffer.size());
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        if (got < 0)
            FailWithErrno(errno);
        else
            Fail(FileError::kEndOfFile);
        return false;
    }
    bufferUsed = static_cast<std::size_t>(got);
    bytesLeft -= std::min<std::uint64_t>(bytesLeft, bufferUsed);
    return true;
}

void CArchive::WriteBytes(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0 && error == FileError::kNone) {
        if (bufferUsed == buffer.size() && !FlushBuffer()) return;
        const std::size_t step = std::min(size, buffer.size() - bufferUsed);
        std::memcpy(buffer.data() + bufferUsed, bytes, step);
        bufferUsed += step;
        bytes += step;
        size -= step;
    }
}

void CArchive::ReadBytes(void* data, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < size && error == FileError::kNone) {
        if (bufferNext == bufferUsed && !FillBuffer()) break;
        const std::size_t step = std::min(size - done, bufferUsed - bufferNext);
        std::memcpy(bytes + done, buffer.data() + bufferNext, step);
        bufferNext += step;
        done += step;
    }
    // A value cut short by an error reads as zero, never as half a value.
    if (error != FileError::kNone) std::memset(bytes, 0, size);
}

std::uint64_t CArchive::BytesLeft() const { return bytesLeft + (bufferUsed - bufferNext); }

void CArchive::ExchangeBits(std::uint64_t& bits, int size) {
    unsigned char bytes[8] = {};
    if (IsStoring()) {
        for (int i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
        WriteBytes(bytes, size);
        return;
    }
    ReadBytes(bytes, size);
    bits = 0;
    for (int i = 0; i < size; ++i) bits |= std::uint64_t{bytes[i]} << (8 * i);
}

void CArchive::Exchange(std::int32_t& value) {
    std::uint64_t bits = static_cast<std::uint32_t>(value);
    ExchangeBits(bits, 4);
    if (IsLoading()) value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
}

void CArchive::Exchange(double& value) {
    // A value that is not a number cannot come from any record; storing writes 0 so
    // that every saved document can be opened again.
    const double stored = std::isfinite(value) ? value : 0.0;
    std::uint64_t bits;
    std::memcpy(&bits, &stored, sizeof bits);
    ExchangeBits(bits, 8);
    if (IsStoring()) return;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) {
        value = 0;
        Fail(FileError::kGeneric);
    }
}

void CArchive::Exchange(CTime& value) {
    // The file holds 32-bit seconds. The setters refuse any other time, so one here is
    // a fault, which fails the save rather than storing another date.
    if (IsStoring() && !value.IsStorable()) return Fail(FileError::kGeneric);
    auto seconds = static_cast<std::int32_t>(value.GetTime());
    Exchange(seconds);
    if (IsLoading()) value = CTime(seconds);
}

void CArchive::WriteLength(std::size_t length) {
    std::uint64_t bits = length;
    std::uint64_t mark = kLongLength;
    if (length < kLongLength) return ExchangeBits(bits, 1);
    ExchangeBits(mark, 1);
    if (length < kWideText) return ExchangeBits(bits, 2);
    mark = kLongerLength;
    ExchangeBits(mark, 2);
    ExchangeBits(bits, 4);
}

// Reads a length prefix; wide tells whether it was the mark of a wide text instead.
std::uint64_t CArchive::ReadLength(bool& wide) {
    std::uint64_t bits = 0;
    wide = false;
    ExchangeBits(bits, 1);
    if (bits < kLongLength) return bits;
    ExchangeBits(bits, 2);
    wide = bits == kWideText;
    if (bits < kLongerLength) return bits;
    ExchangeBits(bits, 4);
    return bits;
}

void CArchive::LoadText(std::string& text) {
    text.clear();
    bool wide = false;
    std::uint64_t length = ReadLength(wide);
    const bool wideText = wide;
    if (wideText) {
        length = ReadLength(wide);
        if (wide) Fail(FileError::kGeneric);
    }
    if (error != FileError::kNone) return;
    // A length beyond the end of the file is never believed, so a damaged prefix
    // cannot make the reader reserve more memory than the file holds.
    if (length * (wideText ? 2 : 1) > BytesLeft()) return Fail(FileError::kEndOfFile);
    // Nor is one no document reaches, however large the file (a sparse one costs
    // nothing to make).
    if (length > kMaxTextSize) return Fail(FileError::kGeneric);
    try {
        if (!wideText) {
            std::string bytes(length, '\0');
            ReadBytes(bytes.data(), bytes.size());
            text = TextAsUtf8(std::move(bytes));
        } else {
            std::u16string units(length, u'\0');
            for (char16_t& unit : units) {
                std::uint64_t bits = 0;
                ExchangeBits(bits, 2);
                unit = static_cast<char16_t>(bits);
            }
            text = Utf16ToUtf8(units);
        }
    } catch (const std::bad_alloc&) {
        Fail(FileError::kOutOfMemory);
    }
    // Converted to UTF-8 a text may grow; it must still be one a save can write.
    if (text.size() > kMaxTextSize) Fail(FileError::kGeneric);
    if (error != FileError::kNone) text.clear();
}

void CArchive::Exchange(std::string& text) {
    if (IsLoading()) return LoadText(text);
    if (text.size() > kMaxTextSize) return Fail(FileError::kGeneric);
    WriteLength(text.size());
    WriteBytes(text.data(), text.size());
}

void CArchive::Expect(bool accepted) {
    if (IsLoading() && !accepted) Fail(FileError::kGeneric);
}

void CArchive::ExpectRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    Expect(value >= low && value <= high);
}

void CArchive::ExpectRoom(std::uint64_t size) {
    if (IsLoading() && size > BytesLeft()) Fail(FileError::kEndOfFile);
}

Outcome CArchive::GetOutcome() const {
    if (error == FileError::kNone) return Outcome::Accepted();
    return Outcome::Refused(FileErrorText(error, path));
}

bool CArchive::Close() {
    if (IsLoading()) {
        if (file >= 0 && ::close(file) != 0) FailWithErrno(errno);
        file = -1;
        return error == FileError::kNone;
    }
    if (!writer) return error == FileError::kNone;
    if (error == FileError::kNone && FlushBuffer()) writer->Commit();
    Fail(writer->GetError());
    writer.reset();
    return error == FileError::kNone;
}

}  // namespace qx
