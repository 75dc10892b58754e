// salves FILE [RATE]
//
// The bursts of sound in a recording (raw signed 16-bit little-endian mono
// samples at RATE, 22050 by default): one line each, "start length peak",
// in milliseconds and in sample units. A burst starts where the level, over
// windows of 2 ms, rises above -36 dBFS and to six times its lowest of the
// 8 ms before (so a sound that cuts off the tail of another counts), at
// least 40 ms after the last start (a bell may strike twice within that);
// it ends at the next start, or once the level has stayed below -46 dBFS
// for 10 ms.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [RATE]\n", argv[0]);
        return 2;
    }
    const int frequence = argc > 2 ? std::atoi(argv[2]) : 22050;
    std::ifstream f(argv[1], std::ios::binary);
    if (!f || frequence <= 0) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 2;
    }
    const std::vector<char> octets{std::istreambuf_iterator<char>(f), {}};
    const std::size_t n = octets.size() / 2;
    auto echantillon = [&](std::size_t i) {
        return int(std::int16_t(std::uint16_t(std::uint8_t(octets[2 * i])) | std::uint16_t(octets[2 * i + 1]) << 8));
    };

    const std::size_t fenetre = std::max(1, frequence / 500); // 2 ms
    const double haut = 32768 * std::pow(10.0, -36 / 20.0), bas = 32768 * std::pow(10.0, -46 / 20.0);
    const int silenceFin = 5, avant = 4, refractaire = 20; // windows
    auto ms = [&](std::size_t i) { return long(i * 1000 / std::size_t(frequence)); };

    bool enSalve = false;
    std::size_t debut = 0, derniereForte = 0;
    std::deque<double> precedents(avant, 0.0);
    int depuisDebut = refractaire;
    int calme = 0, crete = 0;
    auto finir = [&] {
        std::printf("%ld %ld %d\n", ms(debut), ms(derniereForte + fenetre - debut), crete);
        enSalve = false;
    };
    for (std::size_t i = 0; i + fenetre <= n; i += fenetre) {
        double somme = 0;
        int pic = 0;
        for (std::size_t j = i; j < i + fenetre; ++j) {
            const int s = echantillon(j);
            somme += double(s) * s;
            pic = std::max(pic, std::abs(s));
        }
        const double niveau = std::sqrt(somme / double(fenetre));
        const double plancher = *std::min_element(precedents.begin(), precedents.end());
        precedents.pop_front();
        precedents.push_back(niveau);
        ++depuisDebut;
        if (niveau > haut && niveau > 6 * plancher && depuisDebut >= refractaire) {
            if (enSalve) // over the last one's tail
                finir();
            enSalve = true;
            depuisDebut = 0;
            debut = i;
            derniereForte = i;
            calme = 0;
            crete = 0;
        }
        if (!enSalve)
            continue;
        crete = std::max(crete, pic);
        if (niveau >= bas) {
            derniereForte = i;
            calme = 0;
        } else if (++calme >= silenceFin) {
            finir();
        }
    }
    if (enSalve)
        finir();
    return 0;
}
