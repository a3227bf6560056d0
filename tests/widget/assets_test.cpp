// The artwork and the sound files the game ships with.
#include "pictures.h"
#include "platform/system.h"
#include "ui/cue_player.h"

#include <QFile>
#include <QSet>

namespace kolvar::testing {
namespace {

TEST(Assets, PicturesHaveTheirFixedSizes)
{
    EXPECT_EQ(QImage(":/cards.png").size(), QSize(911, 401));
    EXPECT_EQ(QImage(":/back.png").size(), QSize(70, 96));
    for (const char* suit : {"diamonds", "spades", "hearts", "clubs"})
        EXPECT_EQ(QImage(QString(":/suit_%1.png").arg(suit)).size(), QSize(35, 34)) << suit;
    for (int size : {16, 32, 64})
        EXPECT_EQ(QImage(QString(":/icons/kolvar-%1.png").arg(size)).size(), QSize(size, size));
}

TEST(Assets, EveryCardIsKnownByTheStripThatShowsOnTheTable)
{
    QSet<QByteArray> strips;
    for (int16_t suit = 0; suit < kSuitCount; ++suit)
        for (int16_t rank = kLowestRank; rank <= kHighestRank; ++rank) {
            const QImage strip = cell(rank, suit).copy(0, 0, 35, kCardHeight);
            strips.insert(
                QByteArray(reinterpret_cast<const char*>(strip.constBits()), strip.sizeInBytes()));
        }
    EXPECT_EQ(strips.size(), 32);
}

TEST(Assets, FacesAreWhiteCardsWithSquareCorners)
{
    // A rounded corner would leave the table colour showing on the card
    // beneath; every corner pixel belongs to the card's border instead.
    const QImage faces = sheet();
    for (int16_t suit = 0; suit < kSuitCount; ++suit)
        for (int16_t rank = kLowestRank; rank <= kHighestRank; ++rank) {
            const QImage c = cell(rank, suit);
            const QRgb border = c.pixel(0, 0);
            EXPECT_LT(qGray(border), 128);
            for (QPoint p : {QPoint(69, 0), QPoint(0, 99), QPoint(69, 99)})
                EXPECT_EQ(c.pixel(p), border) << rank << "/" << suit;
            EXPECT_EQ(QColor(c.pixel(35, 3)), QColor(Qt::white)) << rank << "/" << suit;
        }
}

TEST(Assets, TheFourCuesLieBesideTheExecutableAsPcmWaves)
{
    for (std::string_view cue : kCueFiles) {
        QFile file(CuePath(cue));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray header = file.read(44);
        EXPECT_TRUE(header.startsWith("RIFF")) << cue;
        EXPECT_EQ(header.mid(8, 8), QByteArray("WAVEfmt ")) << cue;
        EXPECT_EQ(header[20], 1) << cue; // PCM
        EXPECT_GT(file.size(), 1000) << cue;
    }
}

} // namespace
} // namespace kolvar::testing
