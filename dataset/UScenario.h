// Management scenarios: measures written as text lines, to apply at given
// periods.  vasco-batch runs them; the window program shares the same reader.
//
// A scenario is a text of lines `PERIODE;metier;NOM;MESURE;VALEUR` or
// `PERIODE;espece;NOM;MESURE;VALEUR`.  A line applies once exactly PERIODE
// periods have been simulated, before the next step, to the open records of
// the next period: the métier's last condition or the species' last period
// state, stored through the measure table as the condition dialogs store
// them.  The whole scenario is checked against the loaded data set before the
// first step, so that a run never stops half-way on a typing error.
#pragma once

#include "dataset/UMesures.h"
#include "dataset/Ubd.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vasco {

// A scenario line that cannot be applied: "scenario ligne N: <reason>" (a
// game file's lines say "partie ligne N: <reason>").
class ErreurScenario : public std::runtime_error {
public:
    ErreurScenario(int ligne, const std::string& raison, std::string_view document = "scenario");
    int Ligne() const { return ligne_; }

private:
    int ligne_;
};

// One checked scenario line.
struct TLigneScenario {
    int Ligne = 0;       // in the scenario file, from 1
    int64_t Periode = 0; // periods simulated before it applies
    int Index = 0;       // of the métier or the species in its list
    TMesure Mesure = TMesure::Navires;
    bool Arret = false;      // "off": the quota or the minimum size is lifted
    long double Stockee = 0; // the value as the model stores it
};

class TScenario {
public:
    TScenario() = default;
    // Reads and checks every line against the data set; raises
    // ErreurScenario at the first faulty line.  Lines numbered in their
    // file, named in errors as lines of `document`.  (A scenario file's text
    // is read by LireScenario, dataset/UPartie.h: it may be a saved game.)
    TScenario(const std::vector<std::pair<int, std::string>>& lignes, const TBDVasco& bd,
              std::string_view document);

    // Lines built by the program itself, already checked.
    explicit TScenario(std::vector<TLigneScenario> lignes);

    // Applies, in file order, the lines of the given period.
    void Appliquer(int64_t periode, TBDVasco& bd) const;

    const std::vector<TLigneScenario>& Lignes() const { return lignes_; }

private:
    void Trier();

    std::vector<TLigneScenario> lignes_;
};

} // namespace vasco
