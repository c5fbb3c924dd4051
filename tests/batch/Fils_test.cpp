// Runs on threads, in the test's own process (so that ThreadSanitizer sees
// them): several data sets run side by side give what they give alone,
// threads started again and again leave no memory behind, and the
// equilibrium's figures do not depend on the number of threads.
#include "batch/Csv.h"
#include "batch/Tirages.h"
#include "dataset/UEquilibre.h"
#include "dataset/Ubd.h"
#include "model/UBlocs.h"
#include "model/Ulecteur.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace vasco::test {
namespace {

std::string Contenu(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The runs of one fishery as vasco-batch --tirages sets them up.
struct TTirer {
    TScenario Scenario;
    TTirages T;

    TTirer(const TTirer&) = delete;
    TTirer(const std::string& fichier, int64_t nombre, int64_t periodes, unsigned fils,
           bool aleatoire)
    {
        T.Donnees = Contenu(fichier);
        THoteSansFenetre hote;
        TBDVasco bd(&hote);
        TLecteur lecteur(T.Donnees);
        bd.Charger(lecteur);
        T.Colonnes = ColonnesCsv(bd);
        T.Scenario = &Scenario;
        T.Nombre = nombre;
        T.Periodes = periodes;
        T.Graine = 4242;
        T.Recrutement = T.Croissance = aleatoire;
        T.Fils = fils;
    }
    std::string Sortie() const
    {
        std::ostringstream sortie, erreurs;
        Tirer(T, sortie, erreurs);
        return sortie.str() + erreurs.str();
    }
};

// Two fisheries, each over four threads, both at once: every run owns its
// data set, host, generator and reserves, so each output is the one of a
// single thread.
TEST(Fils, PecheriesSimulteesEnMemeTempsSurPlusieursFils)
{
    const TTirer golfe(FichierDonnees("golfe.vsc"), 6, 12, 4, true);
    const TTirer simple(FichierDonnees("simple.vsc"), 6, 12, 4, true);
    const TTirer golfeSeul(FichierDonnees("golfe.vsc"), 6, 12, 1, true);
    const TTirer simpleSeul(FichierDonnees("simple.vsc"), 6, 12, 1, true);

    std::string sortieGolfe, sortieSimple;
    std::thread autre([&] { sortieGolfe = golfe.Sortie(); });
    sortieSimple = simple.Sortie();
    autre.join();
    EXPECT_EQ(sortieGolfe, golfeSeul.Sortie());
    EXPECT_EQ(sortieSimple, simpleSeul.Sortie());
}

// Each call of the runner starts and ends its own threads; their cells must
// serve the threads of the next call instead of piling up.  Measured only
// with the reserves on and memory the process's own (not under a
// sanitizer).
TEST(Fils, AppelsRepetesDuTirageSansCroissanceDeLaMemoire)
{
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "mémoire tenue par ThreadSanitizer";
#endif
    if (!VASCO_BLOCS_ACTIFS)
        GTEST_SKIP() << "réserves de cellules désactivées";
    const TTirer simple(FichierDonnees("simple.vsc"), 4, 40, 4, false);
    long apresCinq = 0;
    for (int appel = 1; appel <= 50; ++appel) {
        simple.Sortie();
        if (appel == 5)
            apresCinq = Residente();
    }
    const long apresCinquante = Residente();
    EXPECT_LE(apresCinquante, apresCinq + apresCinq / 10)
        << "pages résidentes après 5 appels : " << apresCinq
        << ", après 50 : " << apresCinquante << " (" << sysconf(_SC_PAGESIZE) << " o)";
}

// The equilibrium of a sample fishery with no scenario.
TParamEquilibre Equilibre(const std::string& fichier)
{
    TParamEquilibre p;
    p.Donnees = Contenu(fichier);
    return p;
}

void ExpectMemes(const TEquilibre& a, const TEquilibre& b)
{
    ASSERT_EQ(a.Grille.size(), b.Grille.size());
    for (size_t i = 0; i < a.Grille.size(); ++i) {
        EXPECT_EQ(a.Grille[i].Stable, b.Grille[i].Stable);
        for (size_t c = 0; c < a.Grille[i].Chiffres.size(); ++c) {
            const TChiffre& x = a.Grille[i].Chiffres[c];
            const TChiffre& y = b.Grille[i].Chiffres[c];
            EXPECT_TRUE(x.Q05 == y.Q05 && x.Q50 == y.Q50 && x.Q95 == y.Q95)
                << "point " << i << ", chiffre " << c;
        }
    }
    EXPECT_EQ(a.Messages, b.Messages);
}

// Random recruitment, five draws a point: on one thread or four, the same
// figures to the last bit; the progress counts every run once (five draws
// and the run without them, seven points), up to the total.
TEST(Fils, EquilibreIdentiqueSurUnOuQuatreFils)
{
    TParamEquilibre p = Equilibre(FichierDonnees("simple.vsc"));
    p.Pas = 0.5;
    p.Annees = 20;
    p.Recrutement = true;
    p.Tirages = 5;
    p.Graine = 2024;
    std::vector<int64_t> faits;
    p.Progression = [&](int64_t fait, int64_t total) {
        EXPECT_EQ(total, 42);
        faits.push_back(fait);
    };
    const auto un = CalculerEquilibre(p);
    p.Fils = 4;
    const auto quatre = CalculerEquilibre(p);
    ASSERT_TRUE(un && quatre);
    ExpectMemes(*un, *quatre);
    ASSERT_EQ(faits.size(), 84u);
    for (size_t i = 0; i < 42; ++i)
        EXPECT_TRUE(faits[i] == int64_t(i) + 1 && faits[42 + i] == int64_t(i) + 1);
}

// Cancelled before or during the runs, the computation gives nothing.
TEST(Fils, EquilibreAnnule)
{
    TParamEquilibre p = Equilibre(FichierDonnees("simple.vsc"));
    p.Annees = 20;
    p.Fils = 2;
    std::atomic<bool> annuler{true};
    p.Annuler = &annuler;
    EXPECT_FALSE(CalculerEquilibre(p));

    annuler = false;
    int64_t faits = 0;
    p.Progression = [&](int64_t fait, int64_t) {
        faits = fait;
        if (fait == 3)
            annuler = true;
    };
    EXPECT_FALSE(CalculerEquilibre(p));
    EXPECT_LT(faits, 61);
}

} // namespace
} // namespace vasco::test
