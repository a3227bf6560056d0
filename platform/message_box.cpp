// A message box with nothing but its text and an OK button.
#include "platform/message_box.h"

#include <QMessageBox>

namespace kolvar {

void ShowMessageBox(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace kolvar
