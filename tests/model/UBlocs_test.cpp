// Block allocation of the per-size elements: many elements over several
// blocks keep their values, freed cells are reused, and a larger class
// derived from a blocked one is allocated on its own.
#include "model/UBlocs.h"
#include "model/Uliste.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>

namespace vasco {
namespace {

struct Petit : TEL, TEnBlocs<Petit> {
    explicit Petit(int v) : Valeur(v) {}
    int Valeur;
};

struct Grand : Petit {
    explicit Grand(int v) : Petit(v) { Motif.fill(static_cast<char>(v)); }
    std::array<char, 200> Motif{};
};

TEST(Blocs, ElementsNombreuxReutilisesEtClassesDerivees)
{
    constexpr int n = 5000; // several blocks
    std::set<const TEL*> adresses;
    {
        TSupListe liste;
        for (int i = 0; i < n; ++i) {
            liste.AjouterElement(std::make_unique<Petit>(i), nullptr);
            adresses.insert(&liste.Element(i));
        }
        // Larger elements of a derived class, between the small ones.
        for (int i = 0; i < 100; ++i)
            liste.AjouterElement(std::make_unique<Grand>(i), nullptr);
        ASSERT_EQ(adresses.size(), static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(liste.A<Petit>(i).Valeur, i);
        for (int i = 0; i < 100; ++i) {
            const Grand& g = liste.A<Grand>(n + i);
            ASSERT_EQ(g.Valeur, i);
            ASSERT_EQ(g.Motif[199], static_cast<char>(i));
        }
    }
    // The cells freed come back to the next elements of the class.
    TSupListe liste;
    for (int i = 0; i < n; ++i)
        liste.AjouterElement(std::make_unique<Petit>(-i), nullptr);
    int reutilises = 0;
    for (int i = 0; i < n; ++i) {
        reutilises += adresses.count(&liste.Element(i)) ? 1 : 0;
        ASSERT_EQ(liste.A<Petit>(i).Valeur, -i);
    }
    if (VASCO_BLOCS_ACTIFS) {
        EXPECT_EQ(reutilises, n);
    }
}

} // namespace
} // namespace vasco
