// The menu items through a game: which are available when, what their keys
// open, and the windows they open.
#include "drawn.h"
#include "platform/picture_box.h"
#include "table_text.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "view/form1.h"
#include "window_test.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace kolvar::testing {
namespace {

struct Menus : WindowTest {
    Menus() { EXPECT_TRUE(QTest::qWaitForWindowActive(&w)); }
    // The items that the opened menus show in ink rather than greyed out.
    QStringList enabled()
    {
        QStringList on;
        for (const char* name : {"File", "Help"}) {
            auto* menu = w.findChild<QMenu*>(name);
            menu->popup(w.mapToGlobal(QPoint(0, 0)));
            EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
            const QImage shot = Drawn(*menu);
            for (QAction* a : menu->actions())
                if (CountPixels(shot, menu->actionGeometry(a), IsDark) > 0)
                    on << a->objectName();
            menu->hide();
        }
        return on;
    }
    // Ends the game in progress with the human laying his last card.
    void winTheGame()
    {
        play("human=Kd computer=9c top=Qd raised=d");
        clickCard(0);
    }
};

const QStringList kAll{"JocNou", "Optiuni", "Exit", "Despre", "ReguliDeJoc"};
const QStringList kDuringAGame{"JocNou", "Exit", "Despre", "ReguliDeJoc"};

TEST_F(Menus, OptionsAreLockedFromTheDealToTheEndOfTheGame)
{
    EXPECT_EQ(enabled(), kAll);
    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(w.probe().table.HumanCount, 5);
    EXPECT_EQ(enabled(), kDuringAGame);

    QTest::keyClick(&w, Qt::Key_F3);
    EXPECT_EQ(w.probe().optionsWindow, nullptr);

    QTest::keyClick(&w, Qt::Key_F2); // a fresh deal mid-game keeps them locked
    EXPECT_EQ(enabled(), kDuringAGame);

    winTheGame();
    EXPECT_EQ(messages, QStringList{"Kolvar Americana: Felicitari, ati castigat! Sunteti un "
                                    "norocos!!!!!"});
    EXPECT_EQ(enabled(), kAll);
    QTest::keyClick(&w, Qt::Key_F3);
    ASSERT_NE(w.probe().optionsWindow, nullptr);
    EXPECT_TRUE(w.probe().optionsWindow->isVisible());
}

// The computer's level chosen in the options window plays from the next deal
// on. On this table the expert lays its ace, which keeps the turn, and then
// its last card; the classic ladder follows suit with the nine first.
TEST_F(Menus, TheLevelChosenInTheOptionsPlaysFromTheNextDeal)
{
    const std::string line = "human=Kd,Qd,8c,9c,Tc computer=9h,Ah top=Kh prev=Qh raised=h "
                             "turn=computer";
    auto playAtTheDealtLevel = [&] {
        const bool expert = w.probe().table.Level == ComputerLevel::Expert;
        play(line + (expert ? " level=expert" : ""));
    };
    const QString loss = "Kolvar Americana: Imi pare rau!. Ati pierdut, mai studiati!";

    QTest::keyClick(&w, Qt::Key_F2);
    playAtTheDealtLevel();
    computerMoves();
    EXPECT_EQ(FormatCard(w.probe().table.topCard()), "9h");
    EXPECT_FALSE(w.probe().table.ComputerToMove);
    EXPECT_TRUE(messages.isEmpty());

    winTheGame();
    messages.clear();
    QTest::keyClick(&w, Qt::Key_F3);
    Form2* options = w.probe().optionsWindow;
    ASSERT_NE(options, nullptr);
    QApplication::setActiveWindow(options);
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Right}) // Primul, Clasic, Expert
        QTest::keyClick(QApplication::focusWidget(), key);
    options->close();

    QTest::keyClick(&w, Qt::Key_F2);
    playAtTheDealtLevel();
    computerMoves();
    EXPECT_EQ(FormatCard(w.probe().table.topCard()), "Ah");
    computerMoves();
    EXPECT_EQ(messages, QStringList{loss});
}

TEST_F(Menus, TheRulesWindowOpensOnceAndIsBroughtToTheFrontAfterwards)
{
    QTest::keyClick(&w, Qt::Key_F1);
    Form3* rules = w.probe().rulesWindow;
    ASSERT_NE(rules, nullptr);
    EXPECT_TRUE(rules->isVisible());
    rules->Text1->moveCursor(QTextCursor::End);
    const int scrolledTo = rules->Text1->textCursor().position();

    QTest::keyClick(&w, Qt::Key_F2); // available during a game too
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(w.probe().rulesWindow, rules); // not made again, not reloaded
    EXPECT_EQ(rules->Text1->textCursor().position(), scrolledTo);

    rules->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.probe().rulesWindow, nullptr);
    w.ReguliDeJoc_Click();
    ASSERT_NE(w.probe().rulesWindow, nullptr);
    EXPECT_EQ(w.probe().rulesWindow->Text1->textCursor().position(), 0); // loaded afresh
}

TEST_F(Menus, ClosingTheTableClosesTheOtherWindowsWithIt)
{
    w.Optiuni_Click();
    w.ReguliDeJoc_Click();
    ASSERT_TRUE(w.probe().optionsWindow->isVisible());
    ASSERT_TRUE(w.probe().rulesWindow->isVisible());
    w.close();
    EXPECT_FALSE(w.probe().optionsWindow->isVisible());
    EXPECT_FALSE(w.probe().rulesWindow->isVisible());
}

TEST_F(Menus, ExitLeavesTheOptionsAsTheyAre)
{
    w.Optiuni_Click();
    w.probe().optionsWindow->Check1->setChecked(false);
    w.Exit_Click(); // the program ends here; the options window does not unload
    EXPECT_TRUE(w.probe().options.OptSound);
    // Exit leaves every event loop that starts afterwards to end at once,
    // message boxes' included; one short run of the application's loop
    // clears that for the tests that follow in this process.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

} // namespace
} // namespace kolvar::testing
