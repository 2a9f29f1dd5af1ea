#pragma once

#include <cstdint>
#include <string>

namespace varden {

// The strip chart on the stability page: one channel of y values over x.
class CIstripchartx1 {
  public:
    virtual ~CIstripchartx1() = default;

    virtual void SetYAxisRange(double min, double max) = 0;  // 16
    virtual void SetXAxisRange(double min, double max) = 0;  // 15
    virtual void ClearData() = 0;                            // 12
    // Adds a point at x; returns its index.
    virtual int32_t AddXValue(double x) = 0;  // 7
    // Sets channel `channel` of point `index`; index -1 is the point just added.
    virtual void SetYValue(int32_t channel, int32_t index, double y) = 0;  // 84
    virtual void SetYAxisTitle(const std::string& title) = 0;  // property 44, YAxisTitle
};

// Strip-chart events, by number.
enum StripChartEvent : int {
    kAnnotationRequested = 4,
};

}  // namespace varden
