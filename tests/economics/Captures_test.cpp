// The split of the species' catches between métiers and, within a métier,
// into legal landings, discards and grey landings: minimum size, quota,
// repression, value and tax.  The species' catches are put by hand after the
// métiers' fishing mortality, so every expected number is plain arithmetic.
#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/Ubd.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vasco {
namespace {

using test::Messages;

TMetierEco& Metier(const TBDVasco& bd, int i)
{
    return bd.Metiers.A<TMetierEco>(i);
}

TEspeceExp& Exploitee(const TBDVasco& bd, int metier, int espece)
{
    return Metier(bd, metier).EspecesExploitees.A<TEspeceExp>(espece);
}

const TPeriodeMS& Ouvert(const TEspeceExp& x)
{
    return x.PeriodesMS.DernierElement<TPeriodeMS>();
}

// The métiers' fishing mortality of the period.
void Mortalites(TBDVasco& bd)
{
    bd.Especes.Faire(PhaseMortalite, &bd.Contexte);
    bd.Metiers.Faire(PhaseMortalite, &bd.Contexte);
}

// Catches of a species in its current state, class by class from its first:
// numbers and weight (kg).
struct Prise {
    float Nombre;
    float Poids;
};

void Captures(TEspece& espece, const std::vector<Prise>& prises)
{
    TSupListe& tailles = espece.Courant().Tailles;
    ASSERT_EQ(tailles.Nombre(), static_cast<int>(prises.size()));
    for (int j = 0; j < tailles.Nombre(); ++j) {
        tailles.A<TTailleES>(j).Captures = prises[j].Nombre;
        tailles.A<TTailleES>(j).PoidsCaptures = prises[j].Poids;
    }
}

struct Comptes {
    float NbDebarques, NbRejetes, PoidsDebarque, PoidsRejete, Valeur, ValeurGrise, Taxe;
};

void AttendreComptes(const TPeriodeMS& r, const Comptes& a)
{
    EXPECT_FLOAT_EQ(r.NbDebarques, a.NbDebarques);
    EXPECT_FLOAT_EQ(r.NbRejetes, a.NbRejetes);
    EXPECT_FLOAT_EQ(r.PoidsDebarque, a.PoidsDebarque);
    EXPECT_FLOAT_EQ(r.PoidsRejete, a.PoidsRejete);
    EXPECT_FLOAT_EQ(r.Valeur, a.Valeur);
    EXPECT_FLOAT_EQ(r.ValeurGrise, a.ValeurGrise);
    EXPECT_FLOAT_EQ(r.Taxe, a.Taxe);
}

// Measures in force for the single métier and its species.
struct Mesures {
    float Repression = 0;
    float Taxe = 0;
    bool TailleMinActive = false;
    uint16_t TailleMin = 0;
    bool QuotaActif = false;
    float Quota = 0; // kg
};

// The single métier takes the whole catch (it alone fishes): classes 10 to
// 13 cm, 1000 fish each, weighing 100, 200, 300 and 400 kg, priced 1 to 4
// per kg: 1000 kg worth 3000 in all.
const TPeriodeMS& Pecher(TBDVasco& bd, const Mesures& m)
{
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TCondition& c = Metier(bd, 0).Courante();
    c.IndiceRepression = m.Repression;
    c.TauxTaxeCA = m.Taxe;
    const TEspeceExp& x = Exploitee(bd, 0, 0);
    TPeriodeES& z = x.Espece->Courant();
    z.TailleMinActive = m.TailleMinActive;
    z.TailleMin = m.TailleMin;
    z.QuotaActif = m.QuotaActif;
    z.Quota = m.Quota;
    Mortalites(bd);
    Captures(*x.Espece, {{1000, 100}, {1000, 200}, {1000, 300}, {1000, 400}});
    bd.Metiers.Faire(PhaseCaptures, &bd.Contexte);
    return Ouvert(x);
}

TEST(Debarquements, SansMesureEtTaxe)
{
    Messages messages;
    {
        TBDVasco bd;
        AttendreComptes(Pecher(bd, {}), {4000, 0, 1000, 0, 3000, 0, 0});
    }
    {
        // A quota value without its flag, a minimum size without its flag:
        // neither is in force.
        TBDVasco bd;
        Mesures m;
        m.Quota = 0;
        m.TailleMin = 13;
        m.Repression = 1;
        AttendreComptes(Pecher(bd, m), {4000, 0, 1000, 0, 3000, 0, 0});
    }
    {
        // Tax of 10 % on declared value, none grey: 0.9 of the gross value
        // is kept, 0.1 paid.
        TBDVasco bd;
        Mesures m;
        m.Taxe = 0.1f;
        AttendreComptes(Pecher(bd, m), {4000, 0, 1000, 0, 2700, 0, 300});
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// Minimum size 12 cm: classes 10 and 11 (1000 + 1000 fish, 300 kg worth
// 500) are undersized; the repressed share is discarded, the rest landed on
// the grey market and left out of the taxed value.
TEST(Debarquements, TailleMinimaleEtRepression)
{
    Messages messages;
    Mesures m;
    m.TailleMinActive = true;
    m.TailleMin = 12;
    {
        TBDVasco bd;
        m.Repression = 0.25f;
        m.Taxe = 0.1f;
        // Value 375 grey + 2500 legal; tax (2875 - 375) x 0.1 = 250.
        AttendreComptes(Pecher(bd, m), {3500, 500, 925, 75, 2625, 375, 250});
        m.Taxe = 0;
    }
    {
        TBDVasco bd;
        m.Repression = 1;
        AttendreComptes(Pecher(bd, m), {2000, 2000, 700, 300, 2500, 0, 0});
    }
    {
        TBDVasco bd;
        m.Repression = 0;
        AttendreComptes(Pecher(bd, m), {4000, 0, 1000, 0, 3000, 500, 0});
    }
    {
        // The minimum size itself is legal.
        TBDVasco bd;
        m.TailleMin = 11;
        m.Repression = 1;
        AttendreComptes(Pecher(bd, m), {3000, 1000, 900, 100, 2900, 0, 0});
    }
    {
        // At or below the first class nothing is undersized.
        TBDVasco bd;
        m.TailleMin = 10;
        AttendreComptes(Pecher(bd, m), {4000, 0, 1000, 0, 3000, 0, 0});
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// A minimum size above the largest class makes every class undersized; the
// loops stay within the classes of the species.
TEST(Debarquements, TailleMinimaleAuDelaDesClasses)
{
    Messages messages;
    TBDVasco bd;
    Mesures m;
    m.TailleMinActive = true;
    m.TailleMin = 200;
    m.Repression = 0.5f;
    AttendreComptes(Pecher(bd, m), {2000, 2000, 500, 500, 1500, 1500, 0});
    TBDVasco bd2;
    m.TailleMin = 65535;
    m.Repression = 1;
    AttendreComptes(Pecher(bd2, m), {0, 4000, 0, 1000, 0, 0, 0});
    EXPECT_TRUE(messages.Textes().empty());
}

// A catch record and a season table that do not start at the species' first
// class (10 cm) and run past its last (13 cm): every loop keeps to the sizes
// its lists hold, 10 cm is not fished and nothing is read out of range.
TEST(Debarquements, ListesDeTaillesDecalees)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TEspeceExp& x = Exploitee(bd, 0, 0);
    x.PeriodesAn.A<TPeriodeAn>(0).Tailles.Numeroter(11);
    x.PeriodesMS.DernierElement<TPeriodeMS>().Tailles.Numeroter(11);
    Mortalites(bd);
    EXPECT_EQ(x.Espece->Courant().Tailles.A<TTailleES>(0).F, 0);
    EXPECT_FLOAT_EQ(x.Espece->Courant().Tailles.A<TTailleES>(3).F, 0.2f);
    Captures(*x.Espece, {{1000, 100}, {1000, 200}, {1000, 300}, {1000, 400}});
    bd.Metiers.Faire(PhaseCaptures, &bd.Contexte);
    const TPeriodeMS& r = Ouvert(x);
    EXPECT_FLOAT_EQ(r.NbDebarques, 3000);
    EXPECT_FLOAT_EQ(r.PoidsDebarque, 900);
    EXPECT_GT(r.Valeur, 0);
    EXPECT_TRUE(messages.Textes().empty());
}

// The quota is checked before each class, largest first, against what the
// métier has landed so far: the class that crosses it is landed whole, the
// later ones are treated like undersized fish.
TEST(Debarquements, Quota)
{
    Messages messages;
    Mesures m;
    m.QuotaActif = true;
    {
        // 400 kg (13 cm) then 300 kg (12 cm, crossing 500) landed legally;
        // 11 and 10 cm half discarded, half grey.
        TBDVasco bd;
        m.Quota = 500;
        m.Repression = 0.5f;
        AttendreComptes(Pecher(bd, m), {3000, 1000, 850, 150, 2750, 250, 0});
    }
    {
        // A quota of 0 is reached before the first class.
        TBDVasco bd;
        m.Quota = 0;
        m.Repression = 1;
        AttendreComptes(Pecher(bd, m), {0, 4000, 0, 1000, 0, 0, 0});
    }
    {
        TBDVasco bd;
        m.Quota = 0;
        m.Repression = 0.5f;
        m.Taxe = 0.2f;
        AttendreComptes(Pecher(bd, m), {2000, 2000, 500, 500, 1500, 1500, 0});
        m.Taxe = 0;
    }
    {
        // Grey landings of undersized fish count against the quota: 300 kg
        // of them, then 13 cm (400 kg) crosses 500, so 12 cm goes grey.
        TBDVasco bd;
        m.Quota = 500;
        m.Repression = 0;
        m.TailleMinActive = true;
        m.TailleMin = 12;
        AttendreComptes(Pecher(bd, m), {4000, 0, 1000, 0, 3000, 1400, 0});
    }
    {
        // A quota above the whole catch changes nothing.
        TBDVasco bd;
        m.Quota = 1e6f;
        m.TailleMinActive = false;
        AttendreComptes(Pecher(bd, m), {4000, 0, 1000, 0, 3000, 0, 0});
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// Chalutiers (10 vessels x 20 days) retain the hake from 11 cm, fileyeurs
// (5 x 20) from 12 cm, both with catchability 0.001: F is 0.2 and 0.1 where
// they fish, so they share 12 and 13 cm two to one; nobody fishes 10 cm.
TEST(Partage, EntreMetiersAuProrataDeF)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_deux_metiers.vsc"));
    ASSERT_EQ(bd.Metiers.Nombre(), 3);
    const TEspeceExp& chalut = Exploitee(bd, 0, 0);
    const TEspeceExp& filet = Exploitee(bd, 1, 0);
    ASSERT_EQ(chalut.Espece, filet.Espece);
    TEspece& merlu = *chalut.Espece;

    Mortalites(bd);
    const float fChalut[] = {0, 0.2f, 0.2f, 0.2f};
    const float fFilet[] = {0, 0, 0.1f, 0.1f};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(Ouvert(chalut).Tailles.A<TTailleS>(i).F, fChalut[i]);
        EXPECT_FLOAT_EQ(Ouvert(filet).Tailles.A<TTailleS>(i).F, fFilet[i]);
        EXPECT_FLOAT_EQ(merlu.Courant().Tailles.A<TTailleES>(i).F, fChalut[i] + fFilet[i]);
    }

    // 600 fish in each class, weighing 60 to 240 kg, all priced 2 per kg.
    Captures(merlu, {{600, 60}, {600, 120}, {600, 180}, {600, 240}});
    bd.Metiers.Faire(PhaseCaptures, &bd.Contexte);
    const TPeriodeMS& rc = Ouvert(chalut);
    const TPeriodeMS& rf = Ouvert(filet);
    EXPECT_NEAR(rc.NbDebarques, 600 + 400 + 400, 1e-3);
    EXPECT_NEAR(rc.PoidsDebarque, 120 + 120 + 160, 1e-3);
    EXPECT_NEAR(rc.Valeur, 800, 1e-3);
    EXPECT_NEAR(rf.NbDebarques, 200 + 200, 1e-3);
    EXPECT_NEAR(rf.PoidsDebarque, 60 + 80, 1e-3);
    EXPECT_NEAR(rf.Valeur, 280, 1e-3);
    for (const TPeriodeMS* r : {&rc, &rf}) {
        EXPECT_EQ(r->NbRejetes, 0);
        EXPECT_EQ(r->PoidsRejete, 0);
        EXPECT_EQ(r->ValeurGrise, 0);
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// Zero vessels: no fishing mortality, hence no share of any catch, even
// where the species has catches.
TEST(Partage, SansNavireRienNEstPris)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_deux_metiers.vsc"));
    Metier(bd, 1).Courante().NbNavires = 0;
    Mortalites(bd);
    const TEspeceExp& filet = Exploitee(bd, 1, 0);
    Captures(*filet.Espece, {{600, 60}, {600, 120}, {600, 180}, {600, 240}});
    bd.Metiers.Faire(PhaseCaptures, &bd.Contexte);
    AttendreComptes(Ouvert(filet), {0, 0, 0, 0, 0, 0, 0});
    EXPECT_NEAR(Ouvert(Exploitee(bd, 0, 0)).NbDebarques, 1800, 1e-3);
    EXPECT_TRUE(messages.Textes().empty());
}

} // namespace
} // namespace vasco
