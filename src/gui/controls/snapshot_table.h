#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varden {

// The power snapshot table: for each wavelength (filter set) and magnification a column of
// powers in watts, one cell per intensity row. The rows come from the intensity-axis word:
// 1 to 100 is an increment in percent (floor(100 / increment) + 1 rows for the levels 0,
// increment, ...), 101 to 110 is label mode with word - 100 named rows. Any other word gives
// no rows. A cell is empty or holds a point; a point of -1.0 marks a row without a reading.
class SnapshotTable {
  public:
    static constexpr int kMaxEntries = 10;  // wavelengths, magnifications, labels
    static constexpr int kMaxRows = 101;    // an increment of 1
    static constexpr float kNoReading = -1.0f;

    struct Cell {
        int wavelength;
        int magnification;
        int row;
    };

    SnapshotTable();

    // Lists longer than kMaxEntries keep their first kMaxEntries entries.
    void SetWavelengths(std::vector<uint16_t> list);
    void SetMagnifications(std::vector<uint16_t> list);
    const std::vector<uint16_t>& Wavelengths() const { return wavelengths_; }
    const std::vector<uint16_t>& Magnifications() const { return magnifications_; }

    void SetIntensityAxis(uint16_t word) { axis_ = word; }
    uint16_t IntensityAxis() const { return axis_; }
    bool LabelMode() const { return axis_ > 100 && axis_ <= 100 + kMaxEntries; }
    // False for a row that has no label slot.
    bool SetIntensityLabel(int row, std::string text);
    const std::string& IntensityLabel(int row) const;

    int RowCount() const;
    // The level a row stands for: its percentage on a numeric axis, its index in label mode.
    int RowLevel(int row) const;
    // The row of a level, or nothing when the level names no row (in numeric mode a level
    // that is not a multiple of the increment names none).
    std::optional<int> RowOfLevel(int level) const;
    bool HasCell(int wavelength, int magnification, int row) const;

    // The column that AddPoint stores into; it need not exist.
    void SelectColumn(int wavelength, int magnification);
    int SelectedWavelength() const { return selectedWavelength_; }
    int SelectedMagnification() const { return selectedMagnification_; }
    // Stores a power into the selected column at the row of `level`; returns the cell, or
    // nothing when the column or the row does not exist.
    std::optional<Cell> AddPoint(int level, float watts);
    // The point a cell holds; nothing for an empty cell or one outside the table.
    std::optional<float> Point(int wavelength, int magnification, int row) const;
    void ClearPoints();

    // A capture transaction; transactions may nest (a cell capture during an automatic one).
    void BeginCapture() { ++captureDepth_; }
    void EndCapture();
    bool Capturing() const { return captureDepth_ > 0; }

  private:
    static std::size_t Slot(int wavelength, int magnification, int row);

    std::vector<uint16_t> wavelengths_;
    std::vector<uint16_t> magnifications_;
    uint16_t axis_ = 10;
    std::array<std::string, kMaxEntries> labels_;
    std::vector<std::optional<float>> cells_;
    int selectedWavelength_ = -1;
    int selectedMagnification_ = -1;
    int captureDepth_ = 0;
};

}  // namespace varden
