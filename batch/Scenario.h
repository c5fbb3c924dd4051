// vasco-batch: management scenarios and the CSV of a headless run.
//
// A scenario is a text of lines `PERIODE;metier;NOM;MESURE;VALEUR` or
// `PERIODE;espece;NOM;MESURE;VALEUR`.  A line applies once exactly PERIODE
// periods have been simulated, before the next step, to the open records of
// the next period: the métier's last condition or the species' last period
// state, stored as the condition dialogs store them.  The whole scenario is
// checked against the loaded data set before the first step, so that a run
// never stops half-way on a typing error.
#pragma once

#include "dataset/Ubd.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vasco {

// A scenario line that cannot be applied: "scenario ligne N: <reason>".
class ErreurScenario : public std::runtime_error {
public:
    ErreurScenario(int ligne, const std::string& raison);
    int Ligne() const { return ligne_; }

private:
    int ligne_;
};

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

// One checked scenario line.
struct TLigneScenario {
    int Ligne = 0;       // in the scenario file, from 1
    int64_t Periode = 0; // periods simulated before it applies
    int Index = 0;       // of the métier or the species in its list
    TMesure Mesure = TMesure::Navires;
    bool Arret = false; // "off": the quota or the minimum size is lifted
    long double Valeur = 0;
};

class TScenario {
public:
    TScenario() = default;
    // Reads and checks every line against the data set; raises
    // ErreurScenario at the first faulty line.
    TScenario(std::string_view texte, const TBDVasco& bd);

    // Applies, in file order, the lines of the given period.
    void Appliquer(int64_t periode, TBDVasco& bd) const;

    const std::vector<TLigneScenario>& Lignes() const { return lignes_; }

private:
    std::vector<TLigneScenario> lignes_;
};

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> LireTexte(const std::filesystem::path& chemin);

// A CSV field holding a name: quoted (RFC 4180) when the name holds a comma,
// a quote, a line break or a leading or trailing blank.
std::string ChampNom(std::string_view nom, std::string_view suffixe = {});

// The header row and the row of simulated period p (from 1), with their line
// end.  Row p reads the balance of period p and, for species and métiers,
// the state and condition that were in force during it (entry p - 1).
std::string EnTeteCsv(const TBDVasco& bd);
std::string LigneCsv(const TBDVasco& bd, int p);

// The run: header, then for p = 1..periodes the lines of period p - 1, one
// step and row p.
void Simuler(TBDVasco& bd, const TScenario& scenario, int64_t periodes, std::ostream& sortie);

} // namespace vasco
