// Selectivity curves, the effective mesh, the conditions carried from one
// period to the next, and the fishing mortality of a métier with its
// density factor.
#include "tests/economics/Pecherie.h"

#include <cmath>

namespace vasco::test {
namespace {

// A curve to try on the exploited species of the single-métier fishery.
struct Courbe {
    float Etendue;
    float Facteur;
    float Dome;
};

class Selectivite : public Pecherie {
protected:
    void SetUp() override { Charger("eco_un_metier.vsc"); }

    long double Retenue(Courbe courbe, float maillage, int32_t taille)
    {
        TEspeceExp& x = Exploitee(bd, 0, 0);
        x.EtendueSelection = courbe.Etendue;
        x.FacteurSelection = courbe.Facteur;
        x.FacteurDome = courbe.Dome;
        TCondition c;
        c.MaillageEffectif = maillage;
        return x.Selectivite(taille, c);
    }

    // The logistic as it is meant: 50 % at mesh x factor, the exponent
    // rounded to single precision.
    static long double Logistique(float etendue, long double longueur, long double l50)
    {
        const long double k = std::log(9.0L) / etendue;
        const long double e =
            std::exp(static_cast<long double>(static_cast<float>(k * (longueur / l50 - 1))));
        return e / (e + 1);
    }

    // F of the single métier on each of its four sizes, checked equal to the
    // species' total.
    void AttendreF(float attendu)
    {
        const TEspeceExp& x = Exploitee(bd, 0, 0);
        const TPeriodeMS& r = Ouvert(x);
        ASSERT_EQ(r.Tailles.Nombre(), 4);
        ASSERT_EQ(r.Tailles.Premier, 10);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_FLOAT_EQ(r.Tailles.A<TTailleS>(i).F, attendu);
            EXPECT_FLOAT_EQ(x.Espece->Courant().Tailles.A<TTailleES>(i).F, attendu);
        }
    }
};

// With no range the factors are sizes and the mesh plays no part.  A zero
// limit excludes every size; a positive one is the first size no longer
// retained.
TEST_F(Selectivite, LameDeCouteau)
{
    for (float maillage : {0.0f, 80.0f, 500.0f}) {
        SCOPED_TRACE(maillage);
        EXPECT_EQ(Retenue({0, 20, -1}, maillage, 19), 0);
        EXPECT_EQ(Retenue({0, 20, -1}, maillage, 20), 1);
        EXPECT_EQ(Retenue({0, 20, -1}, maillage, 300), 1);
        EXPECT_EQ(Retenue({0, 20, 0}, maillage, 20), 0);
        EXPECT_EQ(Retenue({0, 20, 0}, maillage, 40), 0);
        EXPECT_EQ(Retenue({0, 20, 30}, maillage, 29), 1);
        EXPECT_EQ(Retenue({0, 20, 30}, maillage, 30), 0);
        EXPECT_EQ(Retenue({0, 20, 30}, maillage, 19), 0);
    }
}

// Range 0.2, factor 0.25, mesh 80 mm: 50 % retention at 20 cm, 10 % at
// 16 cm and 90 % at 24 cm; the dome halves retention at mesh x dome.
TEST_F(Selectivite, LogistiqueEtDome)
{
    const Courbe logistique{0.2f, 0.25f, -1};
    EXPECT_EQ(Retenue(logistique, 80, 20), 0.5L);
    EXPECT_NEAR(Retenue(logistique, 80, 16), 0.1L, 1e-6);
    EXPECT_NEAR(Retenue(logistique, 80, 24), 0.9L, 1e-6);
    EXPECT_NEAR(Retenue(logistique, 80, 30), Logistique(0.2f, 30, 20), 1e-12);
    // The same curve on a 100 mm mesh moves 50 % to 25 cm.
    EXPECT_EQ(Retenue(logistique, 100, 25), 0.5L);
    EXPECT_NEAR(Retenue(logistique, 100, 20), 0.1L, 1e-6);
    // A zero dome factor has no descending limb.
    EXPECT_EQ(Retenue({0.2f, 0.25f, 0}, 80, 40), Retenue(logistique, 80, 40));

    const Courbe dome{0.2f, 0.25f, 0.5f};
    const long double montante = Retenue(logistique, 80, 40);
    EXPECT_NEAR(montante, Logistique(0.2f, 40, 20), 1e-12);
    EXPECT_NEAR(Retenue(dome, 80, 40), montante / 2, 1e-12);
    // 10 % of the ascending limb left at mesh x dome x (1 + range).
    EXPECT_NEAR(Retenue(dome, 80, 48), Retenue(logistique, 80, 48) * 0.1L, 1e-6);
    EXPECT_NEAR(Retenue(dome, 80, 20), 0.5L / (1 + 1.0L / 243), 1e-6);
}

// Beyond +-87 the exponential is not computed: retention is exactly 0 below
// the curve, exactly 1 above it, and exactly 0 above the descending limb.
TEST_F(Selectivite, BornesDeLExponentielle)
{
    const Courbe raide{0.01f, 0.25f, -1};
    EXPECT_EQ(Retenue(raide, 80, 1), 0);
    EXPECT_EQ(Retenue(raide, 80, 12), 0); // exponent -87.9
    EXPECT_GT(Retenue(raide, 80, 13), 0); // exponent -76.9
    EXPECT_EQ(Retenue(raide, 80, 20), 0.5L);
    EXPECT_EQ(Retenue(raide, 80, 28), 1); // exponent 87.9
    EXPECT_EQ(Retenue(raide, 80, 1000), 1);

    const Courbe raideAvecDome{0.01f, 0.25f, 0.5f};
    EXPECT_EQ(Retenue(raideAvecDome, 80, 200), 0);
    EXPECT_EQ(Retenue(raideAvecDome, 80, 60), 0);
    // Far below the descending limb its exponential is 0 and takes nothing.
    const Courbe domeLointain{0.01f, 0.25f, 5};
    EXPECT_EQ(Retenue(domeLointain, 80, 21), Retenue(raide, 80, 21));
    EXPECT_GT(Retenue(domeLointain, 80, 21), 0.99L);

    // A range of 1e-40 (a float the reader takes) makes the exponent beyond
    // the float range on either side of 50 %: held at the largest float, it
    // gives 0 or 1 as a steep curve does.
    const Courbe verticale{1e-40f, 0.25f, -1};
    EXPECT_EQ(Retenue(verticale, 80, 19), 0);
    EXPECT_EQ(Retenue(verticale, 80, 20), 0.5L);
    EXPECT_EQ(Retenue(verticale, 80, 21), 1);
    const Courbe verticaleAvecDome{1e-40f, 0.25f, 0.5f};
    EXPECT_EQ(Retenue(verticaleAvecDome, 80, 30), 1);
    EXPECT_EQ(Retenue(verticaleAvecDome, 80, 41), 0);
}

// A zero mesh or a zero selection factor would divide by zero in the
// logistic: nothing is retained, whatever the size.
TEST_F(Selectivite, MaillageOuFacteurNul)
{
    for (int32_t taille : {0, 1, 20, 1000}) {
        SCOPED_TRACE(taille);
        EXPECT_EQ(Retenue({0.2f, 0.25f, -1}, 0, taille), 0);
        EXPECT_EQ(Retenue({0.2f, 0, -1}, 80, taille), 0);
        EXPECT_EQ(Retenue({0.2f, 0.25f, 0.5f}, 0, taille), 0);
    }
}

// A regulated mesh larger than the fleet's own (70 mm in the file, 80 mm
// regulated) is obeyed in proportion to the repression; a smaller one
// changes nothing.
TEST_F(Selectivite, MaillageEffectif)
{
    TMetierEco& m = Metier(bd, 0);
    TCondition& c = m.Courante();
    EXPECT_FLOAT_EQ(c.MaillageReglementaire, 80);
    EXPECT_FLOAT_EQ(c.MaillageEffectif, 70);
    const struct {
        float usuel, reglementaire, repression, effectif;
    } cas[] = {{70, 80, 0, 70},    {70, 80, 0.5f, 75}, {70, 80, 1, 80},    {90, 80, 0, 90},
               {90, 80, 0.5f, 90}, {90, 80, 1, 90},    {80, 80, 0.5f, 80}, {70, 0, 1, 70}};
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message()
                     << k.usuel << " " << k.reglementaire << " " << k.repression);
        m.MaillageUsuel = k.usuel;
        c.MaillageReglementaire = k.reglementaire;
        c.IndiceRepression = k.repression;
        c.AppliquerMaillage(m);
        EXPECT_FLOAT_EQ(c.MaillageEffectif, k.effectif);
    }
}

// The first condition takes its vessels from the file and its days from the
// métier; each step opens a copy of the measures in force, with zero
// accounts, and leaves the accounts in the condition it closes.
TEST_F(Selectivite, ConditionsPremiereEtSuivantes)
{
    TMetierEco& m = Metier(bd, 0);
    ASSERT_EQ(m.Conditions.Nombre(), 1);
    TCondition& premiere = m.Courante();
    EXPECT_FLOAT_EQ(premiere.NbNavires, 10);
    EXPECT_FLOAT_EQ(premiere.NbJours, 20);
    EXPECT_EQ(premiere.Effort(), 200);

    premiere.NbNavires = 6;
    premiere.NbJours = 12;
    premiere.SubventionPeriode = 1000;
    premiere.SubventionJourMer = 30;
    premiere.TauxTaxeCA = 0.1f;
    premiere.IndiceRepression = 0.5f;
    premiere.AppliquerMaillage(m);
    bd.Pas();
    bd.Pas();
    ASSERT_EQ(m.Conditions.Nombre(), 3);
    EXPECT_NE(m.Conditions.A<TCondition>(1).CA, 0);
    EXPECT_NE(m.Conditions.A<TCondition>(1).Benefice, 0);
    const TCondition& ouverte = m.Courante();
    EXPECT_EQ(Mesures(ouverte), (MesuresCondition{75, 12, 6, 80, 1000, 30, 0.1f, 0.5f}));
    Attendre(ouverte, {});
}

// Fishing mortality of the single métier: knife edge retaining every size,
// effort 10 vessels x 20 days, catchability 0.001, so 0.2 times the density
// factor (virgin / current biomass) ^ exponent.
TEST_F(Selectivite, FacteurDeDensite)
{
    TEspeceExp& x = Exploitee(bd, 0, 0);
    const struct {
        float exposant, vierge, courante, f;
    } cas[] = {
        {0.5f, 1000, 250, 0.4f},
        {1, 1000, 250, 0.8f},
        {1, 1000, 4000, 0.05f}, // a stock above its virgin level is less catchable
        {0, 1000, 250, 0.2f},
        {0, 1000, 250, 0.2f},  // the species clears its total first: not twice F
        {0.5f, 1000, 0, 0.2f}, // no current biomass: factor 1
        {2, 0, 0, 0.2f},
        {0.5f, 0, 250, 0}, // zero virgin biomass over a positive one: factor 0,
        {0, 0, 250, 0},    // whatever the exponent, even 0
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << k.exposant << " " << k.vierge << " " << k.courante);
        x.ExposantCapturabilite = k.exposant;
        x.Espece->BiomasseVierge = k.vierge;
        x.Espece->Courant().Biomasse = k.courante;
        Mortalites(bd);
        AttendreF(k.f);
    }
}

// The effective mesh, not the regulated one, drives the selectivity that
// fishing mortality applies size by size; no vessel or no day at sea, no
// fishing mortality at all.
TEST_F(Selectivite, MortaliteAuMaillageEffectif)
{
    TEspeceExp& x = Exploitee(bd, 0, 0);
    x.EtendueSelection = 0.2f;
    x.FacteurSelection = 0.18f; // 50 % at 12.6 cm with the fleet's 70 mm
    TCondition& c = Metier(bd, 0).Courante();
    ASSERT_FLOAT_EQ(c.MaillageEffectif, 70);
    Mortalites(bd);
    const TSupListe& f = Ouvert(x).Tailles;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const long double attendu = x.Selectivite(10 + i, c) * 0.2L;
        EXPECT_FLOAT_EQ(f.A<TTailleS>(i).F, static_cast<float>(attendu));
    }
    EXPECT_LT(f.A<TTailleS>(0).F, 0.05f);
    EXPECT_GT(f.A<TTailleS>(3).F, 0.1f); // 0.05 with the regulated 80 mm
    EXPECT_LT(f.A<TTailleS>(3).F, 0.2f);

    c.NbNavires = 0;
    Mortalites(bd);
    AttendreF(0);
    c.NbNavires = 10;
    c.NbJours = 20;

    // The retentions are worked out again as soon as the effective mesh or
    // any selection parameter changes, and only then.
    const auto fSelon = [&] {
        Mortalites(bd);
        std::vector<float> v;
        for (int i = 0; i < 4; ++i) {
            v.push_back(Ouvert(x).Tailles.A<TTailleS>(i).F);
            EXPECT_FLOAT_EQ(v.back(), static_cast<float>(x.Selectivite(10 + i, c) * 0.2L)) << i;
        }
        return v;
    };
    std::vector<std::vector<float>> vus = {fSelon()};
    c.MaillageEffectif = 90;
    vus.push_back(fSelon());
    x.EtendueSelection = 0.4f;
    vus.push_back(fSelon());
    x.FacteurSelection = 0.15f;
    vus.push_back(fSelon());
    x.FacteurDome = 0.2f;
    vus.push_back(fSelon());
    for (size_t i = 1; i < vus.size(); ++i)
        EXPECT_NE(vus[i], vus[i - 1]) << i;
    EXPECT_EQ(fSelon(), vus.back());
}

} // namespace
} // namespace vasco::test
