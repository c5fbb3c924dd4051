#include "tests/support/Support.h"

#include <algorithm>

namespace vasco::test {

Messages::Messages()
{
    precedent_ = InstallerRecepteur([this](const std::string& t) { textes_.push_back(t); });
}

Messages::~Messages()
{
    InstallerRecepteur(precedent_);
}

int Messages::Nombre(const std::string& texte) const
{
    return static_cast<int>(std::count(textes_.begin(), textes_.end(), texte));
}

bool HoteEnregistreur::RecrutementAleatoire() const
{
    ++LecturesRecrutement;
    return Recrutement;
}

bool HoteEnregistreur::CroissanceAleatoire() const
{
    ++LecturesCroissance;
    return Croissance;
}

void HoteEnregistreur::OuvrirGraphe(const TParamGraphe& param)
{
    if (EchecOuverture)
        throw ErreurModele("fenêtre impossible");
    Graphes.push_back(param);
    // The new window carries the help context of its block, as the main
    // window gives it.
    ContextesAide.push_back(param.Aide);
}

std::string FichierTest(const std::string& nom)
{
    return std::string(VASCO_DONNEES_TEST) + "/" + nom;
}

std::string FichierDonnees(const std::string& nom)
{
    return std::string(VASCO_DONNEES) + "/" + nom;
}

void ChargerTexte(TBDVasco& bd, const std::string& texte)
{
    TLecteur lecteur(texte);
    bd.Charger(lecteur);
}

} // namespace vasco::test
