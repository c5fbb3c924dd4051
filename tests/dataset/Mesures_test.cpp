// The measure table: the float stored for a typed number and the number a
// field shows again, limits that follow the periods of the year, numbers too
// large for the model, values no field can hold.
#include "biology/Ubiolo.h"
#include "dataset/UMesures.h"
#include "economics/Ueco.h"
#include "model/Umessages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace vasco::test {
namespace {

TValeurMesure Lire(TMesure m, const char* texte, int periodesAn, TSaisie saisie)
{
    return Mesure(m).Lire(texte, periodesAn, saisie);
}

// The typed number is rounded to a float, then converted: what a scenario
// stores is what the dialog stores, for 45.1 % one unit below the float of
// 0.451.  The field shows the stored value again, rounded to a whole number.
TEST(Mesures, FloatStockeEtNombreAffiche)
{
    struct Cas {
        TMesure Mesure;
        int PeriodesAn;
        const char* Texte;
        float Stockee;
        long double Affiche;
    };
    const Cas cas[] = {
        {TMesure::Navires, 4, "0.1", 0.1f, 0},
        {TMesure::Taxe, 4, "45.1", std::nextafter(0.451f, 0.0f), 45},
        {TMesure::Repression, 4, "50", 0.5f, 50},
        {TMesure::SubventionAn, 4, "1000", 250, 1000},
        {TMesure::SubventionAn, 12, "1000", 1000.0f / 12, 1000},
        {TMesure::Quota, 4, "8.1", std::nextafter(8100.0f, 9000.0f), 8},
        {TMesure::Quota, 4, "200", 200000, 200},
        {TMesure::TailleMin, 4, "27", 27, 27},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(Mesure(c.Mesure).Nom) + " " + c.Texte);
        for (TSaisie saisie : {TSaisie::Dialogue, TSaisie::Scenario}) {
            const TValeurMesure v = Lire(c.Mesure, c.Texte, c.PeriodesAn, saisie);
            ASSERT_EQ(v.Refus, TRefus::Aucun);
            EXPECT_EQ(static_cast<float>(v.Stockee), c.Stockee);
        }
        EXPECT_EQ(std::round(Mesure(c.Mesure).Saisi(c.Stockee, c.PeriodesAn)), c.Affiche);
    }
}

// A year counts 360 days whatever its periods; a data set always has one.
TEST(Mesures, JoursParPeriode)
{
    const TDefMesure& jours = Mesure(TMesure::Jours);
    EXPECT_EQ(jours.Lire("360", 1, TSaisie::Dialogue).Refus, TRefus::Aucun);
    EXPECT_EQ(jours.Raison(TRefus::SurMax, "52", 7),
              "valeur hors limites « 52 » : de 0 à 51.4285714 jours par période attendu");
    EXPECT_THROW(Mesure(TMesure::SubventionAn).Lire("1", 0, TSaisie::Scenario), ErreurModele);
}

// A number the model cannot hold as a float, typed or once converted: no
// number to a dialog; to a scenario a broken limit first, else too large.
TEST(Mesures, NombresTropGrands)
{
    struct Cas {
        TMesure Mesure;
        const char* Texte;
        TRefus Dialogue, Scenario;
    };
    const Cas cas[] = {
        {TMesure::Navires, "-1e39", TRefus::NonNumerique, TRefus::SousMin},
        {TMesure::Repression, "1e39", TRefus::NonNumerique, TRefus::SurMax},
        {TMesure::Taxe, "-1e39", TRefus::NonNumerique, TRefus::TropGrand},
        {TMesure::SubventionAn, "1e39", TRefus::NonNumerique, TRefus::TropGrand},
        {TMesure::SubventionJour, "3.4028235e38", TRefus::NonNumerique, TRefus::TropGrand},
        {TMesure::SubventionJour, "-1e5000", TRefus::NonNumerique, TRefus::TropGrand},
        {TMesure::SubventionJour, "3.4028234e38", TRefus::Aucun, TRefus::Aucun},
        {TMesure::Quota, "1e36", TRefus::NonNumerique, TRefus::TropGrand},
        {TMesure::Quota, "-1e36", TRefus::NonNumerique, TRefus::SousMin},
        {TMesure::Quota, "3e35", TRefus::Aucun, TRefus::Aucun},
        {TMesure::TailleMin, "99999999999999999999", TRefus::SurMax, TRefus::SurMax},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(Mesure(c.Mesure).Nom) + " " + c.Texte);
        EXPECT_EQ(Lire(c.Mesure, c.Texte, 12, TSaisie::Dialogue).Refus, c.Dialogue);
        EXPECT_EQ(Lire(c.Mesure, c.Texte, 12, TSaisie::Scenario).Refus, c.Scenario);
    }
}

// A value no field can hold, or a measure on the wrong record, is a fault,
// not a wrapped or truncated value.
TEST(Mesures, ValeursImpossiblesAStocker)
{
    TPeriodeES s;
    TCondition c;
    const TDefMesure& quota = Mesure(TMesure::Quota);
    const TDefMesure& taille = Mesure(TMesure::TailleMin);
    EXPECT_THROW(taille.Appliquer(s, 65536), ErreurModele);
    EXPECT_THROW(taille.Appliquer(s, 2.5L), ErreurModele);
    EXPECT_THROW(quota.Appliquer(s, 1e39L), ErreurModele);
    EXPECT_THROW(Mesure(TMesure::Navires).Appliquer(c, 1e39L), ErreurModele);
    EXPECT_THROW(quota.Appliquer(c, 1), ErreurModele);
    EXPECT_THROW(Mesure(TMesure::Navires).Activer(s, true), ErreurModele);
    EXPECT_EQ(std::tuple(s.QuotaActif, s.Quota, s.TailleMinActive, s.TailleMin),
              std::tuple(0, 0.0f, 0, 0));
}

} // namespace
} // namespace vasco::test
