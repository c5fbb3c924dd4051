// The management measures, each described once: its name in scenarios, its
// label in the condition dialogs, its limits, how the number a person types
// becomes the number the model stores (and back, to fill a field), its
// refusal texts, and where it is stored in the open records of the next
// period.  The condition dialogs and the scenario lines both go through it,
// so that a measure typed in a dialog and the same measure in a scenario
// store the same float.
//
// Measures act on a métier's open condition (TMetierEco::Courante()) or on a
// species' open period state (TEspece::Courant()); those of a species can be
// lifted, their value kept for when they are put in force again.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace vasco {

class TCondition;
class TPeriodeES;

enum class TMesure : uint8_t {
    // On the open condition of a métier.
    Navires,
    Maillage,
    Jours,
    SubventionAn,
    SubventionJour,
    Taxe,
    Repression,
    // On the open period state of a species.
    Quota,
    TailleMin,
};

// How the typed number becomes the stored one.
enum class TConversion : uint8_t {
    Aucune,
    Pourcent,   // typed in %, stored as a fraction
    ParPeriode, // typed per year, stored per period
    Tonnes,     // typed in tonnes, stored in kg
};

// What is wrong with a typed value.
enum class TRefus : uint8_t {
    Aucun,
    NonNumerique,
    SousMin,
    SurMax,
    // A number whose float, or whose stored value, is beyond the float
    // range: the model stores floats.
    TropGrand,
};

// Who typed the value.  The two differ in one thing only: a number too
// large is no number at all to a dialog, refused before any limit is
// looked at, while a scenario names the limit it breaks first and only then
// says the number is too large.
enum class TSaisie : uint8_t { Dialogue, Scenario };

// A typed value checked against its measure.
struct TValeurMesure {
    TRefus Refus = TRefus::Aucun;
    long double Stockee = 0; // to store as a float, when accepted
};

struct TDefMesure {
    static constexpr long double Infini = std::numeric_limits<long double>::infinity();

    TMesure Mesure = TMesure::Navires;
    std::string_view Nom = {};     // in scenario lines
    std::string_view Libelle = {}; // beside its field in the dialog
    bool Entier = false;           // whole numbers only: the size, held in 16 bits
    // Inclusive limits of the typed number.  With MaxAnnuel the upper limit
    // counts the days of a year of 360, shared among its periods.
    long double Min = -Infini;
    long double Max = Infini;
    bool MaxAnnuel = false;
    TConversion Conversion = TConversion::Aucune;

    // The dialog's messages: not a number, below and above the limits.
    std::string_view NonNumerique = {};
    std::string_view SousMin = {};
    std::string_view SurMax = {};
    // What a scenario expects when the number is out of its limits; "{max}"
    // stands for the upper limit.
    std::string_view Attendu = {};

    // Where it is stored: a field of the métier's condition, or the value
    // and the in-force mark of a species measure.
    float TCondition::*Condition = nullptr;
    float TPeriodeES::*ValeurEspece = nullptr;
    uint16_t TPeriodeES::*TailleEspece = nullptr;
    uint8_t TPeriodeES::*Active = nullptr;
    // The stored value that an entry which is no number leaves in a dialog,
    // the measure lifted: a quota of -1 t (what the field of a lifted quota
    // shows), a size of 0 (never set).
    long double Effacee = 0;

    constexpr bool SurEspece() const { return Active != nullptr; }

    // The upper limit of the typed number; raises ErreurModele when the year
    // holds no period.
    long double Plafond(int periodesAn) const;

    // Reads and checks a typed text.  The stored value is the typed number
    // rounded to a float first, as a float field would hold it, then
    // converted in extended precision.
    TValeurMesure Lire(std::string_view texte, int periodesAn, TSaisie saisie) const;

    // The typed number to the stored value, and back (to fill a field).
    long double Stocker(long double saisi, int periodesAn) const;
    long double Saisi(long double stockee, int periodesAn) const;

    // The dialog's message for a refusal.
    std::string_view Message(TRefus refus) const;
    // A scenario's reason for refusing the value field `texte`.
    std::string Raison(TRefus refus, std::string_view texte, int periodesAn) const;

    // The stored value in the open record, and storing an accepted one (a
    // species measure is then in force).
    long double Valeur(const TCondition& c) const;
    long double Valeur(const TPeriodeES& s) const;
    bool EnVigueur(const TPeriodeES& s) const;
    void Appliquer(TCondition& c, long double stockee) const;
    void Appliquer(TPeriodeES& s, long double stockee) const;
    // Puts a species measure in force or lifts it, its value kept.
    void Activer(TPeriodeES& s, bool active) const;
    // Lifts a species measure and clears its value (Effacee).
    void Effacer(TPeriodeES& s) const;
};

// A measure's value in force, as the measure table reads it.
struct TValeurEnVigueur {
    long double Valeur = 0;
    bool EnVigueur = true;
    friend bool operator==(const TValeurEnVigueur&, const TValeurEnVigueur&) = default;
};
// Every measure of an open record, indexed by TMesure (those of the other
// kind of record left at their defaults).
using TValeursMesures = std::array<TValeurEnVigueur, 9>;
TValeursMesures ValeursMesures(const TCondition& c);
TValeursMesures ValeursMesures(const TPeriodeES& s);

// Every measure, métiers' then species', in the order of TMesure.
std::span<const TDefMesure> Mesures();
const TDefMesure& Mesure(TMesure m);
// The measure of that scenario name acting on a species or a métier.
const TDefMesure* MesureNommee(std::string_view nom, bool espece);

} // namespace vasco
