// ludoval-icones OUTDIR
//
// Draws the pictures of the program's windows and writes them into OUTDIR as
// PNG files with transparency:
//
//   toolbar images, 16 x 16, drawn pixel by pixel so that they stay crisp:
//     nouvelle.png  a small fan of playing cards          (Nouvelle Partie)
//     quitter.png   a door with a red arrow               (Quitter)
//     regle.png     a purple book with a yellow "?"       (Règle du jeu)
//     apropos.png   a blue star on black                  (A propos ...)
//     dos.png       a blue-and-white woven card back      (Choix dos cartes)
//     couleur.png   a plain aqua square                   (Choix couleur tapis)
//     choisir.png   a playing card on green baize         (Choisir une réussite)
//   and each of them again at 32 x 32 for high-density screens, under the
//   same name with "@2x" (nouvelle@2x.png ...), and that finer drawing made
//   again at 24 x 24 for screens of 150 %, with "@1.5x";
//   the program icon, the four suits on a light tile:
//     ludoval.png (256 x 256), ludoval-16/22/24/32/48/64/128.png, and
//     ludoval.svg, the same drawing for any size
//   the about-box picture, the top-left corner of a three of diamonds:
//     apropos-carte.png (33 x 33, the size it is shown at) and
//     apropos-carte@2x.png (66 x 66)
//
// Each is drawn in the file of its name: toolbar_16.cpp and toolbar_dense.cpp
// (with toolbar_shapes.cpp, what the two densities share), program_icon.cpp,
// about_card.cpp.
//
// Run it with QT_QPA_PLATFORM=offscreen; it needs no display and no font.
#include "icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <string>
#include <utility>

using namespace icons;

namespace {

bool save(const QImage &img, const QDir &dir, const char *name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (img.isNull() || !img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    ok &= save(drawNewGame(), dir, "nouvelle.png");
    ok &= save(drawQuit(), dir, "quitter.png");
    ok &= save(drawRules(), dir, "regle.png");
    ok &= save(drawAbout(), dir, "apropos.png");
    ok &= save(drawBack(), dir, "dos.png");
    ok &= save(drawColour(), dir, "couleur.png");
    ok &= save(drawChoose(), dir, "choisir.png");
    for (const auto &[density, suffix] : {std::pair{kDensity, "@2x"}, std::pair{kDensity150, "@1.5x"}}) {
        const auto name = [suffix](const char *base) { return std::string(base) + suffix + ".png"; };
        ok &= save(drawNewGame2x(density), dir, name("nouvelle").c_str());
        ok &= save(drawQuit2x(density), dir, name("quitter").c_str());
        ok &= save(drawRules2x(density), dir, name("regle").c_str());
        ok &= save(drawAbout2x(density), dir, name("apropos").c_str());
        ok &= save(drawBack2x(density), dir, name("dos").c_str());
        ok &= save(drawColour2x(density), dir, name("couleur").c_str());
        ok &= save(drawChoose2x(density), dir, name("choisir").c_str());
    }
    ok &= save(drawProgramIcon(256), dir, "ludoval.png");
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        const QByteArray name = "ludoval-" + QByteArray::number(size) + ".png";
        ok &= save(drawProgramIcon(size), dir, name.constData());
    }
    ok &= saveProgramIconSvg(dir, "ludoval.svg");
    ok &= save(drawAboutCard(33), dir, "apropos-carte.png");
    ok &= save(drawAboutCard(66), dir, "apropos-carte@2x.png");
    return ok ? 0 : 1;
}

