// The game's texts, each given through tr() in the one context "Kolvar".
#include "ui/texts.h"

namespace kolvar {

QString Texts::of(Text text)
{
    switch (text) {
    case Text::WindowTitle:
        return tr("Have fun!!");
    case Text::FileMenu:
        return tr("File");
    case Text::NewGameItem:
        return tr("Joc Nou");
    case Text::OptionsItem:
        return tr("Optiuni");
    case Text::ExitItem:
        return tr("Exit");
    case Text::HelpMenu:
        return tr("Help");
    case Text::AboutItem:
        return tr("Despre");
    case Text::RulesItem:
        return tr("Reguli de joc");
    case Text::OptionsTitle:
        return tr("Optiuni", "the options window's title");
    case Text::SoundOption:
        return tr("Sunete");
    case Text::HumanFirstOption:
        return tr("Primul");
    case Text::LevelCaption:
        return tr("Calculator:");
    case Text::ClassicLevel:
        return tr("Clasic");
    case Text::ExpertLevel:
        return tr("Expert");
    case Text::RulesTitle:
        return tr("Reguli de joc", "the rules window's title");
    case Text::Rules:
        // One string of 512 characters in two paragraphs, the first opening
        // with four spaces and six spaces between them; the window wraps it.
        return tr("    Scopul jocului este decartarea tuturor cartilor. La aparitia unui as "
                  "adversarul sta o data, iar la aparitia unui 12 adversarul trebuie sa ridice "
                  "ptr fiecare 12 acoperit fara intrerupere doua carti si plus una in final."
                  "      Aparitia unui 7 da posibilitatea celui care l-a decartat sa schimbe "
                  "culoarea curenta. O carte poate fi decartata daca are culoarea curenta sau "
                  "daca are acelasi numar cu ultima carte decartata. Un 7 poate fi decartat "
                  "oricand. Daca un jucator nu poate decarta trebuie sa ridice o carte.");
    case Text::AboutTitle:
        return QStringLiteral("Kolvar v.01"); // a name, the same in every language
    case Text::About:
        // The credit line: who made the game and how to reach them.
        return tr("Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, "
                  "e-mail: kolvar@example.org");
    case Text::TableName:
        return tr("Masa");
    case Text::YourCards:
        return tr("Cartile tale");
    }
    return {};
}

QString Texts::notice(Notice notice)
{
    switch (notice) {
    case Notice::PickSuit:
        return tr("Selectati o culoare");
    case Notice::HumanWon:
        return tr("Felicitari, ati castigat! Sunteti un norocos!!!!!");
    case Notice::HumanLost:
        return tr("Imi pare rau!. Ati pierdut, mai studiati!");
    }
    return {};
}

QString Texts::noticeTitle(Notice notice)
{
    // Names, the same in every language: the game's, and the one its end
    // messages give it, after the family of games it belongs to.
    return notice == Notice::PickSuit ? QStringLiteral("Kolvar")
                                      : QStringLiteral("Kolvar Americana");
}

QString Texts::suitName(int16_t suit)
{
    switch (suit) {
    case kDiamonds:
        return tr("romb");
    case kSpades:
        return tr("inima neagra");
    case kHearts:
        return tr("inima rosie");
    case kClubs:
        return tr("trefla");
    }
    return {};
}

QString Texts::cardName(Face face)
{
    if (!InDeck(face))
        return {};
    // The ace and the court cards each have their own words, so that a
    // language can name them as its card players do.
    const QString suit = suitName(face.Suit);
    switch (face.Rank) {
    case kAce:
        return tr("as de %1").arg(suit);
    case kJack:
        return tr("12 de %1", "the jack").arg(suit);
    case kQueen:
        return tr("13 de %1", "the queen").arg(suit);
    case kKing:
        return tr("14 de %1", "the king").arg(suit);
    }
    return tr("%1 de %2", "a card from 7 to 10").arg(face.Rank).arg(suit);
}

QString Texts::cardCount(int count)
{
    // None and one have their own words: some languages say "no card".
    if (count == 0)
        return tr("0 carti");
    if (count == 1)
        return tr("1 carte");
    const int lastTwo = count % 100;
    if (count >= 20 && (lastTwo == 0 || lastTwo >= 20))
        return tr("%1 de carti").arg(count);
    return tr("%1 carti").arg(count);
}

QString Texts::topCard(std::optional<Face> face)
{
    return tr("Cartea de sus: %1").arg(face ? cardName(*face) : tr("niciuna"));
}

QString Texts::underCard(std::optional<Face> face)
{
    return tr("Cartea de dedesubt: %1").arg(face ? cardName(*face) : tr("niciuna"));
}

QString Texts::computerHand(int count)
{
    return tr("Calculatorul: %1").arg(cardCount(count));
}

QString Texts::stock(int count)
{
    return tr("Pachetul: %1").arg(cardCount(count));
}

} // namespace kolvar
