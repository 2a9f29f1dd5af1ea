#include "core/stability/event_entry.h"

#include "core/stability/stability_record.h"

namespace varden {

namespace {

// True when `text` is well-formed UTF-8 (then a cut must respect its characters; any other
// 8-bit text is cut by bytes).
bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

}  // namespace

std::string_view CutText(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    if (IsUtf8(text)) {
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
    }
    return text.substr(0, end);
}

void CEventEntry::OnDescriptionFocusLost(const std::string& fieldText) {
    m_description = std::string(CutText(fieldText, kMaxDescription));
}

}  // namespace varden
