#include "U_Apparence.h"

#include <QGuiApplication>
#include <QWidget>

namespace {
// %1: the family of the bars' text; %2: the colour of the text on the light
// grey of an entry under the mouse.
const char *styleBarres = R"(
    QMenuBar, QMenu, QToolBar, QToolButton { font-family: "%1"; font-size: 11px; }
    QMenuBar { background: palette(window); border: none; }
    QMenuBar::item { padding: 3px 7px; background: transparent; }
    QMenuBar::item:selected, QMenuBar::item:pressed { background: rgb(208, 208, 208); color: %2; }
    QMenu { selection-background-color: rgb(208, 208, 208); selection-color: %2; }
    QToolBar { background: palette(window); border: none; spacing: 1px; padding: 0px 2px; }
    QToolButton { border: 1px solid transparent; padding: 1px 3px; }
    QToolButton:hover { background: rgb(208, 208, 208); border-color: rgb(160, 160, 160); color: %2; }
    QToolButton:pressed { background: palette(button); }
)";

// Calls its function again at every change of the application's palette.
class TSuiviPalette : public QObject {
public:
    TSuiviPalette(QWidget *w, std::function<void()> appliquer) : QObject(w), appliquer(std::move(appliquer))
    {
        w->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::ApplicationPaletteChange)
            appliquer();
        return false;
    }

private:
    std::function<void()> appliquer;
};
} // namespace

const QString PoliceSans = QStringLiteral("Liberation Sans");
const QString PoliceSerif = QStringLiteral("Liberation Serif");

QFont Police(const QString &famille, int pixels, bool gras)
{
    QFont police(famille);
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

QColor CouleurTexteFixe(QPalette::ColorRole role)
{
    // Under a dark theme the style's own palette is dark too (it comes from
    // the desktop): the light palette's text is black.
    const QPalette bureau = QGuiApplication::palette();
    const bool sombre = bureau.color(QPalette::Window).lightness() < bureau.color(QPalette::WindowText).lightness();
    return sombre ? QColor(Qt::black) : bureau.color(role);
}

void SuivrePalette(QWidget *w, std::function<void()> appliquer)
{
    appliquer();
    new TSuiviPalette(w, std::move(appliquer));
}

void Colorer(QWidget *w, QPalette::ColorRole role, const QColor &couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

void StylerBarre(QWidget *barre)
{
    SuivrePalette(barre, [barre] {
        barre->setStyleSheet(
            QLatin1String(styleBarres).arg(PoliceSans, CouleurTexteFixe(QPalette::ButtonText).name()));
    });
}
