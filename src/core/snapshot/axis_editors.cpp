// The three editors of the snapshot axes. Every accepted change replaces the axis in the tab
// panel, empties the table and is written to the profile at once.
#include <string>
#include <vector>

#include "core/app/control_panel_dlg.h"
#include "core/snapshot/axis_lists.h"
#include "core/snapshot/data_cap_entry.h"
#include "core/snapshot/data_cap_inc.h"
#include "core/snapshot/intensity_rows.h"

namespace varden {

namespace {

// One list axis: where it lives in the panel and in the profile, and what an entry may be.
struct ListAxis {
    AxisList list;
    const char* caption;
    uint16_t minimum;
    uint16_t maximum;
    const char* section;
    const char* countKey;
    // Entry k (from 1) is stored under entryPrefix + k + "Label".
    const char* entryPrefix;
};

constexpr ListAxis kWavelengthAxis{
    AxisList::Wavelengths, "Filter Cube Selections", 320, 750, "Filters", "NumFilters", "Filter"};
constexpr ListAxis kMagnificationAxis{AxisList::Magnifications,
                                      "Magnification Selections",
                                      1,
                                      1000,
                                      "Magnifications",
                                      "NumMags",
                                      "Mag"};

constexpr const char* kIntensitySection = "Intensity";

std::string LabelKey(int number) {
    return "Label" + std::to_string(number);
}

bool ConfirmClearingTheTable(Shell& shell) {
    return shell.ShowMessage("Proceeding will clear any data from the Advanced Power Snapshot?",
                             "Clear Captures Confirmation",
                             MessageButtons::YesNo) == MessageAnswer::Yes;
}

void EditList(CVardenControlPanelDlg& dlg, const ListAxis& axis) {
    CDataCapEntry editor;
    editor.m_listText = CDataCapEntry::ListText(FetchAxisList(dlg.tabPanel, axis.list));
    editor.m_caption = axis.caption;
    if (dlg.shell.RunModal(editor) != DialogResult::Ok || !ConfirmClearingTheTable(dlg.shell)) {
        return;
    }
    const std::vector<uint16_t> entries = editor.Entries(axis.minimum, axis.maximum);
    if (entries.empty()) {
        return;
    }
    ReplaceAxisList(dlg.tabPanel, axis.list, entries);
    dlg.tabPanel.ClearCaptures();
    // Entries numbered above the new count keep their old values; the count hides them.
    dlg.profile.WriteInt(axis.section, axis.countKey, static_cast<long long>(entries.size()));
    for (std::size_t k = 1; k <= entries.size(); ++k) {
        dlg.profile.WriteInt(axis.section, axis.entryPrefix + std::to_string(k) + "Label",
                             entries[k - 1]);
    }
}

void ApplyIncrement(CVardenControlPanelDlg& dlg, int increment) {
    if (increment < 1 || increment > kLabelModeBase) {
        return;
    }
    const auto word = static_cast<uint16_t>(increment);
    dlg.tabPanel.SetIntensityAxis(word);
    dlg.intensityAxis = word;
    dlg.tabPanel.ClearCaptures();
    dlg.profile.WriteInt(kIntensitySection, "Increment", increment);
    for (int i = 0; i < kMaxIntensityLabels; ++i) {
        dlg.intensityLabels[static_cast<std::size_t>(i)].clear();
        dlg.profile.WriteString(kIntensitySection, LabelKey(i + 1), "");
    }
}

void ApplyLabels(CVardenControlPanelDlg& dlg, const std::vector<std::string>& labels) {
    const int count = static_cast<int>(labels.size());
    for (int n = 0; n < count; ++n) {
        const std::string& label = labels[static_cast<std::size_t>(n)];
        dlg.intensityLabels[static_cast<std::size_t>(n)] = label;
        dlg.tabPanel.SetIntensityLabel(static_cast<uint8_t>(n), label);
        dlg.profile.WriteString(kIntensitySection, LabelKey(n + 1), label);
    }
    for (int i = count; i < kMaxIntensityLabels; ++i) {
        dlg.intensityLabels[static_cast<std::size_t>(i)].clear();
        dlg.profile.DeleteValue(kIntensitySection, LabelKey(i + 1));
    }
    // "Increment" keeps its stored value: it comes back when the labels are removed.
    dlg.intensityAxis = static_cast<uint16_t>(kLabelModeBase + count);
    dlg.tabPanel.SetIntensityAxis(dlg.intensityAxis);
    dlg.tabPanel.ClearCaptures();
}

}  // namespace

void CVardenControlPanelDlg::OnModifyWavelengths() {
    EditList(*this, kWavelengthAxis);
}

void CVardenControlPanelDlg::OnModifyMagnifications() {
    EditList(*this, kMagnificationAxis);
}

void CVardenControlPanelDlg::OnModifyIntensityIncrement() {
    CDataCapInc editor;
    if (!intensityLabels[0].empty()) {
        int count = 0;
        while (count < kMaxIntensityLabels &&
               !intensityLabels[static_cast<std::size_t>(count)].empty()) {
            editor.m_labelsText += intensityLabels[static_cast<std::size_t>(count)] + "\r\n";
            ++count;
        }
        editor.m_increment = kLabelModeBase + count;
    } else {
        editor.m_increment = tabPanel.GetIntensityAxis();
    }
    if (shell.RunModal(editor) != DialogResult::Ok || !ConfirmClearingTheTable(shell)) {
        return;
    }
    if (editor.m_labelsText.empty()) {
        ApplyIncrement(*this, editor.m_increment);
    } else {
        ApplyLabels(*this, editor.Labels());
    }
}

}  // namespace varden
