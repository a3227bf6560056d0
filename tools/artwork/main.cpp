// kolvar-artwork: draws every picture the game shows (the sheet of card
// faces, the card back, the four suit buttons and the program icon at every
// size of the icon theme, and as SVG) and writes them into the directory
// given on the command line.
// Everything is drawn from code, so the same files come out on every run.
#include "card_back.h"
#include "card_face.h"
#include "icons.h"
#include "suit_buttons.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

bool save(const QDir& dir, const QString& name, const QImage& image)
{
    const QString path = dir.filePath(name);
    if (image.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "kolvar-artwork: cannot write " << path << "\n";
    return false;
}

bool saveBytes(const QDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    QTextStream(stderr) << "kolvar-artwork: cannot write " << file.fileName() << "\n";
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown; drawing needs only the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: kolvar-artwork OUTPUT_DIR\n";
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "kolvar-artwork: cannot create " << args.at(1) << "\n";
        return 1;
    }

    using namespace kolvar;
    using namespace kolvar::artwork;
    bool ok = save(dir, QStringLiteral("cards.png"), renderCardSheet());
    ok = save(dir, QStringLiteral("back.png"), renderCardBack()) && ok;
    ok = save(dir, QStringLiteral("suit_diamonds.png"), renderSuitButton(kDiamonds)) && ok;
    ok = save(dir, QStringLiteral("suit_spades.png"), renderSuitButton(kSpades)) && ok;
    ok = save(dir, QStringLiteral("suit_hearts.png"), renderSuitButton(kHearts)) && ok;
    ok = save(dir, QStringLiteral("suit_clubs.png"), renderSuitButton(kClubs)) && ok;
    if (!dir.mkpath(QStringLiteral("icons"))) {
        QTextStream(stderr) << "kolvar-artwork: cannot create " << dir.filePath("icons") << "\n";
        return 1;
    }
    for (const int size : kIconSizes)
        ok = save(dir, QStringLiteral("icons/kolvar-%1.png").arg(size), renderIcon(size)) && ok;
    ok = saveBytes(dir, QStringLiteral("icons/kolvar.svg"), renderScalableIcon()) && ok;
    return ok ? 0 : 1;
}
