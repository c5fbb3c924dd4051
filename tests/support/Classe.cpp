#include "tests/support/Classe.h"

#include "dataset/UMesures.h"
#include "dataset/USession.h"
#include "economics/Ueco.h"
#include "model/Ulecteur.h"
#include "tests/support/Support.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace vasco::test {

namespace fs = std::filesystem;

std::vector<fs::path> FaireClasse(const fs::path& dossier, const std::string& donnees,
                                  const std::vector<TEleve>& eleves)
{
    return FaireClasseDe(dossier, FichierDonnees(donnees), eleves);
}

std::vector<fs::path> FaireClasseDe(const fs::path& dossier, const fs::path& donnees,
                                    const std::vector<TEleve>& eleves)
{
    fs::create_directories(dossier);
    const auto octets = LireTexte(donnees.string());
    if (!octets)
        throw std::runtime_error("fichier de données introuvable : " + donnees.string());
    const fs::path copie = dossier / donnees.filename();
    std::ofstream(copie, std::ios::binary) << *octets;

    std::vector<fs::path> parties;
    for (const TEleve& e : eleves) {
        TSession session;
        session.FixerOptions({e.Recrutement, e.Croissance, false});
        if (!session.Charger(copie, *octets).Reussi())
            throw std::runtime_error("chargement refusé : " + donnees.string());
        TBDVasco& bd = *session.Donnees();
        for (int p = 0; p < e.Periodes; ++p) {
            if (p == e.ChangementA && e.Facteur != 1) {
                const int m = e.Metier % bd.Metiers.Nombre();
                const auto& c = bd.Metiers.A<TMetierEco>(m).Conditions.DernierElement<TCondition>();
                char saisi[32];
                std::snprintf(saisi, sizeof saisi, "%.0f", c.NbNavires * e.Facteur);
                Mesurer(bd, false, m, TMesure::Navires, saisi);
            }
            bd.Pas();
        }
        const fs::path fichier = dossier / (e.Nom + ".vsp");
        std::ofstream(fichier, std::ios::binary) << session.TexteAEnregistrer(fichier);
        parties.push_back(fichier);
    }
    return parties;
}

std::vector<TEleve> ClasseVariee(int n, int periodes)
{
    static constexpr double Facteurs[] = {0.5, 1, 2, 1.5};
    std::vector<TEleve> eleves;
    for (int i = 0; i < n; ++i) {
        TEleve e;
        char nom[16];
        std::snprintf(nom, sizeof nom, "eleve%02d", i + 1);
        e.Nom = nom;
        e.Periodes = std::max(1, periodes - 4 * (i % 3));
        e.Recrutement = i % 2 == 0;
        e.Croissance = i % 3 == 1;
        e.Facteur = Facteurs[i % 4];
        e.ChangementA = 2 + i % 5;
        e.Metier = i % 2;
        eleves.push_back(e);
    }
    return eleves;
}

} // namespace vasco::test
