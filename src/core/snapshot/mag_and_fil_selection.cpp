#include "core/snapshot/mag_and_fil_selection.h"

#include <algorithm>

namespace varden {

namespace {

template <std::size_t N>
uint16_t CopyList(const std::vector<uint16_t>& from, std::array<uint16_t, N>& to) {
    const std::size_t count = std::min(from.size(), N);
    std::copy_n(from.begin(), count, to.begin());
    return static_cast<uint16_t>(count);
}

template <std::size_t N>
std::vector<std::string> Items(const std::array<uint16_t, N>& entries, uint16_t count,
                               const char* unit) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < std::min<std::size_t>(count, N); ++i) {
        items.push_back(std::to_string(entries[i]) + unit);
    }
    return items;
}

}  // namespace

void CMagAndFilSelection::SetLists(const std::vector<uint16_t>& magnifications,
                                   const std::vector<uint16_t>& wavelengths) {
    m_magnificationCount = CopyList(magnifications, m_magnifications);
    m_wavelengthCount = CopyList(wavelengths, m_wavelengths);
}

std::vector<std::string> CMagAndFilSelection::MagnificationItems() const {
    return Items(m_magnifications, m_magnificationCount, "X");
}

std::vector<std::string> CMagAndFilSelection::WavelengthItems() const {
    return Items(m_wavelengths, m_wavelengthCount, "nm");
}

void CMagAndFilSelection::Open() {
    m_magnificationIndex = 0;
    m_wavelengthIndex = 0;
}

void CMagAndFilSelection::OnMagnificationSelected(int position) {
    if (position >= 0 && position < std::min<int>(m_magnificationCount, 10)) {
        m_magnificationIndex = static_cast<uint16_t>(position);
    }
}

void CMagAndFilSelection::OnWavelengthSelected(int position) {
    if (position >= 0 && position < std::min<int>(m_wavelengthCount, 10)) {
        m_wavelengthIndex = static_cast<uint16_t>(position);
    }
}

}  // namespace varden
