// The real platform: sound files and the help file, found by bare name and
// so open to whatever lies in the current directory, and the Yes/No box.
#include "FichiersSons.h"
#include "PlateformeQt.h"
#include "VisionneuseAide.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {
QByteArray U32(quint32 v)
{
    QByteArray o(4, '\0');
    for (int i = 0; i < 4; ++i)
        o[i] = char((v >> (8 * i)) & 0xFF);
    return o;
}

// A PCM WAV file: mono 16-bit at `frequence`, `echantillons` samples, with
// an optional chunk of another kind before the data.
QByteArray Wav(quint32 frequence, quint32 echantillons, const QByteArray &autre = {})
{
    QByteArray fmt = QByteArray("\x01\x00\x01\x00", 4) + U32(frequence) + U32(frequence * 2) + QByteArray("\x02\x00\x10\x00", 4);
    QByteArray corps = "WAVE" + QByteArray("fmt ") + U32(16) + fmt + autre + QByteArray("data") + U32(echantillons * 2)
                       + QByteArray(int(echantillons * 2), '\0');
    return "RIFF" + U32(quint32(corps.size())) + corps;
}

QString Ecrire(const QTemporaryDir &dossier, const QString &nom, const QByteArray &contenu)
{
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenu);
    return chemin;
}

// `wav` with the four bytes at `champ` bytes past the first `morceau` replaced.
QByteArray Changer(QByteArray wav, const char *morceau, int champ, const QByteArray &valeur)
{
    return wav.replace(wav.indexOf(morceau) + champ, valeur.size(), valeur);
}

std::optional<quint32> Ms(quint32 ms) { return ms; }

// Runs the test in a directory of its own, as the program's current directory.
struct TDossierCourant {
    QTemporaryDir dossier;
    QString avant = QDir::currentPath();
    TDossierCourant() { QDir::setCurrent(dossier.path()); }
    ~TDossierCourant() { QDir::setCurrent(avant); }
};

// A sound player that keeps what reaches it, and says at once that each
// sound has ended unless told to stay silent, as a stalled server is.
struct TLecteurNote final : TLecteurSons {
    static inline QStringList sons;
    static inline int alertes = 0;
    static inline bool muet = false;
    static inline TFinSon fini;
    static TLecteurSons *Creer(TFinSon f)
    {
        fini = std::move(f);
        return new TLecteurNote;
    }
    void Jouer(const QString &chemin, quint32, quint32 numero) override
    {
        sons << QFileInfo(chemin).fileName();
        if (!muet)
            fini(numero, false);
    }
    void Alerte(quint32 numero) override
    {
        ++alertes;
        fini(numero, false);
    }
};

// A style that gives dialog buttons icons, as desktop styles do.
struct TStyleIcones : QProxyStyle {
    int styleHint(StyleHint hint, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, o, w, r);
    }
};
} // namespace

class TestPlateforme : public QObject {
    Q_OBJECT
private slots:
    void dureesDesSons();
    void sonsHostiles();
    void sonSynchrone();
    void sansServeurDeSon();
    void fichiersParNom();
    void questionOuiNon();
    void requetesAide();
    void aideHorsDuJeu();
};

void TestPlateforme::dureesDesSons()
{
    // The program's own sounds: the selection sound blocks input, so it is short.
    const QString sons = QStringLiteral(LUDOVAL_SOURCE_DIR "/resources/sounds/");
    QCOMPARE(DureeWav(sons + QStringLiteral("CarteSelectionnee.wav")), Ms(35));
    QCOMPARE(DureeWav(sons + QStringLiteral("CarteDistrib.wav")), Ms(120));
    QCOMPARE(DureeWav(sons + QStringLiteral("Gagne.wav")), Ms(1300));

    QTemporaryDir dossier;
    QCOMPARE(DureeWav(Ecrire(dossier, "a.wav", Wav(22050, 11025))), Ms(500));
    // A chunk of another kind (odd-sized, so padded) before the data.
    const QByteArray liste = QByteArray("LIST") + U32(5) + QByteArray("abcde") + QByteArray(1, '\0');
    QCOMPARE(DureeWav(Ecrire(dossier, "b.wav", Wav(8000, 8000, liste))), Ms(1000));
    QCOMPARE(DureeWav(dossier.filePath("absent.wav")), std::nullopt);
}

void TestPlateforme::sonsHostiles()
{
    // Whatever a file claims, only a plain PCM sound that lies wholly within
    // its file, and a small one, is fit to be played.
    const QByteArray bon = Wav(22050, 100);
    QVERIFY(DureeWav(bon));
    const QByteArray hostiles[] = {
        Changer(bon, "data", 4, U32(0xFFFFFFFFu)),               // 4 GB of data claimed
        Changer(Changer(bon, "data", 4, U32(0xFFFFFFFFu)), "RIFF", 4, U32(0xFFFFFFFFu)),
        Changer(bon, "data", 4, U32(202)),                       // 2 bytes more than held
        Changer(bon, "RIFF", 4, U32(quint32(bon.size()))),       // the whole beyond the file
        Changer(bon, "fmt ", 4, U32(0xFFFFFFF0u)),               // a chunk beyond the file
        bon.left(30), bon.left(bon.size() - 1),                  // truncated
        QByteArray(),                                            // zero length
        QByteArray(100, 'x'), QByteArray("RIFF1234WAVEfmt "),    // not a WAV
        QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(200, '\0'),
        Changer(bon, "fmt ", 8, QByteArray("\x03\x00", 2)),      // floating point
        Changer(bon, "fmt ", 8, QByteArray("\x55\x00", 2)),      // compressed
        Changer(bon, "fmt ", 10, QByteArray("\xC8\x00", 2)),     // 200 channels
        Changer(bon, "fmt ", 12, U32(0)), Wav(0, 100),           // no rate
        Changer(bon, "fmt ", 12, U32(10000000)),                 // 10 MHz
        Changer(bon, "fmt ", 16, U32(1)),                        // a byte rate that lies
        Changer(bon, "fmt ", 4, U32(12)),                        // a format chunk too short
        Wav(22050, 0),                                           // nothing to play
        Changer(bon, "fmt ", 0, QByteArray("junk")),             // no format before the data
        Changer(bon, "data", 0, QByteArray("junk")),             // no data
        Wav(44100, 3 * 1024 * 1024),                             // 6 MB
    };
    for (const QByteArray &wav : hostiles)
        QVERIFY2(!DureeWav(wav), wav.left(48).toHex().constData());
    QCOMPARE(DureeWav(Wav(44100, 2000000)), Ms(45351)); // under 4 MB: fit

    // Found in the current directory, none of them reaches the player: each
    // counts as missing (the default beep). A fit one does.
    TDossierCourant courant;
    TPlateformeQt plateforme;
    plateforme.creerLecteur = &TLecteurNote::Creer;
    for (const QByteArray &wav : hostiles) {
        Ecrire(courant.dossier, "CarteDistrib.wav", wav);
        plateforme.JouerSon(QStringLiteral("CarteDistrib.wav"), TModeSon::Asynchrone);
    }
    QCOMPARE(TLecteurNote::sons, QStringList());
    QCOMPARE(TLecteurNote::alertes, int(std::size(hostiles)));
    Ecrire(courant.dossier, "CarteSelectionnee.wav", bon);
    plateforme.JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Asynchrone);
    QCOMPARE(TLecteurNote::sons, QStringList{QStringLiteral("CarteSelectionnee.wav")});

    // A sound module that is no library: said once, and the default beep
    // stands in for every sound.
    TPlateformeQt sansModule;
    int cloches = 0;
    sansModule.cloche = [&] { ++cloches; };
    sansModule.moduleSons = courant.dossier.filePath(QStringLiteral("CarteSelectionnee.wav"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Ludoval: no sound module")));
    sansModule.PreparerSons();
    QTest::failOnWarning(QRegularExpression(QStringLiteral("no sound module")));
    sansModule.JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Asynchrone);
    QCOMPARE(cloches, 1);
}

void TestPlateforme::sonSynchrone()
{
    // A synchronous sound ends on the player's word; a player that never
    // gives it holds the game for the sound's own length, not longer.
    TDossierCourant courant;
    Ecrire(courant.dossier, "long.wav", Wav(22050, 22050 * 2)); // 2 s
    TPlateformeQt plateforme;
    plateforme.creerLecteur = &TLecteurNote::Creer;
    QElapsedTimer duree;
    duree.start();
    plateforme.JouerSon(QStringLiteral("long.wav"), TModeSon::Synchrone);
    QVERIFY2(duree.elapsed() < 1000, "the end that the player told was not heard");
    TLecteurNote::muet = true;
    duree.restart();
    plateforme.JouerSon(QStringLiteral("long.wav"), TModeSon::Synchrone);
    QVERIFY(duree.elapsed() >= 2000);
    TLecteurNote::muet = false;
}

void TestPlateforme::sansServeurDeSon()
{
    // The real player with no sound server to reach: the game goes on, the
    // window system's bell stands in for each beep, and nothing is said.
    qputenv("CANBERRA_DRIVER", "pulse");
    qputenv("PULSE_SERVER", "unix:/nonexistent/ludoval");
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    TDossierCourant courant;
    Ecrire(courant.dossier, "court.wav", Wav(22050, 2205)); // 100 ms
    TPlateformeQt plateforme;
    plateforme.moduleSons = QStringLiteral(LUDOVAL_MODULE_SONS);
    int cloches = 0;
    plateforme.cloche = [&] { ++cloches; };
    for (int i = 0; i < 3; ++i)
        plateforme.JouerSon(QStringLiteral("court.wav"), TModeSon::Synchrone);
    for (int i = 0; i < 3; ++i)
        plateforme.Bip();
    QTRY_COMPARE(cloches, 3);
    plateforme.JouerSon(QStringLiteral("absent.wav"), TModeSon::Asynchrone);
    QTRY_COMPARE(cloches, 4);
}

void TestPlateforme::fichiersParNom()
{
    QTemporaryDir dossier;
    Ecrire(dossier, "ici.wav", "x");
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    QCOMPARE(TrouverFichier(QStringLiteral("ici.wav")), QDir(dossier.path()).absoluteFilePath("ici.wav"));
    QCOMPARE(TrouverFichier(QStringLiteral("absent.wav")), QString());
    // Only bare names: no way out of the directories looked in.
    QCOMPARE(TrouverFichier(QStringLiteral("../ici.wav")), QString());
    QCOMPARE(TrouverFichier(QStringLiteral("/etc/passwd")), QString());
    QCOMPARE(TrouverFichier(QString()), QString());
    QCOMPARE(TrouverFichier(QStringLiteral("..")), QString()); // a directory is no file
    QDir::setCurrent(avant);
    // Beside the program: the test program's own name.
    const QString moi = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QCOMPARE(TrouverFichier(moi), QCoreApplication::applicationFilePath());
}

void TestPlateforme::questionOuiNon()
{
    // French buttons, and neither they nor the box carry an icon, even where
    // the style gives dialog buttons icons of its own.
    QApplication::setStyle(new TStyleIcones);
    TPlateformeQt plateforme;
    // What the box shows, read while it is up; it is then answered No.
    QString titre, texte;
    QMessageBox::Icon icone = QMessageBox::Warning;
    QStringList boutons;
    bool iconesBoutons = false, ouverte = false;
    QTimer::singleShot(0, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite)
            return;
        titre = boite->windowTitle();
        texte = boite->text();
        icone = boite->icon();
        for (QAbstractButton *bouton : boite->buttons()) {
            boutons << bouton->text();
            iconesBoutons |= !bouton->icon().isNull();
        }
        // Escape and the title bar's close do not answer it.
        QTest::keyClick(boite, Qt::Key_Escape);
        boite->close();
        ouverte = boite->isVisible();
        boite->button(QMessageBox::No)->click();
    });
    QVERIFY(!plateforme.QuestionOuiNon(nullptr, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"),
                                       QStringLiteral("Partie terminée")));
    QCOMPARE(titre, QStringLiteral("Partie terminée"));
    QCOMPARE(texte, QStringLiteral("Vous avez gagné ! \nVoulez-vous rejouer ?"));
    QCOMPARE(icone, QMessageBox::NoIcon);
    boutons.sort();
    QCOMPARE(boutons, (QStringList{"&Non", "&Oui"}));
    QVERIFY(!iconesBoutons);
    QVERIFY(ouverte);
}

void TestPlateforme::requetesAide()
{
    // A request crosses to the viewer's process as one line, whatever the
    // names hold.
    const TRequeteAide requete{QStringLiteral("ludoval.html"), QStringLiteral("/tmp/a b\n%20é/ludoval.html"),
                               QStringLiteral("Petits paquets")};
    const QByteArray ligne = requete.Ligne();
    QCOMPARE(ligne.count('\n'), 1);
    QVERIFY(ligne.endsWith('\n'));
    const std::optional<TRequeteAide> lue = TRequeteAide::Lire(ligne);
    QVERIFY(lue);
    QCOMPARE(lue->nom, requete.nom);
    QCOMPARE(lue->chemin, requete.chemin);
    QCOMPARE(lue->sujet, requete.sujet);
    QVERIFY(TRequeteAide::Lire(TRequeteAide{QStringLiteral("absent.html"), QString(), QString()}.Ligne()));
    QVERIFY(!TRequeteAide::Lire("un deux"));
    QVERIFY(!TRequeteAide::Lire("un deux trois quatre"));

    // The viewer shows a page for each request, a found file at its topic or
    // the message of a missing one, and ends with its input.
    QTemporaryDir dossier;
    const QString fichier = Ecrire(dossier, "aide.html", "<html><body><h1 id=\"Casino\">Casino</h1></body></html>");
    QProcess visionneuse;
    visionneuse.start(QStringLiteral(LUDOVAL_AIDE), {});
    QVERIFY(visionneuse.waitForStarted());
    visionneuse.write(TRequeteAide{QStringLiteral("aide.html"), fichier, QStringLiteral("Casino")}.Ligne());
    visionneuse.write("n'importe quoi\n");
    visionneuse.write(TRequeteAide{QStringLiteral("absent.html"), QString(), QString()}.Ligne());
    QByteArray lu;
    QVERIFY(QTest::qWaitFor([&] {
        visionneuse.waitForReadyRead(100);
        lu += visionneuse.readAllStandardOutput();
        return lu.count('\n') >= 2;
    }, 20000));
    QCOMPARE(lu, QByteArray("affiche Casino\naffiche \n"));
    visionneuse.closeWriteChannel();
    QVERIFY(visionneuse.waitForFinished(10000));
    QCOMPARE(visionneuse.exitStatus(), QProcess::NormalExit);
}

void TestPlateforme::aideHorsDuJeu()
{
    // A help file that would keep Qt's text layout busy for hours (tables
    // nested forty deep) lies in the current directory: it is shown by a
    // process of its own, and the program goes on.
    TDossierCourant courant;
    QByteArray tables = "<html><body>";
    for (int i = 0; i < 40; ++i)
        tables += "<table border=1><tr><td>x";
    Ecrire(courant.dossier, "ludoval.html", tables);
    {
        TPlateformeQt plateforme;
        plateforme.aide.programme = QStringLiteral(LUDOVAL_AIDE);
        plateforme.OuvrirAide(QStringLiteral("ludoval.html"), QStringLiteral("Casino"));
        const qint64 processus = plateforme.aide.Processus();
        QVERIFY(processus > 0);
        QVERIFY(processus != QCoreApplication::applicationPid());
        bool vivant = false;
        QTimer::singleShot(50, [&] { vivant = true; });
        QTRY_VERIFY(vivant);
        // The same viewer takes the next request.
        plateforme.OuvrirAide(QStringLiteral("ludoval.html"), QString());
        QCOMPARE(plateforme.aide.Processus(), processus);
        for (QWidget *fenetre : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QTextBrowser *>(fenetre));
    } // and it ends with the platform

    // No viewer to run: the program says so itself, and reads no file.
    TPlateformeQt plateforme;
    plateforme.aide.programme = courant.dossier.filePath(QStringLiteral("ludoval.html")); // not a program
    plateforme.OuvrirAide(QStringLiteral("ludoval.html"), QStringLiteral("Casino"));
    QCOMPARE(plateforme.aide.Processus(), 0);
    QTextBrowser *message = nullptr;
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<QTextBrowser *>(fenetre); t && t->isVisible())
            message = t;
    QVERIFY(message);
    QVERIFY(message->toPlainText().contains(QStringLiteral("introuvable")));
    QVERIFY(!message->toPlainText().contains(QStringLiteral("x")));
    delete message;
}

QTEST_MAIN(TestPlateforme)
#include "test_plateforme.moc"
