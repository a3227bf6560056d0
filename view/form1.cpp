// The main window: its menus and the wiring of its table, and its event
// handlers, each a single call into the rules.
#include "view/form1.h"

#include "computer/computer_turn.h"
#include "computer/hint.h"
#include "game/invariants.h"
#include "game/new_game.h"
#include "game/suit_buttons.h"
#include "game/timing.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "platform/wave_player.h"
#include "ui/about.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/texts.h"
#include "view/play_keys.h"
#include "view/table_accessible.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace kolvar {
namespace {

// The window system's small sizes; menus and docks take the larger ones from
// the icon theme.
QIcon WindowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(QPixmap(QString(":/icons/kolvar-%1.png").arg(size), "PNG"));
    return icon;
}

} // namespace

Form1::Form1(const LaunchSettings& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings), cuePlayer_(options_),
      presenter_(this, table_, selection_, settings)
{
    setWindowTitle(Texts::of(Text::WindowTitle));
    buildMenus();
    Timer1.setInterval(kTimerIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    InstallTableAccessibility();
    wireTable();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildMenus()
{
    auto item = [this](QMenu* menu, const char* name, Text caption, QKeySequence key,
                       void (Form1::*handler)()) {
        QAction* action = menu->addAction(Texts::of(caption));
        action->setObjectName(name);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menuBar()->addMenu(Texts::of(Text::FileMenu));
    file->setObjectName("File");
    JocNou = item(file, "JocNou", Text::NewGameItem, Qt::Key_F2, &Form1::JocNou_Click);
    Optiuni = item(file, "Optiuni", Text::OptionsItem, Qt::Key_F3, &Form1::Optiuni_Click);
    Exit = item(file, "Exit", Text::ExitItem, Qt::Key_F4, &Form1::Exit_Click);
    QMenu* help = menuBar()->addMenu(Texts::of(Text::HelpMenu));
    help->setObjectName("Help");
    Despre = item(help, "Despre", Text::AboutItem, {}, &Form1::Despre_Click);
    ReguliDeJoc = item(help, "ReguliDeJoc", Text::RulesItem, Qt::Key_F1, &Form1::ReguliDeJoc_Click);
    // Full screen, as desktop programs have it: F11, and F11 again to leave.
    auto* fullScreen = new QAction(this);
    fullScreen->setObjectName("FullScreen");
    fullScreen->setShortcut(Qt::Key_F11);
    connect(fullScreen, &QAction::triggered, this, &Form1::toggleFullScreen);
    addAction(fullScreen);
}

// The table widget takes the window's client area, its clicks and its suit
// buttons' clicks going to the handlers.
void Form1::wireTable()
{
    TableSurface& surface = presenter_.surface();
    setCentralWidget(&surface);
    connect(&surface, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pixel) {
                const QPoint at = presenter_.toTable(pixel);
                Form_MouseDown(button, shift, at.x(), at.y());
            });
    void (Form1::*clicks[kSuitCount])() = {&Form1::Picture4_Click, &Form1::Picture5_Click,
                                           &Form1::Picture6_Click, &Form1::Picture7_Click};
    for (int s = 0; s < kSuitCount; ++s)
        connect(&surface.suitButton(s), &PictureButton::clicked, this, clicks[s]);
    surface.setFocus();
    surface.installEventFilter(this);
}

void Form1::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

// The window opens on the screen's free area (a window manager maximizes it
// there); the table is laid out for the client area it has then.
void Form1::Form_Load()
{
    random_.Randomize();
    setGeometry(screen()->availableGeometry());
    layout()->activate();
    presenter_.fit();
    kolvar::PrepareTable(table_, options_, *this);
}

void Form1::JocNou_Click()
{
    // The first game's cues find the sound server ready; the window came up
    // without waiting for it.
    cuePlayer_.prepare();
    NewDeal(table_, options_, *this, selection_, ComputerOpeningSuit);
    eventHandled();
}

void Form1::Optiuni_Click()
{
    showModeless(form2_, [this] { return new Form2(options_, this); });
}

void Form1::ReguliDeJoc_Click()
{
    showModeless(form3_, [this] { return new Form3(this); });
}

// A window of its own, made on first use and afresh after it was closed;
// while it is open, choosing it again only brings it to the front.
template <typename Window, typename Make>
void Form1::showModeless(QPointer<Window>& window, Make make)
{
    if (!window) {
        window = make();
        window->show();
    }
    window->raise();
    window->activateWindow();
}

void Form1::Exit_Click()
{
    QCoreApplication::exit(0);
}

void Form1::Despre_Click()
{
    ShowAbout(this);
}

// The mouse plays: the keys' outline hides, with the table redrawn by the
// move or, if nothing moved, for the outline alone.
void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    MouseDownOnTable(table_, presenter_.geometry(), *this, selection_, x, y);
    eventHandled();
}

// A play key acts on the table; H shows the expert's hint with the outline.
void Form1::keyPressEvent(QKeyEvent* event)
{
    const std::optional<PlayKey> play = PlayKeyFor(*event);
    if (!play) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (play->key == TableKey::Hint)
        ShowHint(selection_, ExpertHint(table_, *this));
    else
        PressTableKey(table_, *this, selection_, play->key, play->suit);
    eventHandled();
}

void Form1::pressSuitButton(int16_t suit)
{
    ClickSuitButton(table_, *this, suit);
    eventHandled();
}

void Form1::Timer1_Timer()
{
    kolvar::ComputerTick(table_, *this);
    eventHandled();
}

// After every event that may change the table (a move, a suit named, a
// key, a deal, the end of a game) the outline and the suit buttons show it;
// and with KOLVAR_CHECK=1 the state checker runs, outside any move still
// running.
void Form1::eventHandled()
{
    presenter_.showOutline();
    presenter_.showSuitButtons();
    if (settings_.checking && !moves_.held())
        StopOnBrokenRule(table_);
}

// Closing the table ends the game program, its other windows with it.
void Form1::closeEvent(QCloseEvent* event)
{
    for (QWidget* window : {static_cast<QWidget*>(form2_), static_cast<QWidget*>(form3_)})
        if (window)
            window->hide();
    event->accept();
    QCoreApplication::quit();
}

// The card back and the window's icon are made, and the desktop asked about
// motion, once the table's first frame is on screen, so that the window
// comes up without waiting for them (the first picture read makes Qt look
// through its image format plugins).
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &presenter_.surface() && event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(WindowIcon());
            presenter_.finishAfterFirstFrame();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

Form1Probe Form1::probe()
{
    const TablePresenter& p = presenter_;
    return {table_,      options_,        p.geometry(), selection_,     p.scale(),
            p.surface(), p.renderer(),    Timer1,       cuePlayer_,     form2_,
            form3_,      p.showsMotion(), p.redraws(),  presentMessage_};
}

PictureButton& Form1Probe::suitButton(int suit) const
{
    return surface.suitButton(suit);
}

void Form1::ShowMessage(Notice notice)
{
    presenter_.showOutline(); // the table behind the box as it stands
    const QString text = Texts::notice(notice), title = Texts::noticeTitle(notice);
    if (presentMessage_)
        presentMessage_(text, title);
    else
        ShowMessageBox(this, text, title);
}

void Form1::PlaySoundCue(std::string_view file)
{
    cuePlayer_.PlaySoundCue(file);
}

void Form1::SetTimerEnabled(bool on)
{
    if (!on)
        Timer1.stop();
    else if (!Timer1.isActive())
        Timer1.start();
}

void Form1::SetOptionsItemEnabled(bool on)
{
    Optiuni->setEnabled(on);
}

} // namespace kolvar
