#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/export/fixed_decimal.h"

namespace varden {

class Shell;

// Conventions shared by the three comma-separated exports: the save dialog, the completion of
// the chosen path, the first line, CRLF line ends on every platform, and RFC 4180 quoting of a
// text field that holds a comma, a double quote, a carriage return or a line feed.

// The chosen path completed: the file-name part in lower case (folders are kept as chosen, as
// the file system may tell case apart), and ".csv" appended when the file name lacks it.
std::string CompleteExportPath(const std::string& chosen);

// Asks for the file with the save dialog and completes the path; nothing when cancelled.
std::optional<std::string> AskExportPath(Shell& shell);

// A text field as written into an export: unchanged, or quoted when it holds a comma, a
// double quote, a carriage return or a line feed (inner quotes doubled).
std::string CsvField(std::string_view text);

// "Irvel Calibration Due Date: %02d/%02d/%02d", without the line end.
std::string CalibrationDueLine(const std::array<uint8_t, 3>& calDueDate);

// An export file being written. Lines are collected and written in large blocks; every line
// ends with CR LF. Any failure (create, write, close) is kept with its reason.
class ExportFile {
  public:
    // Creates or truncates the file.
    explicit ExportFile(std::string path);
    ~ExportFile();
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& Path() const { return path_; }

    // Appends text to the current line.
    void Append(std::string_view text) {
        std::memcpy(Reserve(text.size()), text.data(), text.size());
        used_ += text.size();
    }
    void Append(char c) { *Reserve(1) = c, ++used_; }
    // Appends a number with a full stop as decimal separator, as "%.<decimals>f" writes it.
    void AppendFixed(double value, int decimals) {
        Commit(WriteFixed(Reserve(kMaxFixedLength), value, decimals));
    }
    // Appends `units` × 10^-decimals, e.g. (false, 17, 2) as "0.17".
    void AppendUnits(bool negative, uint64_t units, int decimals) {
        Commit(WriteUnits(Reserve(kMaxFixedLength), negative, units, decimals));
    }
    // Appends a whole number, as "%d" writes it.
    void AppendInt(long long value);
    // For writers that format in place: room for `n` more bytes of the current line, then
    // Commit with the end of what was written there.
    char* Reserve(std::size_t n) {
        return capacity_ - used_ >= n ? buffer_.get() + used_ : MakeRoom(n);
    }
    void Commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }
    // Ends the current line with CR LF.
    void EndLine() {
        std::memcpy(Reserve(2), "\r\n", 2);
        used_ += 2;
        if (used_ >= kFlushSize) {
            Flush();
        }
    }
    void Line(std::string_view text) {
        Append(text);
        EndLine();
    }
    // True once a write has failed (the file then stays as far as it got).
    bool Failed() const { return !error_.empty(); }
    // Writes what is pending and closes the file; true when everything reached the file.
    bool Close();
    // The reason of the first failure, e.g. "No space left on device".
    const std::string& Error() const { return error_; }

  private:
    // Lines are handed to the file in blocks of about this size.
    static constexpr std::size_t kFlushSize = 1 << 20;

    char* MakeRoom(std::size_t n);
    void Flush();
    void Fail(int errorNumber);

    std::string path_;
    std::FILE* file_ = nullptr;
    // Text not yet handed to the file.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    std::string error_;
};

// Tells the operator that an export could not be written, with the path and the reason.
void ReportExportFailure(Shell& shell, const std::string& path, const std::string& reason);

}  // namespace varden
