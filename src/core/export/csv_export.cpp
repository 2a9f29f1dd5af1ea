#include "core/export/csv_export.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "core/export/fixed_decimal.h"
#include "core/platform/shell.h"

namespace varden {

namespace {}  // namespace

std::string CompleteExportPath(const std::string& chosen) {
    const std::size_t slash = chosen.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string path = chosen;
    for (std::size_t i = nameStart; i < path.size(); ++i) {
        if (path[i] >= 'A' && path[i] <= 'Z') {
            path[i] = static_cast<char>(path[i] - 'A' + 'a');
        }
    }
    if (path.find(".csv", nameStart) == std::string::npos) {
        path += ".csv";
    }
    return path;
}

std::optional<std::string> AskExportPath(Shell& shell) {
    std::optional<std::string> chosen = shell.AskSaveFileName();
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    return CompleteExportPath(*chosen);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CalibrationDueLine(const std::array<uint8_t, 3>& calDueDate) {
    char text[64];
    std::snprintf(text, sizeof text, "Irvel Calibration Due Date: %02d/%02d/%02d", calDueDate[0],
                  calDueDate[1], calDueDate[2]);
    return text;
}

ExportFile::ExportFile(std::string path) : path_(std::move(path)) {
    // Binary mode: the CR LF line ends are written by this class, the same on every platform.
    file_ = std::fopen(path_.c_str(), "wb+");
    if (file_ == nullptr) {
        Fail(errno);
    }
}

ExportFile::~ExportFile() {
    Close();
}

char* ExportFile::MakeRoom(std::size_t n) {
    Flush();
    if (capacity_ < n || capacity_ < kFlushSize * 2) {
        // Room for a full block plus the line that ends it, or for one very long line.
        capacity_ = std::max(n, kFlushSize * 2);
        buffer_ = std::make_unique<char[]>(capacity_);
    }
    return buffer_.get();
}

void ExportFile::AppendInt(long long value) {
    constexpr std::size_t kLongest = 24;
    char* at = Reserve(kLongest);
    used_ = static_cast<std::size_t>(std::to_chars(at, at + kLongest, value).ptr - buffer_.get());
}

void ExportFile::Flush() {
    if (file_ != nullptr && !Failed() && used_ > 0) {
        if (std::fwrite(buffer_.get(), 1, used_, file_) != used_) {
            Fail(errno);
        }
    }
    used_ = 0;
}

bool ExportFile::Close() {
    if (file_ == nullptr) {
        return !Failed();
    }
    Flush();
    if (std::fclose(file_) != 0 && !Failed()) {
        Fail(errno);
    }
    file_ = nullptr;
    return !Failed();
}

void ExportFile::Fail(int errorNumber) {
    if (error_.empty()) {
        error_ = errorNumber != 0 ? std::strerror(errorNumber) : "write error";
    }
}

void ReportExportFailure(Shell& shell, const std::string& path, const std::string& reason) {
    shell.ShowMessage("The file \"" + path + "\" could not be written: " + reason +
                          ".\r\nNothing was lost; choose another file name or folder and save "
                          "again.",
                      "Save Failed", MessageButtons::Ok);
}

}  // namespace varden
