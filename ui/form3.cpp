// Loading the rules window.
#include "ui/form3.h"

#include "ui/texts.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace kolvar {
namespace {

constexpr QSize kClientSize(384, 317);

// The height the text box needs to show all of `text` at `width`, wrapped
// as it wraps it.
int heightToShow(const QPlainTextEdit& box, const QString& text, int width)
{
    QTextDocument measure;
    measure.setDefaultFont(box.font());
    measure.setDocumentMargin(box.document()->documentMargin());
    measure.setPlainText(text);
    measure.setTextWidth(width - 2 * box.frameWidth());
    return static_cast<int>(std::ceil(measure.size().height())) + 2 * box.frameWidth();
}

} // namespace

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Form3");
    setWindowTitle(Texts::of(Text::RulesTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    QFont font("MS Sans Serif", 12);
    font.setStyleHint(QFont::SansSerif); // the nearest sans serif where that face is missing
    Text1->setFont(font);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Text1);
    Form_Load();
}

void Form3::Form_Load()
{
    const QString rules = Texts::of(Text::Rules);
    Text1->setPlainText(rules);
    // The window keeps its width and grows to the whole text: a translation
    // can be longer than the Romanian.
    resize(kClientSize.width(),
           std::max(kClientSize.height(), heightToShow(*Text1, rules, kClientSize.width())));
}

} // namespace kolvar
