// Test doubles for the model's seams: a recorder of guard messages and a
// recording host.
#pragma once

#include "dataset/UMesures.h"
#include "dataset/Ubd.h"
#include "model/Uhote.h"
#include "model/Umessages.h"

#include <string>
#include <vector>

namespace vasco::test {

// Records every guard message while it lives.
class Messages {
public:
    Messages();
    ~Messages();
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    const std::vector<std::string>& Textes() const { return textes_; }
    int Nombre(const std::string& texte) const;
    void Effacer() { textes_.clear(); }

private:
    std::vector<std::string> textes_;
    TRecepteur precedent_;
};

class MagnetoFixe : public TMagnetoBase {
public:
    int32_t Position = 0;
    int32_t PositionCourante() const override { return Position; }
};

// A host that records the graphs asked for and the step-control calls.
class HoteEnregistreur : public THote {
public:
    bool Recrutement = false;
    bool Croissance = false;
    bool NumeroPeriode = true;
    bool EchecOuverture = false; // OuvrirGraphe raises, as a failed window
    MagnetoFixe LeMagneto;
    std::vector<TParamGraphe> Graphes;
    // The help context of each new window, then those given to the last.
    std::vector<int> ContextesAide;
    std::vector<int32_t> Derniers;
    mutable int LecturesRecrutement = 0;
    mutable int LecturesCroissance = 0;

    bool RecrutementAleatoire() const override;
    bool CroissanceAleatoire() const override;
    bool AffichageNumeroPeriode() const override { return NumeroPeriode; }
    void FixerAleatoire(bool recrutement, bool croissance) override
    {
        Recrutement = recrutement;
        Croissance = croissance;
    }
    TMagnetoBase* Magneto() override { return &LeMagneto; }
    void DernierePeriode(int32_t index) override { Derniers.push_back(index); }
    void OuvrirGraphe(const TParamGraphe& param) override;
    void ContexteAideDernier(int contexte) override { ContextesAide.push_back(contexte); }
};

// Resident memory of the process, in pages.
long Residente();

// Path of a file of tests/data or data/.
std::string FichierTest(const std::string& nom);
std::string FichierDonnees(const std::string& nom);

// Every float of the records of period p (from 1): balances, species and
// their classes, métiers and their catch records.
std::vector<float> Releve(const TBDVasco& bd, int p);

// Enters a measure for the next period of métier or species i as a person
// types it ("off" lifts a species measure), through the scenario reader.
void Mesurer(TBDVasco& bd, bool espece, int i, TMesure m, const std::string& saisi);

// Loads a text into a data set; raises ErreurLecture like Charger.
void ChargerTexte(TBDVasco& bd, const std::string& texte);

} // namespace vasco::test
