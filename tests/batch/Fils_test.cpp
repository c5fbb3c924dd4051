// Runs on threads, in the test's own process (so that ThreadSanitizer sees
// them): several data sets run side by side give what they give alone, and
// threads started again and again leave no memory behind.
#include "batch/Csv.h"
#include "batch/Tirages.h"
#include "dataset/Ubd.h"
#include "model/UBlocs.h"
#include "model/Ulecteur.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

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

// Resident memory of the process, in pages.
long Residente()
{
    std::ifstream statm("/proc/self/statm");
    long taille = 0, residente = 0;
    statm >> taille >> residente;
    return residente;
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

} // namespace
} // namespace vasco::test
