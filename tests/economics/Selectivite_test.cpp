// Selectivity curves, the effective mesh, the conditions carried from one
// period to the next, and the fishing mortality of a métier with its
// density factor.
#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/Ubd.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <cmath>

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

// A curve to try on the exploited species of the single-métier fishery.
struct Courbe {
    float Etendue;
    float Facteur;
    float Dome;
};

class Selectivite : public ::testing::Test {
protected:
    void SetUp() override { bd.Charger(test::FichierTest("eco_un_metier.vsc")); }

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

    TBDVasco bd;
};

// With no range the factors are sizes and the mesh plays no part.
TEST_F(Selectivite, LameDeCouteau)
{
    Messages messages;
    for (float maillage : {0.0f, 80.0f, 500.0f}) {
        SCOPED_TRACE(maillage);
        const Courbe sansDome{0, 20, -1};
        EXPECT_EQ(Retenue(sansDome, maillage, 19), 0);
        EXPECT_EQ(Retenue(sansDome, maillage, 20), 1);
        EXPECT_EQ(Retenue(sansDome, maillage, 300), 1);
        // A zero limit excludes every size; a positive one is the first size
        // no longer retained.
        EXPECT_EQ(Retenue({0, 20, 0}, maillage, 20), 0);
        EXPECT_EQ(Retenue({0, 20, 0}, maillage, 40), 0);
        EXPECT_EQ(Retenue({0, 20, 30}, maillage, 29), 1);
        EXPECT_EQ(Retenue({0, 20, 30}, maillage, 30), 0);
        EXPECT_EQ(Retenue({0, 20, 30}, maillage, 19), 0);
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// Range 0.2, factor 0.25, mesh 80 mm: 50 % retention at 20 cm, 10 % at
// 16 cm and 90 % at 24 cm; the dome halves retention at mesh x dome.
TEST_F(Selectivite, LogistiqueEtDome)
{
    Messages messages;
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
    EXPECT_TRUE(messages.Textes().empty());
}

// Beyond +-87 the exponential is not computed: retention is exactly 0 below
// the curve, exactly 1 above it, and exactly 0 above the descending limb.
TEST_F(Selectivite, BornesDeLExponentielle)
{
    Messages messages;
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
    EXPECT_TRUE(messages.Textes().empty());
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

// A regulated mesh larger than the fleet's own is obeyed in proportion to
// the repression; a smaller one changes nothing.
TEST(Maillage, MaillageEffectif)
{
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TMetierEco& m = Metier(bd, 0);
    TCondition& c = m.Courante();
    // Read from the file: fleet 70 mm, regulated 80 mm, no repression yet.
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

// The first condition: vessels and regulated mesh from the file, the days
// of the métier, every other measure and every account at zero.  Each step
// opens a copy of the measures in force, with zero accounts.
TEST(Conditions, PremiereEtSuivantes)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TMetierEco& m = Metier(bd, 0);
    ASSERT_EQ(m.Conditions.Nombre(), 1);
    TCondition& premiere = m.Courante();
    EXPECT_FLOAT_EQ(premiere.NbNavires, 10);
    EXPECT_FLOAT_EQ(premiere.NbJours, 20);
    EXPECT_EQ(premiere.Effort(), 200);
    EXPECT_EQ(premiere.SubventionPeriode, 0);
    EXPECT_EQ(premiere.SubventionJourMer, 0);
    EXPECT_EQ(premiere.TauxTaxeCA, 0);
    EXPECT_EQ(premiere.IndiceRepression, 0);
    EXPECT_EQ(premiere.CA, 0);
    EXPECT_EQ(premiere.Benefice, 0);

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
    const TCondition& enVigueur = m.Conditions.A<TCondition>(1);
    const TCondition& ouverte = m.Courante();
    EXPECT_NE(enVigueur.CA, 0);
    EXPECT_NE(enVigueur.Benefice, 0);
    EXPECT_FLOAT_EQ(ouverte.MaillageEffectif, 75);
    EXPECT_FLOAT_EQ(ouverte.NbJours, 12);
    EXPECT_FLOAT_EQ(ouverte.NbNavires, 6);
    EXPECT_FLOAT_EQ(ouverte.MaillageReglementaire, 80);
    EXPECT_FLOAT_EQ(ouverte.SubventionPeriode, 1000);
    EXPECT_FLOAT_EQ(ouverte.SubventionJourMer, 30);
    EXPECT_FLOAT_EQ(ouverte.TauxTaxeCA, 0.1f);
    EXPECT_FLOAT_EQ(ouverte.IndiceRepression, 0.5f);
    for (float compte : {ouverte.PoidsDebarque, ouverte.PoidsRejete, ouverte.CA, ouverte.CAGris,
                         ouverte.BilanMarginal, ouverte.Benefice, ouverte.SubventionsNettes})
        EXPECT_EQ(compte, 0);
    EXPECT_TRUE(messages.Textes().empty());
}

// Fishing mortality of the single métier: knife edge retaining every size,
// effort 10 vessels x 20 days, catchability 0.001, so 0.2 times the density
// factor (virgin / current biomass) ^ exponent.
class FacteurDensite : public ::testing::Test {
protected:
    void SetUp() override { bd.Charger(test::FichierTest("eco_un_metier.vsc")); }

    void Mortalites(float exposant, float vierge, float courante)
    {
        TEspeceExp& x = Exploitee(bd, 0, 0);
        x.ExposantCapturabilite = exposant;
        x.Espece->BiomasseVierge = vierge;
        x.Espece->Courant().Biomasse = courante;
        bd.Especes.Faire(PhaseMortalite, &bd.Contexte);
        bd.Metiers.Faire(PhaseMortalite, &bd.Contexte);
    }

    // F of this métier on each size, checked equal to the species' total.
    void AttendreF(float attendu)
    {
        const TEspeceExp& x = Exploitee(bd, 0, 0);
        const TPeriodeMS& r = x.PeriodesMS.DernierElement<TPeriodeMS>();
        const TSupListe& tailles = x.Espece->Courant().Tailles;
        ASSERT_EQ(r.Tailles.Nombre(), 4);
        ASSERT_EQ(r.Tailles.Premier, 10);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_FLOAT_EQ(r.Tailles.A<TTailleS>(i).F, attendu);
            EXPECT_FLOAT_EQ(tailles.A<TTailleES>(i).F, attendu);
        }
    }

    TBDVasco bd;
};

TEST_F(FacteurDensite, RapportDesBiomasses)
{
    Messages messages;
    Mortalites(0.5f, 1000, 250);
    AttendreF(0.4f);
    Mortalites(1, 1000, 250);
    AttendreF(0.8f);
    // A stock above its virgin level is less catchable.
    Mortalites(1, 1000, 4000);
    AttendreF(0.05f);
    Mortalites(0, 1000, 250);
    AttendreF(0.2f);
    // Phase 1 of the species clears the total before the métiers add into
    // it: running it again gives the same F, not twice it.
    Mortalites(0, 1000, 250);
    AttendreF(0.2f);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(FacteurDensite, BiomasseNulleOuViergeNulle)
{
    Messages messages;
    // No biomass in the current state: the factor is 1.
    Mortalites(0.5f, 1000, 0);
    AttendreF(0.2f);
    Mortalites(2, 0, 0);
    AttendreF(0.2f);
    // A zero virgin biomass over a positive one is a ratio of 0: factor 0,
    // whatever the exponent, even 0.
    Mortalites(0.5f, 0, 250);
    AttendreF(0);
    Mortalites(0, 0, 250);
    AttendreF(0);
    EXPECT_TRUE(messages.Textes().empty());
}

// The effective mesh, not the regulated one, drives the selectivity that
// fishing mortality applies size by size.
TEST_F(FacteurDensite, SelectiviteAuMaillageEffectif)
{
    TEspeceExp& x = Exploitee(bd, 0, 0);
    x.EtendueSelection = 0.2f;
    x.FacteurSelection = 0.18f; // 50 % at 12.6 cm with the fleet's 70 mm
    TCondition& c = Metier(bd, 0).Courante();
    ASSERT_FLOAT_EQ(c.MaillageEffectif, 70);
    Mortalites(0, 1000, 250);
    const TPeriodeMS& r = x.PeriodesMS.DernierElement<TPeriodeMS>();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const long double attendu = x.Selectivite(10 + i, c) * 0.2L;
        EXPECT_FLOAT_EQ(r.Tailles.A<TTailleS>(i).F, static_cast<float>(attendu));
    }
    EXPECT_LT(r.Tailles.A<TTailleS>(0).F, 0.05f);
    EXPECT_GT(r.Tailles.A<TTailleS>(3).F, 0.1f); // 0.05 with the regulated 80 mm
    EXPECT_LT(r.Tailles.A<TTailleS>(3).F, 0.2f);

    // Zero vessels or zero days: no fishing mortality at all.
    c.NbNavires = 0;
    Mortalites(0, 1000, 250);
    AttendreF(0);
    c.NbNavires = 10;
    c.NbJours = 0;
    Mortalites(0, 1000, 250);
    AttendreF(0);
}

} // namespace
} // namespace vasco
