// The options window and the rules window: how they look, and what closing
// the options window does to the options.
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/rules_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace kolvar {
namespace {

QColor background(const QWidget* w)
{
    return w->palette().color(QPalette::Window);
}

TEST(OptionsWindow, LooksAsDesigned)
{
    Options options;
    Form2 form(options, nullptr);
    EXPECT_EQ(form.windowTitle(), "Optiuni");
    EXPECT_EQ(form.size(), QSize(260, 128));
    EXPECT_EQ(background(&form), QColor(192, 192, 255));
    EXPECT_TRUE(form.autoFillBackground());
    EXPECT_EQ(form.Check1->text(), "Sunete");
    EXPECT_EQ(form.Check2->text(), "Primul");
    EXPECT_EQ(form.Check1->geometry(), QRect(24, 24, 105, 25));
    EXPECT_EQ(form.Check2->geometry(), QRect(24, 64, 105, 25));
    for (QCheckBox* box : {form.Check1, form.Check2}) {
        EXPECT_EQ(background(box), QColor(255, 192, 128));
        EXPECT_TRUE(box->autoFillBackground());
    }
    EXPECT_EQ(form.Check1->nextInFocusChain(), form.Check2);
    EXPECT_TRUE(form.findChildren<QAbstractButton*>().size() == 2); // no other buttons
}

TEST(OptionsWindow, OpensShowingTheOptionsInForceSoClosingItUntouchedChangesNothing)
{
    for (bool sound : {true, false})
        for (bool humanFirst : {true, false}) {
            Options options{humanFirst, sound};
            Form2 form(options, nullptr);
            EXPECT_EQ(form.Check1->isChecked(), sound);
            EXPECT_EQ(form.Check2->isChecked(), humanFirst);
            form.close();
            EXPECT_EQ(options.OptSound, sound);
            EXPECT_EQ(options.OptHumanFirst, humanFirst);
        }
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

TEST(RulesWindow, ShowsTheRulesTextReadOnlyFillingTheWindow)
{
    EXPECT_EQ(kRulesText.size(), 512u);
    EXPECT_TRUE(kRulesText.starts_with("    Scopul jocului este decartarea tuturor cartilor."));
    EXPECT_NE(kRulesText.find("in final.      Aparitia unui 7"), std::string_view::npos);
    EXPECT_TRUE(kRulesText.ends_with("trebuie sa ridice o carte."));
    EXPECT_EQ(kRulesText.find('\n'), std::string_view::npos);

    Form3 form(nullptr);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Reguli de joc");
    EXPECT_EQ(form.size(), QSize(384, 317));
    EXPECT_EQ(form.Text1->geometry(), QRect(0, 0, 384, 317));
    EXPECT_EQ(form.Text1->toPlainText().toStdString(), std::string(kRulesText));
    EXPECT_TRUE(form.Text1->isReadOnly());
    EXPECT_EQ(form.Text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(form.Text1->font().pointSize(), 12);
    EXPECT_EQ(form.Text1->horizontalScrollBar()->maximum(), 0); // words wrap, nothing sideways

    form.resize(300, 200); // a smaller window scrolls
    EXPECT_EQ(form.Text1->geometry(), QRect(0, 0, 300, 200));
}

} // namespace
} // namespace kolvar
