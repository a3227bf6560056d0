// The options window: two check boxes, "Sunete" (sound) and "Primul" (the
// human opens). It opens showing the options in force, and closing it
// writes both options from the boxes; there is no other button.
#pragma once

#include "game/options.h"

#include <QWidget>

class QCheckBox;

namespace kolvar {

class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(Options& options, QWidget* parent);

    QCheckBox* Check1 = nullptr; // "Sunete"
    QCheckBox* Check2 = nullptr; // "Primul"

    // Writes OptHumanFirst from Check2, then OptSound from Check1; only a
    // ticked box counts as on.
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Options& options_;
};

} // namespace kolvar
