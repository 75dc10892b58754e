// ludoval-cardart OUTDIR [CONTACT_SHEET.png]
//
// Paints the 52 faces and 15 backs the game loads, each saved as an 8-bit
// palette BMP twice: 71 x 96 pixels under its own name (T1.bmp), and drawn
// afresh at twice the density, 142 x 192, under the same name with "@2x"
// (T1@2x.bmp) for high-density screens. Optionally writes a contact sheet of
// each set, read back from the files just written (the second one with "@2x"
// in its name).
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

bool writeContactSheet(const QStringList &files, const QString &path, int scale)
{
    const int perRow = 13, gap = 6 * scale, w = kCardWidth * scale, h = kCardHeight * scale;
    const int rows = int((files.size() + perRow - 1) / perRow);
    QImage sheet(gap + perRow * (w + gap), gap + rows * (h + gap), QImage::Format_RGB32);
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&sheet);
    for (int i = 0; i < files.size(); ++i) {
        const QImage card(files[i]);
        if (card.isNull()) {
            std::fprintf(stderr, "cannot read back %s\n", qPrintable(files[i]));
            return false;
        }
        p.drawImage(gap + (i % perRow) * (w + gap), gap + (i / perRow) * (h + gap), card);
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
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        QStringList written;
        for (const SuitInfo &suit : kSuits)
            for (int rank = 1; rank <= 13; ++rank)
                if (!saveCard(drawFace(suit.suit, rank, scale), dir,
                              QString(QChar(suit.letter)) + QString::number(rank) + suffix, written))
                    return 1;
        for (const BackDesign &design : backDesigns())
            if (!saveCard(drawBack(design, scale), dir, QString::fromLatin1(design.name) + suffix,
                          written))
                return 1;

        if (args.size() == 3) {
            QString sheet = args[2];
            sheet.insert(sheet.endsWith(QLatin1String(".png")) ? sheet.size() - 4 : sheet.size(),
                         suffix);
            if (!writeContactSheet(written, sheet, scale))
                return 1;
        }
        std::printf("wrote %lld pictures%s to %s\n", qlonglong(written.size()),
                    qPrintable(suffix), qPrintable(dir.path()));
    }
    return 0;
}
