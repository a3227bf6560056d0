// kolvar-artwork: draws every picture the game shows and writes them into the
// directory given on the command line: the sheet of card faces, the card
// back and the four suit buttons at a scale S (`--scale S`, 1 when not
// given; the game draws its cards with the same code at the scale of the
// screen), and at scale 1 also the program icon at every size of the icon
// theme, and as SVG. With `--rank-outlines FILE` it writes instead the
// outlines of the rank letters, taken from the font, as the C++ source the
// cards are drawn from (artwork/rank_letters.cpp).
// Everything is drawn from code, so the same files come out on every run.
#include "artwork/card_back.h"
#include "artwork/card_face.h"
#include "artwork/suit_faces.h"
#include "icons.h"
#include "rank_outlines_writer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

using namespace kolvar;
using namespace kolvar::artwork;

int usage()
{
    QTextStream(stderr) << "usage: kolvar-artwork [--scale S] OUTPUT_DIR\n"
                           "       kolvar-artwork --rank-outlines FILE\n";
    return 2;
}

bool save(const QDir& dir, const QString& name, const QImage& image)
{
    const QString path = dir.filePath(name);
    if (image.convertToFormat(QImage::Format_RGB888).save(path, "PNG"))
        return true;
    QTextStream(stderr) << "kolvar-artwork: cannot write " << path << "\n";
    return false;
}

bool saveBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    QTextStream(stderr) << "kolvar-artwork: cannot write " << path << "\n";
    return false;
}

// The program icon, whose sizes are the icon theme's own.
bool saveIcons(const QDir& dir)
{
    if (!dir.mkpath(QStringLiteral("icons"))) {
        QTextStream(stderr) << "kolvar-artwork: cannot create " << dir.filePath("icons") << "\n";
        return false;
    }
    bool ok = true;
    for (const int size : kIconSizes) {
        const QString name = dir.filePath(QStringLiteral("icons/kolvar-%1.png").arg(size));
        if (!renderIcon(size).save(name, "PNG")) {
            QTextStream(stderr) << "kolvar-artwork: cannot write " << name << "\n";
            ok = false;
        }
    }
    return saveBytes(dir.filePath(QStringLiteral("icons/kolvar.svg")), renderScalableIcon()) && ok;
}

bool saveArt(const QDir& dir, qreal scale)
{
    bool ok = save(dir, QStringLiteral("cards.png"), renderCardSheet(scale));
    ok = save(dir, QStringLiteral("back.png"), renderCardBack(scale)) && ok;
    const char* const names[kSuitCount] = {"diamonds", "spades", "hearts", "clubs"};
    for (int suit = 0; suit < kSuitCount; ++suit)
        ok = save(dir, QStringLiteral("suit_%1.png").arg(QLatin1String(names[suit])),
                  renderSuitFace(static_cast<Suit>(suit), scale)) &&
             ok;
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown; drawing needs only the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() == 2 && args.at(0) == QLatin1String("--rank-outlines"))
        return saveBytes(args.at(1), rankOutlinesSource()) ? 0 : 1;
    qreal scale = 1;
    if (args.size() == 3 && args.at(0) == QLatin1String("--scale")) {
        bool number = false;
        scale = args.at(1).toDouble(&number);
        if (!number || !(scale > 0) || scale > 16)
            return usage();
        args = args.mid(2);
    }
    if (args.size() != 1)
        return usage();
    QDir dir(args.at(0));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "kolvar-artwork: cannot create " << args.at(0) << "\n";
        return 1;
    }
    const bool ok = saveArt(dir, scale);
    return (scale == 1 ? saveIcons(dir) && ok : ok) ? 0 : 1;
}
