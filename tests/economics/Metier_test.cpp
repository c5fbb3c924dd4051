// Métier accounts: the marginal and period balances and their sums into the
// period balance, the step back, the season of each catch record, the
// refusal of an exploited species that names no species, the graph values of
// a condition and a catch record, and the graph windows a métier opens.
#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/Ubd.h"
#include "model/Uperiode.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace vasco {
namespace {

using test::HoteEnregistreur;
using test::Messages;

TMetierEco& Metier(const TBDVasco& bd, int i)
{
    return bd.Metiers.A<TMetierEco>(i);
}

TEspeceExp& Exploitee(const TBDVasco& bd, int metier, int espece)
{
    return Metier(bd, metier).EspecesExploitees.A<TEspeceExp>(espece);
}

TPeriodeMS& Ouvert(const TEspeceExp& x)
{
    return x.PeriodesMS.DernierElement<TPeriodeMS>();
}

void Remplir(TPeriodeMS& r, float debarque, float rejete, float valeur, float grise, float taxe)
{
    r.PoidsDebarque = debarque;
    r.PoidsRejete = rejete;
    r.Valeur = valeur;
    r.ValeurGrise = grise;
    r.Taxe = taxe;
}

// Phases 3 and 4 of a period on catch records filled by hand.
TPeriodeBilan& Bilans(TBDVasco& bd)
{
    bd.Metiers.Faire(PhaseBilanMarginal, &bd.Contexte);
    bd.Bilans.AjouterElement(std::make_unique<TPeriodeBilan>(), nullptr);
    bd.Metiers.Faire(PhaseBilanPeriode, &bd.Contexte);
    return bd.Bilans.DernierElement<TPeriodeBilan>();
}

// Chalutiers: 10 vessels x 20 days, 500 a day, 100000 a year, crew 5;
// fileyeurs: 5 x 20, 200 a day, 40000 a year, crew 3; caseyeurs (no species
// described): 4 x 10, 100 a day, 20000 a year, crew 2.  One period a year.
TEST(Bilans, MarginalEtPeriodeSommesDansLeBilan)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_deux_metiers.vsc"));
    TMetierEco& chalut = Metier(bd, 0);
    chalut.Courante().SubventionJourMer = 100;
    chalut.Courante().SubventionPeriode = 2000;
    Remplir(Ouvert(Exploitee(bd, 0, 0)), 400, 50, 900, 100, 80);
    Remplir(Ouvert(Exploitee(bd, 0, 1)), 75, 0, 750, 0, 0);
    Remplir(Ouvert(Exploitee(bd, 1, 0)), 140, 10, 280, 0, 0);
    const TPeriodeBilan& b = Bilans(bd);

    const TCondition& c = chalut.Courante();
    EXPECT_FLOAT_EQ(c.PoidsDebarque, 475);
    EXPECT_FLOAT_EQ(c.PoidsRejete, 50);
    EXPECT_FLOAT_EQ(c.CA, 1650);
    EXPECT_FLOAT_EQ(c.CAGris, 100);
    // 1650 - (500 - 100) x 20 x 10
    EXPECT_FLOAT_EQ(c.BilanMarginal, -78350);
    // Subsidies (20 x 100 + 2000) x 10 less the tax of 80.
    EXPECT_FLOAT_EQ(c.SubventionsNettes, 39920);
    // Fixed part (100000 - 2000) x 10.
    EXPECT_FLOAT_EQ(c.Benefice, -1058350);

    const TCondition& f = Metier(bd, 1).Courante();
    EXPECT_FLOAT_EQ(f.CA, 280);
    EXPECT_FLOAT_EQ(f.BilanMarginal, -19720);
    EXPECT_FLOAT_EQ(f.Benefice, -219720);
    EXPECT_FLOAT_EQ(f.SubventionsNettes, 0);

    // No exploited species: no turnover, the daily costs only.
    const TCondition& k = Metier(bd, 2).Courante();
    EXPECT_EQ(k.CA, 0);
    EXPECT_EQ(k.PoidsDebarque, 0);
    EXPECT_FLOAT_EQ(k.BilanMarginal, -4000);
    EXPECT_FLOAT_EQ(k.Benefice, -84000);

    EXPECT_FLOAT_EQ(b.PoidsDebarque, 615);
    EXPECT_FLOAT_EQ(b.PoidsRejete, 60);
    EXPECT_FLOAT_EQ(b.CA, 1930);
    EXPECT_FLOAT_EQ(b.CAGris, 100);
    EXPECT_FLOAT_EQ(b.Benefice, -1058350 - 219720 - 84000);
    EXPECT_FLOAT_EQ(b.SubventionsNettes, 39920);
    EXPECT_FLOAT_EQ(b.Effectifs, 5 * 10 + 3 * 5 + 2 * 4);
    EXPECT_FLOAT_EQ(b.JoursEquipage, 5 * 10 * 20 + 3 * 5 * 20 + 2 * 4 * 10);
    EXPECT_TRUE(messages.Textes().empty());
}

// Whole periods: each condition adds up its species' records, the period
// balance adds up the conditions, and a métier without species pays its days
// at sea net of the daily subsidy.
TEST(Bilans, PeriodesCompletes)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_deux_metiers.vsc"));
    TCondition& casier = Metier(bd, 2).Courante();
    casier.SubventionJourMer = 30;
    casier.SubventionPeriode = 5000;
    bd.Pas();
    bd.Pas();
    ASSERT_EQ(bd.Bilans.Nombre(), 2);
    for (int t = 0; t < 2; ++t) {
        SCOPED_TRACE(t);
        float ca = 0, poids = 0, benefice = 0, subventions = 0;
        for (int m = 0; m < 3; ++m) {
            const TMetierEco& metier = Metier(bd, m);
            const TCondition& c = metier.Conditions.A<TCondition>(t);
            float valeur = 0;
            for (int e = 0; e < metier.EspecesExploitees.Nombre(); ++e)
                valeur += Exploitee(bd, m, e).PeriodesMS.A<TPeriodeMS>(t).Valeur;
            EXPECT_FLOAT_EQ(c.CA, valeur);
            ca += c.CA;
            poids += c.PoidsDebarque;
            benefice += c.Benefice;
            subventions += c.SubventionsNettes;
        }
        const TPeriodeBilan& b = bd.Bilans.A<TPeriodeBilan>(t);
        EXPECT_GT(b.CA, 0);
        EXPECT_FLOAT_EQ(b.CA, ca);
        EXPECT_FLOAT_EQ(b.PoidsDebarque, poids);
        EXPECT_FLOAT_EQ(b.Benefice, benefice);
        EXPECT_FLOAT_EQ(b.SubventionsNettes, subventions);
        EXPECT_FLOAT_EQ(b.Effectifs, 73);

        const TCondition& k = Metier(bd, 2).Conditions.A<TCondition>(t);
        EXPECT_FLOAT_EQ(k.BilanMarginal, -(100 - 30) * 10 * 4);
        EXPECT_FLOAT_EQ(k.Benefice, -2800 - (20000 - 5000) * 4);
        EXPECT_FLOAT_EQ(k.SubventionsNettes, (10 * 30 + 5000) * 4);
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// A fleet of no vessel costs and earns nothing, is paid no subsidy and
// counts no crew; a fleet that stays in port still pays its fixed costs.
TEST(Bilans, SansNavireOuSansJour)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TCondition& c = Metier(bd, 0).Courante();
    c.NbNavires = 0;
    c.SubventionJourMer = 50;
    c.SubventionPeriode = 1000;
    c.TauxTaxeCA = 0.1f;
    bd.Pas();
    const TCondition& vide = Metier(bd, 0).Conditions.A<TCondition>(0);
    for (float compte : {vide.PoidsDebarque, vide.PoidsRejete, vide.CA, vide.CAGris,
                         vide.BilanMarginal, vide.Benefice, vide.SubventionsNettes})
        EXPECT_EQ(compte, 0);
    const TPeriodeMS& r = Exploitee(bd, 0, 0).PeriodesMS.A<TPeriodeMS>(0);
    EXPECT_EQ(r.NbDebarques + r.NbRejetes, 0);
    EXPECT_EQ(r.Valeur, 0);
    const TPeriodeBilan& b = bd.Bilans.A<TPeriodeBilan>(0);
    EXPECT_EQ(b.Effectifs, 0);
    EXPECT_EQ(b.JoursEquipage, 0);
    EXPECT_EQ(b.CA, 0);
    EXPECT_EQ(b.Benefice, 0);

    TCondition& port = Metier(bd, 0).Courante();
    port.NbNavires = 10;
    port.NbJours = 0;
    bd.Pas();
    const TCondition& aQuai = Metier(bd, 0).Conditions.A<TCondition>(1);
    EXPECT_EQ(aQuai.CA, 0);
    EXPECT_EQ(aQuai.BilanMarginal, 0);
    EXPECT_FLOAT_EQ(aQuai.Benefice, -(100000 - 1000) * 10);
    EXPECT_FLOAT_EQ(aQuai.SubventionsNettes, 1000 * 10);
    EXPECT_FLOAT_EQ(bd.Bilans.A<TPeriodeBilan>(1).Effectifs, 50);
    EXPECT_EQ(bd.Bilans.A<TPeriodeBilan>(1).JoursEquipage, 0);
    EXPECT_TRUE(messages.Textes().empty());
}

// The fixed cost of a period is the annual cost divided by the periods of
// the year, net of the period subsidy, per vessel.
TEST(Bilans, PartFixeSelonLesPeriodesParAn)
{
    Messages messages;
    for (const char* fichier : {"eco_un_metier.vsc", "eco_saisons.vsc"}) {
        SCOPED_TRACE(fichier);
        TBDVasco bd;
        bd.Charger(test::FichierTest(fichier));
        Metier(bd, 0).Courante().SubventionPeriode = 2500;
        bd.Pas();
        const TCondition& c = Metier(bd, 0).Conditions.A<TCondition>(0);
        const float fixe = (100000.0f / bd.NbPeriodesAn - 2500) * 10;
        EXPECT_GT(c.BilanMarginal, -100000);
        EXPECT_FLOAT_EQ(c.Benefice, c.BilanMarginal - fixe);
    }
    EXPECT_TRUE(messages.Textes().empty());
}

// Stepping back drops the open condition and catch record and reopens the
// previous ones with zero accounts and the measures of the undone period; a
// new step then gives the same accounts as the first time.
TEST(RetourArriere, RouvreLaDerniereCondition)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TMetierEco& m = Metier(bd, 0);
    const TEspeceExp& x = Exploitee(bd, 0, 0);
    bd.Pas();
    ASSERT_EQ(m.Conditions.Nombre(), 2);
    ASSERT_EQ(x.PeriodesMS.Nombre(), 2);
    const float ca = m.Conditions.A<TCondition>(0).CA;
    const float benefice = m.Conditions.A<TCondition>(0).Benefice;
    const float valeur = x.PeriodesMS.A<TPeriodeMS>(0).Valeur;
    ASSERT_GT(ca, 0);

    m.Courante().NbNavires = 3;
    m.Courante().SubventionJourMer = 7;
    bd.PasEnArriere();
    ASSERT_EQ(m.Conditions.Nombre(), 1);
    const TCondition& rouverte = m.Courante();
    EXPECT_FLOAT_EQ(rouverte.NbNavires, 10);
    EXPECT_FLOAT_EQ(rouverte.NbJours, 20);
    EXPECT_EQ(rouverte.SubventionJourMer, 0);
    EXPECT_FLOAT_EQ(rouverte.MaillageEffectif, 70);
    for (float compte : {rouverte.PoidsDebarque, rouverte.PoidsRejete, rouverte.CA, rouverte.CAGris,
                         rouverte.BilanMarginal, rouverte.Benefice, rouverte.SubventionsNettes})
        EXPECT_EQ(compte, 0);
    ASSERT_EQ(x.PeriodesMS.Nombre(), 1);
    const TPeriodeMS& r = Ouvert(x);
    EXPECT_EQ(r.NbDebarques, 0);
    EXPECT_EQ(r.PoidsDebarque, 0);
    EXPECT_EQ(r.Valeur, 0);
    EXPECT_EQ(r.Taxe, 0);
    EXPECT_EQ(bd.Bilans.Nombre(), 0);

    bd.Pas();
    EXPECT_EQ(m.Conditions.A<TCondition>(0).CA, ca);
    EXPECT_EQ(m.Conditions.A<TCondition>(0).Benefice, benefice);
    EXPECT_EQ(x.PeriodesMS.A<TPeriodeMS>(0).Valeur, valeur);
    EXPECT_EQ(bd.Bilans.A<TPeriodeBilan>(0).CA, ca);
    EXPECT_TRUE(messages.Textes().empty());
}

// Phase 9 on a métier that holds only its first condition removes nothing:
// it zeroes the accounts and keeps the measures.
TEST(RetourArriere, UneSeuleConditionEstRemiseAZero)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TMetierEco& m = Metier(bd, 0);
    TCondition& c = m.Courante();
    c.CA = 5;
    c.Benefice = -4;
    c.PoidsDebarque = c.PoidsRejete = c.CAGris = c.BilanMarginal = c.SubventionsNettes = 3;
    c.TauxTaxeCA = 0.2f;
    Remplir(Ouvert(Exploitee(bd, 0, 0)), 1, 2, 3, 4, 5);
    bd.Metiers.Faire(PhaseRetour, &bd.Contexte);

    ASSERT_EQ(m.Conditions.Nombre(), 1);
    EXPECT_EQ(&m.Courante(), &c);
    for (float compte : {c.PoidsDebarque, c.PoidsRejete, c.CA, c.CAGris, c.BilanMarginal,
                         c.Benefice, c.SubventionsNettes})
        EXPECT_EQ(compte, 0);
    EXPECT_FLOAT_EQ(c.NbNavires, 10);
    EXPECT_FLOAT_EQ(c.MaillageReglementaire, 80);
    EXPECT_FLOAT_EQ(c.TauxTaxeCA, 0.2f);
    const TEspeceExp& x = Exploitee(bd, 0, 0);
    ASSERT_EQ(x.PeriodesMS.Nombre(), 1);
    const TPeriodeMS& r = Ouvert(x);
    EXPECT_EQ(r.PoidsDebarque + r.PoidsRejete + r.Valeur + r.ValeurGrise + r.Taxe, 0);
    EXPECT_EQ(r.Tailles.Premier, 10);
    EXPECT_EQ(r.Tailles.Nombre(), 4);
    EXPECT_TRUE(messages.Textes().empty());
}

// Four periods a year; season s has catchability s / 1000 and price s.  The
// record of period t (from 0) uses season t mod 4.
TEST(Saisons, LIndiceDeSaisonTourne)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_saisons.vsc"));
    ASSERT_EQ(bd.NbPeriodesAn, 4);
    const TEspeceExp& x = Exploitee(bd, 0, 0);
    ASSERT_EQ(x.PeriodesAn.Nombre(), 4);
    for (int t = 0; t < 5; ++t)
        bd.Pas();
    ASSERT_EQ(x.PeriodesMS.Nombre(), 6);
    EXPECT_EQ(&x.SaisonCourante(bd), &x.PeriodesAn.A<TPeriodeAn>(1));

    bd.Especes.Faire(PhaseMortalite, &bd.Contexte);
    bd.Metiers.Faire(PhaseMortalite, &bd.Contexte);
    for (int t = 0; t < 6; ++t) {
        SCOPED_TRACE(t);
        const int saison = t % 4 + 1;
        const TPeriodeMS& r = x.PeriodesMS.A<TPeriodeMS>(t);
        ASSERT_EQ(r.Tailles.Nombre(), 2);
        EXPECT_FLOAT_EQ(r.Tailles.A<TTailleS>(0).F, 0.2f * saison);
        EXPECT_FLOAT_EQ(r.Tailles.A<TTailleS>(1).F, 0.2f * saison);
        if (t < 5) {
            ASSERT_GT(r.PoidsDebarque, 0);
            EXPECT_FLOAT_EQ(r.Valeur / r.PoidsDebarque, saison);
        }
    }
    EXPECT_TRUE(messages.Textes().empty());
}

std::string Texte(const std::string& nom)
{
    std::ifstream fichier(test::FichierTest(nom), std::ios::binary);
    std::ostringstream texte;
    texte << fichier.rdbuf();
    return texte.str();
}

// A métier that fishes a species not described before it is refused at
// load, at the line of the name.
TEST(Chargement, EspeceExploiteeInconnue)
{
    Messages messages;
    {
        TBDVasco bd;
        try {
            bd.Charger(test::FichierTest("eco_espece_inconnue.vsc"));
            FAIL() << "fichier accepté";
        } catch (const ErreurLecture& e) {
            EXPECT_EQ(e.Ligne(), 33);
            EXPECT_NE(e.Attendu().find("Merlan"), std::string::npos) << e.Attendu();
        }
    }
    // Names are compared whole and case-sensitively.
    const std::string texte = Texte("eco_un_metier.vsc");
    const std::string nom = "\nMerlu\n---- Chalutiers";
    ASSERT_NE(texte.find(nom), std::string::npos);
    for (const char* autre : {"\nmerlu\n---- Chalutiers", "\nMerlu \n---- Chalutiers"}) {
        SCOPED_TRACE(autre);
        std::string modifie = texte;
        modifie.replace(modifie.find(nom), nom.size(), autre);
        TBDVasco bd;
        try {
            test::ChargerTexte(bd, modifie);
            FAIL() << "fichier accepté";
        } catch (const ErreurLecture& e) {
            EXPECT_EQ(e.Ligne(), 33);
        }
    }
}

// Graph values of a condition: each divided by the divisor of its display
// scale (k + 2 for scale k in the test files); per-vessel values of a fleet
// with no vessel are 0.
TEST(Calcul, ValeursDUneCondition)
{
    Messages messages;
    TBDVasco bd;
    bd.Charger(test::FichierTest("eco_un_metier.vsc"));
    TCondition& c = Metier(bd, 0).Courante();
    c.CA = 1200;
    c.Benefice = -600;
    c.PoidsDebarque = 3000;
    c.CAGris = 240;
    c.NbNavires = 4;
    c.NbJours = 15;
    TContexte* ctx = &bd.Contexte;
    EXPECT_NEAR(c.Calcul(CodeMetierCA, ctx), 600, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierBenefice, ctx), -300, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierPoidsDebarque, ctx), 1000, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierEffort, ctx), 60.0L / 7, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierNavires, ctx), 0.5, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierJours, ctx), 15.0L / 9, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierCAGris, ctx), 120, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierCANavire, ctx), 75, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierBeneficeNavire, ctx), -37.5, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierPoidsNavire, ctx), 150, 1e-9);
    EXPECT_NEAR(c.Calcul(CodeMetierCAGrisNavire, ctx), 15, 1e-9);
    EXPECT_EQ(c.Calcul(66, ctx), 0);
    for (float navires : {0.0f, -2.0f}) {
        c.NbNavires = navires;
        for (uint8_t code : {CodeMetierCANavire, CodeMetierBeneficeNavire, CodeMetierPoidsNavire,
                             CodeMetierCAGrisNavire})
            EXPECT_EQ(c.Calcul(code, ctx), 0) << int(code) << " " << navires;
    }
    c.NbNavires = 0;
    EXPECT_EQ(c.Calcul(CodeMetierEffort, ctx), 0);
    EXPECT_NEAR(c.Calcul(CodeMetierCA, ctx), 600, 1e-9);

    TPeriodeMS& r = Ouvert(Exploitee(bd, 0, 0));
    r.PoidsDebarque = 300;
    r.PoidsRejete = 60;
    r.Valeur = 1000;
    r.NbDebarques = 1400;
    r.NbRejetes = 70;
    EXPECT_NEAR(r.Calcul(CodeCapturesPoids, ctx), 120, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeValeurDebarquements, ctx), 500, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeCapturesNombres, ctx), 98, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeRejetsNombre, ctx), 70.0L / 15, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeRejetsPoids, ctx), 20, 1e-9);
    EXPECT_EQ(r.Calcul(60, ctx), 0);
    EXPECT_TRUE(messages.Textes().empty());
}

// What one graph window must be opened with.
struct Attendu {
    uint8_t Code;
    std::string Titre;
    TFamilleGraphe Famille;
    uint8_t Code2;
    int Echelle;
    TCouleur Fond;
    int Aide;
    const TSupListe* Liste = nullptr;
    uint8_t Couleur = 0;
    uint8_t Couleur2 = 0;
};

void Verifier(const TParamGraphe& p, const Attendu& a, const TBDVasco& bd, HoteEnregistreur& hote)
{
    SCOPED_TRACE(a.Titre);
    EXPECT_EQ(p.Titre, a.Titre);
    EXPECT_EQ(p.Famille, a.Famille);
    EXPECT_EQ(p.Liste, a.Liste);
    EXPECT_EQ(p.Contexte, &bd.Contexte);
    EXPECT_EQ(p.Magneto, &hote.LeMagneto);
    EXPECT_EQ(p.Code, a.Code);
    if (a.Famille != TFamilleGraphe::Graph) {
        EXPECT_EQ(p.Code2, a.Code2);
    }
    EXPECT_EQ(p.YMin, 0);
    EXPECT_EQ(p.YMax, 100.0f * (a.Echelle + 1));
    EXPECT_EQ(p.XMin, 0);
    EXPECT_EQ(p.XMax, 29);
    EXPECT_EQ(p.TitreX, "Années");
    EXPECT_EQ(p.TitreY, bd.EchelleUnite[a.Echelle]);
    EXPECT_EQ(p.CouleurFond, a.Fond);
    EXPECT_EQ(p.CouleurTexte, (TCouleur{0, 0, 0}));
    EXPECT_EQ(p.LectureClic, 1);
    EXPECT_EQ(p.Type, 3);
    EXPECT_EQ(p.AffPeriode, hote.NumeroPeriode ? 1 : 0);
    if (a.Famille == TFamilleGraphe::Graph) {
        EXPECT_EQ(p.NbSeries, 1);
        EXPECT_EQ(p.Serie, 1);
        EXPECT_EQ(p.Couleur, 0);
        EXPECT_EQ(p.Marque, '+');
    }
    if (a.Famille == TFamilleGraphe::Graph2) {
        EXPECT_EQ(p.Couleur, a.Couleur);
        EXPECT_EQ(p.Couleur2, a.Couleur2);
        EXPECT_EQ(p.Marque, '+');
        EXPECT_EQ(p.Marque2, '*');
    }
}

// Every graph of a métier, and those of its exploited species, opened
// through the métier list; the recording host keeps the parameter blocks and
// the help contexts in order.
TEST(Graphes, FenetresDesMetiers)
{
    Messages messages;
    HoteEnregistreur hote;
    TBDVasco bd(&hote);
    bd.Charger(test::FichierTest("eco_deux_metiers.vsc"));
    const TCouleur cyan{0, 255, 255};
    const TCouleur gris{192, 192, 192};
    using F = TFamilleGraphe;
    const Attendu metier[] = {
        {60, "CA et bénéfices Chalutiers ", F::Eco, 61, 0, cyan, 138},
        {62, "Quantité pêchée Chalutiers", F::Graph, 0, 1, cyan, 147},
        {63, "Effort de Pêche Chalutiers ", F::Graph, 0, 5, cyan, 141},
        {64, "Nb de Navires Chalutiers ", F::Graph, 0, 6, cyan, 145},
        {65, "Nb de Jours de mer / Navire Chalutiers ", F::Graph, 0, 7, cyan, 144},
        {69, "CA gris Chalutiers ", F::Graph, 0, 0, cyan, 139},
        {90, "CA et Coûts / navire Chalutiers ", F::Eco, 91, 2, gris, 137},
        {92, "Quantité pêchée / navire Chalutiers", F::Graph, 0, 3, gris, 146},
        {93, "CA Gris / navire Chalutiers ", F::Graph, 0, 2, gris, 140},
    };
    for (bool numero : {true, false}) {
        hote.NumeroPeriode = numero;
        for (const Attendu& a : metier) {
            hote.Graphes.clear();
            hote.ContextesAide.clear();
            bd.Metiers.FaireDans(&hote, a.Code, &bd.Contexte);
            // One window per métier, the first being the chalutiers'.
            ASSERT_EQ(hote.Graphes.size(), 3u) << int(a.Code);
            for (int i = 0; i < 3; ++i) {
                Attendu autre = a;
                const std::string& nom = Metier(bd, i).Nom;
                autre.Titre.replace(autre.Titre.find("Chalutiers"), 10, nom);
                autre.Liste = &Metier(bd, i).Conditions;
                Verifier(hote.Graphes[i], autre, bd, hote);
            }
            EXPECT_EQ(hote.ContextesAide, std::vector<int>(3, a.Aide));
        }
    }

    // Catch graphs: one per exploited species, titled by métier and species.
    hote.NumeroPeriode = true;
    const TSupListe* merlu = &Exploitee(bd, 0, 0).PeriodesMS;
    const TSupListe* sole = &Exploitee(bd, 0, 1).PeriodesMS;
    const TSupListe* merluFilet = &Exploitee(bd, 1, 0).PeriodesMS;
    const Attendu especes[] = {
        {71, "Captures et rejets (Poids) Chalutiers Merlu", F::Graph2, 75, 1, cyan, 142, merlu, 1,
         3},
        {71, "Captures et rejets (Poids) Chalutiers Sole", F::Graph2, 75, 1, cyan, 142, sole, 1, 3},
        {71, "Captures et rejets (Poids) Fileyeurs Merlu", F::Graph2, 75, 1, cyan, 142, merluFilet,
         1, 3},
        {72, "Valeur des débarquements Chalutiers Merlu", F::Graph, 0, 0, cyan, 143, merlu},
        {72, "Valeur des débarquements Chalutiers Sole", F::Graph, 0, 0, cyan, 143, sole},
        {72, "Valeur des débarquements Fileyeurs Merlu", F::Graph, 0, 0, cyan, 143, merluFilet},
        {73, "Captures et rejets Chalutiers Merlu", F::Graph2, 74, 13, cyan, 143, merlu, 0, 3},
        {73, "Captures et rejets Chalutiers Sole", F::Graph2, 74, 13, cyan, 143, sole, 0, 3},
        {73, "Captures et rejets Fileyeurs Merlu", F::Graph2, 74, 13, cyan, 143, merluFilet, 0, 3},
    };
    for (int code = 71; code <= 73; ++code) {
        hote.Graphes.clear();
        hote.ContextesAide.clear();
        bd.Metiers.FaireDans(&hote, static_cast<uint8_t>(code), &bd.Contexte);
        ASSERT_EQ(hote.Graphes.size(), 3u) << code;
        for (int i = 0; i < 3; ++i)
            Verifier(hote.Graphes[i], especes[(code - 71) * 3 + i], bd, hote);
        EXPECT_EQ(hote.ContextesAide, std::vector<int>(3, especes[(code - 71) * 3].Aide));
    }

    // Other codes open nothing.
    hote.Graphes.clear();
    hote.ContextesAide.clear();
    for (int code : {0, 61, 66, 70, 74, 81, 91, 255})
        bd.Metiers.FaireDans(&hote, static_cast<uint8_t>(code), &bd.Contexte);
    EXPECT_TRUE(hote.Graphes.empty());
    EXPECT_TRUE(hote.ContextesAide.empty());
    EXPECT_TRUE(messages.Textes().empty());

    // A window that cannot be created gets no help context; the feeder says
    // so.
    hote.EchecOuverture = true;
    bd.Metiers.FaireDans(&hote, 60, &bd.Contexte);
    bd.Metiers.FaireDans(&hote, 62, &bd.Contexte);
    bd.Metiers.FaireDans(&hote, 71, &bd.Contexte);
    EXPECT_TRUE(hote.ContextesAide.empty());
    EXPECT_EQ(messages.Nombre("UListe/TSupListe.AfficheEco"), 3);
    EXPECT_EQ(messages.Nombre("Uliste/TsupListe.AfficheGraph"), 3);
    EXPECT_EQ(messages.Nombre("Uliste/TsupListe.AfficheGraph2"), 3);
}

} // namespace
} // namespace vasco
