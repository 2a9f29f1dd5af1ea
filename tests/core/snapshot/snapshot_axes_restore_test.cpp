#include <gtest/gtest.h>

#include "core/snapshot/snapshot_axes.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

using Value = MemoryProfileStore::Value;

struct StoredValue {
    const char* section;
    std::string key;
    Value value;
};

struct RestoreCase {
    const char* name;
    std::vector<StoredValue> stored;
    std::vector<uint16_t> filters;
    std::vector<uint16_t> magnifications;
    uint16_t axis;
    std::vector<std::string> labels;  // the labels restored, up to the first empty one
};

const std::vector<uint16_t> kDefaultFilters{425, 480, 560, 580};
const std::vector<uint16_t> kDefaultMags{10, 20, 40, 60, 100};

std::vector<StoredValue> NumberedEntries(const char* section, const char* format, int count,
                                         int first) {
    std::vector<StoredValue> values;
    for (int k = 1; k <= count; ++k) {
        char key[32];
        std::snprintf(key, sizeof key, format, k);
        values.push_back({section, key, Value{first + k - 1}});
    }
    return values;
}

template <typename... Lists>
std::vector<StoredValue> Join(Lists... lists) {
    std::vector<StoredValue> all;
    (all.insert(all.end(), lists.begin(), lists.end()), ...);
    return all;
}

class RestoreTest : public ::testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreTest, RestoresTheAxesFromTheProfile) {
    const RestoreCase& c = GetParam();
    ControllerHarness f;
    for (const StoredValue& value : c.stored) {
        f.profile.sections[value.section][value.key] = value.value;
    }
    f.dlg.RestoreSnapshotAxes();

    EXPECT_EQ(f.tab.filters, c.filters);
    EXPECT_EQ(f.tab.magnifications, c.magnifications);
    EXPECT_EQ(f.dlg.intensityAxis, c.axis);
    EXPECT_EQ(f.tab.intensityAxis, c.axis);
    // Every label up to and including the first empty one reaches the panel.
    std::vector<std::string> expectedCalls;
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
        expectedCalls.push_back(Call("tab.SetIntensityLabel", i, c.labels[i]));
        EXPECT_EQ(f.dlg.intensityLabels[i], c.labels[i]);
    }
    if (c.labels.size() < 10) {
        expectedCalls.push_back(Call("tab.SetIntensityLabel", c.labels.size(), ""));
    }
    EXPECT_EQ(f.log.Matching({"tab.SetIntensityLabel"}), expectedCalls);
}

const std::string kLongLabel(150, 'x');

INSTANTIATE_TEST_SUITE_P(
    StoredContents, RestoreTest,
    ::testing::Values(
        RestoreCase{"NothingStoredGivesTheDefaults", {}, kDefaultFilters, kDefaultMags, 10, {}},
        RestoreCase{"StoredListsAndIncrement",
                    Join(std::vector<StoredValue>{{"Filters", "NumFilters", Value{3}},
                                                  {"Magnifications", "NumMags", Value{2}},
                                                  {"Intensity", "Increment", Value{25}}},
                         // entries beyond the count are stale and not read
                         NumberedEntries("Filters", "Filter%dLabel", 6, 400),
                         NumberedEntries("Magnifications", "Mag%dLabel", 3, 4)),
                    {400, 401, 402},
                    {4, 5},
                    25,
                    {}},
        RestoreCase{"CountAboveTenTakesTheFirstTen",
                    Join(std::vector<StoredValue>{{"Filters", "NumFilters", Value{12}},
                                                  {"Magnifications", "NumMags", Value{300}}},
                         NumberedEntries("Filters", "Filter%dLabel", 12, 500),
                         NumberedEntries("Magnifications", "Mag%dLabel", 12, 1)),
                    {500, 501, 502, 503, 504, 505, 506, 507, 508, 509},
                    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                    10,
                    {}},
        RestoreCase{"MissingEntriesTakeTheirDefaultOrAreLeftOut",
                    {{"Filters", "NumFilters", Value{7}},
                     {"Filters", "Filter1Label", Value{405}},
                     {"Filters", "Filter6Label", Value{650}},
                     {"Magnifications", "NumMags", Value{8}},
                     {"Magnifications", "Mag7Label", Value{150}}},
                    {405, 480, 560, 580, 650},
                    {10, 20, 40, 60, 100, 150},
                    10,
                    {}},
        RestoreCase{"OutOfRangeEntriesCountAsMissing",
                    {{"Filters", "NumFilters", Value{6}},
                     {"Filters", "Filter1Label", Value{800}},
                     {"Filters", "Filter2Label", Value{319}},
                     {"Filters", "Filter3Label", Value{320}},
                     {"Filters", "Filter4Label", Value{750}},
                     {"Filters", "Filter5Label", Value{751}},
                     {"Filters", "Filter6Label", Value{0}},
                     {"Magnifications", "NumMags", Value{7}},
                     {"Magnifications", "Mag1Label", Value{0}},
                     {"Magnifications", "Mag2Label", Value{1001}},
                     {"Magnifications", "Mag6Label", Value{1000}},
                     {"Magnifications", "Mag7Label", Value{1}}},
                    {425, 480, 320, 750},
                    {10, 20, 40, 60, 100, 1000, 1},
                    10,
                    {}},
        // 65856 would wrap to 320, a valid wavelength; -1 would wrap to 65535 entries.
        RestoreCase{"ValuesNotFittingSixteenBitsCountAsMissing",
                    {{"Filters", "NumFilters", Value{-1}},
                     {"Filters", "Filter1Label", Value{65856}},
                     {"Filters", "Filter2Label", Value{-400}},
                     {"Magnifications", "NumMags", Value{65536 + 2}},
                     {"Intensity", "Increment", Value{65536 + 25}}},
                    kDefaultFilters,
                    kDefaultMags,
                    10,
                    {}},
        RestoreCase{"TextWhereANumberBelongsCountsAsMissing",
                    {{"Filters", "NumFilters", Value{std::string("three")}},
                     {"Filters", "Filter1Label", Value{std::string("405nm")}},
                     {"Magnifications", "NumMags", Value{std::string("2")}}},
                    kDefaultFilters,
                    {10, 20},
                    10,
                    {}},
        RestoreCase{"ZeroCountGivesAnEmptyList",
                    {{"Filters", "NumFilters", Value{0}}, {"Magnifications", "NumMags", Value{0}}},
                    {},
                    {},
                    10,
                    {}},
        RestoreCase{"IncrementZeroGivesTen",
                    {{"Intensity", "Increment", Value{0}}},
                    kDefaultFilters,
                    kDefaultMags,
                    10,
                    {}},
        RestoreCase{"IncrementAboveHundredGivesTen",
                    {{"Intensity", "Increment", Value{101}}},
                    kDefaultFilters,
                    kDefaultMags,
                    10,
                    {}},
        RestoreCase{"IncrementHundredIsKept",
                    {{"Intensity", "Increment", Value{100}}},
                    kDefaultFilters,
                    kDefaultMags,
                    100,
                    {}},
        RestoreCase{"StoredLabelsTakeOverWhateverTheIncrement",
                    {{"Intensity", "Increment", Value{25}},
                     {"Intensity", "Label1", Value{std::string("Low")}},
                     {"Intensity", "Label2", Value{std::string("High")}},
                     {"Intensity", "Label4", Value{std::string("Stale")}}},
                    kDefaultFilters,
                    kDefaultMags,
                    102,
                    {"Low", "High"}},
        RestoreCase{"LabelsOverAnInvalidIncrement",
                    {{"Intensity", "Increment", Value{0}},
                     {"Intensity", "Label1", Value{std::string("Only")}}},
                    kDefaultFilters,
                    kDefaultMags,
                    101,
                    {"Only"}},
        RestoreCase{"AnEmptyFirstLabelKeepsTheIncrement",
                    {{"Intensity", "Increment", Value{20}},
                     {"Intensity", "Label1", Value{std::string("")}},
                     {"Intensity", "Label2", Value{std::string("High")}}},
                    kDefaultFilters,
                    kDefaultMags,
                    20,
                    {}},
        RestoreCase{"TenLabels",
                    {{"Intensity", "Label1", Value{std::string("a")}},
                     {"Intensity", "Label2", Value{std::string("b")}},
                     {"Intensity", "Label3", Value{std::string("c")}},
                     {"Intensity", "Label4", Value{std::string("d")}},
                     {"Intensity", "Label5", Value{std::string("e")}},
                     {"Intensity", "Label6", Value{std::string("f")}},
                     {"Intensity", "Label7", Value{std::string("g")}},
                     {"Intensity", "Label8", Value{std::string("h")}},
                     {"Intensity", "Label9", Value{std::string("i")}},
                     {"Intensity", "Label10", Value{std::string("j")}},
                     {"Intensity", "Label11", Value{std::string("k")}}},
                    kDefaultFilters,
                    kDefaultMags,
                    110,
                    {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}},
        RestoreCase{"AnOverlongLabelIsCutToNinetyNineCharacters",
                    {{"Intensity", "Label1", Value{kLongLabel}}},
                    kDefaultFilters,
                    kDefaultMags,
                    101,
                    {kLongLabel.substr(0, 99)}}),
    [](const ::testing::TestParamInfo<RestoreCase>& info) { return std::string(info.param.name); });

TEST(RestoreOrderTest, PushesTheListsThenTheLabelsThenTheAxisWord) {
    ControllerHarness f;
    f.profile.sections["Intensity"]["Label1"] = std::string("Low");
    f.dlg.RestoreSnapshotAxes();
    EXPECT_EQ(f.log.Entries(),
              (std::vector<std::string>{"tab.SetFilterList(4,425 480 560 580)",
                                        "tab.SetMagnificationList(5,10 20 40 60 100)",
                                        "tab.SetIntensityLabel(0,Low)", "tab.SetIntensityLabel(1,)",
                                        "tab.SetIntensityAxis(101)"}));
}

TEST(IntensityAxisTest, RowsAndLevelsOfTheAxisWord) {
    struct Row {
        uint16_t axis;
        int rows;
        int lastLevel;
    };
    for (const Row& r : {Row{25, 5, 100}, Row{30, 4, 90}, Row{100, 2, 100}, Row{1, 101, 100},
                         Row{103, 3, 2}, Row{110, 10, 9}}) {
        SCOPED_TRACE(r.axis);
        EXPECT_EQ(IntensityRowCount(r.axis), r.rows);
        EXPECT_EQ(IntensityRowLevel(r.axis, r.rows - 1), r.lastLevel);
    }
    // Words no valid profile or editor produces still give a usable row count.
    EXPECT_EQ(IntensityRowCount(0), 0);
    EXPECT_EQ(IntensityRowCount(200), kMaxIntensityLabels);
}

}  // namespace
}  // namespace varden::testing
