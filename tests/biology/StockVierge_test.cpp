// Reading a species and its virgin stock.
#include "tests/biology/TexteBio.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vasco::test {
namespace {

// Sum of e^(-m y) for y = 0 .. 99: a cohort recruited every year for a hundred
// years, thinned by m each year.
double Somme(double m)
{
    double s = 0;
    for (int y = 0; y < 100; ++y)
        s += std::exp(-m * y);
    return s;
}

TEST(Espece, LectureDuFichierAvecSaisonsEtRepetitions)
{
    Messages messages;
    HoteEnregistreur hote;
    TBDVasco bd(&hote);
    bd.Charger(FichierTest("bio_deux_saisons.vsc"));

    ASSERT_EQ(bd.Especes.Nombre(), 2);
    const TEspece& merlu = EspeceN(bd, 0);
    EXPECT_EQ(merlu.Nom, "Merlu du golfe");
    EXPECT_FLOAT_EQ(merlu.AleaRecrutement, 0.4f);
    EXPECT_EQ(merlu.Entier1, 7);
    EXPECT_EQ(merlu.SeuilRecrutement, 20);
    EXPECT_EQ(merlu.ClasseMaturite, 11);
    ASSERT_EQ(merlu.PeriodesAn.Nombre(), 2);

    // Classes 10 to 12 repeated twice: six entries numbered from 10.
    const TPeriodeEAn& s0 = merlu.PeriodesAn.A<TPeriodeEAn>(0);
    EXPECT_EQ(s0.Tailles.Premier, 10);
    EXPECT_EQ(s0.Tailles.Dernier, 15);
    EXPECT_FLOAT_EQ(s0.Tailles.A<TTailleC>(1).Poids, 0.5f);
    EXPECT_FLOAT_EQ(s0.Tailles.A<TTailleC>(2).Poids, 1.0f);
    EXPECT_FLOAT_EQ(s0.Tailles.A<TTailleC>(5).MortaliteNaturelle, 0.2f);
    EXPECT_EQ(s0.Recrutements.Premier, 10);
    EXPECT_FLOAT_EQ(s0.Recrutements.A<TTailleR>(1).PartRecrutement, 500);
    EXPECT_TRUE(merlu.PeriodesAn.A<TPeriodeEAn>(1).Recrutements.Vide());
    EXPECT_EQ(merlu.NbClasses(), 6);
    EXPECT_EQ(merlu.PremiereClasse(), 10);

    // One period state, the virgin stock, on the species' classes.
    ASSERT_EQ(merlu.Periodes.Nombre(), 1);
    EXPECT_EQ(merlu.Courant().Tailles.Premier, 10);
    EXPECT_EQ(merlu.Courant().Tailles.Nombre(), 6);
    EXPECT_EQ(merlu.Courant().FacteurRecrutement, 0);

    // No growth: each recruited class keeps a hundred years of recruits,
    // thinned by the mortality of a whole year, 0.2 + 0.3.
    const double s = Somme(0.5);
    EXPECT_NEAR(Classe(merlu.Courant(), 0).Effectif, 1000 * s, 1000 * s * 1e-5);
    EXPECT_NEAR(Classe(merlu.Courant(), 1).Effectif, 500 * s, 500 * s * 1e-5);
    EXPECT_EQ(Classe(merlu.Courant(), 2).Effectif, 0);
    // Spawning from class 11 up, with the weights of the first season.
    EXPECT_NEAR(merlu.BiomasseFecondeVierge, 0.5 * 500 * s, 250 * s * 1e-5);
    EXPECT_NEAR(merlu.BiomasseVierge, 0.5 * 1500 * s, 750 * s * 1e-5);
    EXPECT_EQ(merlu.Courant().Biomasse, merlu.BiomasseVierge);
    EXPECT_EQ(merlu.Courant().BiomasseFeconde, merlu.BiomasseFecondeVierge);

    // No recruitment inside its classes: nothing at all.
    const TEspece& sole = EspeceN(bd, 1);
    EXPECT_EQ(sole.Nom, "Sole");
    EXPECT_EQ(Effectifs(sole.Courant()), (std::vector<float>{0, 0}));
    EXPECT_EQ(sole.BiomasseVierge, 0);
    EXPECT_EQ(sole.BiomasseFecondeVierge, 0);

    EXPECT_TRUE(messages.Textes().empty());
    // Once per species for its virgin stock, once for the game's record.
    EXPECT_EQ(hote.LecturesRecrutement, 3);
    EXPECT_EQ(hote.LecturesCroissance, 3);
}

// Without mortality every recruit is kept.  Class 10 grows two classes, onto
// the largest class: the shares for 12 and beyond pile up on 12, and 12,
// already visited in the period, does not move them again.
TEST(Espece, StockViergeCroissanceJusquALaPlusGrandeClasse)
{
    Espece e;
    e.Saisons = {SaisonDe({{2.0f, 1, 0}, {1.5f, 1, 0}, {0, 1, 0}}, 10, {100})};
    TBDVasco bd;
    ChargerTexte(bd, Fichier(1, {Texte(e)}));
    EXPECT_EQ(Effectifs(EspeceN(bd, 0).Courant()), (std::vector<float>{100, 0, 9900}));
}

TEST(Espece, BiomassesViergesSelonLaClasseDeMaturite)
{
    // 100 years of 100, 50 and 20 recruits, no loss, weights 1, 2, 3:
    // numbers 10000, 5000, 2000 and biomasses 10000, 10000, 6000.
    const auto biomasses = [](int maturite) {
        Espece e;
        e.Maturite = maturite;
        e.Saisons = {SaisonDe({{0, 1, 0}, {0, 2, 0}, {0, 3, 0}}, 10, {100, 50, 20})};
        TBDVasco bd;
        ChargerTexte(bd, Fichier(1, {Texte(e)}));
        return std::pair{EspeceN(bd, 0).BiomasseVierge, EspeceN(bd, 0).BiomasseFecondeVierge};
    };
    EXPECT_EQ(biomasses(10), std::pair(26000.0f, 26000.0f));
    EXPECT_EQ(biomasses(11), std::pair(26000.0f, 16000.0f));
    EXPECT_EQ(biomasses(13), std::pair(26000.0f, 0.0f));
}

// The line of the file that a read error names.
int LigneDeLErreur(const std::string& texte)
{
    TBDVasco bd;
    try {
        ChargerTexte(bd, texte);
    } catch (const ErreurLecture& e) {
        return e.Ligne();
    }
    return 0;
}

// Lines of a file made by Fichier(): 5 name, 9 seuil, 10 maturity, 11 the
// recruitment line of season 1 (no recruits), 12 its classes, 13.. one line
// per class; then the next season.  A read error passes through the
// species' guards: no message.
TEST(Espece, DonneesQuiFeraientEchouerChaquePeriodeRefuseesALaLecture)
{
    Messages messages;
    const auto ligne = [](const Espece& e) {
        return LigneDeLErreur(Fichier(int(e.Saisons.size()), {Texte(e)}));
    };
    Espece base;
    base.Saisons = {SaisonDe({{1, 1, 0.1f}, {1, 1, 0.1f}, {0, 1, 0.1f}}),
                    SaisonDe({{1, 1, 0.1f}, {1, 1, 0.1f}, {0, 1, 0.1f}})};
    const struct {
        void (*Modifier)(Espece&);
        int Ligne; // 0: accepted
    } cas[] = {
        {[](Espece&) {}, 0},
        // The largest class would grow out; class 11 would reach 13; class 10
        // would shrink out.
        {[](Espece& e) { e.Saisons[0].Classes[2][0] = 1; }, 15},
        {[](Espece& e) { e.Saisons[1].Classes[1][0] = 2.5f; }, 19},
        {[](Espece& e) { e.Saisons[0].Classes[0][0] = -1; }, 13},
        // Fewer classes than season 1, or other ones, or none.
        {[](Espece& e) { e.Saisons[1].Classes.pop_back(); }, 17},
        {[](Espece& e) { e.Saisons[1].ClasseDebut = 11; }, 17},
        {[](Espece& e) { e.Saisons[0].Classes.clear(); }, 12},
        // Maturity from the first class to one past the last (nothing
        // spawns); a threshold that does not fit its 8 bits.
        {[](Espece& e) { e.Maturite = 9; }, 10},
        {[](Espece& e) { e.Maturite = 14; }, 10},
        {[](Espece& e) { e.Maturite = 13; }, 0},
        {[](Espece& e) { e.Seuil = 300; }, 9},
        // A later season may hold more entries; those are never grown.
        {[](Espece& e) {
             e.Saisons[1].Classes.push_back({5, 1, 0.1f});
         },
         0},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(testing::Message() << "cas " << &k - cas);
        Espece e = base;
        k.Modifier(e);
        EXPECT_EQ(ligne(e), k.Ligne);
    }

    // Class numbers beyond the lists' numbering.
    Espece e = base;
    e.Saisons[0] = SaisonDe(base.Saisons[0].Classes, 2147483647, {10});
    EXPECT_EQ(ligne(e), 11);
    e = base;
    e.Maturite = 0;
    e.Saisons[0].ClasseDebut = e.Saisons[1].ClasseDebut = 2147483645; // up to 2147483647
    EXPECT_EQ(ligne(e), 12);

    // Growth is checked by position: classes 10..11 repeated twice are four
    // entries; the second line holds positions 2 and 3, so one class of
    // growth carries position 3 out, while two classes from positions 0 and 1
    // stay in.
    e.Saisons = {SaisonDe({{2, 1, 0.1f}, {0, 1, 0.1f}})};
    e.Saisons[0].Repetitions = 2;
    e.Maturite = 10;
    EXPECT_EQ(ligne(e), 0);
    e.Saisons[0].Classes[1][0] = 1;
    EXPECT_EQ(ligne(e), 14);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST(Espece, RecrutementAleatoireDuStockViergeLuAuChargement)
{
    // Same species, loaded with and without the option: the random factors
    // change the virgin stock, and the draws of successive periods differ, so
    // the stock is not a constant multiple of the plain one.
    Espece e;
    e.Alea = 1.0f;
    e.Saisons = {SaisonDe({{1, 1, 0.2f}, {0, 1, 0.2f}}, 10, {100})};
    const std::string texte = Fichier(1, {Texte(e)});
    HoteEnregistreur hote;
    TBDVasco simple(&hote);
    ChargerTexte(simple, texte);
    hote.Recrutement = true;
    FixerGraine(7);
    TBDVasco alea(&hote);
    ChargerTexte(alea, texte);
    const std::vector<float> a = Effectifs(EspeceN(simple, 0).Courant());
    const std::vector<float> b = Effectifs(EspeceN(alea, 0).Courant());
    EXPECT_NE(a[0], b[0]);
    EXPECT_NE(a[0] / b[0], a[1] / b[1]);
}

} // namespace
} // namespace vasco::test
