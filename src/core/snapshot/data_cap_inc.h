#pragma once

#include <string>
#include <vector>

namespace varden {

// The intensity editor: either an increment (the one-line increment box) or a list of labels
// (the multi-line labels box, lines ending with CR LF). The two boxes exclude each other: the
// view shows `incrementBox` and `labelsBox`, writes a box's text back into them when it loses
// the focus, calls the matching handler and shows both boxes again.
class CDataCapInc {
  public:
    // An intensity-axis word: above 100 the labels are edited.
    int m_increment = 0;
    std::string m_labelsText;

    // What the two boxes hold.
    std::string incrementBox;
    std::string labelsBox;

    // Fills the boxes for opening: the labels when `m_increment` is above 100, otherwise the
    // increment in decimal.
    void Open();
    // A non-empty increment box wins over the labels: they are emptied and the increment is
    // read from the box. An empty increment box changes nothing.
    void OnIncrementLostFocus();
    // The labels box's text becomes the labels text; labels empty the increment box.
    void OnLabelsLostFocus();

    // The number at the start of a text: optional blanks and sign, then decimal digits; 0 when
    // there are none. Values too large for an int stop at its limits.
    static int LeadingNumber(const std::string& text);

    // The labels of `m_labelsText`, at most ten. A line ended by CR LF is a label unless it is
    // empty; text that is left without a line break before it (or that starts with one) is
    // taken whole as the last label when it holds at least two characters. Each label is cut
    // to its first 99 characters.
    std::vector<std::string> Labels() const;
};

}  // namespace varden
