// A collapsing stock and measures at the limits of a float: fishing
// mortality, the métiers' shares of a catch and the accounts stay finite,
// held at the largest float where a stored value would overflow, and the
// catch of a class fished without bound is the whole class.  The collapses
// of the generated fishery are among the invariant runs (dataset tests).
#include "biology/UMath.h"
#include "model/Uperiode.h"
#include "tests/economics/Pecherie.h"

#include <cfloat>
#include <cmath>
#include <fstream>
#include <sstream>

namespace vasco::test {
namespace {

using Effondrement = Pecherie;

TTailleES& Classe(const TPeriodeES& p, int i)
{
    return p.Tailles.A<TTailleES>(i);
}

// The text of a file of tests/data with one line replaced.
std::string Modifie(const char* fichier, const std::string& avant, const std::string& apres)
{
    std::ifstream f(FichierTest(fichier), std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    std::string texte = s.str();
    const size_t i = texte.find(avant);
    EXPECT_NE(i, std::string::npos) << avant;
    if (i != std::string::npos)
        texte.replace(i, avant.size(), apres);
    return texte;
}

// Chalutiers (200 vessel-days) retain the hake from 11 cm, fileyeurs (100)
// from 12 cm, catchability 0.001.  A total biomass of 1e-33 against a
// virgin one of 1e6 puts the density factor's ratio beyond the float range:
// it is held at FLT_MAX.  The
// species' catch equation then runs on the classes as they are.
TEST_F(Effondrement, MortaliteEtPartsDUnStockEffondre)
{
    constexpr float M = FLT_MAX;
    const struct {
        float Exposant;
        float Biomasse;
        float FChalut, FFilet; // at 12 and 13 cm
    } cas[] = {
        // A biomass of 0 leaves the density factor at 1.
        {1, 0, 0.2f, 0.1f},
        // Ratio held at FLT_MAX: F of 0.2 and 0.1 times it, within a float.
        {1, 1e-33f, 0.2f * M, 0.1f * M},
        // Squared, each F and their sum go beyond: all held at FLT_MAX.
        {2, 1e-33f, M, M},
        // A power beyond extended precision: 10 cm, which no métier
        // retains, has 0 times infinity, hence no fishing rather than NaN.
        {1e30f, 1e-33f, M, M},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message()
                     << "exposant " << k.Exposant << ", biomasse " << k.Biomasse);
        Charger("eco_deux_metiers.vsc");
        TEspeceExp& chalut = Exploitee(bd, 0, 0);
        TEspeceExp& filet = Exploitee(bd, 1, 0);
        chalut.ExposantCapturabilite = filet.ExposantCapturabilite = k.Exposant;
        chalut.Espece->BiomasseVierge = 1e6f;
        TPeriodeES& z = chalut.Espece->Courant();
        z.Biomasse = k.Biomasse;
        Mortalites(bd);
        const auto fTotal = static_cast<float>(
            std::min<long double>(static_cast<long double>(k.FChalut) + k.FFilet, FLT_MAX));
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const float fc = i == 0 ? 0 : k.FChalut;
            const float ff = i < 2 ? 0 : k.FFilet;
            EXPECT_FLOAT_EQ(Ouvert(chalut).Tailles.A<TTailleS>(i).F, fc);
            EXPECT_FLOAT_EQ(Ouvert(filet).Tailles.A<TTailleS>(i).F, ff);
            EXPECT_FLOAT_EQ(Classe(z, i).F, i == 0 ? 0 : i == 1 ? fc : fTotal);
        }

        bd.Especes.Faire(PhaseCaptures, &bd.Contexte);
        bd.Metiers.Faire(PhaseCaptures, &bd.Contexte);
        long double pris = 0;
        for (int i = 0; i < 4; ++i) {
            const TTailleES& t = Classe(z, i);
            EXPECT_TRUE(std::isfinite(t.Captures) && std::isfinite(t.PoidsCaptures));
            // Fished without bound, the whole class is caught.
            if (t.F > 1e30f) {
                EXPECT_FLOAT_EQ(t.Captures, t.Effectif) << i;
            }
            pris += t.Captures;
        }
        // The métiers' shares of each class add up to the whole catch.
        const long double debarques =
            static_cast<long double>(Ouvert(chalut).NbDebarques) + Ouvert(filet).NbDebarques;
        EXPECT_NEAR(static_cast<double>(debarques / pris), 1, 1e-6);
        if (k.FChalut == k.FFilet) {
            EXPECT_NEAR(Ouvert(chalut).NbDebarques,
                        Classe(z, 1).Captures + Ouvert(filet).NbDebarques, 1);
        }
    }
}

// The species' catches, the prices and the measures at the limits of a
// float (a dialog takes 1e38 vessels, any subsidy, a tax down to minus any
// amount; the reader takes a price in extended precision): every account is
// finite, held at the largest float of its sign.  A repression of 100 %
// leaves the illegal catch no value at all, however high its price.
TEST_F(Effondrement, ComptesAuxLimitesDuFlottant)
{
    constexpr float M = FLT_MAX;
    const struct {
        const char* Prix;
        float Repression, Taxe, Navires, SubventionJour;
        float Valeur, Taxes;
    } cas[] = {
        {"1", 0, 0, M, 0, M, 0},
        {"3e38", 0, -M, M, M, M, -M},
        {"1e4000", 0, 0.5f, M, -M, 0.5f * M, 0.5f * M},
        {"1e4000", 1, 0, 1e38f, 0, 0, 0},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << "prix " << k.Prix << ", navires " << k.Navires);
        ChargerTexte(bd, Modifie("eco_un_metier.vsc", "13 13 4 0.001",
                                 std::string("13 13 ") + k.Prix + " 0.001"));
        TCondition& c = Metier(bd, 0).Courante();
        c.IndiceRepression = k.Repression;
        c.TauxTaxeCA = k.Taxe;
        c.NbNavires = k.Navires;
        c.SubventionJourMer = k.SubventionJour;
        c.SubventionPeriode = -k.SubventionJour;
        TPeriodeES& z = Exploitee(bd, 0, 0).Espece->Courant();
        // Every class illegal at 100 % repression: a minimum size above them.
        z.TailleMinActive = k.Repression == 1;
        z.TailleMin = 200;
        Mortalites(bd);
        for (int i = 0; i < 4; ++i) {
            Classe(z, i).Captures = M;
            Classe(z, i).PoidsCaptures = M;
        }
        bd.Metiers.Faire(PhaseCaptures, &bd.Contexte);
        bd.Metiers.Faire(PhaseBilanMarginal, &bd.Contexte);
        bd.Bilans.AjouterElement(std::make_unique<TPeriodeBilan>(), nullptr);
        bd.Metiers.Faire(PhaseBilanPeriode, &bd.Contexte);

        const TPeriodeMS& r = Ouvert(Exploitee(bd, 0, 0));
        EXPECT_EQ(r.Valeur, k.Valeur);
        EXPECT_EQ(r.Taxe, k.Taxes);
        for (float v : {r.NbDebarques, r.NbRejetes, r.PoidsDebarque, r.PoidsRejete, r.ValeurGrise})
            EXPECT_TRUE(std::isfinite(v)) << v;
        for (float v : {c.CA, c.CAGris, c.BilanMarginal, c.Benefice, c.SubventionsNettes})
            EXPECT_TRUE(std::isfinite(v)) << v;
        const TPeriodeBilan& b = bd.Bilans.DernierElement<TPeriodeBilan>();
        for (float v :
             {b.PoidsDebarque, b.PoidsRejete, b.CA, b.CAGris, b.Benefice, b.SubventionsNettes})
            EXPECT_TRUE(std::isfinite(v)) << v;
        // 5 men and 20 days a vessel: crews beyond a float, held.
        EXPECT_EQ(b.Effectifs, M);
        EXPECT_EQ(b.JoursEquipage, M);
    }
}

} // namespace
} // namespace vasco::test
