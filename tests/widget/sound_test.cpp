// The sound cues the moves play: silent while sound is off, once per human
// take, once per card the computer takes. What reaches the speakers is
// tested against a real sound server in tests/sound/.
#include "fake_wave_player.h"
#include "platform/system.h"
#include "table_text.h"
#include "ui/cue_player.h"
#include "ui/form2.h"
#include "view/form1.h"
#include "window_test.h"

#include <QCheckBox>
#include <QTest>

namespace kolvar::testing {
namespace {

// The wave files of the given cues, as the player is asked to play them.
QStringList names(std::initializer_list<std::string_view> cues)
{
    QStringList out;
    for (std::string_view cue : cues)
        out << QString::fromUtf8(cue.data(), static_cast<qsizetype>(cue.size()));
    return out;
}

struct Sound : WindowTest {
    Sound() { w.probe().cuePlayer.setPlayer(std::make_unique<FakeWavePlayer>(played)); }

    QStringList played;
};

TEST_F(Sound, CuesPlayFromTheExecutablesDirectoryAtEachMove)
{
    play("human=Ad,Kd,8c computer=9c,Qs,Kh stock=Th,Jh,Qh,... top=Qd due=3/0 raised=d");
    clickStock(Qt::RightButton);               // any button takes
    EXPECT_EQ(played, names({kHumanTakeCue})); // one for three cards
    played.clear();

    play("human=Ad,Kd,8c computer=9c,Qs,Kh stock=Th,Jh,Qh,... top=Jd due=0/3 turn=computer "
         "raised=d");
    computerMoves();
    EXPECT_EQ(played,
              names({kComputerTakeCue, kComputerTakeCue, kComputerTakeCue})); // one for each card
    played.clear();

    play("human=Ad,Kd,8c computer=9c,Ac,Kh top=Qd raised=d");
    clickCard(0); // an ace
    EXPECT_EQ(played, names({kHumanLayCue}));
    w.probe().table.ComputerToMove = true;
    w.probe().table.ComputerDrawDue = 1;
    w.probe().table.HumanDrawDue = 0;
    w.probe().table.CurrentSuit = w.probe().table.RaisedSuit = kClubs;
    computerMoves(); // the computer's ace of clubs
    EXPECT_EQ(played, names({kHumanLayCue, kComputerLayCue}));
}

TEST_F(Sound, NothingReachesThePlayerWhileSoundIsOff)
{
    w.probe().options.OptSound = false;
    // A seven, laid last, goes on whatever the computer lays.
    play("human=7h,Kd computer=9c,Qs stock=Th,Jh,Qh,... top=Qd due=3/0 raised=d");
    clickStock();
    ASSERT_EQ(w.probe().table.HumanCount, 5) << "the take was made";
    computerMoves();
    ASSERT_FALSE(w.probe().table.ComputerToMove) << "the computer moved";
    clickCard(0);
    ASSERT_EQ(w.probe().table.HumanCount, 4) << "the card was laid";
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(Sound, SwitchingSoundOffInTheOptionsWindowSilencesTheNextCue)
{
    w.Optiuni_Click();
    w.probe().optionsWindow->Check1->setChecked(false);
    w.probe().optionsWindow->close();
    play("human=8d,Kd computer=9c top=Qd raised=d");
    clickCard(0);
    ASSERT_EQ(w.probe().table.HumanCount, 1) << "the card was laid";
    EXPECT_TRUE(played.isEmpty());
    EXPECT_FALSE(w.probe().options.OptSound);
}

} // namespace
} // namespace kolvar::testing
