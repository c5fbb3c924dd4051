// The data set: the fishery read from a data file, and the period step.
//
// It owns the species, the métiers and the period balances, holds the global
// values of the file (periods per year, axis title, display scales) and drives
// one simulated period by sending numbered phases to its lists in a fixed
// order.  Every element reaches it through slot 0 of the context list.
#pragma once

#include "model/Uhote.h"
#include "model/Ulecteur.h"
#include "model/Uliste.h"

#include <array>
#include <filesystem>

namespace vasco {

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

class TBDVasco : public TBD {
public:
    // The host is the main window (or a double); it must outlive the data
    // set.  Without one, a host without windows with every option off.
    explicit TBDVasco(THote* hote = nullptr);
    ~TBDVasco() override;

    // Members are destroyed in reverse order: the métiers first (they refer
    // to species), then the species, then the balances.
    TSupListeFGS Bilans;
    TSupListe Especes;
    TSupListe Metiers;

    uint8_t NbPeriodesAn = 0;
    std::string Titre;
    std::array<float, NbEchelles> EchelleMax{};
    std::array<float, NbEchelles> EchelleDiviseur{};
    std::array<std::string, NbEchelles> EchelleUnite{};
    int16_t TailleGraphe1 = 0;
    int16_t TailleGraphe2 = 0;

    THote* Hote() const { return hote_; }

    // Reads a whole data file; a read error ends the load and passes to the
    // caller, which must then discard this data set.
    void Charger(TLecteur& lecteur);
    void Charger(const std::filesystem::path& chemin);

    void Pas();
    void PasEnArriere();

    // Simulated periods, and the elapsed years.
    int NbPeriodes() const { return Bilans.Nombre(); }
    double AnneesEcoulees() const;

    // value / EchelleDiviseur[k]; raises for k out of range or a zero divisor.
    long double Divise(long double valeur, int k) const;

private:
    THoteSansFenetre hoteParDefaut_;
    THote* hote_;
};

// The data set in slot 0 of a context list; raises without one.
TBDVasco& DonneesDe(const TContexte* contexte);

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
