// The game's other windows on a real X display, read from the screen: the
// options window's orange boxes on light blue, the rules window filled with
// its text, and the message boxes with one button and no icon.
#include "box_pixels.h"
#include "drawn.h"
#include "game_test.h"
#include "table_reader.h"

#include <gtest/gtest.h>

namespace kolvar::e2e {
namespace {

using namespace kolvar::testing;

const QColor kLightBlue(192, 192, 255);
const QColor kOrange(255, 192, 128);

struct WindowsOnScreen : GameTest {
    void SetUp() override
    {
        GameTest::SetUp();
        game->focus();
    }

    // The first visible window with this title, once it is there.
    QString window(const QString& title) const
    {
        QString found;
        WaitFor(
            [&] {
                const QStringList ids = display->windows(title);
                found = ids.isEmpty() ? QString() : ids.first();
                return !found.isEmpty();
            },
            3000);
        return found;
    }
    QRect geometry(const QString& id) const
    {
        QRect r;
        for (const QString& line :
             display->run("xdotool", {"getwindowgeometry", "--shell", id}).split('\n')) {
            const int value = line.section('=', 1).toInt();
            if (line.startsWith("X="))
                r.moveLeft(value);
            else if (line.startsWith("Y="))
                r.moveTop(value);
            else if (line.startsWith("WIDTH="))
                r.setWidth(value);
            else if (line.startsWith("HEIGHT="))
                r.setHeight(value);
        }
        return r;
    }
    // The window as the screen shows it, once `looksRight` holds for it or
    // three seconds have passed.
    QImage shotOf(const QString& id,
                  const std::function<::testing::AssertionResult(const QImage&)>& looksRight)
    {
        QImage shot;
        WaitFor(
            [&] {
                shot = display->screenshot().copy(geometry(id));
                return bool(looksRight(shot));
            },
            3000, 100);
        return shot;
    }

    // Whether the screen shows something new within a second of `act`.
    bool changesTheScreen(const std::function<void()>& act) const
    {
        const QImage before = display->screenshot();
        act();
        return WaitFor([&] { return display->screenshot() != before; }, 1000);
    }
};

// A check box orange over its whole rectangle: nothing lighter than orange
// but the tick's square at its left, and the caption's ink on it.
::testing::AssertionResult orangeBox(const QImage& shot, QRect place)
{
    const QRegion tickSide(place.left(), place.top(), 20, place.height());
    const QRegion light = QRegion(place) - tickSide;
    if (auto r = EveryPixel(shot, light, IsPanelOrInk(kOrange), "orange or caption ink"); !r)
        return r;
    if (auto r = EveryPixel(shot, Edges(place) - tickSide, Is(kOrange), "orange"); !r)
        return r;
    const auto lighter = [](QRgb p) { return !IsPanelOrInk(kOrange)(p); };
    if (const int square = CountPixels(shot, tickSide, lighter); square > 16 * 16)
        return ::testing::AssertionFailure() << square << " pixels beside the caption not orange";
    if (const int bare = CountPixels(shot, place, Is(kOrange)); bare < 1500)
        return ::testing::AssertionFailure() << "only " << bare << " pixels are bare orange";
    return ::testing::AssertionSuccess();
}

// The orange panels whose bottom edge is the lowest orange row of the
// window, left to right: the computer's level, its two radio buttons.
std::vector<QRect> bottomPanels(const QImage& shot)
{
    int bottom = shot.height() - 1;
    while (bottom > 0 && CountPixels(shot, QRect(0, bottom, shot.width(), 1), Is(kOrange)) == 0)
        --bottom;
    std::vector<QRect> panels;
    for (int x = 0; x < shot.width(); ++x) {
        if (!Is(kOrange)(shot.pixel(x, bottom)) ||
            (x > 0 && Is(kOrange)(shot.pixel(x - 1, bottom))))
            continue;
        int right = x, top = bottom;
        while (right + 1 < shot.width() && Is(kOrange)(shot.pixel(right + 1, bottom)))
            ++right;
        while (top > 0 && Is(kOrange)(shot.pixel(right, top - 1)))
            --top;
        panels.push_back(QRect(QPoint(x, top), QPoint(right, bottom)));
    }
    return panels;
}

// The two boxes where they have always stood; below them the caption of the
// computer's level and its two radio buttons, orange like the boxes; the
// light blue margin all round.
::testing::AssertionResult optionsLook(const QImage& shot)
{
    const QRect boxes[2] = {{24, 24, 105, 25}, {24, 64, 105, 25}};
    const std::vector<QRect> radios = bottomPanels(shot);
    if (radios.size() != 2 || radios[0].top() <= boxes[1].bottom() + 20)
        return ::testing::AssertionFailure() << radios.size() << " radio buttons below the boxes";
    const QRect caption(QPoint(24, boxes[1].bottom() + 1),
                        QPoint(shot.width() - 25, radios[0].top() - 1));
    QRegion blue = QRegion(shot.rect()) - boxes[0] - boxes[1] - radios[0] - radios[1] - caption;
    for (auto r : {EveryPixel(shot, blue, Is(kLightBlue), "the window's light blue"),
                   EveryPixel(shot, caption, IsPanelOrInk(kLightBlue), "the caption on light blue"),
                   orangeBox(shot, boxes[0]), orangeBox(shot, boxes[1]), orangeBox(shot, radios[0]),
                   orangeBox(shot, radios[1])})
        if (!r)
            return r;
    if (CountPixels(shot, caption, IsDark) < 40)
        return ::testing::AssertionFailure() << "no caption above the radio buttons";
    if (shot.height() - 1 - radios[0].bottom() != 24 || shot.width() - 1 - radios[1].right() < 24)
        return ::testing::AssertionFailure() << "no margin below or right of the radio buttons";
    return ::testing::AssertionSuccess();
}

TEST_F(WindowsOnScreen, TheOptionsWindowShowsItsButtonsInTheTablesOrangeOnLightBlue)
{
    display->key("F3");
    const QString id = window("^Optiuni$");
    ASSERT_FALSE(id.isEmpty()) << "F3 opened no options window";
    const QImage shot = shotOf(id, optionsLook);
    const ::testing::AssertionResult looks = optionsLook(shot);
    if (!looks)
        shot.save("/tmp/e2e-options-window.png"); // to see what was shown instead
    EXPECT_TRUE(looks);
}

// The rules window: the text box's frame along the window's edges, lines of
// text, the last clear of the bottom, and no scroll bar.
::testing::AssertionResult rulesLook(const QImage& shot)
{
    if (shot.size() != QSize(384, 317))
        return ::testing::AssertionFailure() << "the window is not 384 x 317";
    const QRgb frame = shot.pixel(0, 0);
    if (auto r = EveryPixel(shot, Edges(shot.rect()), Is(frame), "the frame"); !r)
        return r;
    const QRect inside = shot.rect().adjusted(1, 1, -1, -1);
    if (auto r = EveryPixel(shot, Edges(inside), Is(Qt::white), "the text box's white"); !r)
        return r;
    const std::vector<InkBand> lines = InkBands(shot, inside, IsDark);
    if (lines.size() < 8 || lines.back().bottom > 317 - 8)
        return ::testing::AssertionFailure() << lines.size() << " lines of text";
    return ::testing::AssertionSuccess();
}

TEST_F(WindowsOnScreen, TheRulesWindowIsFilledWithTheWholeText)
{
    display->key("F1");
    const QString id = window("^Reguli de joc$");
    ASSERT_FALSE(id.isEmpty()) << "F1 opened no rules window";
    const QImage shot = shotOf(id, rulesLook);
    EXPECT_TRUE(rulesLook(shot));
}

// A message box with one button, in its lowest row, and no icon above it.
::testing::AssertionResult plainBox(const QImage& shot)
{
    const BoxPixels box = ReadBox(shot);
    if (box.buttons.size() != 1)
        return ::testing::AssertionFailure() << box.buttons.size() << " buttons";
    if (box.iconShown)
        return ::testing::AssertionFailure() << "an icon shows";
    return ::testing::AssertionSuccess();
}

// Reads the box with this title and clicks its button where it is drawn.
void expectPlainBoxClosedByItsButton(WindowsOnScreen& test, const QString& title)
{
    const QString id = test.window(title);
    ASSERT_FALSE(id.isEmpty()) << "no box titled " << title.toStdString();
    const QImage shot = test.shotOf(id, plainBox);
    ASSERT_TRUE(plainBox(shot)) << title.toStdString();
    test.display->click(test.geometry(id).topLeft() + ReadBox(shot).buttons.front().center());
    EXPECT_TRUE(WaitFor([&] { return test.display->windows(title).isEmpty(); }, 3000))
        << "the button did not close " << title.toStdString();
}

TEST_F(WindowsOnScreen, TheReminderToPickASuitHasOneButtonAndNoIcon)
{
    TableReader reader(KOLVAR_ASSETS);
    const QRect client = display->clientGeometry(game->window());
    ASSERT_TRUE(WaitFor([&] { return reader.locate(display->screenshot(), client); }, 5000));
    display->key("F2");
    ASSERT_TRUE(WaitFor([&] { return reader.read(display->screenshot()).hand.size() == 5; }, 5000));
    display->click(reader.handCard(0)); // no suit named yet
    expectPlainBoxClosedByItsButton(*this, "^Kolvar$");
}

TEST_F(WindowsOnScreen, TheAboutBoxHasOneButtonAndNoIcon)
{
    // "File" at the menu bar's left end, then "Help", whose first item is
    // "Despre".
    ASSERT_TRUE(changesTheScreen([&] { display->click({12, 9}); }));
    ASSERT_TRUE(changesTheScreen([&] { display->key("Right"); }));
    display->key("Return");
    expectPlainBoxClosedByItsButton(*this, "^Kolvar v.01$");
}

} // namespace
} // namespace kolvar::e2e
