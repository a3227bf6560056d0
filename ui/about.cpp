// Showing the About box.
#include "ui/about.h"

#include "platform/message_box.h"
#include "ui/texts.h"

namespace kolvar {

void ShowAbout(QWidget* parent)
{
    ShowMessageBox(parent, Texts::of(Text::About), Texts::of(Text::AboutTitle));
}

} // namespace kolvar
