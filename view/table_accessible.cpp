// The accessible table: one interface for the table widget and one for each
// of its parts that is no widget of its own (the hand and its cards, the two
// cards of the pile, the computer's hand, the stock). The suit buttons are
// Qt's buttons, made accessible by Qt itself.
#include "view/table_accessible.h"

#include "game/ring.h"
#include "ui/texts.h"
#include "view/table_surface.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <array>
#include <vector>

namespace kolvar {
namespace {

enum class Part { Hand, Top, Under, Computer, Stock, Card };
constexpr int kParts = 5; // the table's own children before its suit buttons

// What a screen reader last heard of a table.
struct Announced {
    std::array<QString, kParts> parts;
    std::array<QString, kHandCapacity> cards;
    int cardCount = 0;
    int outlined = -1; // TableView::outlined()
};

class TableAccessible;

// A part of the table; for Part::Card, card `index` of the hand.
class PartAccessible : public QAccessibleInterface {
public:
    PartAccessible(const TableAccessible& table, Part part, int index = 0)
        : table_(table), part_(part), index_(index)
    {
    }
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    const TableAccessible& table_;
    Part part_;
    int index_;
};

class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableSurface* surface)
        : QAccessibleWidget(surface, QAccessible::Pane), view_(surface->view())
    {
        for (int i = 0; i < kParts; ++i)
            parts_[i] = add(new PartAccessible(*this, static_cast<Part>(i)));
        for (int i = 0; i < kHandCapacity; ++i)
            cards_[i] = add(new PartAccessible(*this, Part::Card, i));
    }
    ~TableAccessible() override
    {
        for (QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    const TableView& view() const { return view_; }
    const Table& table() const { return view_.table; }
    QAccessibleInterface* part(Part p) const { return parts_[static_cast<int>(p)]; }
    QAccessibleInterface* card(int i) const { return cards_[i]; }
    int partIndex(const QAccessibleInterface* p) const
    {
        const auto at = std::find(parts_.begin(), parts_.end(), p);
        return at == parts_.end() ? -1 : static_cast<int>(at - parts_.begin());
    }
    int cardIndex(const QAccessibleInterface* c) const
    {
        const auto at = std::find(cards_.begin(), cards_.end(), c);
        const int i = static_cast<int>(at - cards_.begin());
        return at == cards_.end() || i >= table().HumanCount ? -1 : i;
    }
    int selectedCard() const { return view_.selectedCard(); }
    // A rectangle in the table's own pixels, on the screen at the table's zoom.
    QRect onScreen(int x, int y, int w, int h) const
    {
        const TableScale& z = view_.scale;
        const QPoint topLeft(z.toLogical(x), z.toLogical(y));
        const QPoint bottomRight(z.toLogical(x + w), z.toLogical(y + h));
        return QRect(widget()->mapToGlobal(topLeft),
                     widget()->mapToGlobal(bottomRight) - QPoint(1, 1));
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Texts::of(Text::TableName) : QAccessibleWidget::text(t);
    }
    int childCount() const override { return kParts + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return index < kParts ? parts_.at(index) : QAccessibleWidget::child(index - kParts);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int own = partIndex(child);
        const int widget = QAccessibleWidget::indexOfChild(child);
        return own >= 0 ? own : widget >= 0 ? widget + kParts : -1;
    }
    // The card the keys' outline is on, or the stock a hint put it on.
    QAccessibleInterface* focusChild() const override
    {
        const int outlined = view_.outlined();
        if (outlined == kHandCapacity)
            return part(Part::Stock);
        return outlined >= 0 ? cards_[outlined] : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

private:
    QAccessibleInterface* add(QAccessibleInterface* iface)
    {
        ids_.push_back(QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

    const TableView& view_;
    std::array<QAccessibleInterface*, kParts> parts_{};
    std::array<QAccessibleInterface*, kHandCapacity> cards_{};
    std::vector<QAccessible::Id> ids_;

public:
    Announced heard; // kept by AnnounceTableChanges
};

QWindow* PartAccessible::window() const
{
    return table_.window();
}

QAccessibleInterface* PartAccessible::parent() const
{
    return part_ == Part::Card ? table_.part(Part::Hand) : const_cast<TableAccessible*>(&table_);
}

int PartAccessible::childCount() const
{
    return part_ == Part::Hand ? table_.table().HumanCount : 0;
}

QAccessibleInterface* PartAccessible::child(int index) const
{
    return index >= 0 && index < childCount() ? table_.card(index) : nullptr;
}

int PartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return part_ == Part::Hand ? table_.cardIndex(child) : -1;
}

QAccessibleInterface* PartAccessible::childAt(int x, int y) const
{
    for (int i = childCount() - 1; i >= 0; --i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

QString PartAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    const Table& tb = table_.table();
    auto pile = [&](bool laid, Face f) { return laid ? std::optional(f) : std::nullopt; };
    switch (part_) {
    case Part::Hand:
        return Texts::of(Text::YourCards);
    case Part::Card:
        return Texts::cardName(tb.HumanHand[index_].face());
    case Part::Top:
        return Texts::topCard(pile(tb.PlayedCount > 0, tb.topCard()));
    case Part::Under:
        return Texts::underCard(pile(tb.PlayedCount > 1, tb.prevCard()));
    case Part::Computer:
        return Texts::computerHand(tb.ComputerCount);
    case Part::Stock:
        return Texts::stock(StockCount(tb));
    }
    return {};
}

QRect PartAccessible::rect() const
{
    const Table& tb = table_.table();
    const TableGeometry& g = table_.view().geometry;
    switch (part_) {
    case Part::Hand: {
        const int n = tb.HumanCount;
        const int right = n > 0 ? g.HumanSlotPos[n - 1].X + kCardWidth : g.HumanSlotPos[0].X;
        return table_.onScreen(g.HumanSlotPos[0].X, g.HumanSlotPos[0].Y,
                               right - g.HumanSlotPos[0].X, kCardHeight);
    }
    case Part::Card: {
        const TableRect strip = HandStrip(g, tb.HumanCount, index_);
        return table_.onScreen(strip.x, strip.y, strip.width, strip.height);
    }
    case Part::Top:
        return table_.onScreen(g.TopCardX, g.TopCardY, kCardWidth, kCardHeight);
    case Part::Under:
        return table_.onScreen(g.PrevCardX, g.PrevCardY, kCardWidth, kCardHeight);
    case Part::Computer: {
        const int n = std::max<int>(tb.ComputerCount, 1);
        const SlotPos first = g.ComputerSlotPos[0];
        return table_.onScreen(first.X, first.Y, g.ComputerSlotPos[n - 1].X + kCardWidth - first.X,
                               kCardHeight);
    }
    case Part::Stock: {
        const TableRect stock = StockRect(g);
        return table_.onScreen(stock.x, stock.y, stock.width, stock.height);
    }
    }
    return {};
}

QAccessible::Role PartAccessible::role() const
{
    switch (part_) {
    case Part::Hand:
        return QAccessible::List;
    case Part::Card:
        return QAccessible::ListItem;
    default:
        return QAccessible::StaticText;
    }
}

QAccessible::State PartAccessible::state() const
{
    QAccessible::State s;
    if (part_ == Part::Card) {
        s.selectable = true;
        s.focusable = true;
        s.selected = s.focused = index_ == table_.selectedCard();
    } else if (part_ == Part::Stock) {
        s.focusable = true;
        s.focused = table_.view().stockSelected();
    }
    return s;
}

QAccessibleInterface* tableFactory(const QString&, QObject* object)
{
    auto* surface = qobject_cast<TableSurface*>(object);
    return surface ? new TableAccessible(surface) : nullptr;
}

void raise(QAccessibleInterface* iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallTableAccessibility()
{
    static const bool installed = (QAccessible::installFactory(tableFactory), true);
    Q_UNUSED(installed);
}

void AnnounceTableChanges(TableSurface& surface)
{
    if (!QAccessible::isActive())
        return; // no screen reader listens
    auto* table = static_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(&surface));
    Announced& last = table->heard;
    for (int i = 0; i < kParts; ++i) {
        const QString name = table->child(i)->text(QAccessible::Name);
        if (name != last.parts[i])
            raise(table->child(i), QAccessible::NameChanged);
        last.parts[i] = name;
    }
    const int count = surface.view().table.HumanCount;
    const int outlined = surface.view().outlined();
    bool selectedChanged = outlined != last.outlined;
    for (int i = 0; i < std::max(count, last.cardCount); ++i) {
        const QString name = i < count ? table->card(i)->text(QAccessible::Name) : QString();
        if (i >= last.cardCount)
            raise(table->card(i), QAccessible::ObjectCreated);
        else if (i >= count)
            raise(table->card(i), QAccessible::ObjectDestroyed);
        else if (name != last.cards[i])
            raise(table->card(i), QAccessible::NameChanged);
        selectedChanged |= i == table->selectedCard() && name != last.cards[i];
        last.cards[i] = name;
    }
    last.cardCount = count;
    last.outlined = outlined;
    if (selectedChanged && table->focusChild())
        raise(table->focusChild(), QAccessible::Focus);
}

void AnnounceTableMoved(TableSurface& surface)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&surface);
    for (int i = 0; i < kParts; ++i)
        raise(table->child(i), QAccessible::LocationChanged);
}

} // namespace kolvar
