// Block allocation of the per-size elements: many elements over several
// blocks keep their values, freed cells are reused, and a larger class
// derived from a blocked one is allocated on its own.  Across threads: an
// element made on one thread may be freed on another, and the cells of a
// thread that ended serve the threads that come after it.
#include "model/UBlocs.h"
#include "model/Uliste.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <thread>

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

// A class of its own, so that no other test has used its cells.
struct Passant : TEL, TEnBlocs<Passant> {
    explicit Passant(int v) : Valeur(v) {}
    int Valeur;
};

TEST(Blocs, CellulesEntreFils)
{
    constexpr int n = 3000; // several blocks
    // Made on a thread that ends, freed here on the main thread.
    auto liste = std::make_unique<TSupListe>();
    std::thread([&] {
        for (int i = 0; i < n; ++i)
            liste->AjouterElement(std::make_unique<Passant>(i), nullptr);
    }).join();
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(liste->A<Passant>(i).Valeur, i);
    liste.reset();

    // A thread makes and frees its elements, then ends: the next thread
    // takes the same cells instead of cutting new blocks.
    std::set<const void*> premier, second;
    const auto passer = [&](std::set<const void*>& adresses) {
        std::thread([&] {
            TSupListe l;
            for (int i = 0; i < n; ++i) {
                l.AjouterElement(std::make_unique<Passant>(-i), nullptr);
                adresses.insert(&l.Element(i));
            }
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(l.A<Passant>(i).Valeur, -i);
        }).join();
    };
    passer(premier);
    passer(second);
    ASSERT_EQ(second.size(), static_cast<size_t>(n));
    if (VASCO_BLOCS_ACTIFS) {
        int repris = 0;
        for (const void* a : second)
            repris += premier.count(a) ? 1 : 0;
        EXPECT_EQ(repris, n);
    }
}

} // namespace
} // namespace vasco
