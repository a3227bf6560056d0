// The table's layout, drawing, motion and suit buttons for the window.
#include "view/table_presenter.h"

#include "game/suit_buttons.h"
#include "platform/desktop_motion.h"
#include "view/table_accessible.h"

#include <algorithm>

namespace kolvar {

TablePresenter::TablePresenter(QWidget* window, const Table& table, const HandSelection& selection,
                               const LaunchSettings& settings)
    : table_(table), selection_(selection), settings_(settings),
      surface_(new TableSurface(window, view_)),
      renderer_(std::make_unique<CardRenderer>(view_, *surface_))
{
    motion_.setOn(settings_.motion.value_or(true));
    crispArt_.setSingleShot(true);
    crispArt_.setInterval(kCrispArtDelayMs);
    connect(&crispArt_, &QTimer::timeout, this, &TablePresenter::makeCrispArt);
    connect(surface_, &TableSurface::areaChanged, this, &TablePresenter::fit);
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

TablePresenter::~TablePresenter() = default;

void TablePresenter::fit()
{
    const QSize client = surface_->size();
    const TableFit fit = FitTable(client, surface_->devicePixelRatioF(), settings_.zoom);
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
void TablePresenter::standSuitButtons(QSize table, bool newScale)
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

void TablePresenter::redraw()
{
    ++redraws_;
    outlineDrawn_ = view_.outlined();
    showsCards_ = true;
    showSuitButtons();
    motion_.show(table_);
    renderer_->drawWhole();
    AnnounceTableChanges(*surface_);
}

void TablePresenter::clear()
{
    showsCards_ = false;
    outlineDrawn_ = -1;
    motion_.reset();
    showTable();
}

// The table as it was last shown, drawn again: the cards, or the bare table
// before the first deal.
void TablePresenter::showTable()
{
    if (showsCards_)
        renderer_->drawWhole();
    else
        surface_->Clear();
    surface_->Refresh();
}

void TablePresenter::showOutline()
{
    if (table_.GameInProgress && outlineDrawn_ != view_.outlined())
        redraw();
}

void TablePresenter::showSuitButtons()
{
    for (int s = 0; s < kSuitCount; ++s)
        surface_->suitButton(s).setChecked(table_.RaisedSuit == s);
}

void TablePresenter::makeCrispArt()
{
    renderer_->makeCrispArt();
    showTable();
}

void TablePresenter::finishAfterFirstFrame()
{
    renderer_->art().back();
    if (!settings_.motion)
        followDesktopMotion();
}

// The cards move as the desktop allows, from the moment it says so.
void TablePresenter::followDesktopMotion()
{
    auto* desktop = new DesktopMotion(this);
    connect(desktop, &DesktopMotion::reducedChanged, this, [this](bool reduced) {
        motion_.setOn(!reduced);
        showTable();
    });
    desktop->watch();
}

QPoint TablePresenter::toTable(QPoint pixel) const
{
    return {scale_.toTable(pixel.x()), scale_.toTable(pixel.y())};
}

} // namespace kolvar
