#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/command_ids.h"
#include "core/snapshot/data_cap_entry.h"
#include "core/snapshot/data_cap_inc.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

using Lines = std::vector<std::string>;
using Entries = std::vector<uint16_t>;

const std::string kConfirmation =
    "shell.ShowMessage(Proceeding will clear any data from the Advanced Power "
    "Snapshot?|Clear Captures Confirmation)";

// ---- Parsing rules of the two dialogs ----

TEST(ListTextTest, ParsesUpToTenLinesOfLeadingDigits) {
    struct Case {
        const char* name;
        std::string text;
        uint16_t minimum, maximum;
        Entries expected;
    };
    const Case cases[] = {
        {"no break after the last line", "405\r\n488\r\n561", 320, 750, {405, 488, 561}},
        {"out of range dropped", "405\r\n800\r\n488\r\n", 320, 750, {405, 488}},
        {"first line a letter", "x405\r\n488\r\n", 320, 750, {}},
        {"first line a blank", " 405\r\n", 320, 750, {}},
        {"empty text", "", 320, 750, {}},
        {"a bad line ends the list", "405\r\n\r\n488\r\n", 320, 750, {405}},
        {"trailing characters ignored, leading zeros read",
         "650nm\r\n0320\r\n",
         320,
         750,
         {650, 320}},
        {"reduced to 16 bits", "65856\r\n", 320, 750, {320}},
        {"very long number", "1180591620717411303829\r\n", 320, 750, {405}},  // 2^70 + 405
        {"magnification limits", "1000\r\n1001\r\n0\r\n1\r\n", 1, 1000, {1000, 1}},
        {"twelve lines give ten",
         "401\r\n402\r\n403\r\n404\r\n405\r\n406\r\n407\r\n408\r\n409\r\n410\r\n411\r\n412\r\n",
         320,
         750,
         {401, 402, 403, 404, 405, 406, 407, 408, 409, 410}},
        {"dropped lines still count",
         "401\r\n900\r\n403\r\n100\r\n405\r\n406\r\n407\r\n408\r\n409\r\n410\r\n411\r\n",
         320,
         750,
         {401, 403, 405, 406, 407, 408, 409, 410}},
    };
    for (const Case& c : cases) {
        CDataCapEntry editor;
        editor.m_listText = c.text;
        EXPECT_EQ(editor.Entries(c.minimum, c.maximum), c.expected) << c.name;
    }
    EXPECT_EQ(CDataCapEntry::ListText({405, 488}), "405\r\n488\r\n");
    EXPECT_EQ(CDataCapEntry::ListText({}), "");
}

TEST(LabelsTextTest, SplitsLabelsAtLineBreaks) {
    const std::string long120(120, 'a');
    struct Case {
        const char* name;
        std::string text;
        Lines expected;
    };
    const Case cases[] = {
        {"three lines", "Low\r\nMedium\r\nHigh\r\n", {"Low", "Medium", "High"}},
        {"short final line dropped", "Low\r\nHigh\r\nX", {"Low", "High"}},
        {"final line of two kept", "Low\r\nHi", {"Low", "Hi"}},
        {"empty line takes the rest whole", "Low\r\n\r\nHigh\r\n", {"Low", "\r\nHigh\r\n"}},
        {"one character only", "X", {}},
        {"ten at most",
         "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {"long labels cut to 99",
         long120 + "\r\n" + long120,
         {std::string(99, 'a'), std::string(99, 'a')}},
        {"carriage return at the very end", "Low\r", {"Low"}},
    };
    for (const Case& c : cases) {
        CDataCapInc editor;
        editor.m_labelsText = c.text;
        EXPECT_EQ(editor.Labels(), c.expected) << c.name;
    }
}

TEST(IncrementTextTest, ReadsTheLeadingNumber) {
    const std::pair<const char*, int> cases[] = {
        {"25", 25},
        {"  7%", 7},
        {"+15", 15},
        {"-5", -5},
        {"abc", 0},
        {"", 0},
        {"1e3", 1},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (auto [text, expected] : cases) {
        EXPECT_EQ(CDataCapInc::LeadingNumber(text), expected) << text;
    }
}

TEST(IntensityEditorBoxesTest, TheTwoBoxesExcludeEachOther) {
    CDataCapInc editor;
    editor.m_increment = 25;
    editor.Open();
    EXPECT_EQ(editor.incrementBox, "25");
    EXPECT_EQ(editor.labelsBox, "");

    // Typing labels empties the increment box but keeps the increment.
    editor.labelsBox = "Low\r\nHigh\r\n";
    editor.OnLabelsLostFocus();
    EXPECT_EQ(editor.m_labelsText, "Low\r\nHigh\r\n");
    EXPECT_EQ(editor.incrementBox, "");
    EXPECT_EQ(editor.m_increment, 25);

    // An empty increment box leaves the labels alone; a typed increment replaces them.
    editor.OnIncrementLostFocus();
    EXPECT_EQ(editor.m_labelsText, "Low\r\nHigh\r\n");
    editor.incrementBox = "50";
    editor.OnIncrementLostFocus();
    EXPECT_EQ(editor.m_labelsText, "");
    EXPECT_EQ(editor.labelsBox, "");
    EXPECT_EQ(editor.m_increment, 50);

    CDataCapInc labels;
    labels.m_increment = 102;
    labels.m_labelsText = "Low\r\nHigh\r\n";
    labels.Open();
    EXPECT_EQ(labels.incrementBox, "");
    EXPECT_EQ(labels.labelsBox, "Low\r\nHigh\r\n");
}

// ---- The three commands ----

class AxisEditorTest : public ControllerFixture {
  protected:
    void SetUp() override {
        InstallDrivers();
        tab.filters = {425, 480, 560, 580};
        tab.magnifications = {10, 20};
        tab.intensityAxis = dlg.intensityAxis = 10;
        tab.cells[{0, 0, 0}] = 0.01f;
    }

    void TypeList(const std::string& text) {
        shell.QueueDialog<CDataCapEntry>([this, text](CDataCapEntry& editor) {
            shown = editor;
            editor.OnListLostFocus(text);
            return DialogResult::Ok;
        });
    }

    void TypeIncrement(const std::string& increment, const std::string& labels = {}) {
        shell.QueueDialog<CDataCapInc>([this, increment, labels](CDataCapInc& editor) {
            editor.Open();
            shownInc = editor;
            editor.labelsBox = labels;
            editor.OnLabelsLostFocus();
            editor.incrementBox = increment;
            editor.OnIncrementLostFocus();
            return DialogResult::Ok;
        });
    }

    // Changes to the panel's axes and table and to the profile.
    Lines Changes() const { return log.Matching({"tab.Set", "tab.ClearCaptures", "profile."}); }

    CDataCapEntry shown;
    CDataCapInc shownInc;
};

TEST_F(AxisEditorTest, AcceptedListReplacesTheAxisClearsTheTableAndIsStored) {
    struct Case {
        int command;
        const char* caption;
        std::string listShown;
        std::string typed;
        Lines changes;
    };
    const Case cases[] = {
        {kCmdModifyWavelengths,
         "Filter Cube Selections",
         "425\r\n480\r\n560\r\n580\r\n",
         "405\r\n800\r\n488",
         {"tab.SetFilterList(2,405 488)", "tab.ClearCaptures()",
          "profile.WriteInt(Filters,NumFilters,2)", "profile.WriteInt(Filters,Filter1Label,405)",
          "profile.WriteInt(Filters,Filter2Label,488)"}},
        {kCmdModifyMagnifications,
         "Magnification Selections",
         "10\r\n20\r\n",
         "4\r\n1000\r\n1001\r\n",
         {"tab.SetMagnificationList(2,4 1000)", "tab.ClearCaptures()",
          "profile.WriteInt(Magnifications,NumMags,2)",
          "profile.WriteInt(Magnifications,Mag1Label,4)",
          "profile.WriteInt(Magnifications,Mag2Label,1000)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        log.Clear();
        TypeList(c.typed);
        shell.messageAnswers = {MessageAnswer::Yes};
        dlg.OnMenuCommand(c.command);
        EXPECT_EQ(shown.m_caption, c.caption);
        EXPECT_EQ(shown.m_listText, c.listShown);
        EXPECT_EQ(log.Matching({"shell.RunModal", "shell.ShowMessage"}),
                  (Lines{"shell.RunModal(CDataCapEntry)", kConfirmation}));
        EXPECT_EQ(Changes(), c.changes);
        EXPECT_TRUE(tab.cells.empty());
    }
}

TEST_F(AxisEditorTest, ShorterListLeavesTheLaterProfileEntries) {
    profile.sections["Filters"]["Filter4Label"] = 580LL;
    TypeList("405\r\n488\r\n561\r\n");
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnModifyWavelengths();
    EXPECT_EQ(std::get<long long>(profile.sections["Filters"]["NumFilters"]), 3);
    EXPECT_EQ(std::get<long long>(profile.sections["Filters"]["Filter4Label"]), 580);
    EXPECT_EQ(tab.filters, (Entries{405, 488, 561}));
}

// Cancel, No, or a text that yields nothing: the axes, the table and the profile stay.
TEST_F(AxisEditorTest, RefusedEditsChangeNothing) {
    struct Case {
        const char* name;
        bool ok;
        MessageAnswer answer;
        std::string typed;
    };
    const Case cases[] = {
        {"cancelled", false, MessageAnswer::Yes, "405\r\n"},
        {"not confirmed", true, MessageAnswer::No, "405\r\n"},
        {"nothing valid", true, MessageAnswer::Yes, " 405\r\n488\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        shell.QueueDialog<CDataCapEntry>([c](CDataCapEntry& editor) {
            editor.OnListLostFocus(c.typed);
            return c.ok ? DialogResult::Ok : DialogResult::Cancel;
        });
        shell.messageAnswers = {c.answer};
        dlg.OnModifyWavelengths();
        EXPECT_EQ(Changes(), Lines{});
        EXPECT_EQ(tab.cells.size(), 1u);
    }
    for (const char* increment : {"0", "101", "letters"}) {
        SCOPED_TRACE(increment);
        log.Clear();
        TypeIncrement(increment);
        shell.messageAnswers = {MessageAnswer::Yes};
        dlg.OnModifyIntensityIncrement();
        EXPECT_TRUE(log.Contains(kConfirmation));
        EXPECT_EQ(Changes(), Lines{});
        EXPECT_EQ(dlg.intensityAxis, 10);
    }
}

TEST_F(AxisEditorTest, NewIncrementEndsLabelMode) {
    dlg.intensityLabels[0] = "Low";
    dlg.intensityLabels[1] = "High";
    TypeIncrement("25");
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnModifyIntensityIncrement();

    EXPECT_EQ(shownInc.m_increment, 102);
    EXPECT_EQ(shownInc.labelsBox, "Low\r\nHigh\r\n");
    Lines expected{"tab.SetIntensityAxis(25)", "tab.ClearCaptures()",
                   "profile.WriteInt(Intensity,Increment,25)"};
    for (int k = 1; k <= 10; ++k) {
        expected.push_back(
            Call("profile.WriteString", "Intensity", "Label" + std::to_string(k), ""));
    }
    EXPECT_EQ(Changes(), expected);
    EXPECT_EQ(dlg.intensityAxis, 25);
    EXPECT_EQ(dlg.intensityLabels[0], "");
    EXPECT_EQ(dlg.intensityLabels[1], "");
}

TEST_F(AxisEditorTest, LabelsPutTheAxisIntoLabelMode) {
    profile.sections["Intensity"]["Increment"] = 20LL;
    TypeIncrement("", "Low\r\nMedium\r\nHigh\r\n");
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnModifyIntensityIncrement();

    EXPECT_EQ(shownInc.incrementBox, "10");  // the panel's axis word
    Lines expected{
        "tab.SetIntensityLabel(0,Low)",    "profile.WriteString(Intensity,Label1,Low)",
        "tab.SetIntensityLabel(1,Medium)", "profile.WriteString(Intensity,Label2,Medium)",
        "tab.SetIntensityLabel(2,High)",   "profile.WriteString(Intensity,Label3,High)"};
    for (int k = 4; k <= 10; ++k) {
        expected.push_back(Call("profile.DeleteValue", "Intensity", "Label" + std::to_string(k)));
    }
    expected.insert(expected.end(), {"tab.SetIntensityAxis(103)", "tab.ClearCaptures()"});
    EXPECT_EQ(Changes(), expected);
    EXPECT_EQ(dlg.intensityAxis, 103);
    EXPECT_EQ(std::get<long long>(profile.sections["Intensity"]["Increment"]), 20);
}

TEST_F(AxisEditorTest, FewerLabelsEmptyTheRestSoTheEditorShowsOnlyThem) {
    dlg.intensityLabels = {"A1", "B2", "C3", "D4", "E5"};
    TypeIncrement("", "A1\r\nB2\r\nC3\r\n");
    shell.messageAnswers = {MessageAnswer::Yes};
    dlg.OnModifyIntensityIncrement();
    EXPECT_EQ(dlg.intensityLabels[3], "");
    EXPECT_EQ(dlg.intensityLabels[4], "");

    shell.QueueDialog<CDataCapInc>([this](CDataCapInc& editor) {
        shownInc = editor;
        return DialogResult::Cancel;
    });
    dlg.OnModifyIntensityIncrement();
    EXPECT_EQ(shownInc.m_increment, 103);
    EXPECT_EQ(shownInc.m_labelsText, "A1\r\nB2\r\nC3\r\n");
}

}  // namespace
}  // namespace varden::testing
