#include "Invariants.h"
#include "Plateforme.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_PetitsPaquets.h"

#include <QDebug>
#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <type_traits>

namespace {
// A value as a message shows it; a card by its rank and suit.
template <class T> QString Texte(const T &valeur)
{
    if constexpr (std::is_same_v<T, bool>) {
        return valeur ? QStringLiteral("true") : QStringLiteral("false");
    } else if constexpr (std::is_integral_v<T>) {
        return QString::number(qint64(valeur));
    } else if constexpr (std::is_convertible_v<T, const TCarte *>) {
        const TCarte *carte = valeur;
        if (!carte)
            return QStringLiteral("no card");
        static const char *const couleurs[] = {"trèfle", "carreau", "cœur", "pique"};
        return QStringLiteral("%1 de %2").arg(carte->Valeur()).arg(QString::fromUtf8(couleurs[int(carte->Couleur())]));
    } else {
        QString texte;
        QDebug(&texte).noquote().nospace() << valeur;
        return texte;
    }
}

// The broken invariants, as they are found.
class TConstat {
public:
    bool Exiger(bool condition, const QString &message)
    {
        if (!condition)
            pannes << message;
        return condition;
    }
    template <class T, class U> bool Egal(const T &obtenu, const U &attendu, const QString &quoi)
    {
        if (obtenu == attendu)
            return true;
        pannes << QStringLiteral("%1: %2 instead of %3").arg(quoi, Texte(obtenu), Texte(attendu));
        return false;
    }
    // No guard left over from an operation, and no deal waiting.
    void TableOuverte(const TfrmJeu &fenetre)
    {
        Exiger(!fenetre.ClicsBloques(), QStringLiteral("card clicks are blocked while no operation is under way"));
    }
    QStringList pannes;
};

int Indice(const std::array<TCarte *, 52> &cartes, const TCarte *carte)
{
    return int(std::find(cartes.begin(), cartes.end(), carte) - cartes.begin());
}

// The stock, Cartes()[0] to Cartes()[sommet]: face down at its place, only
// its top card showing.
void VerifierTalon(TConstat &c, const std::array<TCarte *, 52> &cartes, int sommet, QPoint position)
{
    for (int i = 0; i <= sommet; ++i) {
        c.Egal(cartes[i]->Visible(), i == sommet, QStringLiteral("stock card %1 shown").arg(i));
        c.Exiger(!cartes[i]->FaceVisible(), QStringLiteral("stock card %1 is face up").arg(i));
        c.Egal(cartes[i]->pos(), position, QStringLiteral("position of stock card %1").arg(i));
    }
}
} // namespace

QStringList InvariantsRompus(const TfrmBlocusQuatorze &f)
{
    TConstat c;
    const auto &cartes = f.Talon()->Cartes();
    // Every card at the place of its index, face up while on the table.
    int surTable = 0;
    QSet<TCarte *> vues;
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = cartes[i];
        vues.insert(carte);
        c.Egal(carte->Tag(), i, QStringLiteral("Tag of the card at place %1").arg(i));
        if (carte->Visible()) {
            ++surTable;
            c.Egal(carte->pos(), TfrmBlocusQuatorze::PositionPlace(i), QStringLiteral("position of place %1").arg(i));
            c.Exiger(carte->FaceVisible(), QStringLiteral("the card at place %1 is face down").arg(i));
        }
    }
    c.Egal(vues.size(), 52, QStringLiteral("distinct cards in the deck"));
    c.Egal(int(f.CartesRestantes), surTable, QStringLiteral("CartesRestantes against the cards on the table"));
    // The choice: available cards on the table, marked, and the only ones marked.
    int choisies = 0;
    for (quint8 p : {f.Carte1, f.Carte2}) {
        if (p == Aucune)
            continue;
        if (!c.Exiger(p < 52, QStringLiteral("a choice out of the table: %1").arg(p)))
            continue;
        c.Exiger(cartes[p]->Visible(), QStringLiteral("chosen place %1 is empty").arg(p));
        c.Exiger(f.Disponible[p], QStringLiteral("chosen place %1 is covered").arg(p));
        c.Exiger(cartes[p]->Selectionnee(), QStringLiteral("chosen place %1 is not marked").arg(p));
        ++choisies;
    }
    c.Egal(int(f.NbSelection), choisies, QStringLiteral("NbSelection against the choice"));
    for (int i = 0; i < 52; ++i)
        if (cartes[i]->Visible() && cartes[i]->Selectionnee())
            c.Exiger(i == f.Carte1 || i == f.Carte2, QStringLiteral("place %1 is marked but not chosen").arg(i));
    c.TableOuverte(f);
    return c.pannes;
}

QStringList InvariantsRompus(const TfrmCasino &f)
{
    TConstat c;
    const auto &cartes = f.Talon()->Cartes();
    const int sommet = f.Talon()->Sommet();
    const int n = f.NbCartesTapis;
    if (!c.Exiger(n <= TfrmCasino::NbPlaces, QStringLiteral("%1 cards on a grid of 25").arg(n)))
        return c.pannes;
    c.Egal(QSet<TCarte *>(cartes.begin(), cartes.end()).size(), 52, QStringLiteral("distinct cards in the deck"));
    // Each card is in exactly one place: the stock (indices 0 to Sommet), the
    // grid, or gone (drawn and no longer on the grid).
    const QSet<TCarte *> tirees(cartes.begin() + sommet + 1, cartes.end());
    QSet<TCarte *> grille;
    for (int p = 0; p < n; ++p) {
        TCarte *carte = f.Tapis[p];
        c.Exiger(tirees.contains(carte), QStringLiteral("grid place %1 holds a card not drawn").arg(p));
        c.Exiger(!grille.contains(carte), QStringLiteral("grid place %1 holds a card twice").arg(p));
        grille.insert(carte);
        c.Exiger(carte->Visible(), QStringLiteral("grid place %1 is hidden").arg(p));
        c.Exiger(carte->FaceVisible(), QStringLiteral("grid place %1 is face down").arg(p));
        c.Egal(carte->Tag(), p, QStringLiteral("Tag of grid place %1").arg(p));
        c.Egal(carte->pos(), TfrmCasino::PositionPlace(p), QStringLiteral("position of grid place %1").arg(p));
    }
    std::array<int, 14> parties{};
    for (TCarte *carte : tirees)
        if (!grille.contains(carte)) {
            c.Exiger(!carte->Visible(), QStringLiteral("%1 has left the grid but shows").arg(Texte(carte)));
            ++parties[carte->Valeur()];
        }
    for (int rang = 1; rang <= 13; ++rang)
        c.Egal(parties[rang] % 2, 0, QStringLiteral("cards of rank %1 gone, modulo 2").arg(rang));
    VerifierTalon(c, cartes, sommet, QPoint(540, 265));
    if (n < TfrmCasino::NbPlaces)
        c.Egal(sommet, -1, QStringLiteral("top of the stock while the grid is short")); // it shortens only then

    // Between clicks: nothing chosen, or one card of the grid, marked alone.
    c.Exiger(f.NbSelection <= 1, QStringLiteral("%1 cards chosen between clicks").arg(f.NbSelection));
    c.Egal(f.Carte2, Aucune, QStringLiteral("second choice between clicks"));
    if (f.NbSelection == 1) {
        if (!c.Exiger(f.Carte1 < n, QStringLiteral("the choice %1 is out of the grid").arg(f.Carte1)))
            return c.pannes;
    } else {
        c.Egal(f.Carte1, Aucune, QStringLiteral("first choice with no card chosen"));
    }
    for (TCarte *carte : cartes)
        c.Egal(carte->Selectionnee(), f.NbSelection == 1 && carte == f.Tapis[f.Carte1],
               QStringLiteral("mark of %1").arg(Texte(carte)));
    c.Egal(f.BarreEtat()->Texte(), QStringLiteral("Choisissez deux cartes."), QStringLiteral("status text"));
    c.TableOuverte(f);
    return c.pannes;
}

QStringList InvariantsRompus(const TfrmMelange &f)
{
    TConstat c;
    const auto &cartes = f.Talon()->Cartes();
    const int sommet = f.Talon()->Sommet();
    auto milieu = [](int place) { return TfrmMelange::PositionPlace(place) + QPoint(35, 48); };
    c.Egal(int(f.CartesRestantes), sommet + 1, QStringLiteral("CartesRestantes against the stock"));
    VerifierTalon(c, cartes, sommet, QPoint(360, 400));
    // The eight tops: distinct cards of the table, face up, on top of their
    // place, which they name.
    QSet<TCarte *> dessus;
    for (int p = 0; p < TfrmMelange::NbPlaces; ++p) {
        TCarte *haut = f.Tapis[p];
        dessus.insert(haut);
        c.Exiger(Indice(cartes, haut) > sommet, QStringLiteral("the top of place %1 is not drawn from the deck").arg(p));
        c.Egal(haut->Tag(), p, QStringLiteral("Tag of the top of place %1").arg(p));
        c.Egal(haut->pos(), TfrmMelange::PositionPlace(p), QStringLiteral("position of the top of place %1").arg(p));
        c.Exiger(haut->Visible() && haut->FaceVisible(), QStringLiteral("the top of place %1 is not face up").arg(p));
        c.Egal(qobject_cast<TCarte *>(f.childAt(milieu(p))), haut, QStringLiteral("card seen at place %1").arg(p));
    }
    c.Egal(dessus.size(), 8, QStringLiteral("distinct top cards"));
    // Every other card drawn lies face up in one pile, under its top.
    const QObjectList enfants = f.children();
    for (int i = sommet + 1; i < 52; ++i) {
        TCarte *carte = cartes[i];
        c.Exiger(carte->Visible() && carte->FaceVisible(), QStringLiteral("%1, drawn, is not face up").arg(Texte(carte)));
        int place = -1;
        for (int p = 0; p < TfrmMelange::NbPlaces; ++p)
            if (carte->pos() == TfrmMelange::PositionPlace(p))
                place = p;
        if (!c.Exiger(place >= 0, QStringLiteral("%1 lies on no place").arg(Texte(carte))))
            continue;
        c.Exiger(carte == f.Tapis[place] || enfants.indexOf(carte) < enfants.indexOf(f.Tapis[place]),
                 QStringLiteral("%1 lies above the top of place %2").arg(Texte(carte)).arg(place));
    }
    // The choice: at most a first card, the only card marked.
    const quint8 c1 = f.Carte1;
    if (!c.Exiger(c1 == Aucune || c1 < TfrmMelange::NbPlaces, QStringLiteral("a choice out of the table: %1").arg(c1)))
        return c.pannes;
    c.Egal(int(f.NbSelection), c1 == Aucune ? 0 : 1, QStringLiteral("NbSelection against the choice"));
    for (TCarte *carte : cartes)
        c.Egal(carte->Selectionnee(), c1 != Aucune && carte == f.Tapis[c1],
               QStringLiteral("mark of %1").arg(Texte(carte)));
    // The status says whether some two tops follow each other.
    bool coup = false;
    for (int a = 0; a < TfrmMelange::NbPlaces; ++a)
        for (int b = a + 1; b < TfrmMelange::NbPlaces; ++b)
            coup = coup || std::abs(f.Tapis[a]->Valeur() - f.Tapis[b]->Valeur()) == 1;
    const QString attendu = c1 != Aucune ? QStringLiteral("Choisissez une seconde carte.")
                          : coup                      ? QStringLiteral("Choisissez une première carte.")
                                                      : QStringLiteral("Plus aucun coup possible.");
    c.Egal(f.BarreEtat()->Texte(), attendu, QStringLiteral("status text"));
    c.TableOuverte(f);
    return c.pannes;
}

QStringList InvariantsRompus(const TfrmMultiplesSept &f)
{
    // Every card is in the row, in the stock or gone, exactly once; the row
    // lies at its places; marks are on row cards only and never add up to a
    // non-zero multiple of seven; what is left in play adds up to a multiple
    // of seven.
    TConstat c;
    const auto &cartes = f.Talon()->Cartes();
    const int sommet = f.Talon()->Sommet();
    const int n = f.NbCartesTapis;
    if (!c.Exiger(n <= TfrmMultiplesSept::NbPlaces, QStringLiteral("%1 cards in a row of 11").arg(n)))
        return c.pannes;
    QSet<TCarte *> rangee;
    int marquee = 0;
    for (int k = 0; k < n; ++k) {
        TCarte *carte = f.Tapis[k];
        const int i = Indice(cartes, carte);
        c.Exiger(i > sommet && i < 52, QStringLiteral("row place %1 holds a card not drawn from the deck").arg(k));
        c.Exiger(!rangee.contains(carte), QStringLiteral("row place %1 holds a card twice").arg(k));
        rangee.insert(carte);
        c.Exiger(carte->Visible(), QStringLiteral("row place %1 is hidden").arg(k));
        c.Exiger(carte->FaceVisible(), QStringLiteral("row place %1 is face down").arg(k));
        c.Egal(carte->pos(), TfrmMultiplesSept::PositionPlace(k), QStringLiteral("position of row place %1").arg(k));
        if (carte->Selectionnee())
            marquee += carte->Valeur();
    }
    c.Exiger(marquee == 0 || marquee % 7 != 0, QStringLiteral("the marks add up to %1 and stay").arg(marquee));
    int enJeu = 0;
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = cartes[i];
        if (i <= sommet) {
            enJeu += carte->Valeur();
            c.Exiger(!carte->Selectionnee(), QStringLiteral("stock card %1 is marked").arg(i));
        } else if (rangee.contains(carte)) {
            enJeu += carte->Valeur();
        } else { // gone
            c.Exiger(!carte->Visible(), QStringLiteral("%1 has left the row but shows").arg(Texte(carte)));
            c.Exiger(!carte->Selectionnee(), QStringLiteral("%1 has left the row marked").arg(Texte(carte)));
        }
    }
    VerifierTalon(c, cartes, sommet, QPoint(200, 300));
    c.Egal(enJeu % 7, 0, QStringLiteral("the cards in play, modulo 7"));
    c.TableOuverte(f);
    return c.pannes;
}

QStringList InvariantsRompus(const TfrmPetitsPaquets &f)
{
    TConstat c;
    // Each card of the deck in exactly one place of one packet.
    QHash<TCarte *, int> places;
    for (const auto &paquet : f.Paquets)
        for (TCarte *carte : paquet)
            ++places[carte];
    for (TCarte *carte : f.Talon()->Cartes())
        c.Egal(places.value(carte), 1, QStringLiteral("places of %1").arg(Texte(carte)));
    if (!c.Egal(places.size(), 52, QStringLiteral("distinct cards in the packets")))
        return c.pannes;

    // A packet is empty once its bottom card has gone; otherwise its cards up
    // to the top one lie at its place, only the top one face up and seen.
    auto vide = [&](int p) { return !f.Paquets[p][0]->Visible(); };
    auto vue = [&](int p) {
        return qobject_cast<TCarte *>(f.childAt(TfrmPetitsPaquets::PositionPaquet(p) + QPoint(35, 48)));
    };
    int surTable = 0;
    for (int p = 0; p < TfrmPetitsPaquets::NbPaquets; ++p) {
        const int sommet = f.SommetPaquet[p];
        if (!c.Exiger(sommet <= 3, QStringLiteral("top of packet %1 at level %2").arg(p).arg(sommet)))
            return c.pannes;
        if (vide(p)) {
            c.Egal(sommet, 0, QStringLiteral("top level of empty packet %1").arg(p));
            for (int l = 0; l < 4; ++l)
                c.Exiger(!f.Paquets[p][l]->Visible(), QStringLiteral("empty packet %1 shows level %2").arg(p).arg(l));
            c.Egal(vue(p), nullptr, QStringLiteral("card seen at empty packet %1").arg(p));
            continue;
        }
        for (int l = 0; l < 4; ++l) {
            TCarte *carte = f.Paquets[p][l];
            c.Egal(carte->Visible(), l <= sommet, QStringLiteral("packet %1, level %2 shown").arg(p).arg(l));
            if (l > sommet)
                continue;
            ++surTable;
            c.Egal(carte->Tag(), p, QStringLiteral("Tag of packet %1, level %2").arg(p).arg(l));
            c.Egal(carte->pos(), TfrmPetitsPaquets::PositionPaquet(p),
                   QStringLiteral("position of packet %1, level %2").arg(p).arg(l));
            c.Egal(carte->FaceVisible(), l == sommet, QStringLiteral("packet %1, level %2 face up").arg(p).arg(l));
        }
        c.Egal(vue(p), f.Sommet(p), QStringLiteral("card seen at packet %1").arg(p));
    }
    c.Egal(int(f.CartesRestantes), surTable, QStringLiteral("CartesRestantes against the cards on the table"));

    // The choice: tops of packets on the table, marked, and the only cards marked.
    QSet<TCarte *> choisies;
    for (quint8 p : {f.Paquet1, f.Paquet2}) {
        if (p == Aucune)
            continue;
        if (!c.Exiger(p < TfrmPetitsPaquets::NbPaquets, QStringLiteral("a choice out of the table: %1").arg(p)))
            continue;
        c.Exiger(!vide(p), QStringLiteral("chosen packet %1 is empty").arg(p));
        choisies.insert(f.Sommet(p));
    }
    c.Egal(int(f.NbSelection), choisies.size(), QStringLiteral("NbSelection against the choice"));
    for (TCarte *carte : f.Talon()->Cartes())
        if (carte->Visible())
            c.Egal(carte->Selectionnee(), choisies.contains(carte), QStringLiteral("mark of %1").arg(Texte(carte)));
    if (!Plateforme().FinDemandee()) { // a won game that ended the program keeps its table closed
        c.Exiger(!f.Occupe, QStringLiteral("Occupe is up while no pair is judged"));
        c.TableOuverte(f);
    }
    return c.pannes;
}

QStringList InvariantsRompus(const TfrmJeu &f)
{
    if (auto *g = qobject_cast<const TfrmBlocusQuatorze *>(&f))
        return InvariantsRompus(*g);
    if (auto *g = qobject_cast<const TfrmCasino *>(&f))
        return InvariantsRompus(*g);
    if (auto *g = qobject_cast<const TfrmMelange *>(&f))
        return InvariantsRompus(*g);
    if (auto *g = qobject_cast<const TfrmMultiplesSept *>(&f))
        return InvariantsRompus(*g);
    if (auto *g = qobject_cast<const TfrmPetitsPaquets *>(&f))
        return InvariantsRompus(*g);
    return {QStringLiteral("a window of no known game")};
}
