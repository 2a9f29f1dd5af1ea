#include "core/snapshot/data_cap_inc.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "core/snapshot/snapshot_axes.h"

namespace varden {

namespace {

// A text left over at the end must be this long to count as a label: a stray character
// typed after the last line break is not one.
constexpr std::size_t kMinFinalLabelLength = 2;

}  // namespace

void CDataCapInc::Open() {
    if (m_increment > kLabelModeBase) {
        labelsBox = m_labelsText;
        incrementBox.clear();
    } else {
        incrementBox = std::to_string(m_increment);
        labelsBox.clear();
    }
}

void CDataCapInc::OnIncrementLostFocus() {
    if (incrementBox.empty()) {
        return;
    }
    m_labelsText.clear();
    labelsBox.clear();
    m_increment = LeadingNumber(incrementBox);
}

void CDataCapInc::OnLabelsLostFocus() {
    m_labelsText = labelsBox;
    if (!m_labelsText.empty()) {
        incrementBox.clear();
    }
}

int CDataCapInc::LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1;  // saturate; INT_MIN stays reachable
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

std::vector<std::string> CDataCapInc::Labels() const {
    std::vector<std::string> labels;
    std::string_view rest = m_labelsText;
    auto take = [&labels](std::string_view label) {
        labels.emplace_back(label.substr(0, kMaxIntensityLabelLength));
    };
    for (int pass = 0; pass < kMaxIntensityLabels; ++pass) {
        const std::size_t cr = rest.find('\r');
        if (cr == std::string_view::npos || cr == 0) {
            if (rest.size() >= kMinFinalLabelLength) {
                take(rest);
            }
            break;
        }
        take(rest.substr(0, cr));
        // The line feed after the carriage return goes with it.
        rest.remove_prefix(std::min(rest.size(), cr + 2));
    }
    return labels;
}

}  // namespace varden
