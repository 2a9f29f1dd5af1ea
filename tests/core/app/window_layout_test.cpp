#include "core/app/window_layout.h"

#include <gtest/gtest.h>

#include "core/app/bitmap_canvas.h"
#include "core/app/command_ids.h"
#include "core/source/ov_properties.h"
#include "support/controller_fixture.h"

namespace varden::testing {
namespace {

// ---- The layout as a function of the section flags ----

TEST(WindowLayoutTest, FourLayouts) {
    struct Case {
        bool tabs;
        bool source;
        int captionExtra;
        WindowLayout expected;
    };
    const Case cases[] = {
        {true, true, 0, {340, {376, 372}, 203, 212, true, true, {0, 347, 376, 372}}},
        {true, false, 0, {234, {376, 266}, 203, 212, true, false, {}}},
        {false, true, 0, {149, {376, 181}, 11, 20, false, true, {0, 156, 376, 181}}},
        {false, false, 0, {42, {376, 74}, 11, 20, false, false, {}}},
        // A taller caption and menu bar make the window taller; nothing inside it moves.
        {true, true, 4, {340, {376, 376}, 203, 212, true, true, {0, 347, 376, 372}}},
        {false, false, 4, {42, {376, 78}, 11, 20, false, false, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tabs " << c.tabs << " source " << c.source
                                          << " captionExtra " << c.captionExtra);
        EXPECT_EQ(LayoutFor(c.tabs, c.source, c.captionExtra, 370), c.expected);
    }
}

// ---- Which header button a click hits ----

TEST(HeaderClickTest, InclusiveRangesOnBothBars) {
    struct Case {
        bool tabs;
        bool source;
        int x;
        int y;
        HeaderClick expected;
    };
    const Case cases[] = {
        // Upper bar, both sections shown: only its collapse button does something.
        {true, true, 350, 5, HeaderClick::HideTabs},
        {true, true, 346, 0, HeaderClick::HideTabs},
        {true, true, 360, 10, HeaderClick::HideTabs},
        {true, true, 345, 5, HeaderClick::None},  // expand range: the tabs are already shown
        {true, true, 361, 5, HeaderClick::None},
        {true, true, 350, 11, HeaderClick::None},
        // Lower bar below the tabs at y 203 to 213.
        {true, true, 350, 205, HeaderClick::HideSource},
        {true, true, 346, 203, HeaderClick::HideSource},
        {true, true, 360, 213, HeaderClick::HideSource},
        {true, true, 350, 202, HeaderClick::None},
        {true, true, 350, 214, HeaderClick::None},
        {true, true, 361, 205, HeaderClick::None},
        {true, false, 335, 205, HeaderClick::ShowSource},
        {true, false, 330, 213, HeaderClick::ShowSource},
        {true, false, 345, 203, HeaderClick::ShowSource},
        {true, false, 329, 205, HeaderClick::None},
        {true, false, 346, 205, HeaderClick::None},  // collapse range: the source is hidden
        // With the tabs shown nothing lies at y 11 to 21.
        {true, false, 335, 15, HeaderClick::None},
        {true, true, 350, 15, HeaderClick::None},
        // Tabs hidden: the lower bar moves up to y 11 to 21.
        {false, true, 335, 5, HeaderClick::ShowTabs},
        {false, true, 345, 10, HeaderClick::ShowTabs},
        {false, true, 346, 5, HeaderClick::None},
        {false, true, 350, 15, HeaderClick::HideSource},
        {false, true, 350, 21, HeaderClick::HideSource},
        {false, true, 350, 22, HeaderClick::None},
        {false, true, 350, 205, HeaderClick::None},
        {false, false, 335, 11, HeaderClick::ShowSource},
        {false, false, 335, 0, HeaderClick::ShowTabs},
        {false, false, 350, 5, HeaderClick::None},
        {false, false, 350, 15, HeaderClick::None},
        // Left of the buttons, on the bar itself.
        {true, true, 100, 5, HeaderClick::None},
        {false, false, 100, 15, HeaderClick::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tabs " << c.tabs << " source " << c.source << " at ("
                                          << c.x << "," << c.y << ")");
        EXPECT_EQ(HeaderClickAt(c.x, c.y, c.tabs, c.source), c.expected);
    }
}

// ---- The controller applying clicks to the window ----

class WindowLayoutControllerTest : public ControllerFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        log.Clear();
    }

    Size WindowSize() { return {shell.windowRect.Width(), shell.windowRect.Height()}; }
    bool Visible(ChildWindow child) {
        auto found = shell.childVisible.find(child);
        return found == shell.childVisible.end() || found->second;
    }
    int ButtonPanelTop() { return shell.childRects[ChildWindow::ButtonPanel].top; }
};

TEST_F(WindowLayoutControllerTest, StartsWithBothSectionsShown) {
    EXPECT_EQ(WindowSize(), (Size{376, 372}));
    EXPECT_TRUE(dlg.tabSectionShown && dlg.sourceSectionShown);
    EXPECT_EQ(dlg.contentHeight, 340);
    EXPECT_EQ(dlg.backgroundWidth, 370);
}

TEST_F(WindowLayoutControllerTest, EveryTransitionTakesTheLayoutOfItsNewState) {
    struct Case {
        bool tabs;
        bool source;
        int x;
        int y;
        bool tabsAfter;
        bool sourceAfter;
    };
    const Case cases[] = {
        {true, true, 350, 205, true, false},  {true, true, 350, 5, false, true},
        {true, false, 335, 205, true, true},  {true, false, 350, 5, false, false},
        {false, true, 350, 15, false, false}, {false, true, 335, 5, true, true},
        {false, false, 335, 15, false, true}, {false, false, 335, 5, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tabs " << c.tabs << " source " << c.source
                                          << " click (" << c.x << "," << c.y << ")");
        dlg.tabSectionShown = c.tabs;
        dlg.sourceSectionShown = c.source;
        shell.childVisible[ChildWindow::TabPanel] = c.tabs;
        shell.childRects[ChildWindow::ButtonPanel].top = -1;
        dlg.OnLButtonDown(c.x, c.y);

        const WindowLayout expected = LayoutFor(c.tabsAfter, c.sourceAfter, 0, 370);
        EXPECT_EQ(dlg.tabSectionShown, c.tabsAfter);
        EXPECT_EQ(dlg.sourceSectionShown, c.sourceAfter);
        EXPECT_EQ(dlg.contentHeight, expected.contentHeight);
        EXPECT_EQ(WindowSize(), expected.window);
        EXPECT_EQ(Visible(ChildWindow::TabPanel), c.tabsAfter);
        EXPECT_EQ(Visible(ChildWindow::StatusBar), c.sourceAfter);
        if (c.tabs != c.tabsAfter) {
            EXPECT_EQ(ButtonPanelTop(), expected.buttonPanelTop);
        } else {
            EXPECT_EQ(ButtonPanelTop(), -1) << "the button panel moves only with the tabs";
        }
        if (c.sourceAfter) {
            EXPECT_EQ(dlg.statusBarRect, expected.statusBarRect);
        }
    }
}

TEST_F(WindowLayoutControllerTest, CollapsingTheTabsResizesMovesThenRepaints) {
    dlg.OnLButtonDown(350, 5);
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"shell.SetWindowSize(376,181)",
                                        "shell.MoveChild(ButtonPanel,0 20 370 101,1)",
                                        "shell.ShowChild(TabPanel,0)", "shell.RepaintBackground()",
                                        "shell.ShowChild(StatusBar,1)"}));
    EXPECT_EQ(dlg.statusBarRect, (Rect{0, 156, 376, 181}));

    log.Clear();
    dlg.OnLButtonDown(335, 5);
    EXPECT_EQ(WindowSize(), (Size{376, 372}));
    EXPECT_TRUE(Visible(ChildWindow::TabPanel));
    EXPECT_EQ(ButtonPanelTop(), 212);
}

TEST_F(WindowLayoutControllerTest, ClicksOffTheButtonsOnlyReassertTheStatusBar) {
    for (auto [x, y] : {std::pair{345, 5}, {361, 5}, {361, 205}, {350, 214}, {335, 15}, {5, 5}}) {
        dlg.OnLButtonDown(x, y);
    }
    EXPECT_EQ(log.Without({"shell.ShowChild(StatusBar,1)"}), std::vector<std::string>{});
    EXPECT_TRUE(dlg.tabSectionShown && dlg.sourceSectionShown);
    EXPECT_EQ(WindowSize(), (Size{376, 372}));
}

TEST_F(WindowLayoutControllerTest, RoundTripEndsWithTheStatusBarAlongTheBottom) {
    dlg.OnLButtonDown(350, 5);   // collapse the tabs
    dlg.OnLButtonDown(350, 15);  // collapse the source
    EXPECT_EQ(WindowSize(), (Size{376, 74}));
    EXPECT_FALSE(Visible(ChildWindow::StatusBar));
    dlg.OnLButtonDown(335, 5);    // expand the tabs
    dlg.OnLButtonDown(335, 205);  // expand the source
    EXPECT_EQ(WindowSize(), (Size{376, 372}));
    EXPECT_TRUE(Visible(ChildWindow::StatusBar));
    EXPECT_TRUE(Visible(ChildWindow::TabPanel));
    EXPECT_EQ(ButtonPanelTop(), 212);
    EXPECT_EQ(dlg.statusBarRect, (Rect{0, 347, 376, 372}));
}

TEST(WindowLayoutCaptionTest, TallerCaptionKeepsItsExtraAndTheFirstChangeMovesThePanelToTheTable) {
    ControllerHarness f;
    f.shell.captionHeight = 30;  // caption and menu 50 high: 4 more than designed
    f.dlg.OnInitDialog();
    EXPECT_EQ(f.shell.childRects[ChildWindow::ButtonPanel].top, 216);
    f.dlg.OnLButtonDown(350, 5);
    EXPECT_EQ(f.shell.windowRect.Height(), 185);
    f.dlg.OnLButtonDown(335, 5);
    EXPECT_EQ(f.shell.windowRect.Height(), 376);
    EXPECT_EQ(f.shell.childRects[ChildWindow::ButtonPanel].top, 212);
}

// ---- Background drawing ----

// Records what the background drawing puts on the window.
class RecordingCanvas : public BitmapCanvas {
  public:
    bool FillBackground() override {
        draws.push_back("fill");
        return fillResult;
    }
    void DrawBitmap(int resourceId, int x, int y) override {
        draws.push_back(Call("draw", resourceId, x, y));
    }

    bool fillResult = true;
    std::vector<std::string> draws;
};

using BackgroundTest = WindowLayoutControllerTest;

TEST_F(BackgroundTest, DrawsPictureBarsAndButtonsInOrder) {
    RecordingCanvas canvas;
    EXPECT_TRUE(dlg.OnEraseBackground(canvas));
    EXPECT_EQ(canvas.draws,
              (std::vector<std::string>{"fill", "draw(129,0,10)", "draw(131,0,203)",
                                        "draw(131,0,0)", "draw(133,345,203)", "draw(133,345,0)",
                                        "draw(132,330,203)", "draw(132,330,0)"}));
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"shell.MoveChild(StatusBar,0 347 376 372,0)"}));
}

TEST_F(BackgroundTest, TabsHiddenLeavesOutThePictureAndRaisesTheLowerBar) {
    dlg.tabSectionShown = false;
    RecordingCanvas canvas;
    dlg.OnEraseBackground(canvas);
    EXPECT_EQ(canvas.draws, (std::vector<std::string>{"fill", "draw(131,0,11)", "draw(131,0,0)",
                                                      "draw(133,345,11)", "draw(133,345,0)",
                                                      "draw(132,330,11)", "draw(132,330,0)"}));
}

TEST_F(BackgroundTest, OffsetCentresOnTheClientAreaAndMayBeNegative) {
    for (auto [clientWidth, x0] : {std::pair{366, -2}, {365, -2}, {374, 2}}) {
        shell.windowRect.right = clientWidth + 6;
        RecordingCanvas canvas;
        dlg.OnEraseBackground(canvas);
        ASSERT_EQ(canvas.draws.size(), 8u);
        EXPECT_EQ(canvas.draws[1], Call("draw", 129, x0, 10));
        EXPECT_EQ(canvas.draws[7], Call("draw", 132, x0 + 330, 0));
    }
}

TEST_F(BackgroundTest, ReturnsWhatTheDefaultEraseReturned) {
    RecordingCanvas canvas;
    canvas.fillResult = false;
    EXPECT_FALSE(dlg.OnEraseBackground(canvas));
}

TEST_F(BackgroundTest, MissingSmallBitmapOnlySkipsItsCopies) {
    dlg.expandBitmap.reset();
    RecordingCanvas canvas;
    dlg.OnEraseBackground(canvas);
    EXPECT_EQ(canvas.draws,
              (std::vector<std::string>{"fill", "draw(129,0,10)", "draw(131,0,203)",
                                        "draw(131,0,0)", "draw(133,345,203)", "draw(133,345,0)"}));
}

TEST_F(BackgroundTest, NothingIsDrawnUntilAllThreeLibrariesAreBound) {
    dlg.ledBound = false;
    RecordingCanvas canvas;
    EXPECT_FALSE(dlg.OnEraseBackground(canvas));
    EXPECT_TRUE(canvas.draws.empty());
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(BackgroundTest, SizeChangeRedrawsEverything) {
    dlg.OnSize();
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"shell.InvalidateAll()"}));
}

// Without the background picture the window never changes size and draws nothing, but the
// sections still collapse and expand.
TEST(MissingBackgroundTest, SectionsStillToggleButTheWindowKeepsItsSize) {
    ControllerHarness f;
    f.shell.bitmaps.erase(kBitmapBackground);
    ASSERT_TRUE(f.Start());
    EXPECT_FALSE(f.dlg.backgroundBitmap);
    f.log.Clear();

    RecordingCanvas canvas;
    EXPECT_TRUE(f.dlg.OnEraseBackground(canvas));
    EXPECT_EQ(canvas.draws, std::vector<std::string>{"fill"});
    f.dlg.OnSize();

    f.dlg.OnLButtonDown(350, 5);
    f.dlg.OnLButtonDown(350, 15);
    EXPECT_FALSE(f.dlg.tabSectionShown);
    EXPECT_FALSE(f.dlg.sourceSectionShown);
    EXPECT_EQ(f.log.Matching({"shell.SetWindowSize", "shell.InvalidateAll"}),
              std::vector<std::string>{});
    EXPECT_EQ(f.shell.windowRect.Height(), 372);
    EXPECT_EQ(f.shell.childRects[ChildWindow::ButtonPanel].top, 20);
    EXPECT_FALSE(f.shell.childVisible[ChildWindow::TabPanel]);
    EXPECT_FALSE(f.shell.childVisible[ChildWindow::StatusBar]);
}

// ---- About box and light-source properties ----

TEST_F(WindowLayoutControllerTest, SystemAndMenuCommandsOpenAboutAndProperties) {
    struct Case {
        bool menu;
        int id;
        bool handled;
        std::vector<std::string> calls;
    };
    const std::vector<std::string> about{"shell.RunModal(CAboutDlg)"};
    const std::vector<std::string> properties{"lamp.GetInformation(0)",
                                              "shell.RunModal(OVProperties)"};
    const Case cases[] = {
        {true, kCmdAbout, true, about}, {false, 0x10, true, about},      {false, 0x13, true, about},
        {false, 0x1F, true, about},     {false, 0x30, true, properties}, {false, 0x20, false, {}},
        {false, 0x33, false, {}},       {false, 0xF020, false, {}},  // minimise: left to the window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        log.Clear();
        if (c.menu) {
            dlg.OnMenuCommand(c.id);
        } else {
            EXPECT_EQ(dlg.OnSysCommand(c.id), c.handled);
        }
        EXPECT_EQ(log.Matching({"shell.RunModal", "lamp.GetInformation"}), c.calls);
    }
}

TEST_F(WindowLayoutControllerTest, PropertiesShowWhatTheLampLibraryFilledIn) {
    fake.lamp.Attach(2);
    fake.lamp[2].info.errorPackets = 4711;
    dlg.lampDevice = 2;
    unsigned shown = 0;
    shell.QueueDialog<OVProperties>([&](OVProperties& dialog) {
        shown = dialog.m_info.errorPackets;
        return DialogResult::Ok;
    });
    dlg.OnSysCommand(kSysCmdProperties);
    EXPECT_TRUE(log.Contains("lamp.GetInformation(2)"));
    EXPECT_EQ(shown, 4711u);
}

}  // namespace
}  // namespace varden::testing
