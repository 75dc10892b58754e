#include "U_ImageBarre.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {
class TMoteurImageBarre final : public QIconEngine {
public:
    explicit TMoteurImageBarre(const QString &nom) : nom(nom) {}

    // `taille` counts device pixels, `echelle` device pixels a unit. Each
    // drawing serves its own density, and the next finer one those between.
    QPixmap scaledPixmap(const QSize &taille, QIcon::Mode mode, QIcon::State, qreal echelle) override
    {
        const QString suffixe = echelle > 1.5 ? QStringLiteral("@2x")
                              : echelle > 1   ? QStringLiteral("@1.5x")
                                              : QString();
        QPixmap image(QStringLiteral(":/icones/%1%2.png").arg(nom, suffixe));
        if (image.isNull())
            return image;
        image.setDevicePixelRatio(1);
        if (image.size() != taille)
            image = image.scaled(taille, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QApplication::palette();
            image = QApplication::style()->generatedIconPixmap(mode, image, &option);
        }
        return image;
    }

    QPixmap pixmap(const QSize &taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return scaledPixmap(taille, mode, etat, 1);
    }

    void paint(QPainter *p, const QRect &rect, QIcon::Mode mode, QIcon::State etat) override
    {
        const qreal echelle = p->device()->devicePixelRatio();
        QPixmap image = scaledPixmap(rect.size() * echelle, mode, etat, echelle);
        image.setDevicePixelRatio(echelle);
        p->drawPixmap(rect.topLeft(), image);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(16, 16)}; }
    QString key() const override { return QStringLiteral("TMoteurImageBarre"); }
    QIconEngine *clone() const override { return new TMoteurImageBarre(nom); }

private:
    QString nom;
};
} // namespace

QIcon ImageBarre(const QString &nom) { return QIcon(new TMoteurImageBarre(nom)); }
