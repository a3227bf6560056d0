// The About box.
#pragma once

class QWidget;

namespace kolvar {

void ShowAbout(QWidget* parent);

} // namespace kolvar
