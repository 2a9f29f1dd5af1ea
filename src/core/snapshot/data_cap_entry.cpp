#include "core/snapshot/data_cap_entry.h"

#include <string_view>

namespace varden {

namespace {

constexpr int kMaxListLines = 10;
constexpr std::string_view kLineEnd = "\r\n";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string CDataCapEntry::ListText(const std::vector<uint16_t>& entries) {
    std::string text;
    for (uint16_t entry : entries) {
        text += std::to_string(entry);
        text += kLineEnd;
    }
    return text;
}

std::vector<uint16_t> CDataCapEntry::Entries(uint16_t minimum, uint16_t maximum) const {
    std::vector<uint16_t> entries;
    std::string_view rest = m_listText;
    for (int line = 0; line < kMaxListLines; ++line) {
        if (rest.empty() || !IsDigit(rest.front())) {
            break;
        }
        std::string_view text = rest;
        const std::size_t end = rest.find(kLineEnd);
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            text = rest.substr(0, end);
            rest.remove_prefix(end + kLineEnd.size());
        }
        // Reduced to 16 bits as it is read, so a long run of digits cannot overflow.
        uint16_t value = 0;
        for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) {
            value = static_cast<uint16_t>(value * 10 + (text[i] - '0'));
        }
        if (value >= minimum && value <= maximum) {
            entries.push_back(value);
        }
    }
    return entries;
}

}  // namespace varden
