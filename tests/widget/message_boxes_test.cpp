// The game's message boxes as the player sees them: the reminder to pick a
// suit, the won and lost messages and the About box, each with its title,
// one OK button that closes it, and no icon. The boxes are read from their
// pixels while they are open.
#include "box_pixels.h"
#include "game/end_game.h"
#include "human/table_click.h"
#include "platform/system.h"
#include "table_text.h"
#include "ui/about.h"
#include "view/form1.h"
#include "window_test.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace kolvar::testing {
namespace {

// A message box as it was drawn and read.
struct SeenBox : BoxPixels {
    QString title;
    QString text;
    QImage shot;
    bool closedByTheButton = false;
};

void read(QMessageBox& box, SeenBox& seen)
{
    seen.title = box.windowTitle();
    seen.text = box.text();
    seen.shot = Drawn(box);
    static_cast<BoxPixels&>(seen) = ReadBox(seen.shot);
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

// The box has its title, one button reading OK that closes it, and no icon.
void expectPlainBox(const SeenBox& seen, std::string_view title, std::string_view text)
{
    ASSERT_FALSE(seen.shot.isNull()) << "no message box opened";
    EXPECT_EQ(seen.title.toStdString(), title);
    EXPECT_EQ(seen.text.toStdString(), text);
    EXPECT_EQ(seen.buttons.size(), 1u);
    EXPECT_FALSE(seen.iconShown);
    const QSize ok = InkOf("OK", QApplication::font("QPushButton"));
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
    EXPECT_NE(close.captionInk, InkOf("OK", QApplication::font("QPushButton")));
}

// The window's own message boxes, as the player sees them.
struct MessageBoxes : WindowTest {
    MessageBoxes() { w.probe().presentMessage = nullptr; }
};

TEST_F(MessageBoxes, TheReminderToPickASuit)
{
    w.JocNou_Click(); // the human opens, with no suit named yet
    const SeenBox seen = seeBox([&] { clickCard(0); });
    expectPlainBox(seen, "Kolvar", "Selectati o culoare");
}

TEST_F(MessageBoxes, TheWonMessage)
{
    play("human=Kd computer=9c top=Qd raised=d");
    const SeenBox seen = seeBox([&] { clickCard(0); });
    expectPlainBox(seen, "Kolvar Americana", "Felicitari, ati castigat! Sunteti un norocos!!!!!");
}

TEST_F(MessageBoxes, TheLostMessage)
{
    play("human=8c,9h computer=Kd top=Qd turn=computer raised=d");
    const SeenBox seen = seeBox([&] { computerMoves(); });
    expectPlainBox(seen, "Kolvar Americana", "Imi pare rau!. Ati pierdut, mai studiati!");
    EXPECT_EQ(w.probe().table.ComputerCount, 0);
}

TEST_F(MessageBoxes, TheAboutBox)
{
    const SeenBox seen = seeBox([&] { w.Despre_Click(); });
    expectPlainBox(seen, "Kolvar v.01",
                   "Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, "
                   "e-mail: kolvar@example.org");
}

} // namespace
} // namespace kolvar::testing
