// The main window: its controls, the layout of the table for its client
// area, and its event handlers, each a single call into the rules.
#include "view/form1.h"

#include "computer/computer_turn.h"
#include "computer/hint.h"
#include "game/invariants.h"
#include "game/layout.h"
#include "game/new_game.h"
#include "game/notation.h"
#include "game/suit_buttons.h"
#include "game/timing.h"
#include "human/table_click.h"
#include "platform/desktop_motion.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/system.h"
#include "platform/wave_player.h"
#include "ui/about.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "view/play_keys.h"
#include "view/table_accessible.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kolvar {
namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

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
    : QMainWindow(parent), cuePlayer_(options_), zoomOverride_(settings.zoom),
      motionOverride_(settings.motion), checking_(settings.checking)
{
    setWindowTitle("Have fun!!");
    buildMenus();
    Timer1.setInterval(kTimerIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    crispArt_.setSingleShot(true);
    crispArt_.setInterval(kCrispArtDelayMs);
    connect(&crispArt_, &QTimer::timeout, this, &Form1::makeCrispArt);
    motion_.setOn(motionOverride_.value_or(true));
    InstallTableAccessibility();
    buildTable();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildMenus()
{
    auto item = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key,
                       void (Form1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("File");
    JocNou = item(file, "JocNou", "Joc Nou", Qt::Key_F2, &Form1::JocNou_Click);
    Optiuni = item(file, "Optiuni", "Optiuni", Qt::Key_F3, &Form1::Optiuni_Click);
    Exit = item(file, "Exit", "Exit", Qt::Key_F4, &Form1::Exit_Click);
    QMenu* help = menuBar()->addMenu("Help");
    help->setObjectName("Help");
    Despre = item(help, "Despre", "Despre", {}, &Form1::Despre_Click);
    ReguliDeJoc = item(help, "ReguliDeJoc", "Reguli de joc", Qt::Key_F1, &Form1::ReguliDeJoc_Click);
    // Full screen, as desktop programs have it: F11, and F11 again to leave.
    auto* fullScreen = new QAction(this);
    fullScreen->setObjectName("FullScreen");
    fullScreen->setShortcut(Qt::Key_F11);
    connect(fullScreen, &QAction::triggered, this, &Form1::toggleFullScreen);
    addAction(fullScreen);
}

// The table widget, its suit buttons and the drawing; laid out once the
// window knows its size.
void Form1::buildTable()
{
    surface_ = new TableSurface(this, view_);
    setCentralWidget(surface_);
    connect(surface_, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pixel) {
                Form_MouseDown(button, shift, scale_.toTable(pixel.x()), scale_.toTable(pixel.y()));
            });
    connect(surface_, &TableSurface::areaChanged, this, &Form1::fitTable);
    surface_->setFocus();
    surface_->installEventFilter(this);
    void (Form1::*clicks[kSuitCount])() = {&Form1::Picture4_Click, &Form1::Picture5_Click,
                                           &Form1::Picture6_Click, &Form1::Picture7_Click};
    for (int s = 0; s < kSuitCount; ++s)
        connect(&surface_->suitButton(s), &PictureButton::clicked, this, clicks[s]);
    renderer_ = std::make_unique<CardRenderer>(view_, *surface_);
    surface_->setOverlay([this](QPainter& p, QPoint origin, const QRect&) {
        for (const FlyingCard& card : motion_.flyingCards())
            renderer_->paintFlyingCard(p, origin, card);
    });
    connect(&motion_, &TableMotion::moved, surface_, &PictureBox::refreshArea);
    connect(&motion_, &TableMotion::landed, this, [this](const QRect& area) {
        renderer_->redrawArea(area);
        surface_->refreshArea(area);
    });
}

// The table fitted to the client area it has (table_zoom.h). A game in
// progress goes on as it was: only where things are drawn changes.
void Form1::fitTable()
{
    const QSize client = surface_->size();
    const TableFit fit = FitTable(client, surface_->devicePixelRatioF(), zoomOverride_);
    if (fit.scale == scale_ && client == laidOutFor_)
        return;
    const bool newScale = laidOutFor_.isEmpty() || !(fit.scale == scale_);
    scale_ = fit.scale;
    laidOutFor_ = client;
    geometry_ = fit.geometry;
    surface_->resizeImage(client, scale_.ratio);
    standSuitButtons(fit.table, newScale);
    motion_.settle(); // the cards in flight come to rest in the new layout
    if (!renderer_->artIsCrisp()) {
        if (showsCards_)
            crispArt_.start(); // a run of resizes may follow
        else
            renderer_->makeCrispArt();
    }
    showTable();
    AnnounceTableMoved(*surface_);
}

// The buttons stand where the rules place them on the table, z times as far
// from the corner, their faces drawn at the drawing scale in a frame of two
// rings, each a table pixel at the zoom wide.
void Form1::standSuitButtons(QSize table, bool newScale)
{
    const SuitButtonPlacement place =
        PlaceSuitButtons(table.width(), table.height(), kSuitButtonWidth, kSuitButtonHeight);
    const int ring = std::max(1, scale_.toLogical(1));
    for (int s = 0; s < kSuitCount; ++s) {
        PictureButton& button = surface_->suitButton(s);
        if (newScale) {
            QImage face = SuitButtonFace(s, scale_.s());
            face.setDevicePixelRatio(scale_.ratio);
            button.setPicture(face);
            button.setBorderWidth(kSuitButtonRings * ring);
        }
        button.move(scale_.toLogical(place.left), scale_.toLogical(place.top[s]));
    }
}

// The table as it was last shown, drawn again: the cards, or the bare table
// before the first deal.
void Form1::showTable()
{
    if (showsCards_)
        renderer_->RedrawTable();
    else
        surface_->Clear();
    surface_->Refresh();
}

void Form1::makeCrispArt()
{
    renderer_->makeCrispArt();
    showTable();
}

// Unless KOLVAR_ANIMATION says otherwise, the cards move as the desktop
// allows, from the moment it says so.
void Form1::followDesktopMotion()
{
    auto* desktop = new DesktopMotion(this);
    connect(desktop, &DesktopMotion::reducedChanged, this, [this](bool reduced) {
        motion_.setOn(!reduced);
        showTable();
    });
    desktop->watch();
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
    fitTable();
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

// The mouse plays: the keys' outline hides. A move redraws the table
// without it; a click that moves nothing redraws it once, for the outline.
void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    MouseDownOnTable(table_, geometry_, *this, selection_, x, y);
    eventHandled();
}

// The table redrawn if the outline it shows in a game is not the selection's.
void Form1::showOutline()
{
    if (table_.GameInProgress && outlineDrawn_ != view_.outlined())
        RedrawTable();
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

void Form1::Picture4_Click()
{
    pressSuitButton(kDiamonds);
}

void Form1::Picture5_Click()
{
    pressSuitButton(kSpades);
}

void Form1::Picture6_Click()
{
    pressSuitButton(kHearts);
}

void Form1::Picture7_Click()
{
    pressSuitButton(kClubs);
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

// The suit buttons show the suit the table names: the one raised, the
// others flat.
void Form1::showSuitButtons()
{
    for (int s = 0; s < kSuitCount; ++s) {
        surface_->suitButton(s).setChecked(table_.RaisedSuit == s);
    }
}

// After every event that may change the table (a move, a suit named, a
// key, a deal, the end of a game) the outline and the suit buttons show it;
// and with KOLVAR_CHECK=1
// the state checker runs, outside any move still running: a broken rule
// stops the game at once, saying which rule and on which table, so that a
// long unattended run finds the first fault.
void Form1::eventHandled()
{
    showOutline();
    showSuitButtons();
    if (!checking_ || moves_.held())
        return;
    const std::string broken = CheckInvariants(table_);
    if (broken.empty())
        return;
    std::fprintf(stderr, "kolvar: the table broke a rule: %s\n  %s\n", broken.c_str(),
                 FormatTable(table_).c_str());
    std::abort();
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
    if (watched == surface_ && event->type() == QEvent::Paint) {
        surface_->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(WindowIcon());
            renderer_->art().back();
            if (!motionOverride_)
                followDesktopMotion();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::RedrawTable()
{
    ++redraws_;
    KeepInHand(selection_, table_);
    outlineDrawn_ = view_.outlined();
    showsCards_ = true;
    showSuitButtons();
    motion_.show(table_);
    renderer_->RedrawTable();
    AnnounceTableChanges(*surface_);
}

void Form1::ClearTable()
{
    showsCards_ = false;
    outlineDrawn_ = -1;
    motion_.clear();
    surface_->Clear();
    surface_->Refresh();
}

Form1Probe Form1::probe()
{
    return {table_, options_,   geometry_, selection_, scale_,         *surface_, *renderer_,
            Timer1, cuePlayer_, form2_,    form3_,     motion_.isOn(), redraws_,  presentMessage_};
}

PictureButton& Form1Probe::suitButton(int suit) const
{
    return surface.suitButton(suit);
}

void Form1::ShowMessage(std::string_view message, std::string_view title)
{
    showOutline(); // the table behind the box as it stands

    if (presentMessage_)
        presentMessage_(text(message), text(title));
    else
        ShowMessageBox(this, text(message), text(title));
}

void Form1::PlaySoundCue(std::string_view file)
{
    cuePlayer_.PlaySoundCue(file);
}

int32_t Form1::TickCount()
{
    return GetTickCount();
}

double Form1::NextRandom()
{
    return random_.next();
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
