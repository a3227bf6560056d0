// The rules window: the rules text, word-wrapped to the window, read-only.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kolvar {

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent);

    QPlainTextEdit* Text1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
};

} // namespace kolvar
