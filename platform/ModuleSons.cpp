// The sound player, on the desktop's event-sound library: each sound is
// uploaded once into the sound server's sample cache and then played from
// there by name, so it starts at once and plays whole however short it is,
// and no stream stays open between sounds.
#include "ModuleSons.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace {
using THorloge = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A request not started by then was held up by a stalled server: played
// late, it would only confuse. Alerts wait for those asked before them.
constexpr auto Peremption = 250ms;
constexpr auto PeremptionAlerte = 2s;
// Past its length and this margin, a sound counts as ended even if the
// server never said so.
constexpr auto Marge = 100ms;
// After a failed connection, the next try waits this long; the sounds
// asked for meanwhile are dropped at once.
constexpr auto Repos = 2s;
// The freedesktop theme's bell lasts 140 ms; a theme's own may differ, and
// the server's word ends it anyway.
constexpr quint32 DureeAlerte = 500;

struct TDemande {
    QByteArray chemin; // empty for an alert
    quint32 duree;
    quint32 numero;
    THorloge::time_point quand = THorloge::now();
};

// The name of a file's sample in the server's cache: the same file gives
// the same name, a file changed in place a new one.
QByteArray NomEchantillon(const QByteArray &chemin)
{
    const QFileInfo f(QFile::decodeName(chemin));
    const QByteArray cle = chemin + '\0' + QByteArray::number(f.size()) + '\0'
                         + QByteArray::number(f.lastModified().toMSecsSinceEpoch());
    return "ludoval-" + QCryptographicHash::hash(cle, QCryptographicHash::Sha1).toHex().left(16);
}

// Errors that mean the server is gone: the connection is made anew.
bool Deconnecte(int erreur)
{
    return erreur == CA_ERROR_DISCONNECTED || erreur == CA_ERROR_STATE || erreur == CA_ERROR_NOTAVAILABLE
        || erreur == CA_ERROR_DESTROYED || erreur == CA_ERROR_NODRIVER || erreur == CA_ERROR_IO;
}

// What the player's thread works on. It outlives the player when the thread
// is held up in the library at the end of the program.
class TService {
public:
    explicit TService(TFinSon fini) : fini(std::move(fini)) {}

    void Demander(TDemande d)
    {
        std::unique_lock l(verrou);
        if (d.chemin.isEmpty()) {
            alertes.push_back(std::move(d));
        } else {
            if (son) // never started: the new one takes its turn
                Signaler(l, son->numero, false);
            son = std::move(d);
        }
        reveil.notify_all();
    }

    // Asks the thread to end; whether it did within `delai`. Nothing is
    // told of any sound from then on.
    bool Arreter(std::chrono::milliseconds delai)
    {
        std::unique_lock l(verrou);
        arret = true;
        fini = nullptr;
        reveil.notify_all();
        return reveil.wait_for(l, delai, [this] { return servi; });
    }

    // The player's thread: takes the requests in turn, a sound at once, an
    // alert once what plays has ended.
    void Servir()
    {
        std::unique_lock l(verrou);
        while (!arret) {
            std::optional<TDemande> demande;
            if (son) {
                demande.swap(son);
            } else if (!alertes.empty() && (enCours == 0 || THorloge::now() >= finPrevue)) {
                demande = std::move(alertes.front());
                alertes.pop_front();
            } else {
                if (alertes.empty())
                    reveil.wait(l);
                else
                    reveil.wait_until(l, finPrevue);
                continue;
            }
            const quint32 coupe = enCours;
            enCours = demande->numero;
            finPrevue = THorloge::now() + std::chrono::milliseconds(demande->duree) + Marge;
            l.unlock();
            const std::optional<bool> sansServeur = Lancer(*demande, coupe);
            l.lock();
            if (sansServeur) { // not started: nothing else will say it ended
                if (enCours == demande->numero)
                    enCours = 0;
                Signaler(l, demande->numero, *sansServeur);
            }
        }
        l.unlock();
        Fermer();
        l.lock();
        servi = true;
        reveil.notify_all();
    }

private:
    // Under the lock, so that nothing is told once the player has gone.
    void Signaler(std::unique_lock<std::mutex> &, quint32 numero, bool sansServeur)
    {
        if (fini)
            fini(numero, sansServeur);
    }

    // Starts a request, after cutting off `coupe`: nothing once started;
    // otherwise true when no server could play it, false when it came too
    // late to be played.
    std::optional<bool> Lancer(const TDemande &d, quint32 coupe)
    {
        if (THorloge::now() - d.quand > (d.chemin.isEmpty() ? PeremptionAlerte : Peremption))
            return false;
        if (!Ouvrir())
            return true;
        if (coupe)
            ca_context_cancel(contexte, coupe);
        int erreur = Jouer(d);
        if (Deconnecte(erreur)) { // the server was gone: it may be back
            Fermer();
            erreur = Ouvrir() ? Jouer(d) : CA_ERROR_DISCONNECTED;
            if (Deconnecte(erreur))
                Fermer();
        }
        if (erreur == CA_SUCCESS)
            return std::nullopt;
        return true;
    }

    int Jouer(const TDemande &d)
    {
        ca_proplist *p = nullptr;
        if (ca_proplist_create(&p) != CA_SUCCESS)
            return CA_ERROR_OOM;
        if (d.chemin.isEmpty()) {
            // The bell, as the desktop's other programs ring it.
            ca_proplist_sets(p, CA_PROP_EVENT_ID, "bell-window-system");
        } else {
            ca_proplist_sets(p, CA_PROP_EVENT_ID, NomEchantillon(d.chemin).constData());
            ca_proplist_sets(p, CA_PROP_MEDIA_FILENAME, d.chemin.constData());
        }
        ca_proplist_sets(p, CA_PROP_CANBERRA_CACHE_CONTROL, "permanent");
        const int erreur = ca_context_play_full(contexte, d.numero, p, &TService::Fin, this);
        ca_proplist_destroy(p);
        return erreur;
    }

    // Called by the library, on a thread of its own, when a sound has ended.
    static void Fin(ca_context *, uint32_t numero, int, void *service)
    {
        auto *moi = static_cast<TService *>(service);
        std::unique_lock l(moi->verrou);
        if (moi->enCours == numero)
            moi->enCours = 0;
        moi->Signaler(l, numero, false);
        moi->reveil.notify_all();
    }

    // The connection to the server, made when first needed and after it was
    // lost; after a failed try, not again for `Repos`.
    bool Ouvrir()
    {
        if (contexte)
            return true;
        if (THorloge::now() < prochainEssai)
            return false;
        ca_context *c = nullptr;
        if (ca_context_create(&c) == CA_SUCCESS) {
            ca_context_change_props(c, CA_PROP_APPLICATION_NAME, "Ludoval", CA_PROP_APPLICATION_ID, "ludoval",
                                    CA_PROP_APPLICATION_ICON_NAME, "ludoval", nullptr);
            if (ca_context_open(c) == CA_SUCCESS) {
                contexte = c;
                return true;
            }
            ca_context_destroy(c);
        }
        prochainEssai = THorloge::now() + Repos;
        return false;
    }

    void Fermer()
    {
        if (!contexte)
            return;
        ca_context_destroy(contexte); // ends what plays, each with its word
        contexte = nullptr;
    }

    std::mutex verrou;
    std::condition_variable reveil;
    TFinSon fini;
    std::optional<TDemande> son;  // the latest sound asked for, not yet started
    std::deque<TDemande> alertes; // alerts waiting their turn
    quint32 enCours = 0;          // what plays, or 0
    THorloge::time_point finPrevue;
    bool arret = false, servi = false;
    // Only the player's thread touches these.
    ca_context *contexte = nullptr;
    THorloge::time_point prochainEssai;
};

class TLecteurCanberra final : public TLecteurSons {
public:
    explicit TLecteurCanberra(TFinSon fini) : service(std::make_shared<TService>(std::move(fini)))
    {
        fil = std::thread([s = service] { s->Servir(); });
    }

    ~TLecteurCanberra() override
    {
        // A call held up by a stalled server lasts as long as the server's
        // own time-out: the program does not wait for it at its end.
        if (service->Arreter(300ms))
            fil.join();
        else
            fil.detach();
    }

    void Jouer(const QString &chemin, quint32 duree, quint32 numero) override
    {
        service->Demander({QFile::encodeName(chemin), duree, numero});
    }

    void Alerte(quint32 numero) override { service->Demander({{}, DureeAlerte, numero}); }

private:
    std::shared_ptr<TService> service;
    std::thread fil;
};
} // namespace

extern "C" Q_DECL_EXPORT TLecteurSons *LudovalCreerLecteurSons(TFinSon fini)
{
    return new TLecteurCanberra(std::move(fini));
}
