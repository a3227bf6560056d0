// Every text the player meets, in one place: the window's title, the menus,
// the options and rules windows, the About box, the messages, and what the
// screen reader says of the table. Each is the game's own Romanian, given
// through Qt's translation, so that another language is a translation file
// and nothing else; with none loaded, the Romanian stands as it is.
#pragma once

#include "game/card.h"
#include "game/notice.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace kolvar {

// The fixed texts, by what they are.
enum class Text {
    WindowTitle,
    FileMenu,
    NewGameItem,
    OptionsItem,
    ExitItem,
    HelpMenu,
    AboutItem,
    RulesItem,
    OptionsTitle,
    SoundOption,
    HumanFirstOption,
    LevelCaption,
    ClassicLevel,
    ExpertLevel,
    RulesTitle,
    Rules,
    AboutTitle,
    About,
    TableName, // the table to the screen reader
    YourCards, // the human's hand to the screen reader
};

class Texts {
    Q_DECLARE_TR_FUNCTIONS(Kolvar)
public:
    static QString of(Text text);
    // A notice's words and its box's title.
    static QString notice(Notice notice);
    static QString noticeTitle(Notice notice);

    // What the screen reader says of the cards. The rules' own words name
    // them: a rank and a suit, "9 de inima rosie"; the ace is "as" and the
    // court cards go by their codes, the jack "12", the queen "13", the king
    // "14". Empty for a suit or a face off the deck.
    static QString suitName(int16_t suit); // "romb", "inima neagra", "inima rosie", "trefla"
    static QString cardName(Face face);    // "7 de romb", "as de trefla", "12 de inima rosie"
    // A number of cards: "1 carte", "5 carti", "22 de carti" (from twenty on,
    // the numbers take "de", but for 101 to 119 and so on).
    static QString cardCount(int count);
    // The parts of the table: "Cartea de sus: 9 de romb", "... : niciuna",
    // "Cartea de dedesubt: ...", "Calculatorul: 5 carti", "Pachetul: 1 carte".
    static QString topCard(std::optional<Face> face);
    static QString underCard(std::optional<Face> face);
    static QString computerHand(int count);
    static QString stock(int count);
};

} // namespace kolvar
