// The options window's controls and its unload.
#include "ui/form2.h"

#include "ui/table_colour.h"

#include <QCheckBox>
#include <QCloseEvent>

namespace kolvar {
namespace {

const QColor kWindowColour(192, 192, 255);
const QColor kBoxColour = QColor::fromRgb(kTableRgb); // the table's own

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

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, int y, bool ticked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(24, y, 105, 25);
    box->setChecked(ticked);
    paint(box, kBoxColour);
    return box;
}

} // namespace

Form2::Form2(Options& options, QWidget* parent) : QWidget(parent, Qt::Window), options_(options)
{
    setObjectName("Form2");
    setWindowTitle("Optiuni");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(260, 128);
    paint(this, kWindowColour);
    Check1 = checkBox(this, "Check1", "Sunete", 24, options_.OptSound);
    Check2 = checkBox(this, "Check2", "Primul", 64, options_.OptHumanFirst);
    setTabOrder(Check1, Check2);
    Check1->setFocus();
}

void Form2::Form_Unload()
{
    options_.OptHumanFirst = Check2->checkState() == Qt::Checked;
    options_.OptSound = Check1->checkState() == Qt::Checked;
}

void Form2::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

} // namespace kolvar
