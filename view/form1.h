// The main window: the card table. It owns the game's state and the play
// keys' selection; builds the menu bar and the timer; and hands each event to
// the rules, the pixel of a click turned into a table pixel first. It is the
// rules' Host: it shows messages, plays cues and keeps time, and has the
// table presenter (table_presenter.h) draw the table.
#pragma once

#include "game/card.h"
#include "game/host.h"
#include "game/options.h"
#include "game/table.h"
#include "human/table_keys.h"
#include "platform/random_source.h"
#include "platform/system.h"
#include "ui/cue_player.h"
#include "view/form1_probe.h"
#include "view/launch_settings.h"
#include "view/table_presenter.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>

class QAction;

namespace kolvar {

class Form2;
class Form3;

class Form1 : public QMainWindow, public Host {
    Q_OBJECT
public:
    explicit Form1(const LaunchSettings& settings, QWidget* parent = nullptr);
    ~Form1() override;

    // Host
    void RedrawTable() override { presenter_.redraw(); }
    void ClearTable() override { presenter_.clear(); }
    void ShowMessage(Notice notice) override;
    void PlaySoundCue(std::string_view file) override;
    int32_t TickCount() override { return GetTickCount(); }
    double NextRandom() override { return random_.next(); }
    void SetTimerEnabled(bool on) override;
    void SetOptionsItemEnabled(bool on) override;
    MoveLock& Moves() override { return moves_; }

    // The window's game and parts, for the tests and the benchmarks.
    Form1Probe probe();

    void Form_Load();
    void JocNou_Click();
    void Optiuni_Click();
    void Exit_Click();
    void Despre_Click();
    void ReguliDeJoc_Click();
    // A mouse-down on the table pixel (x, y).
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Picture4_Click() { pressSuitButton(kDiamonds); }
    void Picture5_Click() { pressSuitButton(kSpades); }
    void Picture6_Click() { pressSuitButton(kHearts); }
    void Picture7_Click() { pressSuitButton(kClubs); }
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void wireTable();
    void toggleFullScreen();
    void pressSuitButton(int16_t suit);
    void eventHandled();
    template <typename Window, typename Make>
    void showModeless(QPointer<Window>& window, Make make);

    const LaunchSettings settings_;
    Table table_;
    HandSelection selection_;
    Options options_;
    MoveLock moves_;
    RandomSource random_;
    CuePlayer cuePlayer_;
    QTimer Timer1;
    TablePresenter presenter_;
    QAction* JocNou = nullptr;
    QAction* Optiuni = nullptr;
    QAction* Exit = nullptr;
    QAction* Despre = nullptr;
    QAction* ReguliDeJoc = nullptr;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    std::function<void(const QString&, const QString&)> presentMessage_;
};

} // namespace kolvar
