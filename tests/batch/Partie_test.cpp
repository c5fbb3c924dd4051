// vasco-batch and saved games: --partie replays the game's history as a run
// with the same seed, options and measures would write it, and --bilan gives
// the contest balance of each game with the figures of the balance form.
#include "batch/Csv.h"
#include "biology/UMath.h"
#include "dataset/UPartie.h"
#include "economics/UConcour.h"
#include "model/USha256.h"
#include "tests/batch/Outils.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace vasco::test {
namespace {

const std::string Petit = FichierTest("batch_petit.vsc");
const std::string Mesures = "0;metier;Chalut;navires;2\n"
                            "1;espece;Sole;quota;0,02\n"
                            "2;metier;Chalut;jours;10\n";

// A copy of the small fishery beside the game files, under this name.
std::string CopiePetit(const std::string& nom)
{
    return FichierTemporaire(nom, LireTexte(Petit).value());
}

// A game file: its header, then its period lines.
std::string Partie(const std::string& nom, const std::string& donnees, const std::string& empreinte,
                   const std::string& options, int periodes, const std::string& lignes)
{
    return FichierTemporaire(nom, "# Partie Vasco\ndonnees;" + donnees + ";" + empreinte +
                                      "\ngraine;4242\noptions;" + options + "\nperiodes;" +
                                      std::to_string(periodes) + "\n" + lignes);
}

const std::string EmpreintePetit = Sha256Hex(LireTexte(Petit).value());

TEST(PartieBatch, HistoriqueCommeUneSimulationDeMemeGraineEtMesures)
{
    CopiePetit("petit.vsc");
    const std::string scenario = FichierTemporaire("mesures.scenario", Mesures);
    struct Cas {
        std::string Options;
        std::vector<std::string> Drapeaux;
        int Periodes; // asked for, beyond the game's 3 when more
    };
    const Cas cas[] = {
        {"0;0;0", {}, 3},
        {"1;1;0", {"--recrutement-aleatoire", "--croissance-aleatoire"}, 3},
        {"1;0;1", {"--recrutement-aleatoire"}, 7},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Options);
        const std::string partie =
            Partie("jeu.vsp", "petit.vsc", EmpreintePetit, c.Options, 3, Mesures);
        std::vector<std::string> simple = {"--graine", "4242", "--scenario", scenario};
        simple.insert(simple.end(), c.Drapeaux.begin(), c.Drapeaux.end());
        simple.insert(simple.end(), {Petit, std::to_string(c.Periodes)});
        const Execution attendu = Lancer(simple);
        ASSERT_EQ(attendu.Code, 0) << attendu.Erreurs;

        const Execution e = c.Periodes == 3 ? Lancer({"--partie", partie})
                                            : Lancer({"--partie", partie, "7"});
        EXPECT_EQ(e.Code, 0) << e.Erreurs;
        EXPECT_EQ(e.Erreurs, "");
        EXPECT_EQ(e.Sortie, attendu.Sortie);
        EXPECT_EQ(LireCsv(e.Sortie).Lignes.size(), static_cast<size_t>(c.Periodes));
    }
    // A data file found nowhere near the game comes from the sample folder
    // beside the program.
    const std::string golfe = LireTexte(FichierDonnees("golfe.vsc")).value();
    const std::string loin = Partie("loin.vsp", "/nulle/part/golfe.vsc", Sha256Hex(golfe),
                                    "0;0;0", 1, "");
    const Execution e = Lancer({"--partie", loin});
    EXPECT_EQ(e.Code, 0) << e.Erreurs;
    EXPECT_EQ(e.Sortie, Lancer({"--graine", "4242", FichierDonnees("golfe.vsc"), "1"}).Sortie);
}

TEST(PartieBatch, PartieOuDonneesInutilisables)
{
    CopiePetit("petit.vsc");
    FichierTemporaire("change.vsc", LireTexte(Petit).value() + "\n");
    const std::string en_tete = "# Partie Vasco\ndonnees;petit.vsc;" + EmpreintePetit + "\n";
    struct Cas {
        std::string Partie;
        int Code;
        std::string Erreur;
    };
    const Cas cas[] = {
        {Partie("absent.vsp", "absent.vsc", EmpreintePetit, "0;0;0", 1, ""), 1,
         "vasco-batch : Le fichier de données absent.vsc de la partie est introuvable\n"},
        {Partie("change.vsp", "change.vsc", EmpreintePetit, "0;0;0", 1, ""), 1,
         "vasco-batch : Le fichier de données change.vsc a changé depuis l'enregistrement de "
         "la partie\n"},
        {FichierTemporaire("coupe.vsp", en_tete + "graine;1"), 2,
         "partie ligne 3: ligne « options » attendue\n"},
        {FichierTemporaire("ordre.vsp", en_tete + "graine;1\n0;metier;Chalut;navires;2\n"), 2,
         "partie ligne 4: ligne « options » attendue avant les lignes de période\n"},
        {Partie("inconnu.vsp", "petit.vsc", EmpreintePetit, "0;0;0", 2,
                "1;metier;Chalut;navires;2\n1;metier;Senne;navires;2\n"),
         2, "partie ligne 7: métier inconnu « Senne »\n"},
        {"/nulle/part/jeu.vsp", 2, "vasco-batch : la partie « /nulle/part/jeu.vsp » ne peut pas "
                                   "être lue\n"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Partie);
        const Execution e = Lancer({"--partie", c.Partie});
        EXPECT_EQ(e.Code, c.Code);
        EXPECT_EQ(e.Sortie, "");
        EXPECT_EQ(e.Erreurs, c.Erreur);
    }
    // The game sets its own seed, options and measures, and one mode at a time.
    const std::string jeu = Partie("jeu.vsp", "petit.vsc", EmpreintePetit, "0;0;0", 1, "");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--partie", jeu, "--graine", "3"},
             {"--partie", jeu, "--recrutement-aleatoire"},
             {"--partie", jeu, "2", "3"},
             {"--partie", jeu, "x"},
             {"--bilan"},
             {"--bilan", "--partie", jeu},
             {"--bilan", jeu, "--tirages", "3"},
             {"--tirages", "3", "--partie", jeu},
             {"--fils", "2", Petit, "1"},
         }) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const Execution e = Lancer(arguments);
        EXPECT_EQ(e.Code, 2);
        EXPECT_EQ(e.Erreurs.rfind("vasco-batch : ", 0), 0u) << e.Erreurs;
    }
}

TEST(PartieBatch, BilanDeChaquePartieDansLesUnitesDuFormulaire)
{
    CopiePetit("petit.vsc");
    const std::string jeu = Partie("jeu.vsp", "petit.vsc", EmpreintePetit, "1;0;1", 3, Mesures);
    const std::string vide = Partie("vide, 0.vsp", "petit.vsc", EmpreintePetit, "0;0;0", 0, "");
    const std::string casse = FichierTemporaire("casse.vsp", "# Partie Vasco\ngraine;1");
    const Execution e = Lancer({"--bilan", jeu, casse, vide});
    EXPECT_EQ(e.Code, 2);
    const Tableau t = LireCsv(e.Sortie);
    EXPECT_EQ(t.Colonnes, (std::vector<std::string>{"fichier", "donnees", "periodes", "production",
                                                    "CA", "benefices", "bilan_social", "erreur"}));
    ASSERT_EQ(t.Lignes.size(), 3u);
    EXPECT_EQ(t.Lignes[1], (std::vector<std::string>{casse, "", "", "", "", "", "",
                                                     "partie ligne 2: ligne « donnees » attendue"}));
    EXPECT_EQ(t.Lignes[2], (std::vector<std::string>{vide, "petit.vsc", "0", "", "", "", "", ""}));

    // The same game run in-process: the balance of its three periods.
    THoteSansFenetre hote;
    hote.Recrutement = true;
    TBDVasco bd(&hote);
    FixerGraine(4242);
    bd.Charger(Petit);
    std::ostringstream csv;
    Simuler(bd, LireScenario(Mesures, bd), 3, csv);
    const TBilan60 b = CalculBilan60(bd.Bilans);
    const long double attendus[] = {b.Production / bd.EchelleDiviseur[EchellePoids],
                                    b.CA / bd.EchelleDiviseur[EchelleMonnaie],
                                    b.Benefices / bd.EchelleDiviseur[EchelleMonnaie],
                                    b.BilanSocial};
    const std::vector<std::string>& ligne = t.Lignes[0];
    ASSERT_EQ(ligne.size(), 8u);
    EXPECT_EQ(ligne[0], jeu);
    EXPECT_EQ(ligne[2], "3");
    EXPECT_EQ(ligne[7], "");
    for (size_t i = 0; i < 4; ++i) {
        const double lu = std::strtod(ligne[3 + i].c_str(), nullptr);
        EXPECT_NEAR(lu, static_cast<double>(attendus[i]), 1e-8 * std::fabs(lu) + 1e-12) << i;
        EXPECT_EQ(std::round(lu), std::round(static_cast<double>(attendus[i]))) << i;
    }
}

} // namespace
} // namespace vasco::test
