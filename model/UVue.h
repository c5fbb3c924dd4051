// The data set as every element sees it through slot 0 of the context list.
//
// An element of the biology or of the economics needs a few things of the
// fishery as a whole: the periods per year, the display scales of its graphs,
// the host, at load the species an exploited species names, and during the
// period step the balance of the period being built.  It finds them here,
// on the data set base, without knowing the concrete data set that owns the
// species and the métiers (which sits above both).
#pragma once

#include "model/Uhote.h"
#include "model/Uliste.h"

#include <array>
#include <string>

namespace vasco {

class TPeriodeBilan;

// Phases of the period step; 9 undoes one.  Phase 0 adds the recruits of a
// season to a period state (Combiner and FairePar of the recruitment lists).
enum : uint8_t {
    PhaseRecrutement = 0,
    PhaseMortalite = 1,
    PhaseCaptures = 2,
    PhaseBilanMarginal = 3,
    PhaseBilanPeriode = 4,
    PhaseOuverture = 5,
    PhaseRetour = 9,
};

// The fifteen display scales (axis maximum, divisor, unit label), by the
// graphs that use them; the values are the order of the data file.
enum : int {
    EchelleMonnaie = 0,              // turnover, profits, taxes, subsidies, value of landings
    EchellePoids = 1,                // landed weights, catches and discards in weight
    EchelleMonnaieNavire = 2,        // turnover, profit and grey turnover per vessel
    EchellePoidsNavire = 3,          // landed weight per vessel
    EchelleEquipages = 4,            // crew on board, social balance of the contest
    EchelleEffort = 5,               // fishing effort of a métier
    EchelleNavires = 6,              // vessels of a métier
    EchelleJours = 7,                // days at sea per vessel
    EchelleBiomasse = 8,             // total and spawning biomass of a species
    EchelleEffectifsTaille = 9,      // population and catches by size, in numbers
    EchelleBiomasseTaille = 10,      // biomass and catches in weight by size
    EchelleFTaille = 11,             // fishing mortality by size
    EchelleCapturesTaille = 12,      // catches by size, in numbers
    EchelleCapturesNombre = 13,      // catches and discards of a métier, in numbers
    EchellePoidsCapturesTaille = 14, // catches in weight by size
};
constexpr int NbEchelles = 15;

// The periods a graph over time shows: the thirty up to the step control's
// position (indexes 0 to 29 of its window).
constexpr int32_t FenetrePeriodes = 30;

// The elements a result graph belongs to: the fishery as a whole (its
// period balances), a métier, a species fished by a métier, a species.
enum class TElementGraphe : uint8_t { Global, Metier, EspeceExploitee, Espece };

// The data set base: it owns the context list and sits in its slot 0.
class TBD : public TEL {
public:
    static constexpr int Emplacement = 0;
    TContexte Contexte;

    uint8_t NbPeriodesAn = 0;
    std::string Titre; // of the time axis
    std::array<float, NbEchelles> EchelleMax{};
    std::array<float, NbEchelles> EchelleDiviseur{};
    std::array<std::string, NbEchelles> EchelleUnite{};
    // First and last size class shown on the size axis.
    int16_t TailleGraphe1 = 0;
    int16_t TailleGraphe2 = 0;

    TBD* CommeDonnees() override { return this; }

    // The main window (or a double, or a host without windows).
    virtual THote* Hote() const = 0;
    // The species named exactly so, or null.
    virtual TELaNom* EspeceNommee(const std::string& nom) const = 0;
    // The balance of the period being simulated (appended before the
    // métiers add their accounts); raises when there is none.
    virtual TPeriodeBilan& BilanEnCours() const = 0;
    // Whether a graph code is one of an element's graphs.
    virtual bool GrapheDe(TElementGraphe element, uint8_t code) const = 0;
    // Opens one element's graph of a code in a new window (through the
    // given host, or the data set's own): its list, and the name its title
    // carries.  False when the code is none of the element's graphs or the
    // window was not opened.
    virtual bool OuvrirGrapheElement(TElementGraphe element, TSupListe& liste, uint8_t code,
                                     const std::string& nom, THote* fenetre,
                                     TContexte* contexte) = 0;

    // value / EchelleDiviseur[k]; raises for k out of range or a zero divisor.
    long double Divise(long double valeur, int k) const;
};

// The data set in slot 0 of a context list; raises without one.
TBD& DonneesDe(const TContexte* contexte);

// A graph value computed from the data set (its display divisors), under
// the guard of the element: a fault such as a zero divisor is reported and
// the value is 0.
template <class F>
long double ValeurGraphe(const char* lieu, const TContexte* contexte, F&& valeur)
{
    long double resultat = 0;
    Garder(lieu, [&] { resultat = valeur(DonneesDe(contexte)); });
    return resultat;
}

} // namespace vasco
