// The period step of the species: catches, recruitment, survival and growth,
// step back, graph values and graph windows.
#include "biology/UMath.h"
#include "tests/biology/TexteBio.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numeric>
#include <tuple>

namespace vasco::test {
namespace {

TEST(Captures, EquationDeBaranovEtMoinsDUnPoisson)
{
    Messages messages;
    const auto capturer = [](float n, float f, float m) {
        TTailleES e;
        e.Effectif = n;
        e.F = f;
        e.Captures = e.PoidsCaptures = e.Biomasse = -1;
        auto c = TTailleC::Create(0, 2.0f, m);
        e.Combiner(*c, PhaseCaptures, nullptr);
        return e;
    };
    // (1 - e^-0.3) x 0.2 / 0.3 x 1000.
    TTailleES e = capturer(1000, 0.2f, 0.1f);
    EXPECT_NEAR(e.Captures, 172.78785, 1e-3);
    EXPECT_FLOAT_EQ(e.PoidsCaptures, 2 * e.Captures);
    EXPECT_FLOAT_EQ(e.Biomasse, 2000);

    // 0.864 fish caught count as none; no fishing, no catch.
    e = capturer(5, 0.2f, 0.1f);
    EXPECT_EQ(std::tuple(e.Captures, e.PoidsCaptures, e.Biomasse), std::tuple(0, 0, 10));
    EXPECT_EQ(capturer(1e6f, 0, 0.1f).Captures, 0);
    EXPECT_TRUE(messages.Textes().empty());
}

// A total mortality Z of 0 takes the limit F x N; an F held at the largest
// float (a collapsed stock) takes the whole class, to float rounding; a
// class and a weight near the float limits give weights held at FLT_MAX.
TEST(Captures, MortaliteNulleOuSansBorne)
{
    Messages messages;
    constexpr float M = FLT_MAX;
    const struct {
        float N, F, Mortalite, Poids;
        float Captures, PoidsCaptures, Biomasse;
    } cas[] = {
        {1000, 0, 0, 2, 0, 0, 2000},
        {1000, 0.25f, -0.25f, 2, 250, 500, 2000},
        {1000, M, 0.1f, 2, 1000, 2000, 2000},
        // F + M beyond a float: every fish dies, half of them of fishing.
        {1000, M, M, 2, 500, 1000, 2000},
        {1e30f, M, 0, 1e10f, 1e30f, M, M},
        {M, M, 0.1f, 2, M, M, M},
        {0.5f, M, 0.1f, 2, 0, 0, 1},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << k.N << " poissons, F " << k.F << ", M " << k.Mortalite);
        TTailleES e;
        e.Effectif = k.N;
        e.F = k.F;
        auto c = TTailleC::Create(0, k.Poids, k.Mortalite);
        e.Combiner(*c, PhaseCaptures, nullptr);
        EXPECT_FLOAT_EQ(e.Captures, k.Captures);
        EXPECT_FLOAT_EQ(e.PoidsCaptures, k.PoidsCaptures);
        EXPECT_FLOAT_EQ(e.Biomasse, k.Biomasse);
    }
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{});
}

// A species of two classes: recruits enter class 10 and everything there
// grows into class 11, so class 10 of a new state holds only its recruits.
struct Recrutement : ::testing::Test {
    HoteEnregistreur hote;
    TBDVasco bd{&hote};

    TEspece& Charger(int seuil)
    {
        Espece e;
        e.Seuil = seuil;
        e.Maturite = 11;
        e.Saisons = {SaisonDe({{1, 1, 0.1f}, {0, 1, 0.1f}}, 10, {100})};
        ChargerTexte(bd, Fichier(1, {Texte(e)}));
        return EspeceN(bd, 0);
    }
    // Opens the next state from a previous spawning biomass.
    float Recrues(TEspece& espece, float biomasseFeconde)
    {
        espece.Courant().BiomasseFeconde = biomasseFeconde;
        bd.Especes.Faire(PhaseOuverture, &bd.Contexte);
        const float recrues = Classe(espece.Courant(), 0).Effectif;
        bd.Especes.Faire(PhaseRetour, &bd.Contexte);
        return recrues;
    }
};

// The threshold is half the virgin spawning biomass; below it recruitment
// is in proportion.  A zero threshold never reduces it.
TEST_F(Recrutement, SeuilDeBiomasseFeconde)
{
    TEspece& espece = Charger(50);
    const float bfv = espece.BiomasseFecondeVierge;
    ASSERT_GT(bfv, 0);
    EXPECT_EQ(Recrues(espece, bfv), 100);
    EXPECT_EQ(Recrues(espece, bfv / 2), 100);
    EXPECT_EQ(Recrues(espece, bfv / 4), 50);
    EXPECT_EQ(Recrues(espece, 0), 0);
    espece.Courant().BiomasseFeconde = bfv / 4;
    bd.Especes.Faire(PhaseOuverture, &bd.Contexte);
    EXPECT_EQ(espece.Courant().FacteurRecrutement, 0.5f);

    TEspece& sansSeuil = Charger(0);
    EXPECT_EQ(Recrues(sansSeuil, 0), 100);
    EXPECT_EQ(Recrues(sansSeuil, sansSeuil.BiomasseFecondeVierge / 100), 100);
    // A negative spawning biomass (weights below 0 are read) has no
    // proportion of a zero threshold to take.
    Messages messages;
    EXPECT_EQ(Recrues(sansSeuil, -5), 100);
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{});
}

// Recruits at the largest float, a century without deaths: numbers and
// biomasses are held at FLT_MAX where they are stored, never infinite, in
// the virgin stock and in the periods after it.
TEST(Bornes, EffectifsEtBiomassesTenusAuPlusGrandFlottant)
{
    Messages messages;
    HoteEnregistreur hote;
    TBDVasco bd{&hote};
    Espece e;
    e.Seuil = 50;
    e.Maturite = 11;
    e.Saisons = {SaisonDe({{0, 2, 0}, {0, 3, 0}}, 10, {FLT_MAX, FLT_MAX})};
    ChargerTexte(bd, Fichier(1, {Texte(e)}));
    TEspece& espece = EspeceN(bd, 0);
    EXPECT_EQ(espece.BiomasseVierge, FLT_MAX);
    EXPECT_EQ(espece.BiomasseFecondeVierge, FLT_MAX);
    bd.Pas();
    bd.Pas();
    for (int t = 0; t < espece.Periodes.Nombre(); ++t) {
        SCOPED_TRACE(t);
        const TPeriodeES& p = espece.Periodes.A<TPeriodeES>(t);
        EXPECT_EQ(Effectifs(p), (std::vector<float>{FLT_MAX, FLT_MAX}));
        EXPECT_EQ(std::tuple(p.Biomasse, p.BiomasseFeconde), std::tuple(FLT_MAX, FLT_MAX));
    }
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{});
}

TEST_F(Recrutement, FacteurAleatoireCommunAuxClassesPropreAChaqueEspece)
{
    // Classes 10 and 11 receive nothing but recruits: both grow two classes.
    Espece e;
    e.Alea = 0.8f;
    e.Saisons = {
        SaisonDe({{2, 1, 0.1f}, {2, 1, 0.1f}, {1, 1, 0.1f}, {0, 1, 0.1f}}, 10, {1000, 500})};
    ChargerTexte(bd, Fichier(1, {Texte(e), Texte(e)}));
    hote.Recrutement = true;
    const int lectures = hote.LecturesRecrutement;
    FixerGraine(99);
    bd.Especes.Faire(PhaseOuverture, &bd.Contexte);
    EXPECT_EQ(hote.LecturesRecrutement, lectures + 2);

    const TPeriodeES& a = EspeceN(bd, 0).Courant();
    const TPeriodeES& b = EspeceN(bd, 1).Courant();
    EXPECT_NE(a.FacteurRecrutement, 1.0f);
    EXPECT_EQ(Classe(a, 0).Effectif, static_cast<float>(1000.0L * a.FacteurRecrutement));
    EXPECT_EQ(Classe(a, 1).Effectif, static_cast<float>(500.0L * a.FacteurRecrutement));
    // Each species draws its own factor, even within one period.
    EXPECT_NE(a.FacteurRecrutement, b.FacteurRecrutement);
}

// A spread at the largest float puts the exponent (g - 0.5) s^2 beyond the
// float range: held at the largest float of its sign, e^x outside +-87 is 0,
// and every seed gives a factor of 0, not an infinity.
TEST_F(Recrutement, AleaAuPlusGrandFlottant)
{
    Espece e;
    e.Alea = FLT_MAX;
    e.Saisons = {SaisonDe({{1, 1, 0.1f}, {0, 1, 0.1f}}, 10, {1000})};
    ChargerTexte(bd, Fichier(1, {Texte(e)}));
    hote.Recrutement = true;
    for (uint32_t graine : {1u, 2u, 99u}) {
        SCOPED_TRACE(graine);
        FixerGraine(graine);
        bd.Especes.Faire(PhaseOuverture, &bd.Contexte);
        EXPECT_EQ(EspeceN(bd, 0).Courant().FacteurRecrutement, 0);
        EXPECT_EQ(Classe(EspeceN(bd, 0).Courant(), 0).Effectif, 0);
        bd.Especes.Faire(PhaseRetour, &bd.Contexte);
    }
}

// One period of survival and growth without mortality, from numbers set by
// hand in the virgin state of a species of five classes without recruits.
std::vector<float> UnePeriode(const std::vector<float>& croissances,
                              const std::vector<float>& effectifs, bool croissanceAleatoire)
{
    Espece e;
    e.Saisons = {{}};
    for (float c : croissances)
        e.Saisons[0].Classes.push_back({c, 1, 0});
    HoteEnregistreur hote;
    TBDVasco bd(&hote);
    ChargerTexte(bd, Fichier(1, {Texte(e)}));
    hote.Croissance = croissanceAleatoire;
    for (size_t i = 0; i < effectifs.size(); ++i)
        Classe(EspeceN(bd, 0).Courant(), static_cast<int>(i)).Effectif = effectifs[i];
    bd.Especes.Faire(PhaseOuverture, &bd.Contexte);
    EXPECT_EQ(EspeceN(bd, 0).Periodes.Nombre(), 2);
    return Effectifs(EspeceN(bd, 0).Courant());
}

float Total(const std::vector<float>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0f);
}

void ProcheDe(const std::vector<float>& v, const std::vector<float>& attendu)
{
    ASSERT_EQ(v.size(), attendu.size());
    for (size_t i = 0; i < v.size(); ++i)
        EXPECT_NEAR(v[i], attendu[i], 1e-4) << "classe " << i;
}

TEST(Croissance, SansAleaLesPartsDeCinqPoissonsOuMoinsSontPerdues)
{
    const std::vector<float> g = {0.4f, 0, 0, 0, 0};
    // 8 fish split 4.8 / 3.2: nothing arrives.
    EXPECT_EQ(UnePeriode(g, {8, 0, 0, 0, 0}, false), (std::vector<float>(5, 0)));
    // 10 fish split 6 / 4: only the larger share arrives.
    ProcheDe(UnePeriode(g, {10, 0, 0, 0, 0}, false), {6, 0, 0, 0, 0});
    // 1.5 classes: half one class up, half two.
    EXPECT_EQ(UnePeriode({1.5f, 0, 0, 0, 0}, {100, 0, 0, 0, 0}, false),
              (std::vector<float>{0, 50, 50, 0, 0}));
}

TEST(Croissance, EtalementsAleatoiresSansPerteAuxDeuxBouts)
{
    // Narrow (1-2-1): the quarter of the share below class 10 stays in 10.
    ProcheDe(UnePeriode({0.4f, 0, 0, 0, 0}, {8, 0, 0, 0, 0}, true), {4.4f, 2.8f, 0.8f, 0, 0});
    // Wide (1-2-4-2-1), the smallest class growing 2.5 classes: class 10
    // goes to 12 and 13, cut at the largest class; class 11 stays, spread
    // from below class 10 to 13.
    ProcheDe(UnePeriode({2.5f, 0, 0, 0, 0}, {100, 0, 0, 0, 0}, true), {5, 15, 30, 30, 20});
    ProcheDe(UnePeriode({2.5f, 0, 0, 0, 0}, {0, 100, 0, 0, 0}, true), {30, 40, 20, 10, 0});

    const std::vector<float> n = {100, 200, 300, 400, 500};
    for (const auto& g : std::vector<std::vector<float>>{
             {1.7f, 0.3f, 2.2f, 1.0f, 0}, {2.6f, 1.3f, 0.8f, 1.5f, 0}, {0, 0, 0, 0, 0}}) {
        EXPECT_NEAR(Total(UnePeriode(g, n, true)), 1500, 1e-3);
        EXPECT_NEAR(Total(UnePeriode(g, n, false)), 1500, 1e-3);
    }
}

struct DeuxSaisons : ::testing::Test {
    Messages messages;
    HoteEnregistreur hote;
    TBDVasco bd{&hote};
    TEspece* merlu = nullptr;

    void SetUp() override
    {
        bd.Charger(FichierTest("bio_deux_saisons.vsc"));
        merlu = &EspeceN(bd, 0);
    }
    TPeriodeES& Etat(int t) { return merlu->Periodes.A<TPeriodeES>(t); }
};

// State t takes season t mod 2: its survival, growth, recruits and biomass
// when it is opened, its natural mortality and weights in its catches.
TEST_F(DeuxSaisons, ChaqueEtatPrendLaSaisonDeSonRang)
{
    const std::vector<float> n0 = Effectifs(Etat(0));
    bd.Pas();
    ASSERT_EQ(merlu->Periodes.Nombre(), 2);
    EXPECT_FLOAT_EQ(Classe(Etat(0), 1).Biomasse, 0.5f * n0[1]);
    EXPECT_FLOAT_EQ(Classe(Etat(1), 0).Effectif, n0[0] * std::exp(-0.3f));
    EXPECT_FLOAT_EQ(Classe(Etat(1), 1).Effectif, n0[1] * std::exp(-0.3f));
    EXPECT_FLOAT_EQ(Etat(1).Biomasse, 0.6f * (n0[0] + n0[1]) * std::exp(-0.3f));
    EXPECT_FLOAT_EQ(Etat(1).BiomasseFeconde, 0.6f * n0[1] * std::exp(-0.3f));
    EXPECT_EQ(Etat(1).FacteurRecrutement, 1.0f);

    // Period 1 fished by hand between phases 1 and 2.
    bd.Especes.Faire(PhaseMortalite, &bd.Contexte);
    Classe(Etat(1), 0).F = 0.2f;
    bd.Especes.Faire(PhaseCaptures, &bd.Contexte);
    const float n1 = Classe(Etat(1), 0).Effectif;
    EXPECT_NEAR(Classe(Etat(1), 0).Captures, (1 - std::exp(-0.5)) * 0.2 / 0.5 * n1, 1e-2);
    EXPECT_FLOAT_EQ(Classe(Etat(1), 1).Biomasse, 0.6f * Classe(Etat(1), 1).Effectif);
    bd.Especes.Faire(PhaseOuverture, &bd.Contexte);

    // Back in season 1: recruits again, and the virgin equilibrium where
    // nobody fished.
    EXPECT_NEAR(Classe(Etat(2), 0).Effectif, n1 * std::exp(-0.4) + 1000, 1e-2);
    EXPECT_NEAR(Classe(Etat(2), 1).Effectif, n0[1], n0[1] * 1e-5);
    EXPECT_NEAR(Etat(2).BiomasseFeconde, merlu->BiomasseFecondeVierge, 1e-2);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(DeuxSaisons, PasSansMetierPuisRetourAuStockVierge)
{
    TPeriodeES& vierge = Etat(0);
    vierge.QuotaActif = 1;
    vierge.Quota = 500;
    vierge.TailleMinActive = 1;
    vierge.TailleMin = 12;
    const std::vector<float> n0 = Effectifs(vierge);

    bd.Pas();
    bd.Pas();
    EXPECT_EQ(bd.NbPeriodes(), 2);
    EXPECT_EQ(bd.Bilans.A<TEL>(1).Calcul(50, &bd.Contexte), 0);
    EXPECT_EQ(merlu->Periodes.Nombre(), 3);
    EXPECT_EQ(EspeceN(bd, 1).Periodes.Nombre(), 3);
    // The measures are carried forward; the current state's may change.
    EXPECT_EQ(merlu->Courant().Quota, 500);
    EXPECT_EQ(merlu->Courant().TailleMin, 12);
    EXPECT_EQ(merlu->Courant().Tailles.Premier, 10);
    merlu->Courant().Quota = 900;

    bd.PasEnArriere();
    bd.PasEnArriere();
    EXPECT_EQ(bd.NbPeriodes(), 0);
    ASSERT_EQ(merlu->Periodes.Nombre(), 1);
    EXPECT_EQ(&merlu->Courant(), &vierge);
    EXPECT_EQ(Effectifs(vierge), n0);
    EXPECT_EQ(std::tuple(vierge.Quota, vierge.QuotaActif, vierge.TailleMin),
              std::tuple(500, 1, 12));
    EXPECT_EQ(vierge.Biomasse, merlu->BiomasseVierge);
    EXPECT_EQ(vierge.BiomasseFeconde, merlu->BiomasseFecondeVierge);
    // The context holds the reopened states, nothing of the dropped ones.
    EXPECT_EQ(bd.Contexte.Lire(2), &EspeceN(bd, 1).Courant());
    EXPECT_EQ(bd.Contexte.Lire(3), nullptr);

    // The virgin stock is never removed.
    bd.PasEnArriere();
    merlu->Faire(PhaseRetour, &bd.Contexte);
    EXPECT_EQ(merlu->Periodes.Nombre(), 1);
    EXPECT_EQ(hote.Derniers, (std::vector<int32_t>{0, 1, 0, -1}));
    EXPECT_TRUE(messages.Textes().empty());
}

TEST_F(DeuxSaisons, ValeursDesGraphesSurLeursEchelles)
{
    // The file divides the numbers (scale 9) by 10.
    TTailleES& c = Classe(Etat(0), 0);
    c.Captures = 30;
    c.F = 0.25f;
    EXPECT_FLOAT_EQ(c.Calcul(CodeEffectif, &bd.Contexte), c.Effectif / 10);
    EXPECT_FLOAT_EQ(c.Calcul(CodeCapturesNombre, &bd.Contexte), 3);
    EXPECT_FLOAT_EQ(c.Calcul(CodeCapturesNombreTaille, &bd.Contexte), 30);
    EXPECT_FLOAT_EQ(c.Calcul(CodeFTaille, &bd.Contexte), 0.25f);
    EXPECT_FLOAT_EQ(Etat(0).Calcul(CodeBiomasse, &bd.Contexte), merlu->BiomasseVierge);
    EXPECT_EQ(c.Calcul(CodeBiomasse, &bd.Contexte), 0);
    EXPECT_EQ(Etat(0).SousListe(0), &Etat(0).Tailles);
    EXPECT_TRUE(messages.Textes().empty());

    bd.EchelleDiviseur[9] = 0;
    bd.EchelleDiviseur[8] = 0;
    EXPECT_EQ(c.Calcul(CodeEffectif, &bd.Contexte), 0);
    EXPECT_FLOAT_EQ(c.Calcul(CodeCapturesNombreTaille, &bd.Contexte), 30);
    EXPECT_EQ(Etat(0).Calcul(CodeBiomasseFeconde, &bd.Contexte), 0);
    EXPECT_EQ(messages.Textes(),
              (std::vector<std::string>{"UBiolo/TTailleES.Calcul", "UBiolo/TPeriodeES.Calcul"}));
}

struct Attendu {
    uint8_t Code, Code2;
    TFamilleGraphe Famille;
    std::string Titre;
    int Echelle;
    bool ParTaille;
    uint8_t Couleur, Couleur2;
    int Aide;
};

TEST_F(DeuxSaisons, SixGraphesParEspece)
{
    using F = TFamilleGraphe;
    const Attendu graphes[] = {
        {81, 82, F::Graph2, "Biomasses : ", 8, false, 1, 2, 132},
        {83, 84, F::DynaDouble, "Composition en taille (population et captures) : ", 9, true, 1, 0,
         135},
        {85, 0, F::Dyna, "Captures (composition en taille) ", 12, true, 0, 0, 133},
        {86, 87, F::DynaDouble, "Biomasse et captures (poids) par taille ", 10, true, 1, 2, 131},
        {88, 0, F::Dyna, "Captures (Poids) par taille ", 14, true, 2, 0, 134},
        {89, 0, F::Dyna, "F selon la taille ", 11, true, 2, 0, 136},
    };
    hote.LeMagneto.Position = 3;
    hote.NumeroPeriode = false;
    for (const Attendu& a : graphes) {
        hote.Graphes.clear();
        hote.ContextesAide.clear();
        bd.Especes.FaireDans(&hote, a.Code, &bd.Contexte);
        ASSERT_EQ(hote.Graphes.size(), 2u) << int(a.Code);
        const TParamGraphe& p = hote.Graphes[0];
        EXPECT_EQ(p.Famille, a.Famille);
        EXPECT_EQ(p.Liste, &merlu->Periodes);
        EXPECT_EQ(p.Contexte, &bd.Contexte);
        EXPECT_EQ(p.Magneto, &hote.LeMagneto);
        EXPECT_EQ(p.Titre, a.Titre + "Merlu du golfe");
        EXPECT_EQ(hote.Graphes[1].Titre, a.Titre + "Sole");
        EXPECT_EQ(p.Code, a.Code);
        if (a.Famille != F::Dyna) {
            EXPECT_EQ(std::tuple(p.Code2, p.Couleur2, p.Marque2),
                      std::tuple(a.Code2, a.Couleur2, '*'));
        }
        EXPECT_EQ(p.YMax, 1000 + a.Echelle);
        EXPECT_EQ(p.XMin, a.ParTaille ? 8 : 0);
        EXPECT_EQ(p.XMax, a.ParTaille ? 30 : 29);
        EXPECT_EQ(p.TitreX, a.ParTaille ? "cm" : "Semestres");
        EXPECT_EQ(p.TitreY, "unité " + std::to_string(a.Echelle));
        EXPECT_EQ(p.CouleurFond, (TCouleur{255, 255, 0}));
        EXPECT_EQ(p.CouleurTexte, (TCouleur{0, 0, 0}));
        EXPECT_EQ(p.Couleur, a.Couleur);
        EXPECT_EQ(std::tuple(p.YMin, p.LectureClic, p.Type, p.Marque, p.NbSeries, p.Serie),
                  std::tuple(0.0f, true, TTypeGraphe::Histo3D, '+', 1, 1));
        EXPECT_EQ(std::tuple(p.CodeListe, p.AffPeriode), std::tuple(0, false));
        EXPECT_EQ(hote.ContextesAide, (std::vector<int>{a.Aide, a.Aide}));
    }

    hote.Graphes.clear();
    hote.ContextesAide.clear();
    bd.Especes.FaireDans(&hote, 90, &bd.Contexte);
    EXPECT_TRUE(hote.Graphes.empty());

    // A window that cannot be created: the feeder's message, and no help
    // context given to another window.
    hote.EchecOuverture = true;
    bd.Especes.FaireDans(&hote, CodeFTaille, &bd.Contexte);
    EXPECT_EQ(messages.Textes(), (std::vector<std::string>(2, "Uliste/TsupListe.AffDyna")));
    EXPECT_TRUE(hote.ContextesAide.empty());
}

} // namespace
} // namespace vasco::test
