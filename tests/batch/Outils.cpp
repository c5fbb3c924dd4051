#include "tests/batch/Outils.h"
#include "batch/Csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vasco::test {

namespace {

std::filesystem::path CheminDossier()
{
    return std::filesystem::path(testing::TempDir()) / ("vasco_batch_" + std::to_string(getpid()));
}

std::string Dossier()
{
    const auto dossier = CheminDossier();
    std::filesystem::create_directories(dossier);
    return dossier.string();
}

// The test program's own temporary folder goes when the tests end.
class Nettoyage : public testing::Environment {
public:
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(CheminDossier(), ec);
    }
};

[[maybe_unused]] testing::Environment* const nettoyage =
    testing::AddGlobalTestEnvironment(new Nettoyage);

// One shell word: single quotes, each quote closed, escaped and reopened.
std::string Mot(const std::string& s)
{
    std::string mot = "'";
    for (char c : s)
        mot += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return mot + "'";
}

// Splits one CSV line (RFC 4180 quoting).
std::vector<std::string> ChampsCsv(const std::string& ligne)
{
    std::vector<std::string> champs(1);
    bool cite = false;
    for (size_t i = 0; i < ligne.size(); ++i) {
        const char c = ligne[i];
        if (cite && c == '"' && i + 1 < ligne.size() && ligne[i + 1] == '"') {
            champs.back() += '"';
            ++i;
        } else if (c == '"') {
            cite = !cite;
        } else if (c == ',' && !cite) {
            champs.emplace_back();
        } else {
            champs.back() += c;
        }
    }
    return champs;
}

} // namespace

Execution Lancer(const std::vector<std::string>& arguments)
{
    static int numero = 0;
    const std::string base = Dossier() + "/execution" + std::to_string(++numero);
    std::string commande = Mot(VASCO_BATCH);
    for (const std::string& a : arguments)
        commande += ' ' + Mot(a);
    commande += " >" + Mot(base + ".out") + " 2>" + Mot(base + ".err");

    Execution e;
    const int etat = std::system(commande.c_str());
    if (etat != -1 && WIFEXITED(etat))
        e.Code = WEXITSTATUS(etat);
    e.Sortie = LireTexte(base + ".out").value_or("");
    e.Erreurs = LireTexte(base + ".err").value_or("");
    return e;
}

std::string FichierTemporaire(const std::string& nom, const std::string& texte)
{
    const std::string chemin = Dossier() + "/" + nom;
    std::ofstream(chemin, std::ios::binary) << texte;
    return chemin;
}

Tableau LireCsv(const std::string& texte)
{
    Tableau t;
    std::istringstream lignes(texte);
    std::string ligne;
    if (std::getline(lignes, ligne))
        t.Colonnes = ChampsCsv(ligne);
    while (std::getline(lignes, ligne))
        t.Lignes.push_back(ChampsCsv(ligne));
    return t;
}

double Tableau::Valeur(int p, const std::string& colonne) const
{
    const auto c = std::find(Colonnes.begin(), Colonnes.end(), colonne);
    if (c == Colonnes.end() || p < 1 || p > static_cast<int>(Lignes.size())) {
        ADD_FAILURE() << "pas de valeur " << colonne << " en ligne " << p;
        return 0;
    }
    const auto& ligne = Lignes[static_cast<size_t>(p - 1)];
    const size_t i = static_cast<size_t>(c - Colonnes.begin());
    if (i >= ligne.size()) {
        ADD_FAILURE() << "ligne " << p << " trop courte";
        return 0;
    }
    return std::strtod(ligne[i].c_str(), nullptr);
}

} // namespace vasco::test
