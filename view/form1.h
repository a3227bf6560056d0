// The main window: the card table. It owns the game's state, the geometry it
// is shown at and the play keys' selection; builds the menu bar, the timer
// and the table widget; fits the table to the client area it has, again
// whenever that area, its screen or its pixel density changes; and hands
// each event to the rules, the pixel of a click turned into a table pixel
// first. It is also the rules' Host: it draws, shows messages, plays cues
// and keeps time. The suit buttons show the suit the table names, drawn
// like the cards; what a change moves on the table shows as cards in flight
// (table_motion.h), unless the desktop or KOLVAR_ANIMATION asks for none.
#pragma once

#include "game/host.h"
#include "game/layout.h"
#include "game/options.h"
#include "game/table.h"
#include "human/table_keys.h"
#include "platform/random_source.h"
#include "ui/cue_player.h"
#include "view/card_rendering.h"
#include "view/form1_probe.h"
#include "view/launch_settings.h"
#include "view/table_motion.h"
#include "view/table_surface.h"
#include "view/table_view.h"
#include "view/table_zoom.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QAction;

namespace kolvar {

class Form2;
class Form3;

// After the last of a run of resizes (a window dragged to a new size), this
// long passes before the card art is made for the new scale; meanwhile the
// old art stands in, stretched.
inline constexpr int kCrispArtDelayMs = 40;

class Form1 : public QMainWindow, public Host {
    Q_OBJECT
public:
    explicit Form1(const LaunchSettings& settings, QWidget* parent = nullptr);
    ~Form1() override;

    // Host
    void RedrawTable() override;
    void ClearTable() override;
    void ShowMessage(std::string_view text, std::string_view title) override;
    void PlaySoundCue(std::string_view file) override;
    int32_t TickCount() override;
    double NextRandom() override;
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
    void Picture4_Click();
    void Picture5_Click();
    void Picture6_Click();
    void Picture7_Click();
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildTable();
    void fitTable();
    void standSuitButtons(QSize table, bool newScale);
    void showTable();
    void makeCrispArt();
    void followDesktopMotion();
    void toggleFullScreen();
    void pressSuitButton(int16_t suit);
    void showSuitButtons();
    void showOutline();
    void eventHandled();
    template <typename Window, typename Make>
    void showModeless(QPointer<Window>& window, Make make);

    Table table_;
    TableGeometry geometry_;
    HandSelection selection_;
    TableScale scale_;
    TableMotion motion_{geometry_, scale_};
    const TableView view_{table_, motion_.under(), geometry_, selection_, scale_};
    Options options_;
    MoveLock moves_;
    RandomSource random_;
    CuePlayer cuePlayer_;
    QTimer Timer1;
    QTimer crispArt_; // single shot, after the last resize
    std::optional<double> zoomOverride_;
    std::optional<bool> motionOverride_; // KOLVAR_ANIMATION
    bool checking_ = false;              // KOLVAR_CHECK=1: the state checker after every event
    QSize laidOutFor_;                   // the client area the table was last laid out for
    bool showsCards_ = false;            // the last drawing was a redraw, not a clear
    int outlineDrawn_ = -1;              // where the last redraw drew the outline (outlined())
    int redraws_ = 0;
    TableSurface* surface_ = nullptr;
    std::unique_ptr<CardRenderer> renderer_;
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
