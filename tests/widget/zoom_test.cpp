// The table's zoom: the designed table fills the client area one way and
// fits the other, between a half and four times, unless KOLVAR_ZOOM names
// one; and, on screens of the common sizes at Qt scales 1, 1.5 and 2, the
// zoom the real window takes and the dealt hand it shows along the bottom.
#include "artwork/pixel_grid.h"
#include "view/table_zoom.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace kolvar::testing {
namespace {

TEST(Zoom, TheDesignedTableFillsTheClientOneWayAndFitsTheOther)
{
    EXPECT_DOUBLE_EQ(ChooseZoom(1000, 650), 1);
    EXPECT_DOUBLE_EQ(ChooseZoom(683, 700), 0.683);        // half a 1366 x 768 screen
    EXPECT_DOUBLE_EQ(ChooseZoom(1920, 990), 990 / 650.0); // maximized under panels
    EXPECT_DOUBLE_EQ(ChooseZoom(3840, 2137), 2137 / 650.0);
    EXPECT_DOUBLE_EQ(ChooseZoom(1080, 1897), 1.08); // a portrait screen
    // Never below half the designed size, nor above four times.
    EXPECT_DOUBLE_EQ(ChooseZoom(320, 200), 0.5);
    EXPECT_DOUBLE_EQ(ChooseZoom(0, 0), 0.5);
    EXPECT_DOUBLE_EQ(ChooseZoom(5000, 4000), 4);
}

TEST(Zoom, KolvarZoomNamesAnyZoomFromAHalfToFour)
{
    EXPECT_EQ(ZoomOverride("2"), 2);
    EXPECT_EQ(ZoomOverride("1.3"), 1.3);
    EXPECT_EQ(ZoomOverride("0.75"), 0.75);
    EXPECT_EQ(ZoomOverride("0.2"), 0.5);
    EXPECT_EQ(ZoomOverride("-2"), 0.5);
    EXPECT_EQ(ZoomOverride("12"), 4);
    for (const char* unset :
         {static_cast<const char*>(nullptr), "", "big", "1,5", "2x", " 2", "nan"})
        EXPECT_EQ(ZoomOverride(unset), std::nullopt) << (unset ? unset : "(unset)");
}

TEST(Zoom, TheTableIsTheClientDividedByTheZoomInWholePixels)
{
    EXPECT_EQ(TablePixels(1920, 1.5), 1280);
    EXPECT_EQ(TablePixels(1057, 1.5), 704);
    // A client that is exactly z times the designed table holds it whole.
    for (int width : {501, 683, 997, 1366, 2370, 3841})
        EXPECT_EQ(TablePixels(width, ChooseZoom(width, 10000)), 1000) << width;
}

// Every device pixel shows one table pixel, the one whose drawn span holds
// it, and the spans follow one another without a gap, also at scales below
// one, where a table pixel may have no device pixel of its own.
TEST(Zoom, EveryDevicePixelBelongsToTheTablePixelWhoseSpanHoldsIt)
{
    for (const double s : {0.5, 0.683, 1.0, 1.25, 1.5, 1.75, 2.0, 2.37, 3.0, 4.74}) {
        const TableScale scale{s, 1};
        for (int d = -50; d < 3000; ++d) {
            const int p = scale.toTable(d);
            ASSERT_LE(scale.toDevice(p), d) << "s " << s << ", device pixel " << d;
            ASSERT_GT(scale.toDevice(p + 1), d) << "s " << s << ", device pixel " << d;
        }
    }
}

// --- The real window on screens of many sizes ------------------------------

struct Probed {
    double zoom = 0, ratio = 0;
    int tableWidth = 0, tableHeight = 0;
    int imageWidth = 0, imageHeight = 0;
    int handTop = 0, handBottom = 0, handLeft = 0, handRight = 0;
};

struct Screen {
    int width, height;
    double qtScale;
};

// Starts the probe on an offscreen screen of the given size and scale.
QProcess* startProbe(const QTemporaryDir& dir, const Screen& screen, const char* kolvarZoom)
{
    const QString config =
        dir.filePath(QString("screen-%1x%2.json").arg(screen.width).arg(screen.height));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(QString(R"({"screens": [{"name": "probe", "x": 0, "y": 0, "width": %1,)"
                           R"( "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                       .arg(screen.width)
                       .arg(screen.height)
                       .toUtf8());
    file.close();
    auto* probe = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
    env.insert("QT_SCALE_FACTOR", QString::number(screen.qtScale));
    if (kolvarZoom)
        env.insert("KOLVAR_ZOOM", kolvarZoom);
    else
        env.remove("KOLVAR_ZOOM");
    probe->setProcessEnvironment(env);
    probe->start(KOLVAR_ZOOM_PROBE, {});
    return probe;
}

Probed readProbe(QProcess* probe)
{
    Probed p;
    probe->waitForFinished(60000);
    const QByteArray line = probe->readAllStandardOutput();
    std::sscanf(line.constData(), "zoom %lf ratio %lf table %d %d image %d %d hand %d %d %d %d",
                &p.zoom, &p.ratio, &p.tableWidth, &p.tableHeight, &p.imageWidth, &p.imageHeight,
                &p.handTop, &p.handBottom, &p.handLeft, &p.handRight);
    delete probe;
    return p;
}

// The dealt hand, read off the drawn table: one row of cards a card high
// (artwork::cardSize), 50 table pixels above the bottom edge.
void expectHandAlongTheBottom(const Probed& p, const std::string& where)
{
    const double s = p.zoom * p.ratio;
    EXPECT_EQ(p.handBottom - p.handTop + 1, artwork::cardSize(s).height()) << where;
    const int below = p.imageHeight - 1 - p.handBottom;
    EXPECT_GE(below, 50 * s - 2) << where; // the rounding, and the card covering its span
    EXPECT_LE(below, 51 * s + 1) << where;
}

TEST(ZoomOnScreens, OnEachScreenAndQtScaleTheDesignedTableFillsTheWindowWithTheHandAlongTheBottom)
{
    const Screen screens[] = {
        {1024, 768, 1},    {1024, 768, 1.5},  {1024, 768, 2},    {1366, 768, 1},
        {1366, 768, 1.5},  {1366, 768, 2},    {1920, 1080, 1},   {1920, 1080, 1.5},
        {1920, 1080, 2},   {2560, 1440, 1},   {2560, 1440, 1.5}, {2560, 1440, 2},
        {3840, 2160, 1},   {3840, 2160, 1.5}, {3840, 2160, 2},   {1080, 1920, 1},
        {1080, 1920, 1.5}, {1080, 1920, 2},
    };
    QTemporaryDir dir;
    // A few at a time: two cores, and a 4K table is a large image.
    constexpr size_t kAtOnce = 3;
    const size_t n = std::size(screens);
    for (size_t first = 0; first < n; first += kAtOnce) {
        std::vector<QProcess*> running;
        for (size_t i = first; i < std::min(n, first + kAtOnce); ++i)
            running.push_back(startProbe(dir, screens[i], nullptr));
        for (size_t i = first; i < std::min(n, first + kAtOnce); ++i) {
            const Screen& screen = screens[i];
            const Probed p = readProbe(running[i - first]);
            const std::string where = std::to_string(screen.width) + " x " +
                                      std::to_string(screen.height) + " at Qt scale " +
                                      std::to_string(screen.qtScale);
            EXPECT_EQ(p.ratio, screen.qtScale) << where;
            EXPECT_NEAR(p.tableWidth, screen.width / screen.qtScale / p.zoom, 1) << where;
            // The designed table fits, and fills the window one way.
            EXPECT_GE(p.tableWidth, 1000) << where;
            EXPECT_GE(p.tableHeight, 650) << where;
            EXPECT_TRUE(p.tableWidth == 1000 || p.tableHeight == 650) << where;
            expectHandAlongTheBottom(p, where);
        }
    }
}

TEST(ZoomOnScreens, KolvarZoomOverridesTheChoiceBetweenAHalfAndFour)
{
    QTemporaryDir dir;
    const Probed two = readProbe(startProbe(dir, {1920, 1080, 1}, "2"));
    EXPECT_EQ(two.zoom, 2);
    EXPECT_EQ(two.handBottom - two.handTop + 1, 200);
    const Probed low = readProbe(startProbe(dir, {1920, 1080, 1}, "0.2"));
    EXPECT_EQ(low.zoom, 0.5);
    expectHandAlongTheBottom(low, "KOLVAR_ZOOM=0.2");
}

} // namespace
} // namespace kolvar::testing
