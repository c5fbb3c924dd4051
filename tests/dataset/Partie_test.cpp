// Game files: a game written after steps, steps back, measures and option
// changes replays to the same numbers; every measure's value comes back as
// the same float; broken files name their line; the data file is found by
// content.
#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/UPartie.h"
#include "economics/Ueco.h"
#include "model/USha256.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace vasco::test {
namespace {

namespace fs = std::filesystem;

std::string Lire(const fs::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream texte;
    texte << f.rdbuf();
    return texte.str();
}

void Ecrire(const fs::path& chemin, const std::string& texte)
{
    fs::create_directories(chemin.parent_path());
    std::ofstream(chemin, std::ios::binary) << texte;
}

void Pas(TBDVasco& bd, int n)
{
    for (int i = 0; i < n; ++i)
        bd.Pas();
}

// Loads the game's data file as the program does and replays it.
void Rejouer(const std::string& texte, const std::string& donnees, HoteEnregistreur& hote,
             TBDVasco& bd)
{
    const TPartie partie = LirePartie(texte);
    AmorcerPartie(partie, hote);
    bd.Charger(donnees);
    Rejouer(partie, partie.Mesures(bd), partie.Periodes, bd);
}

// A game of golfe.vsc with both random options, measures on métiers and
// species (a quota put in force, a size, a quota lifted), option changes,
// and steps back between steps (after which the draws are new ones).
TEST(Partie, RejoueeAuBitPres)
{
    Messages messages;
    const std::string donnees = FichierDonnees("golfe.vsc");
    HoteEnregistreur hote;
    hote.Recrutement = hote.Croissance = true;
    FixerGraine(20261209);
    TBDVasco bd(&hote);
    bd.Charger(donnees);
    Mesurer(bd, false, 0, TMesure::Navires, "17");
    Mesurer(bd, false, 1, TMesure::Taxe, "12.5");
    Pas(bd, 3);
    Mesurer(bd, true, 0, TMesure::Quota, "1234.5");
    Mesurer(bd, false, 0, TMesure::Repression, "45.1");
    Mesurer(bd, false, 0, TMesure::Maillage, "90");
    hote.Croissance = false;
    Pas(bd, 2);
    bd.PasEnArriere();
    Mesurer(bd, true, 1, TMesure::TailleMin, "31");
    Mesurer(bd, false, 1, TMesure::SubventionAn, "1000.3");
    Pas(bd, 2);
    bd.PasEnArriere();
    bd.PasEnArriere();
    hote.Recrutement = false;
    Mesurer(bd, true, 0, TMesure::Quota, "off");
    Pas(bd, 4);
    // Entered for the next period, not simulated yet.
    Mesurer(bd, false, 1, TMesure::Jours, "20");
    hote.Croissance = true;

    const std::string texte = EcrirePartie(bd, donnees, Sha256Hex(Lire(donnees)), true);
    EXPECT_NE(texte.find("generateur"), std::string::npos) << texte;

    HoteEnregistreur autre;
    FixerGraine(1); // whatever the generator held before
    TBDVasco rejouee(&autre);
    Rejouer(texte, donnees, autre, rejouee);
    ASSERT_EQ(rejouee.NbPeriodes(), bd.NbPeriodes());
    for (int p = 1; p <= bd.NbPeriodes(); ++p)
        ASSERT_EQ(Releve(rejouee, p), Releve(bd, p)) << "période " << p;
    EXPECT_TRUE(autre.Croissance);
    EXPECT_FALSE(autre.Recrutement);
    // Same open measures, options and generator: the same file again.
    EXPECT_EQ(EcrirePartie(rejouee, donnees, Sha256Hex(Lire(donnees)), true), texte);
    // And the same future.
    Pas(bd, 3);
    Pas(rejouee, 3);
    EXPECT_EQ(Releve(rejouee, bd.NbPeriodes()), Releve(bd, bd.NbPeriodes()));
    EXPECT_TRUE(messages.Textes().empty());
}

// Every stored value is written so that reading it back through the measure
// table stores the same float: percentages, annual subsidies and quotas
// convert, which a plain 9-digit print of the typed value does not always
// survive.
TEST(Partie, ValeursRelues)
{
    std::mt19937 tirages(7);
    for (const TDefMesure& m : Mesures()) {
        for (int periodesAn : {1, 4, 12}) {
            const long double bas = std::isfinite(m.Min) ? m.Min : -1e6L;
            const long double haut = std::isfinite(m.Max) ? m.Plafond(periodesAn) : 1e7L;
            for (int i = 0; i < 3000; ++i) {
                long double saisi;
                if (m.Entier)
                    saisi = std::uniform_int_distribution<int>(1, UINT16_MAX)(tirages);
                else if (i % 3 == 0)
                    saisi = std::ldexp(std::uniform_real_distribution<double>(0.5, 1)(tirages),
                                       std::uniform_int_distribution<int>(-30, 20)(tirages));
                else
                    saisi = std::uniform_real_distribution<double>(double(bas), double(haut))(tirages);
                if (saisi < bas || saisi > haut)
                    continue;
                const float stockee = static_cast<float>(m.Stocker(saisi, periodesAn));
                const std::string ecrit = ValeurEcrite(m, stockee, periodesAn);
                const TValeurMesure relu = m.Lire(ecrit, periodesAn, TSaisie::Scenario);
                ASSERT_EQ(relu.Refus, TRefus::Aucun) << m.Nom << " " << ecrit;
                ASSERT_EQ(static_cast<float>(relu.Stockee), stockee)
                    << m.Nom << " " << periodesAn << " " << ecrit;
            }
        }
    }
}

std::string EnTete(const std::string& suite = "")
{
    return "# Partie Vasco\n"
           "donnees;golfe.vsc;" +
           std::string(64, 'a') +
           "\n"
           "graine;12\n"
           "options;0;1;0\n"
           "periodes;3\n" +
           suite;
}

// Each broken file is refused at its faulty line with what was expected.
TEST(Partie, FichiersRefuses)
{
    const struct {
        std::string texte;
        int ligne;
        const char* attendu;
    } cas[] = {
        {EnTete().substr(0, 40), 2, "empreinte SHA-256"},
        {EnTete().substr(0, EnTete().size() - 11), 4, "« periodes » attendue"},
        {EnTete("graine;13\n"), 6, "« graine » en double"},
        {"donnees;a.vsc;" + std::string(64, 'F') + "\ngraine;1\noptions;0;0;0\n0;metier;M;navires;3\n", 4,
         "« periodes » attendue avant"},
        {EnTete("1;metier;M;navires;3\nperiodes;3\n"), 7, "après les lignes de période"},
        {EnTete("4;metier;M;navires;3\n"), 6, "au-delà des 3 périodes"},
        {EnTete("1;option;;recrutement;1\n"), 6, "option inconnue « recrutement »"},
        {EnTete("1;option;;croissance_aleatoire;2\n"), 6, "0 ou 1 attendu"},
        {EnTete("1;generateur;;etat;4294967296\n"), 6, "état de 0 à 4294967295"},
        {EnTete("x;metier;M;navires;3\n"), 6, "période : nombre entier"},
        {"graine;-1\n", 1, "graine : nombre entier"},
        {"options;0;1\n", 1, "4 champs attendus"},
        {"graine;1\noptions;0;1;0\n", 2, "« donnees » attendue"},
    };
    for (const auto& c : cas) {
        try {
            LirePartie(c.texte);
            ADD_FAILURE() << "accepté : " << c.texte;
        } catch (const ErreurScenario& e) {
            EXPECT_EQ(e.Ligne(), c.ligne) << e.what();
            EXPECT_TRUE(std::string(e.what()).starts_with("partie ligne ")) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.attendu), std::string::npos) << e.what();
        }
    }
}

// Measure lines are checked against the data set once it is loaded; a
// scenario given a game file reads its measures and checks the rest for
// form only.
TEST(Partie, MesuresContreLesDonnees)
{
    TBDVasco bd;
    FixerGraine(3);
    bd.Charger(FichierDonnees("golfe.vsc"));
    const std::string metier = bd.Metiers.A<TELaNom>(0).Nom;
    const struct {
        std::string ligne;
        const char* attendu;
    } cas[] = {
        {"1;metier;Inconnu;navires;3", "métier inconnu"},
        {"1;metier;" + metier + ";vitesse;3", "mesure de métier inconnue"},
        {"1;metier;" + metier + ";taxe;101", "valeur hors limites"},
        {"2;bateau;X;navires;3", "cible inconnue"},
    };
    for (const auto& c : cas) {
        const TPartie partie = LirePartie(EnTete(c.ligne + "\n"));
        try {
            partie.Mesures(bd);
            ADD_FAILURE() << "accepté : " << c.ligne;
        } catch (const ErreurScenario& e) {
            EXPECT_EQ(e.Ligne(), 6);
            EXPECT_TRUE(std::string(e.what()).starts_with("partie ligne 6: ")) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.attendu), std::string::npos) << e.what();
        }
    }
    const std::string jeu =
        EnTete("0;option;;croissance_aleatoire;1\n1;metier;" + metier + ";navires;3\n");
    EXPECT_EQ(LireScenario(jeu, bd).Lignes().size(), 1u);
    EXPECT_THROW(LireScenario(jeu + "2;generateur;;etat;x\n", bd), ErreurScenario);
    // A scenario names its first faulty line, of whichever kind.
    const struct {
        std::string texte;
        int ligne;
    } fautes[] = {
        {"0;metier;Personne;navires;3\n0;option;;croissance_aleatoire;2\n", 1},
        {"0;option;;croissance_aleatoire;2\n0;metier;Personne;navires;3\n", 1},
        {"0;metier;" + metier + ";navires;3\n0;generateur;;etat;x\n", 2},
    };
    for (const auto& f : fautes) {
        try {
            LireScenario(f.texte, bd);
            ADD_FAILURE() << "accepté : " << f.texte;
        } catch (const ErreurScenario& e) {
            EXPECT_EQ(e.Ligne(), f.ligne) << f.texte;
            EXPECT_TRUE(std::string(e.what()).starts_with("scenario ligne ")) << e.what();
        }
    }
}

// The data file is looked for where the game names it, then beside the game
// file, then in the sample folders; the first with the game's content wins,
// another content is reported as changed.
TEST(Partie, DonneesTrouveesParLeurContenu)
{
    const fs::path dossier = fs::temp_directory_path() / ("vasco_partie_" + std::to_string(::getpid()));
    fs::remove_all(dossier);
    const std::string contenu = Lire(FichierDonnees("simple.vsc"));
    Ecrire(dossier / "classe/donnees/simple.vsc", contenu);
    Ecrire(dossier / "exemples/simple.vsc", contenu);
    Ecrire(dossier / "autre/simple.vsc", contenu + "\n");
    const fs::path partie = dossier / "classe/eleve.vsp";
    const fs::path exemples[] = {dossier / "exemples"};

    EXPECT_EQ(CheminDonnees(dossier / "classe/donnees/simple.vsc", partie), "donnees/simple.vsc");
    EXPECT_EQ(CheminDonnees(dossier / "exemples/simple.vsc", partie),
              (dossier / "exemples/simple.vsc").generic_string());

    TPartie p;
    p.Empreinte = Sha256Hex(contenu);
    const struct {
        std::string ecrit;
        fs::path trouve;
        bool conforme;
    } cas[] = {
        {"donnees/simple.vsc", dossier / "classe/donnees/simple.vsc", true},
        {"ailleurs/simple.vsc", dossier / "exemples/simple.vsc", true},
        {(dossier / "autre/simple.vsc").string(), dossier / "exemples/simple.vsc", true},
        {"manquant.vsc", "", false},
    };
    for (const auto& c : cas) {
        p.Donnees = c.ecrit;
        const TDonneesTrouvees t = TrouverDonnees(p, partie, exemples);
        EXPECT_EQ(t.Chemin, c.trouve) << c.ecrit;
        EXPECT_EQ(t.Conforme, c.conforme) << c.ecrit;
    }
    // Only a changed copy: found, not conforming.
    p.Donnees = (dossier / "autre/simple.vsc").string();
    const TDonneesTrouvees change = TrouverDonnees(p, partie, {});
    EXPECT_EQ(change.Chemin, dossier / "autre/simple.vsc");
    EXPECT_FALSE(change.Conforme);
    EXPECT_EQ(MessageDonneesChangees(p.Donnees),
              "Le fichier de données simple.vsc a changé depuis l'enregistrement de la partie");
    fs::remove_all(dossier);
}

} // namespace
} // namespace vasco::test
