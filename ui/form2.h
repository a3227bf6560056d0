// The options window: two check boxes, "Sunete" (sound) and "Primul" (the
// human opens), and below them the computer's level, "Calculator:" with the
// radio buttons "Clasic" and "Expert". It opens showing the options in force,
// and closing it writes them all; there is no other button. A layout places
// the controls, so the window grows to whatever its texts need.
#pragma once

#include "game/options.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace kolvar {

class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(Options& options, QWidget* parent);

    QCheckBox* Check1 = nullptr;     // "Sunete"
    QCheckBox* Check2 = nullptr;     // "Primul"
    QLabel* Label1 = nullptr;        // "Calculator:"
    QRadioButton* Option1 = nullptr; // "Clasic"
    QRadioButton* Option2 = nullptr; // "Expert"

    // Writes OptHumanFirst from Check2, then OptSound from Check1 (only a
    // ticked box counts as on), then the level from the radio buttons.
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Options& options_;
};

} // namespace kolvar
