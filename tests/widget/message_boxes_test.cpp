// The game's message boxes as the player sees them: the reminder to pick a
// suit, the won and lost messages and the About box, each with its title,
// one OK button that closes it, and no icon. The boxes are read from their
// pixels while they are open.
#include "drawn.h"
#include "game/end_game.h"
#include "human/table_click.h"
#include "platform/system.h"
#include "table_text.h"
#include "ui/about.h"
#include "view/form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>

namespace kolvar::testing {
namespace {

// A message box as it was drawn, and the buttons found in its pixels.
struct SeenBox {
    QString title;
    QString text;
    QImage shot;
    std::vector<QRect> buttons;
    bool iconShown = false;
    QSize captionInk; // the ink of the first button's caption
    bool closedByTheButton = false;
};

// The buttons stand in the box's lowest row of things drawn; each is a run
// of columns with something drawn on the box's background.
std::vector<QRect> buttonsIn(const QImage& shot, QRgb background)
{
    const auto drawn = [background](QRgb p) { return p != background; };
    const std::vector<InkBand> rows = InkBands(shot, shot.rect(), drawn);
    if (rows.empty())
        return {};
    const InkBand& row = rows.back();
    std::vector<QRect> buttons;
    bool inButton = false;
    for (int x = 0; x < shot.width(); ++x) {
        const bool any = CountPixels(shot, QRect(x, row.top, 1, row.bottom - row.top + 1), drawn);
        if (any && !inButton)
            buttons.push_back(QRect(x, row.top, 1, row.bottom - row.top + 1));
        else if (any)
            buttons.back().setRight(x);
        inButton = any;
    }
    return buttons;
}

// Reads the box while it is open: an icon would show in colour above the
// buttons, where the text is grey.
void read(QMessageBox& box, SeenBox& seen)
{
    seen.title = box.windowTitle();
    seen.text = box.text();
    seen.shot = Drawn(box);
    const QRgb background = seen.shot.pixel(0, 0);
    seen.buttons = buttonsIn(seen.shot, background);
    if (seen.buttons.empty())
        return;
    const QRect above(0, 0, seen.shot.width(), seen.buttons.front().top());
    seen.iconShown = CountPixels(seen.shot, above, [](QRgb p) { return !IsGrey(p); }) > 0;
    const std::vector<InkBand> caption =
        InkBands(seen.shot, seen.buttons.front().adjusted(3, 3, -3, -3), IsDark);
    if (caption.size() == 1)
        seen.captionInk = {caption[0].right - caption[0].left + 1,
                           caption[0].bottom - caption[0].top + 1};
}

// Runs `open`, which returns once its message box has closed. While the box
// is open it is read, and its first button is clicked where the pixels show
// it.
SeenBox seeBox(const std::function<void()>& open)
{
    SeenBox seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
        read(*box, seen);
        if (!seen.buttons.empty()) {
            const QPoint at = seen.buttons.front().center();
            QWidget* target = box->childAt(at);
            QTest::mouseClick(target ? target : box, Qt::LeftButton, {},
                              target ? target->mapFrom(box, at) : at);
            seen.closedByTheButton = !box->isVisible();
        }
        if (box->isVisible())
            box->done(0); // never leave the test waiting on an open box
    });
    poll.start();
    open();
    return seen;
}

// The size of the ink of a caption drawn in `font`, read as a button's is.
QSize inkOf(const QString& caption, const QFont& font)
{
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(20, 50, caption);
    painter.end();
    const std::vector<InkBand> ink = InkBands(image, image.rect(), IsDark);
    return ink.size() == 1 ? QSize(ink[0].right - ink[0].left + 1, ink[0].bottom - ink[0].top + 1)
                           : QSize();
}

// The box has its title, one button reading OK that closes it, and no icon.
void expectPlainBox(const SeenBox& seen, std::string_view title, std::string_view text)
{
    ASSERT_FALSE(seen.shot.isNull()) << "no message box opened";
    EXPECT_EQ(seen.title.toStdString(), title);
    EXPECT_EQ(seen.text.toStdString(), text);
    EXPECT_EQ(seen.buttons.size(), 1u);
    EXPECT_FALSE(seen.iconShown);
    const QSize ok = inkOf("OK", QApplication::font("QPushButton"));
    EXPECT_NEAR(seen.captionInk.width(), ok.width(), 1);
    EXPECT_NEAR(seen.captionInk.height(), ok.height(), 1);
    EXPECT_TRUE(seen.closedByTheButton);
}

TEST(MessageBoxReading, TellsAnIconASecondButtonAndAnotherCaptionFromAPlainBox)
{
    // The reading itself, on boxes that have what the game's must not.
    const SeenBox withIcon = seeBox([] {
        QMessageBox(QMessageBox::Information, "Kolvar", "Selectati o culoare", QMessageBox::Ok)
            .exec();
    });
    EXPECT_TRUE(withIcon.iconShown);
    EXPECT_EQ(withIcon.buttons.size(), 1u);
    const SeenBox twoButtons = seeBox([] {
        QMessageBox(QMessageBox::NoIcon, "Kolvar", "Selectati o culoare",
                    QMessageBox::Ok | QMessageBox::Cancel)
            .exec();
    });
    EXPECT_FALSE(twoButtons.iconShown);
    EXPECT_EQ(twoButtons.buttons.size(), 2u);
    const SeenBox close = seeBox([] {
        QMessageBox(QMessageBox::NoIcon, "Kolvar", "Selectati o culoare", QMessageBox::Close)
            .exec();
    });
    EXPECT_EQ(close.buttons.size(), 1u);
    EXPECT_NE(close.captionInk, inkOf("OK", QApplication::font("QPushButton")));
}

struct MessageBoxes : ::testing::Test {
    MessageBoxes()
    {
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    void set(std::string_view line, int raisedSuit)
    {
        std::string error;
        ASSERT_TRUE(ParseTable(line, w.table(), error)) << error;
        w.SetSuitLook(raisedSuit, kRaised);
    }
    void clickHand(int i)
    {
        w.Form_MouseDown(Qt::LeftButton, {}, HumanCardX(w.table(), i), HumanCardY(w.table(), i));
    }

    Form1 w;
};

TEST_F(MessageBoxes, TheReminderToPickASuit)
{
    w.JocNou_Click(); // the human opens, with no suit named yet
    const SeenBox seen = seeBox([&] { clickHand(0); });
    expectPlainBox(seen, kPickSuitTitle, kPickSuitText);
}

TEST_F(MessageBoxes, TheWonMessage)
{
    set("human=Kd computer=9c top=Qd", kDiamonds);
    const SeenBox seen = seeBox([&] { clickHand(0); });
    expectPlainBox(seen, kEndTitle, kWinText);
}

TEST_F(MessageBoxes, TheLostMessage)
{
    set("human=8c,9h computer=Kd top=Qd turn=computer", kDiamonds);
    w.table().LastMoveTick = GetTickCount() - 5000;
    const SeenBox seen = seeBox([&] { w.Timer1_Timer(); });
    expectPlainBox(seen, kEndTitle, kLossText);
    EXPECT_EQ(w.table().ComputerCount, 0);
}

TEST_F(MessageBoxes, TheAboutBox)
{
    const SeenBox seen = seeBox([&] { w.Despre_Click(); });
    expectPlainBox(seen, kAboutTitle, kAboutText);
}

} // namespace
} // namespace kolvar::testing
