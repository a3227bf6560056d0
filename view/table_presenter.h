// The table as the window presents it: laid out for the client area it has
// (table_zoom.h), again whenever that area, its screen or its pixel density
// changes; drawn by the card renderer with art made for its scale; each
// change shown as cards in flight (table_motion.h), unless the desktop or
// KOLVAR_ANIMATION asks for none; the play keys' outline; and the suit
// buttons standing on it, showing the suit the table names, drawn like the
// cards. The window owns the game and the selection: this reads them and
// draws, and changes neither.
#pragma once

#include "game/layout.h"
#include "game/table.h"
#include "human/table_keys.h"
#include "view/card_rendering.h"
#include "view/launch_settings.h"
#include "view/table_motion.h"
#include "view/table_surface.h"
#include "view/table_view.h"
#include "view/table_zoom.h"

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <memory>

class QWidget;

namespace kolvar {

// After the last of a run of resizes (a window dragged to a new size), this
// long passes before the card art is made for the new scale; meanwhile the
// old art stands in, stretched.
inline constexpr int kCrispArtDelayMs = 40;

class TablePresenter : public QObject {
    Q_OBJECT
public:
    // The table widget is made a child of `window`.
    TablePresenter(QWidget* window, const Table& table, const HandSelection& selection,
                   const LaunchSettings& settings);
    ~TablePresenter() override;

    // Lays the table out for the client area it has, if that changed. A game
    // in progress goes on as it was: only where things are drawn changes.
    void fit();
    // The table drawn as it stands; what the change moved flies.
    void redraw();
    // The bare table, as before the first deal.
    void clear();
    // Draws the table again if the outline it shows in a game is not the
    // selection's.
    void showOutline();
    // The suit buttons show the suit the table names: the one raised, the
    // others flat.
    void showSuitButtons();
    // What waits for the first frame: the card back, and the desktop's
    // motion setting (unless KOLVAR_ANIMATION fixed it).
    void finishAfterFirstFrame();

    // The table pixel under a pixel of the table widget.
    QPoint toTable(QPoint pixel) const;

    TableSurface& surface() const { return *surface_; }
    const TableGeometry& geometry() const { return geometry_; }
    const TableScale& scale() const { return scale_; }
    CardRenderer& renderer() const { return *renderer_; }
    bool showsMotion() const { return motion_.isOn(); }
    int redraws() const { return redraws_; } // the full redraws so far

private:
    void standSuitButtons(QSize table, bool newScale);
    void showTable();
    void makeCrispArt();
    void followDesktopMotion();

    const Table& table_;
    const HandSelection& selection_;
    const LaunchSettings settings_;
    TableGeometry geometry_;
    TableScale scale_;
    TableMotion motion_{geometry_, scale_};
    const TableView view_{table_, motion_.under(), geometry_, selection_, scale_};
    TableSurface* surface_;
    std::unique_ptr<CardRenderer> renderer_;
    QTimer crispArt_;         // single shot, after the last resize
    QSize laidOutFor_;        // the client area the table was last laid out for
    bool showsCards_ = false; // the last drawing was a redraw, not a clear
    int outlineDrawn_ = -1;   // where the last redraw drew the outline (outlined())
    int redraws_ = 0;
};

} // namespace kolvar
