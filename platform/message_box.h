// The modal message box: text, title, one OK button, no icon.
#pragma once

#include <QString>

class QWidget;

namespace kolvar {

// Returns once the player has closed the box.
void ShowMessageBox(QWidget* parent, const QString& text, const QString& title);

} // namespace kolvar
