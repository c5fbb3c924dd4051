// vasco-batch --comparer: a class's games of one fishery, each replayed to
// its own end, and per period the quantiles over the games that reach it;
// the games that cannot be used are named and left out.
#include "dataset/UQuantiles.h"
#include "tests/batch/Outils.h"
#include "tests/support/Classe.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace vasco::test {
namespace {

namespace fs = std::filesystem;

const char* const Suffixes[] = {":q05", ":q50", ":q95"};

// A folder of the tests' own temporary folder.
fs::path Dossier(const std::string& nom)
{
    return fs::path(FichierTemporaire(".comparer", "")).parent_path() / nom;
}

std::vector<std::string> Chemins(const std::vector<fs::path>& parties)
{
    std::vector<std::string> chemins;
    for (const fs::path& p : parties)
        chemins.push_back(p.string());
    return chemins;
}

Execution Comparer(const std::vector<std::string>& parties,
                   const std::vector<std::string>& options = {})
{
    std::vector<std::string> arguments = {"--comparer"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.insert(arguments.end(), parties.begin(), parties.end());
    return Lancer(arguments);
}

// The order the quantiles rank a field in: numbers increasing, an empty
// field (not a number) above them all.
double Rang(const std::string& champ)
{
    return champ.empty() ? INFINITY : std::strtod(champ.c_str(), nullptr);
}

// A class of n games of golfe.vsc, their lengths `periodes`, periodes - 4
// and periodes - 8 in turns: each period of the table is checked against the
// rows of the games' own --partie CSV that reach it.
TEST(Comparer, QuantilesDesPartiesQuiAtteignentChaquePeriode)
{
    struct Cas {
        int Parties;
        int Periodes;
    };
    const Cas cas[] = {{1, 24}, {3, 28}, {7, 26}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Parties);
        const auto parties = FaireClasse(Dossier("classe" + std::to_string(c.Parties)), "golfe.vsc",
                                         ClasseVariee(c.Parties, c.Periodes));
        const Execution e = Comparer(Chemins(parties), {"--fils", "2"});
        ASSERT_EQ(e.Code, 0) << e.Erreurs;
        const Tableau quantiles = LireCsv(e.Sortie);

        std::vector<Tableau> historiques;
        size_t plusLongue = 0;
        for (const fs::path& p : parties) {
            const Execution h = Lancer({"--partie", p.string()});
            ASSERT_EQ(h.Code, 0) << h.Erreurs;
            historiques.push_back(LireCsv(h.Sortie));
            plusLongue = std::max(plusLongue, historiques.back().Lignes.size());
        }
        EXPECT_EQ(plusLongue, static_cast<size_t>(c.Periodes));
        const std::vector<std::string>& colonnes = historiques[0].Colonnes;
        ASSERT_EQ(quantiles.Colonnes.size(), 3 * colonnes.size() - 2);
        EXPECT_EQ(quantiles.Colonnes[0], "periode");
        ASSERT_EQ(quantiles.Lignes.size(), plusLongue);
        for (size_t p = 0; p < plusLongue; ++p) {
            const auto& ligne = quantiles.Lignes[p];
            ASSERT_EQ(ligne.size(), quantiles.Colonnes.size()) << "période " << p + 1;
            EXPECT_EQ(ligne[0], std::to_string(p + 1));
            for (size_t k = 1; k < colonnes.size(); ++k) {
                std::vector<std::string> valeurs;
                for (const Tableau& h : historiques)
                    if (p < h.Lignes.size())
                        valeurs.push_back(h.Lignes[p][k]);
                std::stable_sort(valeurs.begin(), valeurs.end(),
                                 [](const auto& a, const auto& b) { return Rang(a) < Rang(b); });
                const int64_t n = static_cast<int64_t>(valeurs.size());
                for (size_t q = 0; q < 3; ++q) {
                    const size_t j = 3 * (k - 1) + 1 + q;
                    EXPECT_EQ(quantiles.Colonnes[j], colonnes[k] + Suffixes[q]);
                    const int64_t rang = RangQuantile(n, CentiemesQuantiles[q]);
                    EXPECT_EQ(ligne[j], valeurs[static_cast<size_t>(rang - 1)])
                        << colonnes[k] << Suffixes[q] << " période " << p + 1 << " sur " << n
                        << " parties";
                }
            }
        }
    }
}

// Run by the ThreadSanitizer stage: the games replayed on threads from the
// session's bytes, the rows computed on threads.
TEST(Fils, ComparerMemeSortieSurUnEtQuatreFils)
{
    const auto parties = Chemins(FaireClasse(Dossier("fils"), "golfe.vsc", ClasseVariee(6, 24)));
    const Execution un = Comparer(parties, {"--fils", "1"});
    ASSERT_EQ(un.Code, 0) << un.Erreurs;
    const Execution quatre = Comparer(parties, {"--fils=4"});
    EXPECT_EQ(quatre.Code, 0) << quatre.Erreurs;
    EXPECT_EQ(quatre.Sortie, un.Sortie);
    EXPECT_EQ(quatre.Erreurs, un.Erreurs);
    EXPECT_EQ(LireCsv(un.Sortie).Lignes.size(), 24u);
    // By default, one thread per core.
    const Execution defaut = Comparer(parties);
    EXPECT_EQ(defaut.Code, 0);
    EXPECT_EQ(defaut.Sortie, un.Sortie);
}

// Each game that cannot be used is named on standard error with the reader's
// or the session's words; the others are compared as if it were not given.
TEST(Comparer, PartiesLaisseesDeCote)
{
    const auto classe = Chemins(FaireClasse(Dossier("golfe"), "golfe.vsc", ClasseVariee(3, 24)));
    const std::string simple =
        FaireClasse(Dossier("simple"), "simple.vsc", ClasseVariee(1, 24))[0].string();
    const std::string petit =
        FaireClasseDe(Dossier("petit"), FichierTest("batch_petit.vsc"), ClasseVariee(1, 6))[0]
            .string();
    const std::string texte = LireTexte(classe[0]).value();
    const std::string coupee =
        FichierTemporaire("coupee.vsp", texte.substr(0, texte.find("periodes;") + 9));
    const std::string absente = (Dossier("golfe") / "absente.vsp").string();
    // A game whose data file is neither beside it nor among the samples.
    const std::string sansDonnees = (Dossier("sans_donnees") / "eleve01.vsp").string();
    fs::create_directories(Dossier("sans_donnees"));
    fs::copy_file(petit, sansDonnees);

    const Execution reference = Comparer({classe[1], classe[2]});
    ASSERT_EQ(reference.Code, 0) << reference.Erreurs;

    struct Cas {
        std::string Nom;
        std::string Partie;
        std::string Raison; // part of its line on standard error
        // A game of another data file that opens is the reference when
        // given first (below).
        bool Premiere = true;
    };
    const Cas cas[] = {
        {"coupée", coupee, "partie ligne 5"},
        {"d'un autre fichier de données", simple, "simple.vsc a changé", false},
        {"d'un autre petit fichier de données", petit, "batch_petit.vsc a changé", false},
        {"absente", absente, "ne peut pas être lue"},
        {"données introuvables", sansDonnees, "batch_petit.vsc"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Nom);
        // Before, between and after the games used: the first game that
        // opens gives the data file.
        std::vector<std::vector<std::string>> ordres = {{classe[1], c.Partie, classe[2]},
                                                        {classe[1], classe[2], c.Partie}};
        if (c.Premiere)
            ordres.push_back({c.Partie, classe[1], classe[2]});
        for (const auto& ordre : ordres) {
            const Execution e = Comparer(ordre);
            EXPECT_EQ(e.Code, 1);
            EXPECT_EQ(e.Sortie, reference.Sortie);
            const std::string ligne = "vasco-batch : " + c.Partie + " : ";
            const size_t debut = e.Erreurs.find(ligne);
            ASSERT_NE(debut, std::string::npos) << e.Erreurs;
            const std::string raison = e.Erreurs.substr(debut, e.Erreurs.find('\n', debut) - debut);
            EXPECT_NE(raison.find(c.Raison), std::string::npos) << raison;
            // The one line, then the guard messages of the games used.
            EXPECT_EQ(e.Erreurs, raison + '\n' + reference.Erreurs);
        }
    }

    // A game of another data file given first is the reference: the games
    // of golfe.vsc are then the ones left out.
    const Execution seule = Comparer({simple});
    ASSERT_EQ(seule.Code, 0) << seule.Erreurs;
    const Execution premiere = Comparer({simple, classe[0], classe[1]});
    EXPECT_EQ(premiere.Code, 1);
    EXPECT_EQ(premiere.Sortie, seule.Sortie);
    for (const std::string& partie : {classe[0], classe[1]})
        EXPECT_NE(premiere.Erreurs.find("vasco-batch : " + partie + " : "), std::string::npos)
            << premiere.Erreurs;

    // No game usable: nothing on standard output.
    const Execution aucune = Comparer({absente, coupee});
    EXPECT_EQ(aucune.Code, 1);
    EXPECT_EQ(aucune.Sortie, "");
    EXPECT_NE(aucune.Erreurs.find(absente), std::string::npos);
    EXPECT_NE(aucune.Erreurs.find(coupee), std::string::npos);
}

TEST(Comparer, ErreursUsage)
{
    const std::string partie =
        FaireClasse(Dossier("usage"), "golfe.vsc", ClasseVariee(1, 2))[0].string();
    const std::vector<std::vector<std::string>> cas = {
        {"--comparer"},
        {"--comparer", "--fils", "2"},
        {"--comparer", "--fils", "0", partie},
        {"--comparer", "--fils", "1025", partie},
        {"--comparer", "--graine", "3", partie},
        {"--comparer", "--scenario", partie, partie},
        {"--comparer", "--recrutement-aleatoire", partie},
        {"--comparer", "--croissance-aleatoire", partie},
        {"--comparer", "--tirages", "3", partie},
        {"--comparer", "--bilan", partie},
        {"--comparer", "--partie", partie},
        {"--comparer", "--equilibre", partie},
        {"--comparer", "--annees", "30", partie},
        {"--comparer", "--metier", "Chalut", partie},
        {"--comparer=1", partie},
    };
    for (const auto& arguments : cas) {
        std::string texte;
        for (const std::string& a : arguments)
            texte += a + ' ';
        SCOPED_TRACE(texte);
        const Execution e = Lancer(arguments);
        EXPECT_EQ(e.Code, 2);
        EXPECT_EQ(e.Sortie, "");
        EXPECT_NE(e.Erreurs.find("Usage"), std::string::npos) << e.Erreurs;
    }
    const Execution aide = Lancer({"--help"});
    EXPECT_NE(aide.Sortie.find("--comparer [--fils T] PARTIE.vsp..."), std::string::npos);
}

} // namespace
} // namespace vasco::test
