// The three editors of the snapshot axes. Every accepted change replaces the axis in the tab
// panel, empties the table and is written to the profile at once.
#include <string>
#include <vector>

#include "core/app/control_panel_dlg.h"
#include "core/snapshot/data_cap_entry.h"
#include "core/snapshot/data_cap_inc.h"
#include "core/snapshot/panel_axes.h"

namespace varden {

namespace {

// One list editor: the panel's list, the dialog's caption, and the list's range and profile keys.
struct ListEditor {
    PanelList panel;
    const char* caption;
    const AxisList& axis;
};

constexpr ListEditor kWavelengthEditor{PanelList::Filters, "Filter Cube Selections",
                                       kWavelengthList};
constexpr ListEditor kMagnificationEditor{PanelList::Magnifications, "Magnification Selections",
                                          kMagnificationList};

bool ConfirmClearingTheTable(Shell& shell) {
    return shell.ShowMessage("Proceeding will clear any data from the Advanced Power Snapshot?",
                             "Clear Captures Confirmation",
                             MessageButtons::YesNo) == MessageAnswer::Yes;
}

void EditList(CVardenControlPanelDlg& dlg, const ListEditor& list) {
    CDataCapEntry editor;
    editor.m_listText = CDataCapEntry::ListText(FetchAxisList(dlg.tabPanel, list.panel));
    editor.m_caption = list.caption;
    if (dlg.shell.RunModal(editor) != DialogResult::Ok || !ConfirmClearingTheTable(dlg.shell)) {
        return;
    }
    const AxisList& axis = list.axis;
    const std::vector<uint16_t> entries = editor.Entries(axis.minimum, axis.maximum);
    if (entries.empty()) {
        return;
    }
    ReplaceAxisList(dlg.tabPanel, list.panel, entries);
    dlg.tabPanel.ClearCaptures();
    // Entries numbered above the new count keep their old values; the count hides them.
    dlg.profile.WriteInt(axis.section, axis.countKey, static_cast<long long>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        dlg.profile.WriteInt(axis.section, axis.EntryKey(static_cast<int>(i)), entries[i]);
    }
}

void ApplyIncrement(CVardenControlPanelDlg& dlg, int increment) {
    if (!IsValidIncrement(increment)) {
        return;
    }
    const auto word = static_cast<uint16_t>(increment);
    dlg.tabPanel.SetIntensityAxis(word);
    dlg.intensityAxis = word;
    dlg.tabPanel.ClearCaptures();
    dlg.profile.WriteInt(kIntensitySection, kIncrementKey, increment);
    for (int i = 0; i < kMaxIntensityLabels; ++i) {
        dlg.intensityLabels[static_cast<std::size_t>(i)].clear();
        dlg.profile.WriteString(kIntensitySection, IntensityLabelKey(i), "");
    }
}

void ApplyLabels(CVardenControlPanelDlg& dlg, const std::vector<std::string>& labels) {
    const int count = static_cast<int>(labels.size());
    for (int n = 0; n < count; ++n) {
        const std::string& label = labels[static_cast<std::size_t>(n)];
        dlg.intensityLabels[static_cast<std::size_t>(n)] = label;
        dlg.tabPanel.SetIntensityLabel(static_cast<uint8_t>(n), label);
        dlg.profile.WriteString(kIntensitySection, IntensityLabelKey(n), label);
    }
    for (int i = count; i < kMaxIntensityLabels; ++i) {
        dlg.intensityLabels[static_cast<std::size_t>(i)].clear();
        dlg.profile.DeleteValue(kIntensitySection, IntensityLabelKey(i));
    }
    // "Increment" keeps its stored value: it comes back when the labels are removed.
    dlg.intensityAxis = static_cast<uint16_t>(kLabelModeBase + count);
    dlg.tabPanel.SetIntensityAxis(dlg.intensityAxis);
    dlg.tabPanel.ClearCaptures();
}

}  // namespace

void CVardenControlPanelDlg::OnModifyWavelengths() {
    EditList(*this, kWavelengthEditor);
}

void CVardenControlPanelDlg::OnModifyMagnifications() {
    EditList(*this, kMagnificationEditor);
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
