// The table as a screen reader finds it through Qt's accessibility: the
// hand as a list of named cards with the selected one focused, the pile, the
// counts, the suit buttons as checkable buttons; and the events that tell it
// what changed. Also the play keys reaching the game from the window.
//
// Qt raises accessible events only on a platform with accessibility, so
// these tests run on X (Xvfb) with Qt's AT-SPI bridge switched on.
#include "game/notation.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/picture_button.h"
#include "view/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace kolvar::testing {
namespace {

// Every accessible event raised while one is alive.
struct Heard {
    Heard()
    {
        events().clear();
        previous_ = QAccessible::installUpdateHandler(&Heard::record);
        // Qt's bridge switches on once it has reached the accessibility bus.
        EXPECT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
            << "run on X with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and a D-Bus session";
    }
    ~Heard() { QAccessible::installUpdateHandler(previous_); }
    static std::vector<std::pair<QAccessible::Event, QString>>& events()
    {
        static std::vector<std::pair<QAccessible::Event, QString>> all;
        return all;
    }
    static void record(QAccessibleEvent* event)
    {
        QAccessibleInterface* iface = event->accessibleInterface();
        events().emplace_back(event->type(), iface ? iface->text(QAccessible::Name) : QString());
    }
    static bool has(QAccessible::Event type, const QString& name)
    {
        const auto& all = events();
        return std::find(all.begin(), all.end(), std::pair{type, name}) != all.end();
    }

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

struct AccessibleTable : ::testing::Test {
    // The window shows the table at zoom 1, as designed: a card is 70 x 100.
    AccessibleTable()
    {
        w.probe().presentMessage = [](const QString&, const QString&) {};
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.resize(1000, 650 + w.menuBar()->height());
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.probe().surface.size() == QSize(1000, 650); }));
    }
    void play(std::string_view line)
    {
        std::string error;
        ASSERT_TRUE(ParseTable(line, w.probe().table, error)) << error;
        w.RedrawTable();
    }
    QAccessibleInterface* table()
    {
        return QAccessible::queryAccessibleInterface(&w.probe().surface);
    }
    QAccessibleInterface* part(int i) { return table()->child(i); }
    QString name(QAccessibleInterface* iface) { return iface->text(QAccessible::Name); }
    QStringList hand()
    {
        QStringList names;
        for (int i = 0; i < part(0)->childCount(); ++i)
            names << name(part(0)->child(i));
        return names;
    }
    void key(Qt::Key k) { QTest::keyClick(&w.probe().surface, k); }

    Heard heard;
    Form1 w{LaunchSettings{.motion = false}};
};

TEST_F(AccessibleTable, TheHandThePileTheCountsAndTheStockAreNamedInTheGamesWords)
{
    play("human=9h,Ac,Jd computer=Kc,8s stock=Qh,... top=Ks prev=Ts played=2 raised=s");
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(name(table()), "Masa");
    EXPECT_EQ(part(0)->role(), QAccessible::List);
    EXPECT_EQ(name(part(0)), "Cartile tale");
    EXPECT_EQ(hand(), (QStringList{"9 de inima rosie", "as de trefla", "12 de romb"}));
    EXPECT_EQ(part(0)->child(1)->role(), QAccessible::ListItem);
    EXPECT_EQ(name(part(1)), "Cartea de sus: 14 de inima neagra");
    EXPECT_EQ(name(part(2)), "Cartea de dedesubt: 10 de inima neagra");
    EXPECT_EQ(name(part(3)), "Calculatorul: 2 carti");
    EXPECT_EQ(name(part(4)), "Pachetul: 27 de carti");
    // Each card lies where it is drawn: its visible strip, on the screen.
    const QRect first = part(0)->child(0)->rect();
    EXPECT_EQ(first.width(), 35);
    EXPECT_EQ(part(0)->child(2)->rect().width(), kCardWidth);
    EXPECT_EQ(table()->childAt(first.center().x(), first.center().y()), part(0));
    EXPECT_EQ(part(0)->childAt(first.center().x(), first.center().y()), part(0)->child(0));
}

// A resized window lays its table out again: the screen reader hears that
// the parts moved, and finds each card where it is now drawn.
TEST_F(AccessibleTable, AfterAResizeEachCardIsFoundWhereItIsNowDrawn)
{
    play("human=9h,Ac,Jd computer=Kc top=Ks raised=s");
    const QRect before = part(0)->child(0)->rect();
    Heard::events().clear();
    w.resize(700, 480);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.probe().surface.width() == 700; }));
    EXPECT_TRUE(Heard::has(QAccessible::LocationChanged, "Cartile tale"));
    const QImage seen = w.probe().surface.grab().toImage();
    const QColor table(255, 192, 128);
    for (int i = 0; i < 3; ++i) {
        const QRect card = part(0)->child(i)->rect();
        EXPECT_LT(card.height(), before.height()) << "a smaller table, smaller cards";
        // The card's pixels begin at its rectangle's corner, on the table.
        const QPoint corner = w.probe().surface.mapFromGlobal(card.topLeft());
        EXPECT_NE(QColor(seen.pixel(corner + QPoint(1, 1))), table) << i;
        EXPECT_EQ(QColor(seen.pixel(corner + QPoint(1, -1))), table) << i;
    }
}

TEST_F(AccessibleTable, TheSuitButtonsAreCheckBoxesNamedAfterTheirSuitsCheckedWhenRaised)
{
    play("human=9h computer=Kc top=Ks raised=h");
    QStringList buttons;
    for (int i = 0; i < table()->childCount(); ++i) {
        QAccessibleInterface* c = table()->child(i);
        if (c->role() != QAccessible::CheckBox)
            continue;
        EXPECT_TRUE(c->state().checkable);
        buttons << name(c) + (c->state().checked ? " checked" : "");
    }
    EXPECT_EQ(buttons, (QStringList{"romb", "inima neagra", "inima rosie checked", "trefla"}));

    // Qt's own button, whose click checks nothing by itself: the rules name
    // the suit, and with no suit to name the click changes nothing.
    auto* clubsButton = qobject_cast<QAbstractButton*>(&w.probe().suitButton(kClubs));
    ASSERT_NE(clubsButton, nullptr);
    QAccessibleInterface* clubs = QAccessible::queryAccessibleInterface(clubsButton);
    QSignalSpy clicks(clubsButton, &QAbstractButton::clicked);
    QTest::mouseClick(clubsButton, Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_FALSE(clubs->state().checked);
    EXPECT_EQ(w.probe().table.RaisedSuit, kHearts);

    w.probe().table.SuitPickOpen = true;
    w.probe().table.GameInProgress = true;
    clubs->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Qt shows the button pressed for a moment before the click.
    EXPECT_TRUE(QTest::qWaitFor([&] { return clubs->state().checked; }))
        << "pressing it is a click";
    EXPECT_EQ(w.probe().table.CurrentSuit, kClubs);
    EXPECT_TRUE(Heard::has(QAccessible::StateChanged, "trefla"));
}

// Qt lets a screen reader toggle a check box; on a suit button that is a
// click, and the rules decide which suit is raised.
TEST_F(AccessibleTable, ASuitButtonToggledByTheScreenReaderShowsWhatTheRulesDecide)
{
    play("human=9h computer=Kc top=Ks raised=h");
    QAccessibleInterface* hearts =
        QAccessible::queryAccessibleInterface(&w.probe().suitButton(kHearts));
    QAccessibleInterface* clubs =
        QAccessible::queryAccessibleInterface(&w.probe().suitButton(kClubs));
    const QString toggle = QAccessibleActionInterface::toggleAction();
    ASSERT_TRUE(clubs->actionInterface()->actionNames().contains(toggle));
    clubs->actionInterface()->doAction(toggle);
    EXPECT_FALSE(clubs->state().checked) << "no suit is to be named";
    EXPECT_TRUE(hearts->state().checked);

    w.probe().table.SuitPickOpen = true;
    w.probe().table.GameInProgress = true;
    clubs->actionInterface()->doAction(toggle);
    EXPECT_TRUE(clubs->state().checked);
    EXPECT_FALSE(hearts->state().checked);
    EXPECT_EQ(w.probe().table.CurrentSuit, kClubs);
}

TEST_F(AccessibleTable, ALayAnnouncesThePileTheHandAndTheSelectedCard)
{
    play("human=8d,Qd,9s computer=Kc top=Kd prev=Ts played=2 raised=d");
    w.probe().table.GameInProgress = true;
    key(Qt::Key_Right); // the queen
    EXPECT_EQ(table()->focusChild(), part(0)->child(1));
    EXPECT_TRUE(part(0)->child(1)->state().focused);
    EXPECT_TRUE(Heard::has(QAccessible::Focus, "13 de romb"));
    Heard::events().clear();

    key(Qt::Key_Return);
    EXPECT_EQ(hand(), (QStringList{"8 de romb", "9 de inima neagra"}));
    EXPECT_TRUE(Heard::has(QAccessible::NameChanged, "Cartea de sus: 13 de romb"));
    EXPECT_TRUE(Heard::has(QAccessible::NameChanged, "Cartea de dedesubt: 14 de romb"));
    EXPECT_TRUE(Heard::has(QAccessible::NameChanged, "9 de inima neagra")); // slid into place
    EXPECT_TRUE(Heard::has(QAccessible::Focus, "9 de inima neagra"));
    EXPECT_TRUE(std::any_of(Heard::events().begin(), Heard::events().end(), [](const auto& e) {
        return e.first == QAccessible::ObjectDestroyed;
    })) << "the hand lost a card";
}

TEST_F(AccessibleTable, PlayKeysReachTheGameAndAMouseClickHidesTheSelection)
{
    play("human=8d,Qd,9s computer=Kc top=Kd raised=d");
    w.probe().table.GameInProgress = true;
    key(Qt::Key_End);
    EXPECT_TRUE(w.probe().selection.shown);
    EXPECT_EQ(w.probe().selection.index, 2);
    key(Qt::Key_Home);
    key(Qt::Key_Space); // lays the eight
    EXPECT_EQ(w.probe().table.HumanCount, 2);
    EXPECT_EQ(w.probe().table.TopRank, kEight);
    w.Form_MouseDown(Qt::LeftButton, {}, 5, 5);
    EXPECT_FALSE(w.probe().selection.shown);
    EXPECT_EQ(table()->focusChild(), nullptr);
}

// H puts the outline where the expert would play, and the screen reader
// hears it there: on the stock when nothing may be laid, else on the card.
TEST_F(AccessibleTable, TheHintIsHeardWhereTheOutlineGoes)
{
    play("human=8c,9s computer=8d,Qd top=Kh prev=Qh raised=h");
    key(Qt::Key_H);
    EXPECT_EQ(table()->focusChild(), part(4));
    EXPECT_TRUE(part(4)->state().focused);
    EXPECT_TRUE(Heard::has(QAccessible::Focus, name(part(4))));

    play("human=9h,Ah computer=8c,8s,Qd top=Kh prev=Qh raised=h");
    key(Qt::Key_H);
    EXPECT_EQ(table()->focusChild(), part(0)->child(1));
    EXPECT_TRUE(Heard::has(QAccessible::Focus, "as de inima rosie"));
}

} // namespace
} // namespace kolvar::testing

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
