// The options window and the rules window: how they look, and what closing
// the options window does to the options.
#include "drawn.h"
#include "rules_shown.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/texts.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <gtest/gtest.h>

namespace kolvar::testing {
namespace {

const QColor kLightBlue(192, 192, 255);
const QColor kOrange(255, 192, 128);
const QRect kBoxPlaces[2] = {{24, 24, 105, 25}, {24, 64, 105, 25}};

// The options window as it opens on screen.
QImage opened(Form2& form)
{
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    return Drawn(form);
}

// The square in which the style draws a box's tick or a radio button's dot,
// in the window's pixels.
QRect tickSquare(const QAbstractButton* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const bool radio = qobject_cast<const QRadioButton*>(box) != nullptr;
    return box->style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                         &option, box)
        .translated(box->pos());
}

bool tickShown(const QImage& shot, const QAbstractButton* box)
{
    return CountPixels(shot, tickSquare(box).adjusted(2, 2, -2, -2), IsDark) >= 5;
}

// A box drawn orange over its whole rectangle, apart from the tick's square
// and the caption, which is there.
::testing::AssertionResult orangeBox(const QImage& shot, const QAbstractButton* box, QRect place)
{
    const QRegion panel = QRegion(place) - tickSquare(box);
    for (auto result : {EveryPixel(shot, Edges(place) & panel, Is(kOrange), "orange"),
                        EveryPixel(shot, panel, IsPanelOrInk(kOrange), "orange or caption ink")})
        if (!result)
            return result;
    if (const int bare = CountPixels(shot, panel, Is(kOrange)); bare < 1500)
        return ::testing::AssertionFailure() << "only " << bare << " pixels are bare orange";
    if (CountPixels(shot, panel, IsDark) < 40)
        return ::testing::AssertionFailure() << "no caption";
    return ::testing::AssertionSuccess();
}

// The two boxes where they have always stood, the computer's level below
// them: its caption on the window, its two radio buttons orange like the
// boxes, the window grown round them with the same light blue margin.
TEST(OptionsWindow, EveryButtonIsTheTablesOrangeOnTheLightBlueWindow)
{
    Options options;
    Form2 form(options, nullptr);
    const QImage shot = opened(form);
    EXPECT_EQ(form.windowTitle(), "Optiuni");
    const QRect radios[2] = {form.Option1->geometry(), form.Option2->geometry()};
    const QRect caption = form.Label1->geometry();
    QRegion around = QRegion(shot.rect()) - kBoxPlaces[0] - kBoxPlaces[1] - radios[0] - radios[1];
    EXPECT_TRUE(EveryPixel(shot, around - caption, Is(kLightBlue), "the window's light blue"));
    EXPECT_TRUE(orangeBox(shot, form.Check1, kBoxPlaces[0]));
    EXPECT_TRUE(orangeBox(shot, form.Check2, kBoxPlaces[1]));
    EXPECT_TRUE(orangeBox(shot, form.Option1, radios[0]));
    EXPECT_TRUE(orangeBox(shot, form.Option2, radios[1]));
    EXPECT_GT(CountPixels(shot, caption, IsDark), 40) << "the caption's ink";
    EXPECT_GT(caption.top(), kBoxPlaces[1].bottom());
    EXPECT_GT(radios[0].top(), caption.bottom());
    EXPECT_EQ(shot.width() - 24, std::max(radios[1].right(), kBoxPlaces[0].right()) + 1);
    EXPECT_EQ(shot.height() - 24, radios[0].bottom() + 1);
}

// Whichever style the desktop gives the game, and also when it changes while
// the window is open, the boxes stay orange.
TEST(OptionsWindow, TheBoxesStayOrangeInEveryStyle)
{
    const QString before = QApplication::style()->name();
    for (const QString& style : QStyleFactory::keys()) {
        Options options;
        Form2 form(options, nullptr);
        opened(form);
        QApplication::setStyle(style);
        const QImage shot = Drawn(form);
        EXPECT_TRUE(orangeBox(shot, form.Check1, kBoxPlaces[0])) << style.toStdString();
        EXPECT_TRUE(orangeBox(shot, form.Check2, kBoxPlaces[1])) << style.toStdString();
        Form2 made(options, nullptr); // made under that style
        const QImage madeShot = opened(made);
        EXPECT_TRUE(orangeBox(madeShot, made.Check1, kBoxPlaces[0])) << style.toStdString();
    }
    QApplication::setStyle(before);
}

TEST(OptionsWindow, OpensWithTheTicksOfTheOptionsInForceSoClosingItUntouchedChangesNothing)
{
    for (bool sound : {true, false})
        for (bool humanFirst : {true, false}) {
            const bool expert = sound != humanFirst;
            const ComputerLevel level = expert ? ComputerLevel::Expert : ComputerLevel::Clasic;
            Options options{humanFirst, sound, level};
            Form2 form(options, nullptr);
            const QImage shot = opened(form);
            EXPECT_EQ(tickShown(shot, form.Check1), sound);
            EXPECT_EQ(tickShown(shot, form.Check2), humanFirst);
            EXPECT_EQ(tickShown(shot, form.Option1), !expert);
            EXPECT_EQ(tickShown(shot, form.Option2), expert);
            form.close();
            EXPECT_EQ(options.OptSound, sound);
            EXPECT_EQ(options.OptHumanFirst, humanFirst);
            EXPECT_EQ(options.Level, level);
        }
}

TEST(OptionsWindow, TheKeysReachSuneteFirstThenPrimulThenTheLevel)
{
    Options options{false, false};
    Form2 form(options, nullptr);
    opened(form);
    QApplication::setActiveWindow(&form);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    const QImage first = Drawn(form);
    EXPECT_TRUE(tickShown(first, form.Check1));
    EXPECT_FALSE(tickShown(first, form.Check2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(tickShown(Drawn(form), form.Check2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // onto "Clasic"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    const QImage level = Drawn(form);
    EXPECT_TRUE(tickShown(level, form.Option2));
    EXPECT_FALSE(tickShown(level, form.Option1));
    form.close();
    EXPECT_EQ(options.Level, ComputerLevel::Expert);
}

// A screen reader hears the level's buttons by their captions, as radio
// buttons labelled by "Calculator:".
TEST(OptionsWindow, TheLevelIsNamedToTheScreenReader)
{
    Options options;
    Form2 form(options, nullptr);
    QAccessibleInterface* expert = QAccessible::queryAccessibleInterface(form.Option2);
    ASSERT_NE(expert, nullptr);
    EXPECT_EQ(expert->role(), QAccessible::RadioButton);
    EXPECT_EQ(expert->text(QAccessible::Name), "Expert");
    QAccessibleInterface* clasic = QAccessible::queryAccessibleInterface(form.Option1);
    QStringList labels;
    for (const auto& [iface, relation] : clasic->relations(QAccessible::Label))
        labels << iface->text(QAccessible::Name);
    EXPECT_EQ(labels, QStringList{"Calculator:"});
}

TEST(OptionsWindow, ClosingWritesBothFlagsAndOnlyATickCountsAsOn)
{
    Options options{true, true};
    {
        auto* form = new Form2(options, nullptr);
        form->Check1->setChecked(true);
        form->Check2->setChecked(false);
        form->close(); // deletes itself
    }
    EXPECT_TRUE(options.OptSound);
    EXPECT_FALSE(options.OptHumanFirst);

    Form2 form(options, nullptr);
    form.Check1->setCheckState(Qt::PartiallyChecked); // greyed
    form.Check2->setCheckState(Qt::Checked);
    form.Form_Unload();
    EXPECT_FALSE(options.OptSound);
    EXPECT_TRUE(options.OptHumanFirst);
}

TEST(RulesWindow, TheTextBoxFillsTheWindowWithTheWholeTextWrappedAtItsWidth)
{
    Form3 form(nullptr);
    const RulesShown shown(form);
    EXPECT_EQ(form.windowTitle(), "Reguli de joc");
    ASSERT_EQ(shown.shot.size(), QSize(384, 317));
    EXPECT_TRUE(shown.framesTheWindow());

    // Wrapped at the width: many lines, the longest nearly as wide as the
    // box, none running past its right edge.
    const std::vector<InkBand>& lines = shown.lines;
    ASSERT_GE(lines.size(), 8u);
    int widest = 0;
    for (const InkBand& line : lines)
        widest = std::max(widest, line.right);
    EXPECT_GT(widest, 384 - 40);
    EXPECT_FALSE(shown.scrollBarShown());
    // Nothing cut off at the bottom: the last line ends clear of the edge,
    // and with no scroll bar there is no more text below it.
    EXPECT_LT(lines.back().bottom, 317 - 8);

    // The lines are those of a 12-point font, and the first starts four
    // spaces in from the others.
    QFont font("MS Sans Serif", 12);
    font.setStyleHint(QFont::SansSerif);
    const QFontMetrics metrics(font);
    std::vector<int> pitches;
    for (size_t i = 1; i < lines.size(); ++i)
        pitches.push_back(lines[i].top - lines[i - 1].top);
    std::nth_element(pitches.begin(), pitches.begin() + pitches.size() / 2, pitches.end());
    EXPECT_EQ(pitches[pitches.size() / 2], metrics.lineSpacing());
    EXPECT_NEAR(lines[0].left - lines[1].left, metrics.horizontalAdvance("    "), 2);
}

TEST(RulesWindow, AShrunkWindowStillFillsWithTheTextBoxAndScrolls)
{
    Form3 form(nullptr);
    form.resize(300, 200);
    const RulesShown shown(form);
    ASSERT_EQ(shown.shot.size(), QSize(300, 200));
    EXPECT_TRUE(shown.framesTheWindow());
    EXPECT_TRUE(shown.scrollBarShown());
}

TEST(RulesWindow, TheTextIsReadOnly)
{
    Form3 form(nullptr);
    form.show();
    QTest::keyClicks(form.Text1, "abc");
    QTest::keyClick(form.Text1, Qt::Key_Delete);
    EXPECT_EQ(form.Text1->toPlainText(), Texts::of(Text::Rules));
}

// The rules window's text: two paragraphs in 512 characters, the first
// opening with four spaces, six between them.
TEST(RulesWindow, TheRulesAreTwoParagraphsIn512Characters)
{
    const QString rules = Texts::of(Text::Rules);
    EXPECT_EQ(rules.size(), 512);
    EXPECT_TRUE(rules.startsWith("    Scopul jocului este decartarea tuturor cartilor."));
    EXPECT_TRUE(rules.contains("in final.      Aparitia unui 7"));
    EXPECT_TRUE(rules.endsWith("trebuie sa ridice o carte."));
}

// The cards as the screen reader names them, in the rules' own words.
TEST(CardNames, EveryCardHasItsOwnNameInTheRulesWords)
{
    EXPECT_EQ(Texts::cardName({kNine, kHearts}), "9 de inima rosie");
    EXPECT_EQ(Texts::cardName({kAce, kClubs}), "as de trefla");
    EXPECT_EQ(Texts::cardName({kJack, kDiamonds}), "12 de romb");
    EXPECT_EQ(Texts::cardName({kKing, kSpades}), "14 de inima neagra");
    EXPECT_EQ(Texts::cardName({0, 0}), "");
    EXPECT_EQ(Texts::suitName(4), "");
    const std::pair<int, const char*> counts[] = {{1, "1 carte"},      {0, "0 carti"},
                                                  {19, "19 carti"},    {20, "20 de carti"},
                                                  {22, "22 de carti"}, {101, "101 carti"}};
    for (const auto& [count, text] : counts)
        EXPECT_EQ(Texts::cardCount(count), text);
    QSet<QString> names;
    for (int i = 0; i < kDeckSize; ++i)
        names.insert(Texts::cardName(BuiltFace(i)));
    EXPECT_EQ(names.size(), 32);
}

} // namespace
} // namespace kolvar::testing
