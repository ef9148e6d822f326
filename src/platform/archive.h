#ifndef QX_PLATFORM_ARCHIVE_H
#define QX_PLATFORM_ARCHIVE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/ctime.h"
#include "platform/file_error.h"
#include "platform/outcome.h"

namespace qx {

class SafeFileWriter;

// A record's coded field as its document holds it, an int32, with the check that reads
// the int back: ExchangeRecord's form of an enumeration field.
template <class Record, class Enum>
struct StoredField {
    Enum Record::*field;
    std::optional<Enum> (*fromStored)(int);
};

// The stored form of field, checked by fromStored when read.
template <class Record, class Enum>
constexpr StoredField<Record, Enum> AsStored(Enum Record::*field,
                                             std::optional<Enum> (*fromStored)(int)) {
    return {field, fromStored};
}

// A buffered binary stream over a document file, either storing or loading, in the
// file's little-endian form. The first error met is kept: after it nothing more is
// written, loaded values are zero or empty, and GetOutcome gives its message. A storing
// archive writes through a SafeFileWriter, which puts the file in place of the target
// only at Close, so a failed save never harms the file already there, and a save cut
// short leaves nothing behind.
class CArchive {
  public:
    enum class Mode { kStore, kLoad };

    // The longest text a document holds, in bytes (UTF-8 in memory): far beyond any
    // notes a person types, so a longer length prefix marks a damaged file.
    static constexpr std::size_t kMaxTextSize = 16 * 1024 * 1024;

    // Opens path for the mode; a failure is kept as the archive's error.
    CArchive(const std::string& path, Mode mode);
    // Closes the file; a storing archive never closed leaves the target untouched.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    // The direction of the stream.
    bool IsStoring() const { return mode == Mode::kStore; }
    bool IsLoading() const { return mode == Mode::kLoad; }

    // The first error met, kNone while everything went through.
    FileError GetError() const { return error; }
    // Accepted while everything went through; otherwise refused with the first error's
    // message about the file.
    Outcome GetOutcome() const;

    // Writes the value, or reads it into value, by the archive's direction: int32,
    // float64 (a loaded value that is not finite marks the file damaged), a time as
    // 32-bit seconds (storing one beyond them fails), and a text of at most
    // kMaxTextSize bytes with its length prefix (UTF-8 bytes when written; a loaded
    // text that is not UTF-8 is read as Windows-1252, a wide one as UTF-16).
    void Exchange(std::int32_t& value);
    void Exchange(double& value);
    void Exchange(CTime& value);
    void Exchange(std::string& text);

    // Marks a loaded file damaged unless accepted; storing ignores it.
    void Expect(bool accepted);
    // Marks a loaded file damaged when value lies outside low..high; storing ignores it.
    void ExpectRange(std::int32_t value, std::int32_t low, std::int32_t high);
    // Marks a loaded file cut short when fewer than size bytes are left to read, so a
    // damaged count never makes the reader reserve room for records the file lacks;
    // storing ignores it.
    void ExpectRoom(std::uint64_t size);

    // Ends a record's part of the stream: true while no error was met.
    bool EndRecord() const { return error == FileError::kNone; }

    // A whole record: stores the fields of record in the order listed (a member, or a
    // coded one in its AsStored form), or loads them into a copy that takeLoaded then
    // brings in through the record's own setters, so a value the record refuses, or a
    // coded one it has no value for, marks the file damaged. Ends the record (EndRecord).
    template <class Record, class... Field>
    bool ExchangeRecord(Record& record, bool (Record::*takeLoaded)(const Record&),
                        Field... fields) {
        Record read = record;
        Record& source = IsStoring() ? record : read;
        bool known = true;
        (ExchangeField(source, fields, known), ...);
        if (IsLoading()) {
            const bool taken = (record.*takeLoaded)(read);
            Expect(known && taken);
        }
        return EndRecord();
    }

    // Storing: writes out the buffer, flushes the file to disk and names it in place
    // of the target. Loading: closes the file. False (the error kept) on failure.
    bool Close();

    // The size of the stream's buffer in bytes.
    static constexpr std::size_t kBufferSize = 4096;

  private:
    template <class Record, class Value>
    void ExchangeField(Record& record, Value Record::*field, bool&) {
        Exchange(record.*field);
    }
    // Clears known when a loaded int is no value of the field, which then reads as 0.
    template <class Record, class Enum>
    void ExchangeField(Record& record, StoredField<Record, Enum> coded, bool& known) {
        Enum& field = record.*(coded.field);
        std::int32_t stored = static_cast<std::int32_t>(field);
        Exchange(stored);
        if (IsStoring()) return;
        const std::optional<Enum> value = coded.fromStored(stored);
        known = known && value.has_value();
        field = value.value_or(Enum{});
    }

    void OpenForLoading();
    void Fail(FileError failure);
    void FailWithErrno(int number);
    std::uint64_t BytesLeft() const;
    void ExchangeBits(std::uint64_t& bits, int size);
    void WriteBytes(const void* data, std::size_t size);
    void ReadBytes(void* data, std::size_t size);
    bool FlushBuffer();
    bool FillBuffer();
    std::uint64_t ReadLength(bool& wide);
    void WriteLength(std::size_t length);
    void LoadText(std::string& text);

    Mode mode;
    std::string path;                        // the path the user named, as messages show it
    std::unique_ptr<SafeFileWriter> writer;  // storing: the file being written
    int file = -1;                           // loading: the file being read
    FileError error = FileError::kNone;
    std::uint64_t bytesLeft = 0;  // loading: bytes of the file not yet taken from it
    std::array<unsigned char, kBufferSize> buffer{};
    std::size_t bufferUsed = 0;  // storing: bytes waiting; loading: bytes held
    std::size_t bufferNext = 0;  // loading: next byte to hand out
};

}  // namespace qx

#endif  // QX_PLATFORM_ARCHIVE_H
