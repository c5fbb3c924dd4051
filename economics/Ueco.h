// Métiers (fleet segments), their management conditions, the species they
// fish, selectivity, fishing mortality and the split of catches into
// landings, discards and grey landings.
#pragma once

#include "model/UBlocs.h"
#include "model/Ulecteur.h"
#include "model/Uliste.h"

#include <memory>
#include <vector>

namespace vasco {

class TBD;
class TEspece;
class TMetierEco;

// Graph codes of a condition and of a catch record.
enum : uint8_t {
    CodeMetierCA = 60,
    CodeMetierBenefice = 61,
    CodeMetierPoidsDebarque = 62,
    CodeMetierEffort = 63,
    CodeMetierNavires = 64,
    CodeMetierJours = 65,
    CodeMetierCAGris = 69,
    CodeCapturesPoids = 71,
    CodeValeurDebarquements = 72,
    CodeCapturesNombres = 73,
    CodeRejetsNombre = 74,
    CodeRejetsPoids = 75,
    CodeMetierCANavire = 90,
    CodeMetierBeneficeNavire = 91,
    CodeMetierPoidsNavire = 92,
    CodeMetierCAGrisNavire = 93,
};

// The measures in force for one métier in one period, and once the period is
// simulated, its accounts.
class TCondition : public TEL, public TEnBlocs<TCondition> {
public:
    static constexpr int Emplacement = 2;
    // Measures.
    float MaillageEffectif = 0; // mm, drives selectivity
    float NbJours = 0;          // days at sea per vessel in the period
    float NbNavires = 0;
    float MaillageReglementaire = 0; // mm
    float SubventionPeriode = 0;     // per vessel per period
    float SubventionJourMer = 0;     // per vessel per day at sea
    float TauxTaxeCA = 0;            // fraction of declared turnover
    float IndiceRepression = 0;      // 0..1
    // Accounts.
    float PoidsDebarque = 0;
    float PoidsRejete = 0;
    float CA = 0;
    float CAGris = 0;
    float BilanMarginal = 0;
    float Benefice = 0;
    float SubventionsNettes = 0;

    // The first condition of the métier in context slot 1, read from the file.
    static std::unique_ptr<TCondition> Createpremier(TLecteur& lecteur, TContexte& contexte);
    // The next open condition of the métier in context slot 1.
    static std::unique_ptr<TCondition> CreateNouveau(TContexte& contexte);

    long double Effort() const;
    // A regulated mesh above the fleet's own is obeyed in proportion to the
    // repression; one below it changes nothing.
    void AppliquerMaillage(const TMetierEco& metier);
    void Bilanmarginal(const TMetierEco& metier);
    void Bilanperiode(const TMetierEco& metier, TBD& bd);
    void ZeroComptes();

    long double Calcul(uint8_t code, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;
};

// Price and catchability of one size in one period of the year.
class TTailleAn : public TEL, public TEnBlocs<TTailleAn> {
public:
    static constexpr int Emplacement = 4;
    long double Prix = 0;
    long double Capturabilite = 0;

    TTailleAn(long double prix, long double capturabilite)
        : Prix(prix), Capturabilite(capturabilite)
    {
    }
    void Inscrire(TContexte& contexte) override;
};

// One exploitation season: prices and catchabilities by size.
class TPeriodeAn : public TEL {
public:
    static constexpr int Emplacement = 3;
    TSupListe Tailles; // of TTailleAn, positional from its first size

    TPeriodeAn(TLecteur& lecteur, TContexte* contexte);
    void Inscrire(TContexte& contexte) override;

    // The catchability and the price of a size by its number, 0 for a size
    // the season does not describe.
    long double CapturabiliteDe(int32_t taille) const
    {
        const TTranche* t = TrancheDe(taille);
        return t ? t->Capturabilite : 0;
    }
    long double PrixDe(int32_t taille) const
    {
        const TTranche* t = TrancheDe(taille);
        return t ? t->Prix : 0;
    }

private:
    // One line of the season: the price and the catchability of its sizes.
    struct TTranche {
        long double Prix;
        long double Capturabilite;
    };

    const TTranche* TrancheDe(int32_t taille) const
    {
        const int64_t i = int64_t(taille) - Tailles.Premier;
        return i >= 0 && i < static_cast<int64_t>(tranches_.size()) ? &lignes_[tranches_[i]]
                                                                     : nullptr;
    }

    // The values of Tailles by position, for the per-size loops of every
    // period: each size names its line, and the lines hold the values.  A
    // season has a few lines for a hundred sizes, so the loops that read a
    // price and a catchability per size and per métier read a few bytes
    // per size instead of two extended-precision numbers.  Set when the
    // season is read; a season table never changes afterwards.
    std::vector<TTranche> lignes_;
    std::vector<uint32_t> tranches_;
};

// The fishing mortality of one métier on one size in the open period.
class TTailleS : public TEL, public TEnBlocs<TTailleS> {
public:
    static constexpr int Emplacement = 4;
    float F = 0;
    void Inscrire(TContexte& contexte) override;
};

// The catch record of one métier on one species in one period.
class TPeriodeMS : public TEL, public TEnBlocs<TPeriodeMS> {
public:
    static constexpr int Emplacement = 3;
    float NbDebarques = 0;
    float NbRejetes = 0;
    float PoidsDebarque = 0;
    float PoidsRejete = 0;
    // All landings sold, grey ones included, net of tax once computed.
    float Valeur = 0;
    float ValeurGrise = 0;
    float Taxe = 0;
    // Of TTailleS: the per-size mortality of the open period, worked out by
    // phase 1 and read by the catch split of the same period, then by nothing.
    // Only the open record holds it: it passes to the next record when a
    // period opens, and back to the reopened one on a step back.
    TSupListe Tailles;

    static std::unique_ptr<TPeriodeMS> CreateVide(int32_t premier, int32_t dernier);

    void CalculDeF(TContexte& contexte);
    void CalculDesCaptures(TContexte& contexte);
    void ZeroComptes();
    // Every figure of another record, without its working table.
    void CopierChiffres(const TPeriodeMS& autre);

    long double Calcul(uint8_t code, TContexte* contexte) override;
    void Faire(uint8_t phase, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;
};

// One species fished by one métier.
class TEspeceExp : public TEL {
public:
    static constexpr int Emplacement = 2;
    TEspece* Espece = nullptr; // not owned
    float ExposantCapturabilite = 0;
    float FacteurSelection = 0;
    float EtendueSelection = 0;
    float FacteurDome = 0;
    TSupListe PeriodesAn;           // of TPeriodeAn, one per season
    TSupListeDynaDouble PeriodesMS; // of TPeriodeMS, plus the open one

    TEspeceExp(TLecteur& lecteur, TContexte& contexte);

    // Retention (0..1) of a length under a condition.
    long double Selectivite(int32_t taille, const TCondition& condition) const;
    // Retention of each of n sizes from the first one under a condition.  It
    // depends only on the effective mesh and the selection parameters, which
    // change with the measures, not every period: it is worked out again only
    // when one of them has changed.
    const std::vector<long double>& Selectivites(int32_t premiere, int n,
                                                 const TCondition& condition) const;
    // The season table in force for the open catch record.
    TPeriodeAn& SaisonCourante(const TBD& bd) const;

    void Faire(uint8_t phase, TContexte* contexte) override;
    void FaireDans(THote* fenetre, uint8_t code, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;

private:
    // What the retentions were last worked out for.
    struct TSelectivites {
        bool Valides = false;
        int32_t Premiere = 0;
        int Nombre = 0;
        uint32_t Maillage = 0, Etendue = 0, Facteur = 0, Dome = 0; // bits of the floats
        std::vector<long double> Valeurs;
    };

    void OuvrirPeriode(TContexte* contexte);
    void RetirerPeriode(TContexte* contexte);

    mutable TSelectivites selectivites_;
};

class TMetierEco : public TELaNom {
public:
    static constexpr int Emplacement = 1;
    float CoutFixeAn = 0;  // per vessel per year
    float CoutJourMer = 0; // per vessel per day at sea
    uint8_t Equipage = 0;  // crew of one vessel
    uint16_t JoursMerInitial = 0;
    float MaillageUsuel = 0;        // mm
    TSupListeDynaDouble Conditions; // of TCondition, plus the open one
    TSupListe EspecesExploitees;    // of TEspeceExp

    TMetierEco(TLecteur& lecteur, TContexte& contexte);

    // The open condition (the last of Conditions).
    TCondition& Courante() const;

    void Faire(uint8_t phase, TContexte* contexte) override;
    void FaireDans(THote* fenetre, uint8_t code, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;
};

} // namespace vasco
