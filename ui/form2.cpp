// The options window's controls and its unload.
#include "ui/form2.h"

#include "ui/table_colour.h"
#include "ui/texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kolvar {
namespace {

const QColor kWindowColour(192, 192, 255);
const QColor kBoxColour = QColor::fromRgb(kTableRgb); // the table's own

// Each control stands on an orange panel at least this large, with this
// much light blue between them and around the window's edge.
const QSize kPanelSize(105, 25);
constexpr int kMargin = 24;
constexpr int kSpacing = 15;

// Fills a widget's background with `colour`. A check box, like every button,
// fills its background from the Button role, and styles draw its tick's frame
// from the Window role. So the colour goes into Window and the box fills
// from Window too: it is drawn as the style draws a box on a window of that
// colour, its tick, frame and caption as they always are.
void paint(QWidget* w, QColor colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
    w->setBackgroundRole(QPalette::Window);
    w->setAutoFillBackground(true);
}

template <typename Button>
Button* button(QWidget* parent, const char* name, const QString& caption, bool on)
{
    auto* b = new Button(caption, parent);
    b->setObjectName(name);
    b->setMinimumSize(kPanelSize);
    b->setChecked(on);
    paint(b, kBoxColour);
    return b;
}

} // namespace

Form2::Form2(Options& options, QWidget* parent) : QWidget(parent, Qt::Window), options_(options)
{
    setObjectName("Form2");
    setWindowTitle(Texts::of(Text::OptionsTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    paint(this, kWindowColour);
    Check1 = button<QCheckBox>(this, "Check1", Texts::of(Text::SoundOption), options_.OptSound);
    Check2 = button<QCheckBox>(this, "Check2", Texts::of(Text::HumanFirstOption),
                               options_.OptHumanFirst);
    const bool expert = options_.Level == ComputerLevel::Expert;
    Label1 = new QLabel(Texts::of(Text::LevelCaption), this);
    Label1->setObjectName("Label1");
    Option1 = button<QRadioButton>(this, "Option1", Texts::of(Text::ClassicLevel), !expert);
    Option2 = button<QRadioButton>(this, "Option2", Texts::of(Text::ExpertLevel), expert);
    Label1->setBuddy(Option1); // the screen reader names the pair by the caption
    auto* level = new QButtonGroup(this);
    level->addButton(Option1);
    level->addButton(Option2);

    auto* levelRow = new QHBoxLayout;
    levelRow->setSpacing(kSpacing);
    levelRow->addWidget(Option1);
    levelRow->addWidget(Option2);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kSpacing);
    column->addWidget(Check1, 0, Qt::AlignLeft);
    column->addWidget(Check2, 0, Qt::AlignLeft);
    column->addWidget(Label1);
    column->addLayout(levelRow);
    column->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Option1);
    setTabOrder(Option1, Option2);
    Check1->setFocus();
}

void Form2::Form_Unload()
{
    options_.OptHumanFirst = Check2->checkState() == Qt::Checked;
    options_.OptSound = Check1->checkState() == Qt::Checked;
    options_.Level = Option2->isChecked() ? ComputerLevel::Expert : ComputerLevel::Clasic;
}

void Form2::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

} // namespace kolvar
