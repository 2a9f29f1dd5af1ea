#pragma once

#include <vector>

namespace varden {

// The extent of a series in each pixel column of a plot: for every column, the first and last
// y (in arrival order) and the lowest and highest y of the points whose x falls in it. Adding a
// point costs O(1), and drawing the series from the columns costs the plot's width however
// many points there are, yet looks the same as a line through every point.
class PixelColumns {
  public:
    struct Column {
        double first = 0.0;
        double last = 0.0;
        double low = 0.0;
        double high = 0.0;
        bool used = false;
    };

    // Empties the columns and maps x from [xMin, xMax] onto `width` columns. A width below 1
    // or an empty range leaves no columns.
    void Reset(int width, double xMin, double xMax);
    // Folds a point into its column; points outside the x range or not finite are left out.
    void Add(double x, double y);

    const std::vector<Column>& Columns() const { return columns_; }

  private:
    std::vector<Column> columns_;
    double xMin_ = 0.0;
    double columnsPerUnit_ = 0.0;
};

}  // namespace varden
