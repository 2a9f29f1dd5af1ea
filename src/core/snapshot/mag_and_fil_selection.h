#pragma once

#include <array>
#include <cstdint>

namespace varden {

// The column choice of an automatic capture: one magnification and one wavelength.
class CMagAndFilSelection {
public:
    uint16_t m_magnificationCount = 0;
    std::array<uint16_t, 10> m_magnifications{};
    uint16_t m_wavelengthCount = 0;
    std::array<uint16_t, 10> m_wavelengths{};
    uint16_t m_magnificationIndex = 0;
    uint16_t m_wavelengthIndex = 0;
};

}  // namespace varden
