// The sample fisheries of data/: they load with the counts their files state,
// and every prefix of them (a file cut short) either loads whole or raises the
// read error: never a crash, never a fishery built from half a record.
#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "dataset/Ubd.h"
#include "model/Uperiode.h"
#include "tests/model/Outils.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vasco {
namespace {

// Under the address sanitizer a load of golfe.vsc is ten times slower: the
// cut just before each line break is then left out.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Instrumente = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Instrumente = true;
#else
constexpr bool Instrumente = false;
#endif
#else
constexpr bool Instrumente = false;
#endif

using test::Comptes;
using test::Contenu;
using test::FichierDonnees;
using test::HoteEnregistreur;
using test::Messages;

// What a whole load must give: one season table per period of the year,
// and the open records of the first period (the virgin stock, the first
// condition, one open catch record per exploited species).
void VerifierCharge(const TBDVasco& bd, int periodesAn)
{
    EXPECT_EQ(bd.NbPeriodesAn, periodesAn);
    EXPECT_TRUE(bd.Bilans.Vide());
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        const TEspece& e = bd.Especes.A<TEspece>(i);
        SCOPED_TRACE(e.Nom);
        EXPECT_EQ(e.PeriodesAn.Nombre(), periodesAn);
        EXPECT_EQ(e.Periodes.Nombre(), 1);
        EXPECT_GT(e.BiomasseVierge, 0);
    }
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        const TMetierEco& m = bd.Metiers.A<TMetierEco>(i);
        SCOPED_TRACE(m.Nom);
        EXPECT_EQ(m.Conditions.Nombre(), 1);
        EXPECT_GT(m.EspecesExploitees.Nombre(), 0);
        for (int j = 0; j < m.EspecesExploitees.Nombre(); ++j) {
            const TEspeceExp& x = m.EspecesExploitees.A<TEspeceExp>(j);
            // A sample file names only species it describes.
            EXPECT_NE(x.Espece, nullptr);
            EXPECT_EQ(x.PeriodesAn.Nombre(), periodesAn);
            EXPECT_EQ(x.PeriodesMS.Nombre(), 1);
        }
    }
}

template <class T>
std::string Noms(const TSupListe& liste)
{
    std::string noms;
    for (int i = 0; i < liste.Nombre(); ++i)
        noms += liste.A<T>(i).Nom + "|";
    return noms;
}

// Class numbers at the top of the 32-bit range, in simple.vsc: the file
// loads or raises the read error, and no numbering overflows (the sanitizer
// build checks the arithmetic).
TEST(Echantillons, ClassesAuBoutDes32Bits)
{
    const std::string simple = Contenu(FichierDonnees("simple.vsc"));
    const std::pair<const char*, const char*> remplacements[] = {
        {"1 1                RecrutementDebut", "2147483647 2147483647"},
        {"1 1                RecrutementDebut", "2147483646 2147483647"},
        {"1 5 1              ClasseDebut", "2147483643 2147483647 1"},
        {"1                  PremiereClasse", "2147483647"},
        {"1 5 20 0.0002", "2147483643 2147483647 20 0.0002"},
    };
    for (const auto& [avant, apres] : remplacements) {
        SCOPED_TRACE(apres);
        std::string texte = simple;
        const size_t ligne = texte.find(avant);
        ASSERT_NE(ligne, std::string::npos);
        texte.replace(ligne, std::string(avant).find("  "), apres);
        Messages messages;
        HoteEnregistreur hote;
        TBDVasco bd(&hote);
        try {
            test::ChargerTexte(bd, texte);
        } catch (const ErreurLecture&) {
            continue;
        }
        bd.Pas();
        bd.PasEnArriere();
    }
}

// The state a step back must restore: the open records of every list and the
// numbers at size of each species.
struct Etat {
    std::vector<int> nombres;
    std::vector<float> valeurs;
    friend bool operator==(const Etat&, const Etat&) = default;
};

Etat EtatDe(const TBDVasco& bd)
{
    Etat e;
    e.nombres.push_back(bd.Bilans.Nombre());
    for (int i = 0; i < bd.Especes.Nombre(); ++i) {
        const TEspece& esp = bd.Especes.A<TEspece>(i);
        e.nombres.push_back(esp.Periodes.Nombre());
        const TPeriodeES& c = esp.Courant();
        e.valeurs.push_back(c.Biomasse);
        e.valeurs.push_back(c.BiomasseFeconde);
        for (int j = 0; j < c.Tailles.Nombre(); ++j)
            e.valeurs.push_back(c.Tailles.A<TTailleES>(j).Effectif);
    }
    for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
        const TMetierEco& m = bd.Metiers.A<TMetierEco>(i);
        e.nombres.push_back(m.Conditions.Nombre());
        const TCondition& c = m.Courante();
        for (float v : {c.NbNavires, c.MaillageReglementaire, c.NbJours, c.MaillageEffectif, c.CA,
                        c.Benefice, c.PoidsDebarque, c.SubventionsNettes})
            e.valeurs.push_back(v);
        for (int j = 0; j < m.EspecesExploitees.Nombre(); ++j)
            e.nombres.push_back(m.EspecesExploitees.A<TEspeceExp>(j).PeriodesMS.Nombre());
    }
    return e;
}

// Each sample loads with the names its file states.  Three periods forward
// and three back give the lists of the load again; a fourth step back does
// nothing; the period simulated again is the same to the last bit (no
// random option is on).
TEST(Echantillons, SeChargentAvancentEtReviennent)
{
    const std::tuple<const char*, int, const char*, const char*> fichiers[] = {
        {"simple.vsc", 1, "Poisson|", "Chalutiers|"},
        {"golfe.vsc", 4, "Merlu|Sole|Langoustine|",
         "Chalutiers hauturiers|Chalutiers langoustiniers|Fileyeurs|Petits métiers|"}};
    for (const auto& [nom, periodesAn, especes, metiers] : fichiers) {
        SCOPED_TRACE(nom);
        Messages messages;
        HoteEnregistreur hote;
        TBDVasco bd(&hote);
        bd.Charger(FichierDonnees(nom));
        VerifierCharge(bd, periodesAn);
        EXPECT_EQ(bd.Titre, periodesAn == 1 ? "Années" : "Trimestres");
        EXPECT_EQ(Noms<TEspece>(bd.Especes), especes);
        EXPECT_EQ(Noms<TMetierEco>(bd.Metiers), metiers);

        const Etat charge = EtatDe(bd);
        ASSERT_GT(charge.valeurs.size(), 10u);
        bd.Pas();
        const std::vector<float> premier = Comptes(bd.Bilans.A<TPeriodeBilan>(0));
        bd.Pas();
        bd.Pas();
        EXPECT_EQ(bd.Especes.A<TEspece>(0).Periodes.Nombre(), 4);
        EXPECT_EQ(bd.Metiers.A<TMetierEco>(0).Conditions.Nombre(), 4);
        for (int i = 0; i < 4; ++i)
            bd.PasEnArriere();
        EXPECT_EQ(hote.Derniers, (std::vector<int32_t>{0, 1, 2, 1, 0, -1}));
        EXPECT_EQ(EtatDe(bd), charge);

        bd.Pas();
        EXPECT_EQ(Comptes(bd.Bilans.A<TPeriodeBilan>(0)), premier);
        EXPECT_TRUE(messages.Textes().empty());
    }
}

// A second file read into the same data set replaces the first fishery.
TEST(Echantillons, DeuxiemeChargementRemplace)
{
    Messages messages;
    HoteEnregistreur hote;
    TBDVasco neuf(&hote);
    neuf.Charger(FichierDonnees("simple.vsc"));
    neuf.Pas();

    TBDVasco bd(&hote);
    bd.Charger(FichierDonnees("golfe.vsc"));
    bd.Pas();
    bd.Pas();
    bd.Charger(FichierDonnees("simple.vsc"));
    VerifierCharge(bd, 1);
    EXPECT_EQ(Noms<TEspece>(bd.Especes), "Poisson|");
    EXPECT_EQ(Noms<TMetierEco>(bd.Metiers), "Chalutiers|");
    EXPECT_EQ(bd.Contexte.Nombre(), 5);
    EXPECT_EQ(bd.Contexte.Lire(0), &bd);
    bd.Pas();
    EXPECT_EQ(Comptes(bd.Bilans.A<TPeriodeBilan>(0)), Comptes(neuf.Bilans.A<TPeriodeBilan>(0)));
    bd.PasEnArriere();
    EXPECT_EQ(bd.NbPeriodes(), 0);

    // A fishery with nothing to register leaves no slot pointing at the
    // elements the reload destroyed.
    bd.Charger(test::FichierTest("noyau_vide.vsc"));
    EXPECT_TRUE(bd.Especes.Vide());
    EXPECT_TRUE(bd.Metiers.Vide());
    for (int i = 1; i < TContexte::NbEmplacements; ++i)
        EXPECT_EQ(bd.Contexte.Lire(i), nullptr) << "emplacement " << i;
    EXPECT_TRUE(messages.Textes().empty());
}

// A host that cannot answer its options: a species asks for them before it
// computes its virgin stock, so that hundred-year computation stops at once
// (with its message) and a prefix costs little more than its reading.
class HoteSansOptions : public HoteEnregistreur {
public:
    bool RecrutementAleatoire() const override { throw ErreurModele("options indisponibles"); }
    bool CroissanceAleatoire() const override { throw ErreurModele("options indisponibles"); }
};

// What a prefix gave: whether it loaded, and the species read.
std::pair<bool, int> ChargerPrefixe(const std::string& texte, size_t n, THote& hote,
                                    const TBDVasco& entier)
{
    TBDVasco bd(&hote);
    try {
        test::ChargerTexte(bd, texte.substr(0, n));
    } catch (const ErreurLecture& e) {
        EXPECT_GE(e.Ligne(), 1) << n;
        return {false, bd.Especes.Nombre()};
    }
    // The last value of a file is its second size bound: a prefix that
    // loads holds every record.
    EXPECT_EQ(bd.NbPeriodesAn, entier.NbPeriodesAn) << n;
    EXPECT_EQ(bd.Especes.Nombre(), entier.Especes.Nombre()) << n;
    EXPECT_EQ(bd.Metiers.Nombre(), entier.Metiers.Nombre()) << n;
    EXPECT_EQ(bd.EchelleDiviseur, entier.EchelleDiviseur) << n;
    EXPECT_EQ(bd.TailleGraphe1, entier.TailleGraphe1) << n;
    return {true, bd.Especes.Nombre()};
}

// Loads every prefix of texte whose length is in longueurs (in increasing
// order): each either raises the read error or loads whole, and once one
// loads every longer one does.  With rapide, the prefixes are first read
// with a host that stops the virgin stocks; those that complete a species
// (the only ones whose virgin stock sees a cut value) or load are read
// again with a real host.
void ChargerPrefixes(const std::string& texte, const std::vector<size_t>& longueurs, bool rapide)
{
    Messages messages; // a cut value may make a record's computation fail
    HoteEnregistreur hote;
    HoteSansOptions sansOptions;
    TBDVasco entier(&hote);
    test::ChargerTexte(entier, texte);
    bool dejaCharge = false;
    int especes = 0;
    for (size_t n : longueurs) {
        auto r = ChargerPrefixe(texte, n, rapide ? static_cast<THote&>(sansOptions) : hote, entier);
        if (rapide && (r.first || r.second != especes))
            r = ChargerPrefixe(texte, n, hote, entier);
        especes = r.second;
        EXPECT_TRUE(r.first || !dejaCharge) << "le préfixe de " << n << " octets est refusé";
        dejaCharge = dejaCharge || r.first;
    }
    EXPECT_TRUE(dejaCharge);
    EXPECT_TRUE(hote.Derniers.empty());
}

TEST(Echantillons, SimpleCoupeAChaqueOctet)
{
    const std::string texte = Contenu(FichierDonnees("simple.vsc"));
    ASSERT_FALSE(texte.empty());
    std::vector<size_t> longueurs;
    for (size_t n = 0; n <= texte.size(); ++n)
        longueurs.push_back(n);
    ChargerPrefixes(texte, longueurs, false);
}

// Cut at each line end (before and after the line break) and in the middle
// of each line.
TEST(Echantillons, GolfeCoupeEnFinEtEnMilieuDeLigne)
{
    const std::string texte = Contenu(FichierDonnees("golfe.vsc"));
    ASSERT_FALSE(texte.empty());
    std::vector<size_t> longueurs = {0};
    size_t debut = 0;
    for (size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\n')
            continue;
        const size_t fin = i > debut && texte[i - 1] == '\r' ? i - 1 : i;
        longueurs.push_back(debut + (fin - debut) / 2);
        if (!Instrumente)
            longueurs.push_back(fin);
        longueurs.push_back(i + 1);
        debut = i + 1;
    }
    if (debut < texte.size()) {
        longueurs.push_back(debut + (texte.size() - debut) / 2);
        longueurs.push_back(texte.size());
    }
    ChargerPrefixes(texte, longueurs, true);
}

} // namespace
} // namespace vasco
