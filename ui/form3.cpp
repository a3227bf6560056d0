// Loading the rules window.
#include "ui/form3.h"

#include "ui/texts.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kolvar {

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Form3");
    setWindowTitle(Texts::of(Text::RulesTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(384, 317);
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
    Text1->setPlainText(Texts::of(Text::Rules));
}

} // namespace kolvar
