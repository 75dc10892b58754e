// Card backs: the common white-edged frame and the list of designs.
#include "art.h"

#include <QPainter>

namespace cardart {

const std::vector<BackDesign> &backDesigns()
{
    static const std::vector<BackDesign> designs = {
        {"STD1", paintStd1},         {"STD2", paintStd2},     {"FISHES1", paintFishes1},
        {"FISHES2", paintFishes2},   {"BEACH", paintBeach},   {"LEAVES1", paintLeaves1},
        {"LEAVES2", paintLeaves2},   {"ROBOT", paintRobot},   {"ROSES", paintRoses},
        {"SHELL", paintShell},       {"CASTLE", paintCastle}, {"HAND", paintHand},
        {"DOSSTANDARD", paintDosStandard}, {"CROIX", paintCroix}, {"ROND", paintRond},
    };
    return designs;
}

QImage drawBack(const BackDesign &design, int scale)
{
    QImage card = newCardImage(scale);
    QPainter p(&card);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paintCardBody(p);

    // A white margin all round, as on printed backs, then the design itself.
    // The design is painted on its own layer and laid in through a brush, so
    // its rounded corners are antialiased (clip paths are not).
    const QRectF area(4, 4, kCardWidth - 8, kCardHeight - 8);
    QImage layer(card.size(), QImage::Format_RGB32);
    layer.setDevicePixelRatio(scale);
    layer.fill(Qt::black);
    {
        QPainter lp(&layer);
        lp.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        lp.setClipRect(area);
        design.paint(lp, area);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(layer));
    p.drawRoundedRect(area, 2.5, 2.5);
    return card;
}

} // namespace cardart
