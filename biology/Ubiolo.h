// Species: size-structured populations, their virgin stock and the period
// step of the biology.
//
// A class number is a length in cm.  Numbers, weights and mortalities are
// stored as 32-bit floats and computed in extended precision.
#pragma once

#include "model/UBlocs.h"
#include "model/Ulecteur.h"
#include "model/Uliste.h"

#include <bit>
#include <memory>
#include <vector>

namespace vasco {

class TBD;
class TEspece;

// Graph codes of a species.
enum : uint8_t {
    CodeBiomasse = 81,
    CodeBiomasseFeconde = 82,
    CodeEffectif = 83,
    CodeCapturesNombre = 84,
    CodeCapturesNombreTaille = 85,
    CodeBiomasseTaille = 86,
    CodePoidsCaptures = 87,
    CodePoidsCapturesTaille = 88,
    CodeFTaille = 89,
};

// Recruits entering one class at the start of a period of a season.
class TTailleR : public TEL, public TEnBlocs<TTailleR> {
public:
    static constexpr int Emplacement = 3;
    float PartRecrutement = 0;

    static std::unique_ptr<TTailleR> Create(TLecteur& lecteur);
    static std::unique_ptr<TTailleR> CreateVide();

    void FairePar(uint8_t phase, TContexte* contexte, float facteur) override;
    void Combiner(TEL& autre, uint8_t phase, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;
};

// The biology of one class in one season.
class TTailleC : public TEL, public TEnBlocs<TTailleC> {
public:
    static constexpr int Emplacement = 3;
    // Growth in one period, in classes (fractional).
    float Croissance = 0;
    // Individual weight.
    float Poids = 0;
    // Instantaneous natural mortality over one period.
    float MortaliteNaturelle = 0;

    static std::unique_ptr<TTailleC> Create(float croissance, float poids, float mortalite);

    void Inscrire(TContexte& contexte) override;
};

// One season (period of the year) of a species.
class TPeriodeEAn : public TEL {
public:
    static constexpr int Emplacement = 2;
    TSupListe Recrutements; // of TTailleR, numbered by class
    TSupListe Tailles;      // of TTailleC, numbered by class

    // Reads one season.  The first season of a species defines its size
    // classes; a later one is read against it (reference) and must cover the
    // same classes from the same first class.  Growth that would carry a
    // class out of the species' classes is refused as a read error.
    TPeriodeEAn(TLecteur& lecteur, TContexte* contexte, const TPeriodeEAn* reference = nullptr);

    void Inscrire(TContexte& contexte) override;

private:
    void LireRecrutements(TLecteur& lecteur, TContexte* contexte);
    void LireTailles(TLecteur& lecteur, TContexte* contexte, const TPeriodeEAn* reference);
};

// One size class in one simulated period.
class TTailleES : public TEL, public TEnBlocs<TTailleES> {
public:
    static constexpr int Emplacement = 3;
    float Effectif = 0;
    float Biomasse = 0;
    // Total fishing mortality of the period, summed over the métiers; held
    // at the largest float when the sum goes beyond it.
    float F = 0;
    float Captures = 0;
    float PoidsCaptures = 0;

    static std::unique_ptr<TTailleES> CreateVide();

    long double Calcul(uint8_t code, TContexte* contexte) override;
    void Faire(uint8_t phase, TContexte* contexte) override;
    void Combiner(TEL& autre, uint8_t phase, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;

    // The catch equation of the class in a season, given the survival
    // e^-(M + F) of the period (ExpBorne of ArgumentSurvie).
    void Capturer(const TTailleC& saison, long double survie);
};

// The exponent of the survival of a class over one period, -(M + F), as
// e^x takes it (held within the float range).
float ArgumentSurvie(float mortaliteNaturelle, float f);

// The state of a species in one simulated period, with the species measures
// in force during it.
class TPeriodeES : public TEL, public TEnBlocs<TPeriodeES> {
public:
    static constexpr int Emplacement = 2;
    uint8_t QuotaActif = 0;
    float Quota = 0; // kg per period
    uint8_t TailleMinActive = 0;
    uint16_t TailleMin = 0; // cm
    float Biomasse = 0;
    float BiomasseFeconde = 0;
    float FacteurRecrutement = 0;
    TSupListe Tailles; // of TTailleES, numbered by class

    static std::unique_ptr<TPeriodeES> CreateVide();
    // The next state of the species in context slot 1, carrying its
    // measures forward.
    static std::unique_ptr<TPeriodeES> CreateNouveau(TContexte& contexte);

    // Numbers and biomasses of this state, the last of its species.
    void Effectifs(TContexte& contexte);
    // Every figure and measure of another state, without its classes.
    void CopierChiffres(const TPeriodeES& autre);

    long double Calcul(uint8_t code, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;
    TSupListe* SousListe(uint8_t code) override;

private:
    void Recruter(const TEspece& espece, const TPeriodeES& precedent, TSupListe& recrutements,
                  bool aleatoire, TContexte& contexte);
    void Survivre(TEspece& espece, const TPeriodeES& precedent, const TPeriodeEAn& saison,
                  bool croissanceAleatoire);
    void SommerBiomasses(const TEspece& espece, const TPeriodeEAn& saison);
};

class TEspece : public TELaNom {
public:
    static constexpr int Emplacement = 1;
    // Spread of the random recruitment factor.
    float AleaRecrutement = 0;
    // Read and kept; nothing uses it.
    uint8_t Entier1 = 0;
    // Percent of the virgin spawning biomass below which recruitment falls
    // in proportion.
    uint8_t SeuilRecrutement = 0;
    // First class counted in the spawning biomass.
    uint8_t ClasseMaturite = 0;
    float BiomasseVierge = 0;
    float BiomasseFecondeVierge = 0;
    TSupListe PeriodesAn;         // of TPeriodeEAn, one per season
    TSupListeDynaDouble Periodes; // of TPeriodeES; 0 is the virgin stock
    // The species fished by the métiers in the open period (their
    // exploited-species records), in the order their F was worked out; the
    // mortality phase clears it.  Once a class's total F is held at the
    // largest float, the catch is split by the métiers' F (each held too)
    // divided by their own sum in extended precision, so that the shares
    // still add up to 1: that rare sum is taken again from these records
    // rather than kept for every class of every period.
    std::vector<const TEL*> Pecheurs;

    // e^x for the survival argument last met in each class.  The catch of a
    // period and the survival into the next take e^-(M + F) of the same class
    // and the same F; when M does not change from one season to the next the
    // argument is the same, and e^x, by far the costliest operation of the
    // step, is worked out once.  A pure function of its argument: whatever
    // the memo holds, the value is the one e^x gives.
    long double Survie(size_t classe, float argument)
    {
        const auto bits = std::bit_cast<uint32_t>(argument);
        if (classe < survies_.size() && survies_[classe].Argument == bits) [[likely]]
            return survies_[classe].Valeur;
        return NouvelleSurvie(classe, argument);
    }

    // Reads one species record and builds its virgin stock.
    TEspece(TLecteur& lecteur, TContexte& contexte);

    void StockVierge(TContexte& contexte);

    // The current period state (the last of Periodes).
    TPeriodeES& Courant() const;
    // Number of size classes and first class number (from season 0).
    int NbClasses() const;
    int32_t PremiereClasse() const;

    // The season of period state t: t modulo the periods per year.
    TPeriodeEAn& Saison(int t, const TBD& bd) const;

    void Faire(uint8_t phase, TContexte* contexte) override;
    void FaireDans(THote* fenetre, uint8_t code, TContexte* contexte) override;
    void Inscrire(TContexte& contexte) override;

private:
    void LireSaisons(TLecteur& lecteur, const TBD& bd);
    void VerifierMaturite(int ligne) const;
    void BiomassesVierges();
    void Capturer(TContexte* contexte);
    TContexte* Inscrit(TContexte* contexte);

    long double NouvelleSurvie(size_t classe, float argument);

    struct TSurvie {
        uint32_t Argument; // bits of the float argument
        long double Valeur;
    };
    std::vector<TSurvie> survies_;
    void Ouvrir(TContexte* contexte);
    void Retirer(TContexte* contexte);
};

} // namespace vasco
