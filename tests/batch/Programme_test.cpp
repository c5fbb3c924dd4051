// vasco-batch as a program: arguments, exit codes, standard error, and the
// numbers of a run checked against the model equations worked by hand.
#include "batch/Csv.h"
#include "tests/batch/Outils.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace vasco::test {
namespace {

const std::string Petit = FichierTest("batch_petit.vsc");

bool Contient(const std::string& texte, const std::string& morceau)
{
    return texte.find(morceau) != std::string::npos;
}

TEST(VascoBatch, AideEtErreursDUsage)
{
    const Execution aide = Lancer({"--help"});
    EXPECT_EQ(aide.Code, 0);
    EXPECT_EQ(aide.Sortie.rfind("Usage : vasco-batch [--scenario FICHIER] [--graine N]", 0), 0u);
    EXPECT_TRUE(Contient(aide.Sortie, "Codes de sortie"));
    EXPECT_EQ(aide.Erreurs, "");

    const std::vector<std::vector<std::string>> mauvais = {
        {},
        {Petit},
        {Petit, "3", "4"},
        {Petit, "abc"},
        {Petit, "-1"},
        {Petit, "2.5"},
        {Petit, "1000001"},
        {"--vitesse", Petit, "3"},
        {"--graine", "-3", Petit, "3"},
        {"--graine", "4294967296", Petit, "3"},
        {Petit, "3", "--graine"},
        {"--recrutement-aleatoire=1", Petit, "3"},
    };
    for (const auto& arguments : mauvais) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const Execution e = Lancer(arguments);
        EXPECT_EQ(e.Code, 2);
        EXPECT_EQ(e.Sortie, "");
        EXPECT_EQ(e.Erreurs.rfind("vasco-batch : ", 0), 0u) << e.Erreurs;
        EXPECT_TRUE(Contient(e.Erreurs, "Usage : vasco-batch")) << e.Erreurs;
    }
    // Options may follow the file, and "--" ends them.
    EXPECT_EQ(Lancer({Petit, "1", "--graine=5"}).Code, 0);
    EXPECT_EQ(Lancer({"--", Petit, "0"}).Code, 0);
}

TEST(VascoBatch, FichierDeDonneesIllisibleOuFautif)
{
    const Execution absent = Lancer({"/nulle/part/absent.vsc", "3"});
    EXPECT_EQ(absent.Code, 1);
    EXPECT_EQ(absent.Sortie, "");
    EXPECT_EQ(absent.Erreurs,
              "vasco-batch : /nulle/part/absent.vsc : le fichier ne peut pas être ouvert\n");

    // Cut inside the display scales: the reader names the line it stopped at.
    std::string texte = LireTexte(Petit).value();
    texte.resize(texte.find("échelle 3"));
    const Execution coupe = Lancer({FichierTemporaire("coupe.vsc", texte), "3"});
    EXPECT_EQ(coupe.Code, 1);
    EXPECT_EQ(coupe.Sortie, "");
    EXPECT_TRUE(Contient(coupe.Erreurs, "coupe.vsc : ligne ")) << coupe.Erreurs;

    // A read error beats a scenario error: the scenario needs the names.
    const std::string scenario = FichierTemporaire("faux.scenario", "0;metier;X;navires;1\n");
    EXPECT_EQ(Lancer({"--scenario", scenario, FichierTemporaire("coupe.vsc", texte), "3"}).Code, 1);

    // A hake class without natural mortality and without fishing: its catch
    // equation takes its limit (no catch) and the run reports nothing.
    texte = LireTexte(Petit).value();
    const size_t ligne = texte.find("1 1 0.3 ");
    ASSERT_NE(ligne, std::string::npos);
    texte.replace(ligne, 8, "1 1 0   ");
    const Execution e = Lancer({FichierTemporaire("sans_mortalite.vsc", texte), "2"});
    EXPECT_EQ(e.Code, 0);
    EXPECT_EQ(e.Erreurs, "");
    EXPECT_EQ(LireCsv(e.Sortie).Lignes.size(), 2u);
}

TEST(VascoBatch, ErreursDeScenarioAvantToutCalcul)
{
    const std::string champs =
        "5 champs attendus (PERIODE;metier|espece;NOM;MESURE;VALEUR), trouvé ";
    std::vector<std::pair<std::string, std::string>> cas = {
        {"0;metier;Chalut;navires", champs + "4"},
        {"0;metier;Chalut;navires;5;6", champs + "6"},
        {"0;navire;Chalut;navires;5", "cible inconnue « navire » (metier ou espece attendu)"},
        {"0;metier;Chalutier;navires;5", "métier inconnu « Chalutier »"},
        {"0;metier;Fileyeurs;navires;5", "métier inconnu « Fileyeurs »"},
        {"0;espece;sole;quota;5", "espèce inconnue « sole »"},
        {"0;espece;Chalut;quota;5", "espèce inconnue « Chalut »"},
        {"0;metier;Chalut;bateaux;5",
         "mesure de métier inconnue « bateaux » (navires, maillage, jours, subvention_an, "
         "subvention_jour, taxe ou repression attendu)"},
        {"0;espece;Sole;navires;5",
         "mesure d'espèce inconnue « navires » (quota ou taille_min attendu)"},
        {"0;espece;Sole;quota;beaucoup",
         "quota : valeur non numérique « beaucoup » (nombre ou off attendu)"},
    };
    for (const std::string p : {"x", "-1", "1.5"})
        cas.push_back({p + ";metier;Chalut;navires;5",
                       "période : nombre entier >= 0 attendu, trouvé « " + p + " »"});
    for (const std::string v : {"cinq", "5x", "5,5,5", "5,5.5", "nan", "inf", "", "off"})
        cas.push_back({"0;metier;Chalut;navires;" + v,
                       "navires : valeur non numérique « " + v + " » (nombre attendu)"});
    // Out of bounds: target, measure, value, what was expected.
    const std::array<std::string, 4> hors[] = {
        {"metier;Chalut", "navires", "-1", "nombre de navires >= 0 attendu"},
        {"metier;Chalut", "maillage", "-0.5", "maillage >= 0 (mm) attendu"},
        {"metier;Chalut", "jours", "-1", "de 0 à 360 jours par période attendu"},
        {"metier;Chalut", "jours", "360.5", "de 0 à 360 jours par période attendu"},
        {"metier;Chalut", "taxe", "100.5", "taux <= 100 (%) attendu"},
        {"metier;Chalut", "repression", "-1", "indice de 0 à 100 (%) attendu"},
        {"metier;Chalut", "repression", "101", "indice de 0 à 100 (%) attendu"},
        {"metier;Chalut", "subvention_an", "1e39", "nombre trop grand"},
        {"metier;Chalut", "subvention_jour", "-1e5000", "nombre trop grand"},
        {"espece;Sole", "quota", "-1", "quota >= 0 (tonnes par période) attendu"},
        {"espece;Sole", "quota", "1e36", "nombre trop grand"},
    };
    for (const auto& [cible, mesure, valeur, attendu] : hors)
        cas.push_back({"0;" + cible + ";" + mesure + ";" + valeur,
                       mesure + " : valeur hors limites « " + valeur + " » : " + attendu});
    for (const std::string v : {"0", "65536"})
        cas.push_back({"0;espece;Sole;taille_min;" + v,
                       "taille_min : taille de 1 à 65535 (cm) attendue, trouvé « " + v + " »"});
    for (const std::string v : {"12.5", "douze"})
        cas.push_back({"0;espece;Sole;taille_min;" + v,
                       "taille_min : nombre entier ou off attendu, trouvé « " + v + " »"});
    const std::string entete = "# essai\n\n";
    for (const auto& [ligne, raison] : cas) {
        SCOPED_TRACE(ligne);
        // A valid line for a later period comes first: nothing may run.
        const std::string scenario = FichierTemporaire(
            "faux.scenario", entete + "5;metier;Chalut;navires;0\n" + ligne + "\n");
        const Execution e = Lancer({"--scenario", scenario, Petit, "10"});
        EXPECT_EQ(e.Code, 2);
        EXPECT_EQ(e.Sortie, "");
        EXPECT_EQ(e.Erreurs, "scenario ligne 4: " + raison + "\n");
    }

    const Execution absent = Lancer({"--scenario", "/nulle/part/x.scenario", Petit, "1"});
    EXPECT_EQ(absent.Code, 2);
    EXPECT_EQ(absent.Sortie, "");
    EXPECT_EQ(absent.Erreurs,
              "vasco-batch : le scénario « /nulle/part/x.scenario » ne peut pas être lu\n");
}

// A fishery small enough to work by hand: one period a year, one species
// whose classes grow by one class a year into a plus group, recruits R in
// the first class, natural mortality M, a knife-edge gear putting F on the
// classes from the first one caught, every catch landed at one price.  The
// virgin numbers are R e^i below the plus group and R e^(n-1) / (1 - e) in
// it, with e = exp(-M).
struct PecherieALaMain {
    std::string Espece, Metier;
    std::vector<long double> Poids;
    float M, F;
    int PremiereCapturee, PremiereFeconde;
    long double Recrues, Prix;
    long double CoutsJours; // cost per day x days x vessels
    long double CoutsFixes; // per vessel and year x vessels
    long double Effectifs, JoursEquipage;

    size_t N() const { return Poids.size(); }
    float FDe(size_t i) const { return static_cast<int>(i) >= PremiereCapturee ? F : 0.0f; }
    // Survival over one period: the exponent is rounded to float, as the
    // model stores it.
    long double Survie(size_t i) const
    {
        const long double z = static_cast<long double>(M) + FDe(i);
        return std::exp(static_cast<long double>(static_cast<float>(-z)));
    }

    std::vector<long double> Vierge() const
    {
        const long double e = std::exp(-static_cast<long double>(M));
        std::vector<long double> n(N());
        for (size_t i = 0; i < N(); ++i)
            n[i] = Recrues * std::pow(e, static_cast<long double>(i));
        n.back() /= 1 - e;
        return n;
    }

    // Recruits in the first class, survivors one class up, the plus group
    // keeping its own.
    std::vector<long double> Suivante(const std::vector<long double>& n) const
    {
        std::vector<long double> s(N());
        s[0] = Recrues;
        for (size_t i = 1; i < N(); ++i)
            s[i] = n[i - 1] * Survie(i - 1);
        s.back() += n.back() * Survie(N() - 1);
        return s;
    }

    // Baranov catch in weight of the whole species.
    long double Captures(const std::vector<long double>& n) const
    {
        long double poids = 0;
        for (size_t i = 0; i < N(); ++i) {
            const long double z = static_cast<long double>(M) + FDe(i);
            poids += Poids[i] * (1 - Survie(i)) * (FDe(i) / z) * n[i];
        }
        return poids;
    }

    void Verifier(const Tableau& t, int p, const std::vector<long double>& n) const
    {
        SCOPED_TRACE("période " + std::to_string(p));
        const auto proche = [&](const std::string& colonne, long double attendu) {
            const double tolerance = 2e-6 * std::max(1.0L, std::fabs(attendu));
            EXPECT_NEAR(t.Valeur(p, colonne), static_cast<double>(attendu), tolerance) << colonne;
        };
        long double biomasse = 0, feconde = 0;
        for (size_t i = 0; i < N(); ++i) {
            biomasse += Poids[i] * n[i];
            feconde += static_cast<int>(i) >= PremiereFeconde ? Poids[i] * n[i] : 0;
        }
        const long double captures = Captures(n);
        const long double ca = Prix * captures;
        // The métier's columns and the balance's.
        const auto lesDeux = [&](const std::string& colonne, long double attendu) {
            proche(colonne, attendu);
            proche(Metier + ":" + colonne, attendu);
        };
        lesDeux("PoidsDebarque", captures);
        lesDeux("CA", ca);
        lesDeux("Benefice", ca - CoutsJours - CoutsFixes);
        lesDeux("PoidsRejete", 0);
        lesDeux("CAGris", 0);
        proche("SubventionsNettes", 0);
        proche("Effectifs", Effectifs);
        proche("JoursEquipage", JoursEquipage);
        proche(Espece + ":Biomasse", biomasse);
        proche(Espece + ":BiomasseFeconde", feconde);
        proche(Espece + ":PoidsCaptures", captures);
    }

    void VerifierDeuxPeriodes(const std::string& fichier) const
    {
        const Execution e = Lancer({fichier, "2"});
        ASSERT_EQ(e.Code, 0) << e.Erreurs;
        EXPECT_EQ(e.Erreurs, "");
        const Tableau t = LireCsv(e.Sortie);
        ASSERT_EQ(t.Lignes.size(), 2u);
        EXPECT_EQ(t.Lignes[0][0], "1");
        EXPECT_EQ(t.Lignes[1][0], "2");
        const auto vierge = Vierge();
        Verifier(t, 1, vierge);
        Verifier(t, 2, Suivante(vierge));
    }
};

TEST(VascoBatch, PecheriesCalculeesALaMain)
{
    // simple.vsc: classes 1 to 5 cm of 0.1, 0.2, 0.5, 1 and 2 kg, M = 0.2,
    // 1000 recruits; 10 trawlers x 100 days x catchability 0.0002 give F = 0.2
    // from 3 cm; 20 per kg; 4 per day at sea, 200 per vessel and year, crew 3.
    const PecherieALaMain simple{.Espece = "Poisson",
                                 .Metier = "Chalutiers",
                                 .Poids = {0.1L, 0.2L, 0.5L, 1, 2},
                                 .M = 0.2f,
                                 .F = 0.2f,
                                 .PremiereCapturee = 2,
                                 .PremiereFeconde = 2,
                                 .Recrues = 1000,
                                 .Prix = 20,
                                 .CoutsJours = 4 * 100 * 10,
                                 .CoutsFixes = 200 * 10,
                                 .Effectifs = 30,
                                 .JoursEquipage = 3 * 10 * 100};
    simple.VerifierDeuxPeriodes(FichierDonnees("simple.vsc"));

    // batch_petit.vsc: the sole, classes 10 to 12 cm of 0.1, 0.2, 0.3 kg,
    // M = 0.5, 1000 recruits; 10 trawlers x 20 days x 0.001 give F = 0.2 from
    // 11 cm; 10 per kg; 10 per day at sea, 1000 per vessel and year, crew 3.
    // The hake has no recruits and the netters no vessel: their columns
    // stay 0.
    const PecherieALaMain petit{.Espece = "Sole",
                                .Metier = "Chalut",
                                .Poids = {0.1L, 0.2L, 0.3L},
                                .M = 0.5f,
                                .F = 0.2f,
                                .PremiereCapturee = 1,
                                .PremiereFeconde = 1,
                                .Recrues = 1000,
                                .Prix = 10,
                                .CoutsJours = 10 * 20 * 10,
                                .CoutsFixes = 1000 * 10,
                                .Effectifs = 30,
                                .JoursEquipage = 3 * 10 * 20};
    petit.VerifierDeuxPeriodes(Petit);
    const Tableau t = LireCsv(Lancer({Petit, "2"}).Sortie);
    for (int p = 1; p <= 2; ++p)
        for (const char* c : {"Merlu, \"blanc\" :Biomasse", "Merlu, \"blanc\" :PoidsCaptures",
                              " Fileyeurs:CA", " Fileyeurs:Benefice"})
            EXPECT_EQ(t.Valeur(p, c), 0) << c;
}

TEST(VascoBatch, LeScenarioAgitSurLesBonnesPeriodes)
{
    const Tableau temoin = LireCsv(Lancer({Petit, "3"}).Sortie);
    const std::string scenario =
        FichierTemporaire("periodes.scenario", "2;metier;Chalut;navires;0\n"
                                               "0;metier;Chalut;jours;10\n"
                                               "0;espece;Sole;taille_min;12\n");
    const Execution e = Lancer({"--scenario", scenario, Petit, "3"});
    ASSERT_EQ(e.Code, 0) << e.Erreurs;
    const Tableau t = LireCsv(e.Sortie);
    ASSERT_EQ(t.Lignes.size(), 3u);

    // From period 1: 10 days at sea, and 11 cm sole sold on the grey market
    // (repression 0), its weight at the same 10 per kg.
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(t.Valeur(p, "Effectifs"), 30);
        EXPECT_EQ(t.Valeur(p, "JoursEquipage"), 300);
    }
    EXPECT_LT(t.Valeur(1, "Chalut:PoidsDebarque"), temoin.Valeur(1, "Chalut:PoidsDebarque"));
    const long double f = 0.1f, z = 0.5L + f;
    const long double e5 = std::exp(-0.5L);
    const long double captures11 =
        (1 - std::exp(static_cast<long double>(static_cast<float>(-z)))) * (f / z) * 1000 * e5;
    EXPECT_NEAR(t.Valeur(1, "CAGris"), static_cast<double>(10 * 0.2L * captures11), 1e-3);
    EXPECT_EQ(t.Valeur(1, "PoidsRejete"), 0);

    // From period 3: no vessel, so no catch, no cost and no crew.
    for (const char* colonne : {"Effectifs", "JoursEquipage", "Chalut:CA", "Chalut:Benefice",
                                "Chalut:PoidsDebarque", "Sole:PoidsCaptures"})
        EXPECT_EQ(t.Valeur(3, colonne), 0) << colonne;
    EXPECT_NE(temoin.Valeur(3, "Chalut:CA"), 0);
}

TEST(VascoBatch, GraineReproductible)
{
    const auto lancer = [](const std::string& graine) {
        const Execution e = Lancer({"--graine", graine, "--recrutement-aleatoire", Petit, "4"});
        EXPECT_EQ(e.Code, 0) << e.Erreurs;
        return e.Sortie;
    };
    const std::string a = lancer("7");
    EXPECT_EQ(lancer("7"), a);
    EXPECT_NE(lancer("8"), a);

    // Without the option the run draws nothing: the seed does not matter, and
    // the virgin stock differs from the random one.
    const std::string fixe = Lancer({"--graine", "7", Petit, "4"}).Sortie;
    EXPECT_EQ(Lancer({"--graine", "8", Petit, "4"}).Sortie, fixe);
    EXPECT_NE(LireCsv(fixe).Valeur(1, "Sole:Biomasse"), LireCsv(a).Valeur(1, "Sole:Biomasse"));

    const Execution croissance = Lancer({"--croissance-aleatoire", Petit, "4"});
    EXPECT_EQ(croissance.Code, 0) << croissance.Erreurs;
    EXPECT_NE(LireCsv(croissance.Sortie).Valeur(1, "Sole:Biomasse"),
              LireCsv(fixe).Valeur(1, "Sole:Biomasse"));
}

} // namespace
} // namespace vasco::test
