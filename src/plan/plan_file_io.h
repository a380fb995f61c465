#pragma once

// Low-level access to files of plan records, shared by the data file store and by
// import and export. Readers see only whole records; trailing bytes that do not make a
// whole record are ignored. Writers replace the whole file safely (see
// platform/safe_file_write.h), so a failed write leaves the previous file as it was.

#include <stdexcept>
#include <string>
#include <string_view>

#include "plan/client_rec.h"

namespace plan {

// A read or write error after a file of records was opened successfully.
class PlanFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An open file descriptor, closed when the object goes.
class FileHandle {
  public:
    explicit FileHandle(int fd = -1) : fd_(fd) {}
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileHandle& operator=(FileHandle&&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }

  private:
    int fd_;
};

// Opens an existing regular file read-only, or for reading and writing; not open when
// that fails (errno says why) or when the path names a folder or a device.
FileHandle openForReading(const std::string& path);
FileHandle openForReadingAndWriting(const std::string& path);

// The description of the last system error (errno) as the system words it.
std::string lastSystemError();

// The number of whole records in the open file. Throws PlanFileError when the size
// cannot be read.
int recordCountOf(const FileHandle& file);

// Reads record k into `out`; false when the file holds no whole record k (k negative,
// beyond the end, or a read error). `out` is changed only on success.
bool readRecord(const FileHandle& file, int k, TClientRec& out);

// Reads `length` bytes at `offset`; false when fewer could be read.
bool readAt(const FileHandle& file, long long offset, char* buffer, std::size_t length);

// The whole records of the open file, as bytes. Throws PlanFileError on a read error.
std::string readWholeRecords(const FileHandle& file);

// Replaces the file at `path` with `records` (a whole number of records). On failure the
// old file is kept and `error` says why.
bool replaceRecordFile(const std::string& path, std::string_view records, std::string* error);

// The record's bytes.
inline std::string_view recordBytes(const TClientRec& rec) {
    return {reinterpret_cast<const char*>(&rec), kClientRecSize};
}

}  // namespace plan
