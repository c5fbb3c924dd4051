#include "tests/support/Support.h"

#include "biology/Ubiolo.h"
#include "dataset/UPartie.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"

#include <algorithm>
#include <fstream>
#include <initializer_list>

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

long Residente()
{
    std::ifstream statm("/proc/self/statm");
    long taille = 0, residente = 0;
    statm >> taille >> residente;
    return residente;
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

std::vector<float> Releve(const TBDVasco& bd, int p)
{
    std::vector<float> v;
    const auto ajouter = [&v](std::initializer_list<float> valeurs) {
        for (float x : valeurs)
            v.push_back(x);
    };
    const auto& b = bd.Bilans.A<TPeriodeBilan>(p - 1);
    ajouter({b.PoidsDebarque, b.PoidsRejete, b.CA, b.CAGris, b.Benefice, b.SubventionsNettes,
             b.Effectifs, b.JoursEquipage});
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        const auto& z = bd.Especes.A<TEspece>(i).Periodes.A<TPeriodeES>(p - 1);
        ajouter({z.Biomasse, z.BiomasseFeconde, z.Quota});
        for (int t = 0; t < z.Tailles.Nombre(); ++t) {
            const auto& c = z.Tailles.A<TTailleES>(t);
            ajouter({c.Effectif, c.Biomasse, c.F, c.Captures, c.PoidsCaptures});
        }
    }
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        const auto& m = bd.Metiers.A<TMetierEco>(i);
        const auto& c = m.Conditions.A<TCondition>(p - 1);
        ajouter({c.MaillageEffectif, c.NbNavires, c.PoidsDebarque, c.PoidsRejete, c.CA, c.CAGris,
                 c.BilanMarginal, c.Benefice, c.SubventionsNettes});
        for (int k = 0; k < m.EspecesExploitees.Nombre(); ++k) {
            const auto& r = m.EspecesExploitees.A<TEspeceExp>(k).PeriodesMS.A<TPeriodeMS>(p - 1);
            ajouter({r.NbDebarques, r.NbRejetes, r.PoidsDebarque, r.PoidsRejete, r.Valeur,
                     r.ValeurGrise, r.Taxe});
        }
    }
    return v;
}

void Mesurer(TBDVasco& bd, bool espece, int i, TMesure m, const std::string& saisi)
{
    const TSupListe& liste = espece ? bd.Especes : bd.Metiers;
    const std::string ligne = std::to_string(bd.NbPeriodes()) + (espece ? ";espece;" : ";metier;") +
                              liste.A<TELaNom>(i).Nom + ';' + std::string(Mesure(m).Nom) + ';' +
                              saisi;
    LireScenario(ligne, bd).Appliquer(bd.NbPeriodes(), bd);
}

} // namespace vasco::test
