// The rules window: the rules text, word-wrapped to the window, read-only.
// The text box fills the window, also when the player resizes it.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kolvar {

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent);

    QPlainTextEdit* Text1 = nullptr;

private:
    void Form_Load();
};

} // namespace kolvar
