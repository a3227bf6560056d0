// The game in the languages it speaks: every text the player meets is
// translated, none is left empty or cut off, and under the C locale, or in a
// language without a translation, every text is the game's own Romanian.
#include "rules_shown.h"
#include "ui/form2.h"
#include "ui/language.h"
#include "ui/texts.h"
#include "view/form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace kolvar::testing {
namespace {

// The texts as the windows show them, in this order.
const QStringList kRomanian = {
    "Have fun!!",
    "File",
    "Joc Nou",
    "Optiuni",
    "Exit",
    "Help",
    "Despre",
    "Reguli de joc",
    "Optiuni",
    "Sunete",
    "Primul",
    "Calculator:",
    "Clasic",
    "Expert",
    "Reguli de joc",
    "    Scopul jocului este",
    "Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, e-mail: "
    "kolvar@example.org",
    "Selectati o culoare",
    "Felicitari, ati castigat! Sunteti un norocos!!!!!",
    "Imi pare rau!. Ati pierdut, mai studiati!",
    "9 de inima rosie",
    "12 de romb",
};

// The texts whose Romanian is already that language's own word.
const std::map<QString, QStringList> kSameWords = {
    {"en", {"Have fun!!", "File", "Exit", "Help", "Expert", kRomanian[16]}},
    {"fr", {"Expert"}},
    {"it", {"File"}},
};

// Puts the language of `uiLanguages` in place for the test, and the Romanian
// back after it.
struct InLanguage {
    explicit InLanguage(const QStringList& uiLanguages) : code(UseLanguage(uiLanguages)) {}
    ~InLanguage() { UseLanguage({"C"}); }
    const QString code;
};

QStringList textsShown()
{
    QStringList shown;
    Form1 main({.motion = false});
    shown << main.windowTitle();
    for (QAction* menu : main.menuBar()->actions()) {
        shown << menu->text();
        for (QAction* item : menu->menu()->actions())
            shown << item->text();
    }
    Options options;
    Form2 form2(options, nullptr);
    shown << form2.windowTitle() << form2.Check1->text() << form2.Check2->text()
          << form2.Label1->text() << form2.Option1->text() << form2.Option2->text();
    Form3 form3(nullptr);
    shown << form3.windowTitle() << form3.Text1->toPlainText().left(kRomanian[15].size());
    shown << Texts::of(Text::About) << Texts::notice(Notice::PickSuit)
          << Texts::notice(Notice::HumanWon) << Texts::notice(Notice::HumanLost)
          << Texts::cardName({kNine, kHearts}) << Texts::cardName({kJack, kDiamonds});
    return shown;
}

TEST(Languages, TheFirstOfTheDesktopsLanguagesThatIsRomanianOrTranslatedIsSpoken)
{
    EXPECT_EQ(TranslatedLanguages(), QStringList({"de", "en", "es", "fr", "it"}));
    const std::pair<QStringList, QString> choices[] = {
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"en-GB", "de"}, "en"},
        {{"pt-BR", "pt", "fr-FR"}, "fr"},
        {{"ro", "de"}, ""},
        {{"C"}, ""},
        {{"pt-BR", "pt"}, ""},
        {{}, ""},
    };
    for (const auto& [uiLanguages, code] : choices)
        EXPECT_EQ(ChooseLanguage(uiLanguages), code) << uiLanguages.join(",").toStdString();
}

TEST(Languages, UnderCAndWithoutATranslationEveryTextIsTheRomanian)
{
    for (const QStringList& uiLanguages : {QStringList{"C"}, QStringList{"pt-BR"}}) {
        const InLanguage language(uiLanguages);
        EXPECT_EQ(textsShown(), kRomanian);
    }
}

TEST(Languages, InEachTranslationEveryTextIsTranslatedAndWhole)
{
    for (const QString code : {"en", "fr", "de", "es", "it"}) {
        SCOPED_TRACE(code.toStdString());
        const InLanguage language({code});
        ASSERT_EQ(language.code, code);
        const QStringList shown = textsShown();
        ASSERT_EQ(shown.size(), kRomanian.size());
        const QStringList same = kSameWords.count(code) ? kSameWords.at(code) : QStringList();
        for (qsizetype i = 0; i < shown.size(); ++i) {
            EXPECT_FALSE(shown[i].trimmed().isEmpty()) << kRomanian[i].toStdString();
            if (!same.contains(kRomanian[i])) {
                EXPECT_NE(shown[i], kRomanian[i]);
            }
        }

        // Nothing cut off: the options' captions have the room they need, and
        // the rules window shows its whole text with no scroll bar.
        Options options;
        Form2 form2(options, nullptr);
        form2.show();
        for (QWidget* control : std::initializer_list<QWidget*>{
                 form2.Check1, form2.Check2, form2.Label1, form2.Option1, form2.Option2})
            EXPECT_GE(control->width(), control->sizeHint().width());
        Form3 form3(nullptr);
        const RulesShown rules(form3);
        EXPECT_FALSE(rules.scrollBarShown());
        ASSERT_FALSE(rules.lines.empty());
        EXPECT_LT(rules.lines.back().bottom, rules.shot.height() - 8);
    }
}

// Qt's own texts come in the language too: the message boxes' OK button.
TEST(Languages, TheMessageBoxesButtonIsInTheLanguage)
{
    const InLanguage spanish({"es-ES"});
    QMessageBox box(QMessageBox::NoIcon, "", "", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "Aceptar");
}

} // namespace
} // namespace kolvar::testing
