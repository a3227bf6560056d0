// KOLVAR_ZOOM as a player may get it wrong. A value that is not a number (a
// word, a decimal comma, "nan") is said in one line and the table is fitted
// to the window; an empty one is no request at all; a number out of range
// takes the nearest zoom the game has, without a word. The cards are read off
// the screen by the generator's art at the zoom expected, so a table at any
// other zoom is not read at all.
#include "game_run.h"

namespace kolvar::e2e {
namespace {

struct ZoomValue {
    const char* name;
    const char* value;
    double zoom; // 0: fitted to the window
    bool said;
    QSize screen = {1280, 800};
};

std::ostream& operator<<(std::ostream& out, const ZoomValue& z)
{
    return out << "KOLVAR_ZOOM=\"" << z.value << '"';
}

struct ZoomValues : ::testing::TestWithParam<ZoomValue> {};

TEST_P(ZoomValues, TheTableTakesTheFittedOrTheNearestZoom)
{
    const ZoomValue& z = GetParam();
    XDisplay display(z.screen);
    ASSERT_TRUE(display.ok()) << "Xvfb did not start";
    GameRun game(&display, {{QString("KOLVAR_ZOOM=") + z.value}});
    PlayAndQuit(display, game,
                TableReader(KOLVAR_ASSETS, 1, z.zoom ? FixedZoom(z.zoom) : FittedZoom));
    const std::string said = z.said ? std::string("kolvar: KOLVAR_ZOOM=") + z.value +
                                          " is not a number (such as 1.5); the table is fitted to "
                                          "the window\n"
                                    : "";
    EXPECT_EQ(game.errors(), said);
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomValues,
                         ::testing::Values(ZoomValue{"Word", "big", 0, true},
                                           ZoomValue{"DecimalComma", "1,5", 0, true},
                                           ZoomValue{"NotANumber", "nan", 0, true},
                                           ZoomValue{"Empty", "", 0, false},
                                           ZoomValue{"Negative", "-3", 0.5, false},
                                           // The whole table at 4 needs a screen 4000 wide.
                                           ZoomValue{"Huge", "1e9", 4, false, {4096, 2800}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kolvar::e2e
