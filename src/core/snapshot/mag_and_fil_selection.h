#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varden {

// The column choice of an automatic capture: one magnification and one wavelength. The caller
// fills the lists, the view shows them as two drop-down lists and reports each selection.
class CMagAndFilSelection {
  public:
    uint16_t m_magnificationCount = 0;
    std::array<uint16_t, 10> m_magnifications{};
    uint16_t m_wavelengthCount = 0;
    std::array<uint16_t, 10> m_wavelengths{};
    uint16_t m_magnificationIndex = 0;
    uint16_t m_wavelengthIndex = 0;

    // Copies the two lists in; entries past the tenth are left out.
    void SetLists(const std::vector<uint16_t>& magnifications,
                  const std::vector<uint16_t>& wavelengths);

    // The drop-down items in list order: "10X", "405nm".
    std::vector<std::string> MagnificationItems() const;
    std::vector<std::string> WavelengthItems() const;

    // At opening the first item of each list is selected.
    void Open();
    // The operator picked the item at `position`; a position outside the list (no selection)
    // changes nothing.
    void OnMagnificationSelected(int position);
    void OnWavelengthSelected(int position);
};

}  // namespace varden
