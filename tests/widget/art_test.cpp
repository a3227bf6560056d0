// The artwork as the generator draws it: at scale 1 the very pictures the
// game ships with, and at every scale the sheet's layout, a border one
// device pixel wide, and corner indexes that stand sharp and tell the cards
// apart in the strip a row of cards leaves showing.
#include "artwork/suit_faces.h"
#include "drawn.h"
#include "pictures.h"
#include "platform/blit.h"

#include <QSet>

namespace kolvar::testing {
namespace {

const char* const kSuitIcons[kSuitCount] = {":/suit_diamonds.png", ":/suit_spades.png",
                                            ":/suit_hearts.png", ":/suit_clubs.png"};

::testing::AssertionResult Same(const QImage& drawn, const QImage& shipped)
{
    if (drawn.size() != shipped.size())
        return ::testing::AssertionFailure() << "the sizes differ";
    return SamePixels(drawn.convertToFormat(QImage::Format_RGB32), {0, 0},
                      shipped.convertToFormat(QImage::Format_RGB32), shipped.rect());
}

TEST(Artwork, AtScaleOneTheGeneratorDrawsThePicturesTheGameShipsWith)
{
    EXPECT_TRUE(Same(generatedSheet(1), sheet()));
    EXPECT_TRUE(Same(artwork::renderCardBack(1), cardBack()));
    for (int s = 0; s < kSuitCount; ++s)
        EXPECT_TRUE(Same(artwork::renderSuitFace(static_cast<Suit>(s), 1), QImage(kSuitIcons[s])))
            << s;
    // The back as the table has always shown it: its 96 rows stretched to 100.
    QImage stretched(kCardWidth, kCardHeight, QImage::Format_RGB32);
    StretchBlt(stretched, 0, 0, kCardWidth, kCardHeight, cardBack(), 0, 0, 70, 96);
    EXPECT_TRUE(Same(artwork::renderTableBack(1), stretched));
}

TEST(Artwork, EveryScaleKeepsTheLayoutOfThePictures)
{
    EXPECT_EQ(artwork::cardSize(1.5), QSize(105, 150));
    EXPECT_EQ(artwork::cardSize(2), QSize(140, 200));
    EXPECT_EQ(artwork::cardSize(1.25), QSize(88, 125));  // 87.5 covered whole
    EXPECT_EQ(artwork::cardSize(1.66), QSize(117, 166)); // 116.2 too
    for (double s : {1.25, 1.5, 2.0, 3.0}) {
        const QSize card(std::ceil(70 * s), std::ceil(100 * s));
        EXPECT_EQ(artwork::cardSize(s), card) << s;
        EXPECT_EQ(generatedSheet(s).size(), QSize(13 * card.width() + 1, 4 * card.height() + 1))
            << s;
        EXPECT_EQ(artwork::renderCardBack(s).size(),
                  QSize(card.width(), artwork::deviceLength(96, s)))
            << s;
        EXPECT_EQ(artwork::renderTableBack(s).size(), card) << s;
        EXPECT_EQ(artwork::renderSuitFace(kHearts, s).size(),
                  QSize(artwork::deviceLength(35, s), artwork::deviceLength(34, s)))
            << s;
    }
}

// Cards overlap on the table and are copied without transparency: each is a
// white card whose border is one device pixel at every scale, the pixel
// inside it white again.
TEST(Artwork, EveryCardHasABorderOneDevicePixelWideAtEveryScale)
{
    for (double s : {1.0, 1.5, 2.0, 3.0})
        for (int i = 0; i < kDeckSize; ++i) {
            const Face f = BuiltFace(i);
            const QImage c = generatedCell(f.Rank, f.Suit, s);
            const QRgb border = c.pixel(0, 0);
            EXPECT_LT(qGray(border), 128);
            EXPECT_TRUE(EveryPixel(c, Edges(c.rect()), Is(QColor(border)), "the border")) << s;
            const int w = c.width(), h = c.height();
            for (QPoint inside :
                 {QPoint(w / 2, 1), QPoint(w / 2, h - 2), QPoint(1, h / 2), QPoint(w - 2, h / 2)})
                EXPECT_EQ(QColor(c.pixel(inside)), QColor(Qt::white))
                    << s << " " << i << " at " << inside.x() << "," << inside.y();
        }
    for (double s : {1.5, 3.0}) {
        const QImage back = artwork::renderTableBack(s);
        EXPECT_TRUE(EveryPixel(back, Edges(back.rect()), Is(QColor(back.pixel(0, 0))), "border"));
        EXPECT_EQ(QColor(back.pixel(back.width() / 2, 1)), QColor(Qt::white)) << s;
    }
}

// In a row only the left half of a card shows: at every scale the 32 cards
// differ there, so the corner index is whole and readable in it.
TEST(Artwork, EachCardIsKnownByTheStripARowLeavesShowingAtEveryScale)
{
    for (double s : {1.0, 1.5, 2.0, 3.0}) {
        QSet<QByteArray> strips;
        for (int i = 0; i < kDeckSize; ++i) {
            const Face f = BuiltFace(i);
            const QImage strip =
                generatedCell(f.Rank, f.Suit, s).copy(0, 0, OnDevice(35, s), OnDevice(100, s));
            strips.insert(
                QByteArray(reinterpret_cast<const char*>(strip.constBits()), strip.sizeInBytes()));
        }
        EXPECT_EQ(strips.size(), kDeckSize) << s;
    }
}

// The rank letters' flat tops and feet lie on pixel edges: the top and the
// bottom row of a king's letter hold ink of the suit's full colour, not a
// blend with the card, and the letter is 13 table pixels tall (to the
// nearest device pixel) at every scale.
TEST(Artwork, TheCornerLettersStandSharpAtEveryScale)
{
    const QColor black(24, 24, 24);
    for (double s : {1.0, 1.5, 2.0, 3.0}) {
        const QImage king = generatedCell(kKing, kSpades, s);
        // The letter K, left of the figure panel's frame.
        const QRect corner(2, 2, OnDevice(16, s) - 2, OnDevice(17, s));
        const auto anyInk = [](QRgb p) { return !Is(Qt::white)(p); };
        const std::vector<InkBand> ink = InkBands(king, corner, anyInk);
        ASSERT_EQ(ink.size(), 1u) << s;
        EXPECT_NEAR(ink[0].bottom - ink[0].top + 1, 13 * s, 1) << s;
        for (int row : {ink[0].top, ink[0].bottom})
            EXPECT_GT(CountPixels(king, QRect(ink[0].left, row, ink[0].right - ink[0].left + 1, 1),
                                  Is(black)),
                      0)
                << s << " row " << row;
    }
}

} // namespace
} // namespace kolvar::testing
