// The split of the species' catches between métiers and, within a métier,
// into legal landings, discards and grey landings: minimum size, quota,
// repression, value and tax.  The species' catches are put by hand after the
// métiers' fishing mortality, so every expected number is plain arithmetic.
#include "tests/economics/Pecherie.h"

#include <vector>

namespace vasco::test {
namespace {

// Catches of a species in its current state, class by class from its first:
// numbers and weight (kg).
struct Prise {
    float Nombre;
    float Poids;
};

class Captures : public Pecherie {
protected:
    // Fishing mortality, the species' catches put by hand, and the métiers'
    // share of them.
    void Pecher(const std::vector<Prise>& prises)
    {
        Mortalites(bd);
        TSupListe& tailles = Exploitee(bd, 0, 0).Espece->Courant().Tailles;
        ASSERT_EQ(tailles.Nombre(), static_cast<int>(prises.size()));
        for (int j = 0; j < tailles.Nombre(); ++j) {
            tailles.A<TTailleES>(j).Captures = prises[j].Nombre;
            tailles.A<TTailleES>(j).PoidsCaptures = prises[j].Poids;
        }
        bd.Metiers.Faire(PhaseCaptures, &bd.Contexte);
    }
};

// Measures in force for the single métier and its species: repression, tax
// rate, minimum size (cm) and its flag, quota (kg) and its flag.
struct Reglementation {
    float Repression, Taxe;
    bool TailleMinActive;
    uint16_t TailleMin;
    bool QuotaActif;
    float Quota;
};

// The single métier takes the whole catch (it alone fishes): classes 10 to
// 13 cm, 1000 fish each, weighing 100, 200, 300 and 400 kg, priced 1 to 4
// per kg: 1000 kg worth 3000 in all.  Undersized fish, and every class once
// the quota is reached, are discarded in proportion to the repression and
// otherwise landed on the grey market, left out of the taxed value.  The
// quota is checked before each class, largest first, against what the
// métier has landed so far: the class that crosses it is landed whole.
TEST_F(Captures, DebarquementsRejetsEtMarcheGris)
{
    const struct {
        Reglementation M;
        ComptesCaptures Attendu;
    } cas[] = {
        {{0, 0, false, 0, false, 0}, {4000, 0, 1000, 0, 3000, 0, 0}},
        // A minimum size or a quota without its flag is not in force.
        {{1, 0, false, 13, false, 0}, {4000, 0, 1000, 0, 3000, 0, 0}},
        {{0, 0.1f, false, 0, false, 0}, {4000, 0, 1000, 0, 2700, 0, 300}},
        // 10 and 11 cm (2000 fish, 300 kg worth 500) are undersized.  Value
        // 375 grey + 2500 legal; tax (2875 - 375) x 0.1 = 250.
        {{0.25f, 0.1f, true, 12, false, 0}, {3500, 500, 925, 75, 2625, 375, 250}},
        {{1, 0, true, 12, false, 0}, {2000, 2000, 700, 300, 2500, 0, 0}},
        {{0, 0, true, 12, false, 0}, {4000, 0, 1000, 0, 3000, 500, 0}},
        // The minimum size itself is legal; at the first class nothing is
        // undersized.
        {{1, 0, true, 11, false, 0}, {3000, 1000, 900, 100, 2900, 0, 0}},
        {{1, 0, true, 10, false, 0}, {4000, 0, 1000, 0, 3000, 0, 0}},
        // Above the largest class every class is undersized; the loops stay
        // within the classes of the species.
        {{0.5f, 0, true, 200, false, 0}, {2000, 2000, 500, 500, 1500, 1500, 0}},
        {{1, 0, true, 65535, false, 0}, {0, 4000, 0, 1000, 0, 0, 0}},
        // 400 kg (13 cm) then 300 kg (12 cm, crossing 500) landed legally.
        {{0.5f, 0, false, 0, true, 500}, {3000, 1000, 850, 150, 2750, 250, 0}},
        // A quota of 0 is reached before the first class.
        {{1, 0, false, 0, true, 0}, {0, 4000, 0, 1000, 0, 0, 0}},
        {{0.5f, 0.2f, false, 0, true, 0}, {2000, 2000, 500, 500, 1500, 1500, 0}},
        // Grey landings of undersized fish count against the quota: 300 kg
        // of them, then 13 cm (400 kg) crosses 500, so 12 cm goes grey.
        {{0, 0, true, 12, true, 500}, {4000, 0, 1000, 0, 3000, 1400, 0}},
        {{0, 0, false, 0, true, 1e6f}, {4000, 0, 1000, 0, 3000, 0, 0}},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << "cas " << &k - cas);
        Charger("eco_un_metier.vsc");
        TCondition& c = Metier(bd, 0).Courante();
        c.IndiceRepression = k.M.Repression;
        c.TauxTaxeCA = k.M.Taxe;
        TPeriodeES& z = Exploitee(bd, 0, 0).Espece->Courant();
        z.TailleMinActive = k.M.TailleMinActive;
        z.TailleMin = k.M.TailleMin;
        z.QuotaActif = k.M.QuotaActif;
        z.Quota = k.M.Quota;
        Pecher({{1000, 100}, {1000, 200}, {1000, 300}, {1000, 400}});
        Attendre(Ouvert(Exploitee(bd, 0, 0)), k.Attendu);
    }
}

// A catch record and a season table that do not start at the species' first
// class (10 cm) and run past its last (13 cm): every loop keeps to the sizes
// its lists hold, 10 cm is not fished and nothing is read out of range.
TEST_F(Captures, ListesDeTaillesDecalees)
{
    Charger("eco_un_metier.vsc");
    TEspeceExp& x = Exploitee(bd, 0, 0);
    x.PeriodesAn.A<TPeriodeAn>(0).Tailles.Numeroter(11);
    Ouvert(x).Tailles.Numeroter(11);
    Pecher({{1000, 100}, {1000, 200}, {1000, 300}, {1000, 400}});
    EXPECT_EQ(x.Espece->Courant().Tailles.A<TTailleES>(0).F, 0);
    EXPECT_FLOAT_EQ(x.Espece->Courant().Tailles.A<TTailleES>(3).F, 0.2f);
    EXPECT_FLOAT_EQ(Ouvert(x).NbDebarques, 3000);
    EXPECT_FLOAT_EQ(Ouvert(x).PoidsDebarque, 900);
    EXPECT_GT(Ouvert(x).Valeur, 0);
}

// Chalutiers (10 vessels x 20 days) retain the hake from 11 cm, fileyeurs
// (5 x 20) from 12 cm, both with catchability 0.001: F is 0.2 and 0.1 where
// they fish, so they share 12 and 13 cm two to one; nobody fishes 10 cm.
// 600 fish in each class, weighing 60 to 240 kg, all priced 2 per kg.
TEST_F(Captures, PartageEntreMetiersAuProrataDeF)
{
    Charger("eco_deux_metiers.vsc");
    ASSERT_EQ(bd.Metiers.Nombre(), 3);
    const TEspeceExp& chalut = Exploitee(bd, 0, 0);
    const TEspeceExp& filet = Exploitee(bd, 1, 0);
    ASSERT_EQ(chalut.Espece, filet.Espece);
    const std::vector<Prise> prises = {{600, 60}, {600, 120}, {600, 180}, {600, 240}};
    Pecher(prises);
    const float fChalut[] = {0, 0.2f, 0.2f, 0.2f};
    const float fFilet[] = {0, 0, 0.1f, 0.1f};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(Ouvert(chalut).Tailles.A<TTailleS>(i).F, fChalut[i]);
        EXPECT_FLOAT_EQ(Ouvert(filet).Tailles.A<TTailleS>(i).F, fFilet[i]);
        EXPECT_FLOAT_EQ(chalut.Espece->Courant().Tailles.A<TTailleES>(i).F, fChalut[i] + fFilet[i]);
    }
    Attendre(Ouvert(chalut), {600 + 400 + 400, 0, 120 + 120 + 160, 0, 800, 0, 0});
    Attendre(Ouvert(filet), {200 + 200, 0, 60 + 80, 0, 280, 0, 0});

    // Zero vessels: no fishing mortality, hence no share of any catch.
    Charger("eco_deux_metiers.vsc");
    Metier(bd, 1).Courante().NbNavires = 0;
    Pecher(prises);
    Attendre(Ouvert(Exploitee(bd, 1, 0)), {});
    EXPECT_FLOAT_EQ(Ouvert(Exploitee(bd, 0, 0)).NbDebarques, 1800);
}

} // namespace
} // namespace vasco::test
