// Showing the About box.
#include "ui/about.h"

#include "platform/message_box.h"

namespace kolvar {

void ShowAbout(QWidget* parent)
{
    ShowMessageBox(parent, kAboutText, kAboutTitle);
}

} // namespace kolvar
