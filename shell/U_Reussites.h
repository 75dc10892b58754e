// The program's games, in the order the chooser lists them: game number n,
// from 1, is the n-th.
#pragma once

#include "U_Cadre.h"

#include <array>

constexpr int NbReussites = 5;

// What game number `n` states of itself, 1 ≤ n ≤ NbReussites.
const TDonneesJeu &Reussite(int n);

// An array of one value a game, indexed by game number from 1.
template <class T> struct TParReussite {
    std::array<T, NbReussites> valeurs{};
    T &operator[](int n) { return valeurs[n - 1]; }
    const T &operator[](int n) const { return valeurs[n - 1]; }
    auto begin() { return valeurs.begin(); }
    auto end() { return valeurs.end(); }
    auto begin() const { return valeurs.begin(); }
    auto end() const { return valeurs.end(); }
};
