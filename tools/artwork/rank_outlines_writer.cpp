// Takes the rank letters from the font and writes them out as the elements
// of their outlines, every coordinate to the last bit, so that the cards drawn
// from the written outlines are the cards drawn from the font.
#include "rank_outlines_writer.h"

#include "artwork/rank_outlines.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainterPath>
#include <QTextStream>

namespace kolvar::artwork {
namespace {

constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

// The face is loaded from its file so that the same outlines are used
// whatever fontconfig would pick for the family name.
bool indexFont(QFont& font)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontFile));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return false;
    font = QFont(families.first());
    font.setPixelSize(static_cast<int>(kOutlinePixelSize));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return true;
}

QString number(qreal v)
{
    return QString::number(v, 'g', 17);
}

char elementLetter(QPainterPath::ElementType type)
{
    switch (type) {
    case QPainterPath::MoveToElement:
        return 'M';
    case QPainterPath::LineToElement:
        return 'L';
    case QPainterPath::CurveToElement:
        return 'C';
    default:
        return 'c';
    }
}

// A letter: the kinds of its elements as one string, then their x and y
// coordinates in turn, as many to a line as fit.
void writeLetter(QTextStream& out, QChar letter, const QPainterPath& path)
{
    QString kinds;
    for (int i = 0; i < path.elementCount(); ++i)
        kinds += QLatin1Char(elementLetter(path.elementAt(i).type));
    out << "    {'" << letter << "', "
        << (path.fillRule() == Qt::WindingFill ? "Qt::WindingFill" : "Qt::OddEvenFill") << ",\n";
    for (qsizetype at = 0; at < kinds.size(); at += 80)
        out << "     \"" << kinds.mid(at, 80) << (at + 80 < kinds.size() ? "\"\n" : "\",\n");
    out << "     {";
    QString line;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString pair = number(e.x) + ", " + number(e.y);
        if (!line.isEmpty() && line.size() + pair.size() > 88) {
            out << line << ",\n      ";
            line.clear();
        }
        line += (line.isEmpty() ? "" : ", ") + pair;
    }
    out << line << "}},\n";
}

} // namespace

QByteArray rankOutlinesSource()
{
    QFont font;
    if (!indexFont(font))
        return {};
    QByteArray source;
    QTextStream out(&source);
    out << "// The outlines of the rank letters: DejaVu Serif Bold at " << number(kOutlinePixelSize)
        << " pixels, written by\n"
        << "// `kolvar-artwork --rank-outlines FILE`; not edited by hand.\n"
        << "#include \"artwork/rank_outlines.h\"\n\n"
        << "namespace kolvar::artwork {\n\n"
        << "const std::vector<LetterOutline>& letterOutlines()\n{\n"
        << "    // clang-format off\n"
        << "    static const std::vector<LetterOutline> letters = {\n";
    for (const char c : std::string_view(kOutlineLetters)) {
        QPainterPath path;
        path.addText(0, 0, font, QString(QLatin1Char(c)));
        writeLetter(out, QLatin1Char(c), path);
    }
    out << "    };\n    // clang-format on\n    return letters;\n}\n\n"
        << "} // namespace kolvar::artwork\n";
    out.flush();
    return source;
}

} // namespace kolvar::artwork
