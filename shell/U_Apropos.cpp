#include "U_Apropos.h"
#include "U_Apparence.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <qdrawutil.h>

namespace {
// A panel with a lowered outer bevel and a raised inner one, 2 pixels each.
class TPanneauBiseaute : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        qDrawShadePanel(&p, rect(), palette(), true, 2);
        qDrawShadePanel(&p, rect().adjusted(2, 2, -2, -2), palette(), false, 2);
    }
};
} // namespace

TfrmAPropos::TfrmAPropos(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmAPropos"));
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(444, 262);
    setAutoFillBackground(true);
    Colorer(this, QPalette::Window, Aqua);
    setWindowModality(Qt::ApplicationModal);

    Panel1 = new TPanneauBiseaute(this);
    Panel1->setGeometry(64, 8, 313, 65);
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(24, 16, 33, 33);
    ProgramIcon->setScaledContents(true);
    ProductName = new QLabel(QStringLiteral("Ludoval"), Panel1);
    ProductName->setGeometry(120, 8, 115, 22);
    ProductName->setFont(Police(PoliceSerif, 19, true));
    QPalette noir = ProductName->palette();
    noir.setColor(QPalette::WindowText, Qt::black);
    ProductName->setPalette(noir);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(183, 228, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAPropos::showEvent(QShowEvent *e)
{
    // Read when first shown: reading the first picture of all loads the
    // toolkit's picture readers, which would slow start-up. Drawn at the
    // image's size, and again at twice it for any denser screen.
    const int densite = devicePixelRatioF() > 1 ? 2 : 1;
    if (ProgramIcon->pixmap().isNull() || ProgramIcon->pixmap().devicePixelRatio() != densite) {
        const QString suffixe = densite > 1 ? QStringLiteral("@2x") : QString();
        QPixmap image(QStringLiteral(":/icones/apropos-carte%1.png").arg(suffixe), "png");
        image.setDevicePixelRatio(densite);
        ProgramIcon->setPixmap(image);
    }
    QDialog::showEvent(e);
}
