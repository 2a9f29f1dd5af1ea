#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;

namespace varden {

class ReadoutSpinBox;

// Tab page 0: the power meter's power and reference readings in mW, its wavelength, and its
// five favourite wavelengths, each of which the operator can change.
class PowerPage : public QWidget {
    Q_OBJECT
  public:
    explicit PowerPage(QWidget* parent = nullptr);

    void ShowPower(float milliwatts);
    void ShowReference(float milliwatts);
    void ShowWavelength(uint16_t nanometres);
    void ShowFavourites(const std::array<uint16_t, 5>& nanometres);

    QLabel* Power() const { return power_; }
    QLabel* Reference() const { return reference_; }
    ReadoutSpinBox* Wavelength() const { return wavelength_; }
    ReadoutSpinBox* Favourite(int slot) const {
        return favourites_[static_cast<std::size_t>(slot)];
    }

  Q_SIGNALS:
    void WavelengthEntered(quint16 nanometres);
    void FavouriteEntered(quint8 slot, quint16 nanometres);

  private:
    QLabel* power_ = nullptr;
    QLabel* reference_ = nullptr;
    ReadoutSpinBox* wavelength_ = nullptr;
    std::array<ReadoutSpinBox*, 5> favourites_{};
};

}  // namespace varden
