// Métier accounts: the marginal and period balances and their sums into the
// period balance, the step back, the season of each catch record, the
// refusal of an exploited species that names no species, the graph values of
// a condition and a catch record, and the graph windows a métier opens.
#include "model/Uperiode.h"
#include "tests/economics/Pecherie.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vasco::test {
namespace {

void Remplir(TPeriodeMS& r, float debarque, float rejete, float valeur, float grise, float taxe)
{
    r.PoidsDebarque = debarque;
    r.PoidsRejete = rejete;
    r.Valeur = valeur;
    r.ValeurGrise = grise;
    r.Taxe = taxe;
}

using Bilans = Pecherie;

// Chalutiers: 10 vessels x 20 days, 500 a day, 100000 a year, crew 5;
// fileyeurs: 5 x 20, 200 a day, 40000 a year, crew 3; caseyeurs (no species
// described): 4 x 10, 100 a day, 20000 a year, crew 2.  One period a year.
// Phases 3 and 4 run on catch records filled by hand.
TEST_F(Bilans, MarginalEtPeriodeSommesDansLeBilan)
{
    Charger("eco_deux_metiers.vsc");
    Metier(bd, 0).Courante().SubventionJourMer = 100;
    Metier(bd, 0).Courante().SubventionPeriode = 2000;
    Remplir(Ouvert(Exploitee(bd, 0, 0)), 400, 50, 900, 100, 80);
    Remplir(Ouvert(Exploitee(bd, 0, 1)), 75, 0, 750, 0, 0);
    Remplir(Ouvert(Exploitee(bd, 1, 0)), 140, 10, 280, 0, 0);
    bd.Metiers.Faire(PhaseBilanMarginal, &bd.Contexte);
    bd.Bilans.AjouterElement(std::make_unique<TPeriodeBilan>(), nullptr);
    bd.Metiers.Faire(PhaseBilanPeriode, &bd.Contexte);

    // Marginal 1650 - (500 - 100) x 20 x 10; subsidies (20 x 100 + 2000) x
    // 10 less the tax of 80; fixed part (100000 - 2000) x 10.
    Attendre(Metier(bd, 0).Courante(), {475, 50, 1650, 100, -78350, -1058350, 39920});
    Attendre(Metier(bd, 1).Courante(), {140, 10, 280, 0, -19720, -219720, 0});
    // No exploited species: no turnover, the daily costs only.
    Attendre(Metier(bd, 2).Courante(), {0, 0, 0, 0, -4000, -84000, 0});

    const TPeriodeBilan& b = bd.Bilans.DernierElement<TPeriodeBilan>();
    EXPECT_FLOAT_EQ(b.PoidsDebarque, 615);
    EXPECT_FLOAT_EQ(b.PoidsRejete, 60);
    EXPECT_FLOAT_EQ(b.CA, 1930);
    EXPECT_FLOAT_EQ(b.CAGris, 100);
    EXPECT_FLOAT_EQ(b.Benefice, -1058350 - 219720 - 84000);
    EXPECT_FLOAT_EQ(b.SubventionsNettes, 39920);
    EXPECT_FLOAT_EQ(b.Effectifs, 5 * 10 + 3 * 5 + 2 * 4);
    EXPECT_FLOAT_EQ(b.JoursEquipage, 5 * 10 * 20 + 3 * 5 * 20 + 2 * 4 * 10);
}

// Whole periods: each condition adds up its species' records, each period
// balance adds up the conditions of its period, and a métier without species
// pays its days at sea net of the daily subsidy, period after period.
TEST_F(Bilans, PeriodesCompletes)
{
    Charger("eco_deux_metiers.vsc");
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
            const TCondition& c = Metier(bd, m).Conditions.A<TCondition>(t);
            float valeur = 0;
            for (int e = 0; e < Metier(bd, m).EspecesExploitees.Nombre(); ++e)
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
        Attendre(
            Metier(bd, 2).Conditions.A<TCondition>(t),
            {0, 0, 0, 0, -(100 - 30) * 10 * 4, -2800 - (20000 - 5000) * 4, (10 * 30 + 5000) * 4});
    }
}

// A fleet of no vessel costs and earns nothing, is paid no subsidy and
// counts no crew; a fleet that stays in port still pays its fixed costs.
// The fixed cost of a period is the annual cost divided by the periods of
// the year, net of the period subsidy, per vessel.
TEST_F(Bilans, SansNavireSansJourEtPartFixe)
{
    Charger("eco_un_metier.vsc");
    TCondition& c = Metier(bd, 0).Courante();
    c.NbNavires = 0;
    c.SubventionJourMer = 50;
    c.SubventionPeriode = 1000;
    c.TauxTaxeCA = 0.1f;
    bd.Pas();
    Attendre(Metier(bd, 0).Conditions.A<TCondition>(0), {});
    EXPECT_EQ(bd.Bilans.A<TPeriodeBilan>(0).Effectifs, 0);
    EXPECT_EQ(bd.Bilans.A<TPeriodeBilan>(0).JoursEquipage, 0);

    Metier(bd, 0).Courante().NbNavires = 10;
    Metier(bd, 0).Courante().NbJours = 0;
    bd.Pas();
    Attendre(Metier(bd, 0).Conditions.A<TCondition>(1), {0, 0, 0, 0, 0, -99000 * 10, 1000 * 10});
    EXPECT_FLOAT_EQ(bd.Bilans.A<TPeriodeBilan>(1).Effectifs, 50);
    EXPECT_EQ(bd.Bilans.A<TPeriodeBilan>(1).JoursEquipage, 0);

    for (const char* fichier : {"eco_un_metier.vsc", "eco_saisons.vsc"}) {
        SCOPED_TRACE(fichier);
        Charger(fichier);
        Metier(bd, 0).Courante().SubventionPeriode = 2500;
        bd.Pas();
        const TCondition& p = Metier(bd, 0).Conditions.A<TCondition>(0);
        EXPECT_GT(p.BilanMarginal, -100000);
        EXPECT_FLOAT_EQ(p.Benefice, p.BilanMarginal - (100000.0f / bd.NbPeriodesAn - 2500) * 10);
    }
}

using RetourArriere = Pecherie;

// Stepping back drops the open condition and catch record and reopens the
// previous ones with zero accounts and the measures of the undone period; a
// new step then gives the same accounts as the first time.
TEST_F(RetourArriere, RouvreLaDerniereCondition)
{
    Charger("eco_un_metier.vsc");
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
    EXPECT_EQ(Mesures(m.Courante()), (MesuresCondition{70, 20, 10, 80, 0, 0, 0, 0}));
    Attendre(m.Courante(), {});
    ASSERT_EQ(x.PeriodesMS.Nombre(), 1);
    Attendre(Ouvert(x), {});
    EXPECT_EQ(bd.Bilans.Nombre(), 0);

    bd.Pas();
    EXPECT_EQ(m.Conditions.A<TCondition>(0).CA, ca);
    EXPECT_EQ(m.Conditions.A<TCondition>(0).Benefice, benefice);
    EXPECT_EQ(x.PeriodesMS.A<TPeriodeMS>(0).Valeur, valeur);
    EXPECT_EQ(bd.Bilans.A<TPeriodeBilan>(0).CA, ca);
}

// Phase 9 on a métier that holds only its first condition removes nothing:
// it zeroes the accounts and keeps the measures.
TEST_F(RetourArriere, UneSeuleConditionEstRemiseAZero)
{
    Charger("eco_un_metier.vsc");
    TMetierEco& m = Metier(bd, 0);
    TCondition& c = m.Courante();
    c.CA = 5;
    c.Benefice = -4;
    c.PoidsDebarque = c.PoidsRejete = c.CAGris = c.BilanMarginal = c.SubventionsNettes = 3;
    c.TauxTaxeCA = 0.2f;
    Remplir(Ouvert(Exploitee(bd, 0, 0)), 1, 2, 3, 4, 5);
    Ouvert(Exploitee(bd, 0, 0)).NbDebarques = Ouvert(Exploitee(bd, 0, 0)).NbRejetes = 6;
    bd.Metiers.Faire(PhaseRetour, &bd.Contexte);

    ASSERT_EQ(m.Conditions.Nombre(), 1);
    EXPECT_EQ(&m.Courante(), &c);
    Attendre(c, {});
    EXPECT_EQ(Mesures(c), (MesuresCondition{70, 20, 10, 80, 0, 0, 0.2f, 0}));
    const TEspeceExp& x = Exploitee(bd, 0, 0);
    ASSERT_EQ(x.PeriodesMS.Nombre(), 1);
    Attendre(Ouvert(x), {});
    EXPECT_EQ(Ouvert(x).Tailles.Premier, 10);
    EXPECT_EQ(Ouvert(x).Tailles.Nombre(), 4);
}

using Saisons = Pecherie;

// Four periods a year; season s has catchability s / 1000 and price s.  The
// record of period t (from 0) uses season t mod 4.  Only the open record
// keeps the per-size mortality: a closed one hands it on.
TEST_F(Saisons, LIndiceDeSaisonTourne)
{
    Charger("eco_saisons.vsc");
    ASSERT_EQ(bd.NbPeriodesAn, 4);
    const TEspeceExp& x = Exploitee(bd, 0, 0);
    ASSERT_EQ(x.PeriodesAn.Nombre(), 4);
    for (int t = 0; t < 6; ++t) {
        SCOPED_TRACE(t);
        const int saison = t % 4 + 1;
        EXPECT_EQ(&x.SaisonCourante(bd), &x.PeriodesAn.A<TPeriodeAn>(t % 4));
        Mortalites(bd);
        const TPeriodeMS& r = x.PeriodesMS.A<TPeriodeMS>(t);
        ASSERT_EQ(&r, &Ouvert(x));
        ASSERT_EQ(r.Tailles.Nombre(), 2);
        EXPECT_FLOAT_EQ(r.Tailles.A<TTailleS>(0).F, 0.2f * saison);
        EXPECT_FLOAT_EQ(r.Tailles.A<TTailleS>(1).F, 0.2f * saison);
        bd.Pas();
        ASSERT_GT(r.PoidsDebarque, 0);
        EXPECT_FLOAT_EQ(r.Valeur / r.PoidsDebarque, saison);
        EXPECT_EQ(r.Tailles.Nombre(), 0);
        EXPECT_EQ(Ouvert(x).Tailles.Nombre(), 2);
    }
    // A step back gives the table back to the reopened record.
    bd.PasEnArriere();
    EXPECT_EQ(x.PeriodesMS.Nombre(), 6);
    EXPECT_EQ(Ouvert(x).Tailles.Nombre(), 2);
    EXPECT_EQ(Ouvert(x).Tailles.Premier, 10);
    EXPECT_EQ(x.PeriodesMS.A<TPeriodeMS>(4).Tailles.Nombre(), 0);
}

// The line a read error names, 0 when the file is accepted, and what it says
// was expected there.
std::pair<int, std::string> Erreur(TBDVasco& bd, const std::string& texte)
{
    try {
        ChargerTexte(bd, texte);
    } catch (const ErreurLecture& e) {
        return {e.Ligne(), e.Attendu()};
    }
    return {0, ""};
}

using Chargement = Pecherie;

// A métier that fishes a species not described before it is refused at
// load, at the line of the name; names are compared whole and
// case-sensitively.
TEST_F(Chargement, EspeceExploiteeInconnue)
{
    std::ifstream fichier(FichierTest("eco_un_metier.vsc"), std::ios::binary);
    std::ostringstream lu;
    lu << fichier.rdbuf();
    const std::string texte = lu.str();
    EXPECT_EQ(Erreur(bd, texte).first, 0);
    const size_t merlu = texte.find("\nMerlu\n---- Chalutiers");
    ASSERT_NE(merlu, std::string::npos);
    for (const std::string autre : {"Merlan", "merlu", "Merlu "}) {
        SCOPED_TRACE(autre);
        const std::string modifie = texte.substr(0, merlu + 1) + autre + texte.substr(merlu + 6);
        EXPECT_EQ(Erreur(bd, modifie),
                  std::pair(33, "nom d'une espèce déjà décrite attendu, trouvé « " + autre + " »"));
    }
}

using Calcul = Pecherie;

// Graph values of a condition and of a catch record: each divided by the
// divisor of its display scale (k + 2 for scale k in the test files);
// per-vessel values of a fleet with no vessel are 0; unknown codes are 0.
TEST_F(Calcul, ValeursDesGraphes)
{
    Charger("eco_un_metier.vsc");
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

    TPeriodeMS& r = Ouvert(Exploitee(bd, 0, 0));
    Remplir(r, 300, 60, 1000, 0, 0);
    r.NbDebarques = 1400;
    r.NbRejetes = 70;
    EXPECT_NEAR(r.Calcul(CodeCapturesPoids, ctx), 120, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeValeurDebarquements, ctx), 500, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeCapturesNombres, ctx), 98, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeRejetsNombre, ctx), 70.0L / 15, 1e-9);
    EXPECT_NEAR(r.Calcul(CodeRejetsPoids, ctx), 20, 1e-9);
    EXPECT_EQ(r.Calcul(60, ctx), 0);
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

class Graphes : public Pecherie {
protected:
    void SetUp() override { Charger("eco_deux_metiers.vsc"); }

    // Opens the graphs of a code through the métier list: one window per
    // métier or per exploited species, each given the help context.
    void Ouvrir(const std::vector<Attendu>& attendus)
    {
        hote.Graphes.clear();
        hote.ContextesAide.clear();
        bd.Metiers.FaireDans(&hote, attendus[0].Code, &bd.Contexte);
        ASSERT_EQ(hote.Graphes.size(), attendus.size()) << int(attendus[0].Code);
        for (size_t i = 0; i < attendus.size(); ++i)
            Verifier(hote.Graphes[i], attendus[i]);
        EXPECT_EQ(hote.ContextesAide, std::vector<int>(attendus.size(), attendus[0].Aide));
    }

    // The title, list, codes, scale and colours of the window; thirty
    // periods on the main window's step control, and the fixed layout.
    void Verifier(const TParamGraphe& p, const Attendu& a)
    {
        SCOPED_TRACE(a.Titre);
        EXPECT_EQ(p.Titre, a.Titre);
        EXPECT_EQ(p.Famille, a.Famille);
        EXPECT_EQ(p.Liste, a.Liste);
        EXPECT_EQ(p.Contexte, &bd.Contexte);
        EXPECT_EQ(p.Magneto, &hote.LeMagneto);
        EXPECT_EQ(p.Code, a.Code);
        EXPECT_EQ(p.YMax, 100.0f * (a.Echelle + 1));
        EXPECT_EQ(p.TitreY, bd.EchelleUnite[a.Echelle]);
        EXPECT_EQ(p.CouleurFond, a.Fond);
        EXPECT_EQ(p.AffPeriode, hote.NumeroPeriode);
        EXPECT_EQ(std::tuple(p.YMin, p.XMin, p.XMax, p.TitreX, p.LectureClic, p.Type, p.Marque),
                  std::tuple(0.0f, 0, 29, "Années", true, TTypeGraphe::Histo3D, '+'));
        EXPECT_EQ(p.CouleurTexte, (TCouleur{0, 0, 0}));
        if (a.Famille == TFamilleGraphe::Graph) {
            EXPECT_EQ(std::tuple(p.NbSeries, p.Serie, p.Couleur), std::tuple(1, 1, 0));
            return;
        }
        EXPECT_EQ(p.Code2, a.Code2);
        if (a.Famille == TFamilleGraphe::Graph2) {
            EXPECT_EQ(std::tuple(p.Couleur, p.Couleur2, p.Marque2),
                      std::tuple(a.Couleur, a.Couleur2, '*'));
        }
    }
};

// Every graph of a métier, one window per métier titled by its name, with
// the period numbers shown or not.
TEST_F(Graphes, FenetresDesMetiers)
{
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
            std::vector<Attendu> fenetres;
            for (int i = 0; i < 3; ++i) {
                Attendu autre = a;
                autre.Titre.replace(autre.Titre.find("Chalutiers"), 10, Metier(bd, i).Nom);
                autre.Liste = &Metier(bd, i).Conditions;
                fenetres.push_back(autre);
            }
            Ouvrir(fenetres);
        }
    }
}

// Catch graphs: one per exploited species, titled by métier and species;
// other codes open nothing; a window that cannot be created gets no help
// context, and the feeder says so.
TEST_F(Graphes, FenetresDesEspecesExploitees)
{
    const TCouleur cyan{0, 255, 255};
    using F = TFamilleGraphe;
    const Attendu especes[] = {
        {71, "Captures et rejets (Poids) ", F::Graph2, 75, 1, cyan, 142, nullptr, 1, 3},
        {72, "Valeur des débarquements ", F::Graph, 0, 0, cyan, 143},
        {73, "Captures et rejets ", F::Graph2, 74, 13, cyan, 143, nullptr, 0, 3},
    };
    const struct {
        int metier, espece;
        const char* suite;
    } exploitees[] = {
        {0, 0, "Chalutiers Merlu"}, {0, 1, "Chalutiers Sole"}, {1, 0, "Fileyeurs Merlu"}};
    for (const Attendu& a : especes) {
        std::vector<Attendu> fenetres;
        for (const auto& x : exploitees) {
            Attendu autre = a;
            autre.Titre += x.suite;
            autre.Liste = &Exploitee(bd, x.metier, x.espece).PeriodesMS;
            fenetres.push_back(autre);
        }
        Ouvrir(fenetres);
    }

    hote.Graphes.clear();
    hote.ContextesAide.clear();
    for (int code : {0, 61, 66, 70, 74, 81, 91, 255})
        bd.Metiers.FaireDans(&hote, static_cast<uint8_t>(code), &bd.Contexte);
    EXPECT_TRUE(hote.Graphes.empty());
    EXPECT_TRUE(hote.ContextesAide.empty());

    hote.EchecOuverture = true;
    for (uint8_t code : {60, 62, 71})
        bd.Metiers.FaireDans(&hote, code, &bd.Contexte);
    EXPECT_TRUE(hote.ContextesAide.empty());
    EXPECT_EQ(messages.Nombre("UListe/TSupListe.AfficheEco"), 3);
    EXPECT_EQ(messages.Nombre("Uliste/TsupListe.AfficheGraph"), 3);
    EXPECT_EQ(messages.Nombre("Uliste/TsupListe.AfficheGraph2"), 3);
    messages.Effacer();
}

} // namespace
} // namespace vasco::test
