#include "core/export/csv_export.h"

#include <cerrno>
#include <charconv>
#include <cstring>

#include "core/platform/shell.h"

namespace varden {

namespace {

// Lines are handed to the file in blocks of about this size.
constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

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
    pending_.reserve(kFlushSize + 1024);
}

ExportFile::~ExportFile() {
    Close();
}

void ExportFile::Append(std::string_view text) {
    pending_.append(text);
}

void ExportFile::AppendFixed(double value, int decimals) {
    // Correctly rounded like printf, but without its locale and format parsing.
    char text[352];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc{}) {
        pending_.append(text, result.ptr);
    } else {
        pending_ += std::to_string(value);
    }
}

void ExportFile::AppendInt(long long value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    pending_.append(text, result.ptr);
}

void ExportFile::EndLine() {
    pending_ += "\r\n";
    if (pending_.size() >= kFlushSize) {
        Flush();
    }
}

void ExportFile::Flush() {
    if (file_ != nullptr && !Failed() && !pending_.empty()) {
        if (std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) {
            Fail(errno);
        }
    }
    pending_.clear();
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
