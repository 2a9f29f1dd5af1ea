#include "gui/controls/snapshot_table.h"

namespace varden {

namespace {

void KeepFirstEntries(std::vector<uint16_t>& list) {
    if (list.size() > static_cast<std::size_t>(SnapshotTable::kMaxEntries)) {
        list.resize(SnapshotTable::kMaxEntries);
    }
}

}  // namespace

SnapshotTable::SnapshotTable()
    : cells_(static_cast<std::size_t>(kMaxEntries) * kMaxEntries * kMaxRows) {}

void SnapshotTable::SetWavelengths(std::vector<uint16_t> list) {
    KeepFirstEntries(list);
    wavelengths_ = std::move(list);
}

void SnapshotTable::SetMagnifications(std::vector<uint16_t> list) {
    KeepFirstEntries(list);
    magnifications_ = std::move(list);
}

bool SnapshotTable::SetIntensityLabel(int row, std::string text) {
    if (row < 0 || row >= kMaxEntries) {
        return false;
    }
    labels_[static_cast<std::size_t>(row)] = std::move(text);
    return true;
}

const std::string& SnapshotTable::IntensityLabel(int row) const {
    static const std::string kNone;
    return row >= 0 && row < kMaxEntries ? labels_[static_cast<std::size_t>(row)] : kNone;
}

int SnapshotTable::RowCount() const {
    if (axis_ >= 1 && axis_ <= 100) {
        return 100 / axis_ + 1;
    }
    return LabelMode() ? axis_ - 100 : 0;
}

int SnapshotTable::RowLevel(int row) const {
    return LabelMode() ? row : row * axis_;
}

std::optional<int> SnapshotTable::RowOfLevel(int level) const {
    const int rows = RowCount();
    if (rows == 0 || level < 0) {
        return std::nullopt;
    }
    if (LabelMode()) {
        return level < rows ? std::optional<int>(level) : std::nullopt;
    }
    if (level % axis_ != 0 || level / axis_ >= rows) {
        return std::nullopt;
    }
    return level / axis_;
}

bool SnapshotTable::HasCell(int wavelength, int magnification, int row) const {
    return wavelength >= 0 && wavelength < static_cast<int>(wavelengths_.size()) &&
           magnification >= 0 && magnification < static_cast<int>(magnifications_.size()) &&
           row >= 0 && row < RowCount();
}

void SnapshotTable::SelectColumn(int wavelength, int magnification) {
    selectedWavelength_ = wavelength;
    selectedMagnification_ = magnification;
}

std::optional<SnapshotTable::Cell> SnapshotTable::AddPoint(int level, float watts) {
    const std::optional<int> row = RowOfLevel(level);
    if (!row || !HasCell(selectedWavelength_, selectedMagnification_, *row)) {
        return std::nullopt;
    }
    cells_[Slot(selectedWavelength_, selectedMagnification_, *row)] = watts;
    return Cell{selectedWavelength_, selectedMagnification_, *row};
}

std::optional<float> SnapshotTable::Point(int wavelength, int magnification, int row) const {
    if (!HasCell(wavelength, magnification, row)) {
        return std::nullopt;
    }
    return cells_[Slot(wavelength, magnification, row)];
}

void SnapshotTable::ClearPoints() {
    for (std::optional<float>& cell : cells_) {
        cell.reset();
    }
}

void SnapshotTable::EndCapture() {
    if (captureDepth_ > 0) {
        --captureDepth_;
    }
}

std::size_t SnapshotTable::Slot(int wavelength, int magnification, int row) {
    return (static_cast<std::size_t>(wavelength) * kMaxEntries +
            static_cast<std::size_t>(magnification)) *
               kMaxRows +
           static_cast<std::size_t>(row);
}

}  // namespace varden
