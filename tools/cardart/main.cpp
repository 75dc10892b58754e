// ludoval-cardart OUTDIR [CONTACT_SHEET.png]
//
// Paints the 52 faces and 15 backs the game loads, each 71 x 96 pixels and
// saved as an 8-bit palette BMP, and optionally a contact sheet of them all
// read back from the files just written.
#include "art.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

using namespace cardart;

namespace {

bool saveCard(const QImage &picture, const QDir &dir, const QString &name, QStringList &written)
{
    const QImage indexed = toIndexed8(picture);
    const QString path = dir.filePath(name + QStringLiteral(".bmp"));
    if (!indexed.save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    written << path;
    return true;
}

bool writeContactSheet(const QStringList &files, const QString &path)
{
    constexpr int perRow = 13, gap = 6;
    const int rows = int((files.size() + perRow - 1) / perRow);
    QImage sheet(gap + perRow * (kCardWidth + gap), gap + rows * (kCardHeight + gap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&sheet);
    for (int i = 0; i < files.size(); ++i) {
        const QImage card(files[i]);
        if (card.isNull()) {
            std::fprintf(stderr, "cannot read back %s\n", qPrintable(files[i]));
            return false;
        }
        p.drawImage(gap + (i % perRow) * (kCardWidth + gap), gap + (i / perRow) * (kCardHeight + gap),
                    card);
    }
    p.end();
    if (!sheet.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The indices use Liberation Sans; a substitute font would change the art.
void checkFonts()
{
    for (const char *family : {"Liberation Sans", "Liberation Sans Narrow"}) {
        const QFontInfo info{QFont(QString::fromLatin1(family))};
        if (info.family() != QLatin1String(family))
            std::fprintf(stderr, "warning: font \"%s\" not found, using \"%s\"\n", family,
                         qPrintable(info.family()));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: ludoval-cardart OUTDIR [CONTACT_SHEET.png]\n");
        return 2;
    }
    QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(args[1]));
        return 1;
    }

    checkFonts();
    QStringList written;
    for (const SuitInfo &suit : kSuits)
        for (int rank = 1; rank <= 13; ++rank)
            if (!saveCard(drawFace(suit.suit, rank), dir,
                          QString(QChar(suit.letter)) + QString::number(rank), written))
                return 1;
    for (const BackDesign &design : backDesigns())
        if (!saveCard(drawBack(design), dir, QString::fromLatin1(design.name), written))
            return 1;

    if (args.size() == 3 && !writeContactSheet(written, args[2]))
        return 1;
    std::printf("wrote %lld pictures to %s\n", qlonglong(written.size()), qPrintable(dir.path()));
    return 0;
}
