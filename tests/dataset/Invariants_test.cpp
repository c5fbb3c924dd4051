// Invariants of the model under any management a player may choose: seeded
// runs of the sample fisheries and of the large generated one, with random
// measures changed at random periods, both random options or none, checked
// after every period.  VASCO_CAMPAGNE=N runs N seeds of each fishery instead
// of the few that CI runs (the campagne_invariants target does).

#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/UMesures.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"
#include "tests/support/PecherieGeneree.h"
#include "tests/support/Support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vasco::test {
namespace {

// Under the sanitizers every period costs tens of times more.
#if defined(__SANITIZE_ADDRESS__)
constexpr int PeriodesParDefaut = 40;
#else
constexpr int PeriodesParDefaut = 240;
#endif

std::string Lire(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream texte;
    texte << f.rdbuf();
    return texte.str();
}

int Campagne()
{
    const char* n = std::getenv("VASCO_CAMPAGNE");
    return n ? std::max(1, std::atoi(n)) : 1;
}

// a = b to float precision, against the size of what was summed.
bool Egaux(long double a, long double b, long double echelle)
{
    return std::fabs(a - b) <= 1e-4L * echelle + 1e-3L;
}

class Partie {
public:
    // Without measures the file's stay in force; a catchability exponent
    // other than 0 replaces every one of the file.
    Partie(const std::string& texte, uint32_t graine, bool aleatoire, bool mesures = true,
           float exposant = 0)
        : bd_(&hote_), tirages_(graine), mesures_(mesures)
    {
        hote_.Recrutement = hote_.Croissance = aleatoire;
        FixerGraine(graine);
        ChargerTexte(bd_, texte);
        for (int i = 0; exposant != 0 && i < bd_.Metiers.Nombre(); ++i) {
            const auto& m = bd_.Metiers.A<TMetierEco>(i);
            for (int k = 0; k < m.EspecesExploitees.Nombre(); ++k)
                m.EspecesExploitees.A<TEspeceExp>(k).ExposantCapturabilite = exposant;
        }
        for (int i = 0; i < bd_.Metiers.Nombre(); ++i)
            naviresFichier_.push_back(bd_.Metiers.A<TMetierEco>(i).Courante().NbNavires);
        prisesMax_.assign(static_cast<size_t>(bd_.Especes.Nombre()), 1);
    }

    // Runs the periods, measures first, and checks each one; the text of
    // the first broken invariant, or an empty one.
    std::string Jouer(int periodes)
    {
        for (int p = 1; p <= periodes; ++p) {
            if (mesures_ && Tirage(0, 1) < 0.15)
                ChangerMesures();
            const uint32_t etat = Graine();
            bd_.Pas();
            std::string faute = Verifier(p);
            if (faute.empty() && p % 10 == 0)
                faute = RejouerLePas(p, etat);
            if (!faute.empty())
                return "période " + std::to_string(p) + " : " + faute;
        }
        return {};
    }

    // Classes fished with an F beyond 1e7, which gave all their fish.
    int Videes() const { return videes_; }

private:
    long double Tirage(long double a, long double b)
    {
        return std::uniform_real_distribution<long double>(a, b)(tirages_);
    }

    // A few measures, as a player types them into the dialogs.
    void ChangerMesures()
    {
        const int periodesAn = bd_.NbPeriodesAn;
        const int n = 1 + static_cast<int>(Tirage(0, 3));
        for (int k = 0; k < n; ++k) {
            if (Tirage(0, 1) < 0.7) {
                const int i = static_cast<int>(Tirage(0, bd_.Metiers.Nombre() - 0.5L));
                const auto& m = bd_.Metiers.A<TMetierEco>(i);
                TCondition& c = m.Courante();
                const struct {
                    TMesure mesure;
                    long double min, max;
                } choix[] = {
                    {TMesure::Navires, 0, 10.0L * naviresFichier_[static_cast<size_t>(i)]},
                    {TMesure::Maillage, 0, 200},
                    {TMesure::Jours, 0, 360.0L / periodesAn},
                    {TMesure::SubventionAn, -100, 100},
                    {TMesure::SubventionJour, -100, 100},
                    {TMesure::Taxe, -100, 100},
                    {TMesure::Repression, 0, 100},
                };
                const auto& x = choix[static_cast<size_t>(Tirage(0, std::size(choix) - 0.5L))];
                const TDefMesure& d = Mesure(x.mesure);
                d.Appliquer(c, d.Stocker(Tirage(x.min, x.max), periodesAn));
                c.AppliquerMaillage(m);
            } else {
                const int i = static_cast<int>(Tirage(0, bd_.Especes.Nombre() - 0.5L));
                const auto& e = bd_.Especes.A<TEspece>(i);
                TPeriodeES& s = e.Courant();
                if (Tirage(0, 1) < 0.5) {
                    const TDefMesure& d = Mesure(TMesure::Quota);
                    const long double tonnes = Tirage(0, 2 * prisesMax_[static_cast<size_t>(i)]);
                    d.Appliquer(s, d.Stocker(tonnes, periodesAn));
                    d.Activer(s, Tirage(0, 1) < 0.8);
                } else {
                    const TDefMesure& d = Mesure(TMesure::TailleMin);
                    const long double taille =
                        std::round(Tirage(e.PremiereClasse(), e.PremiereClasse() + e.NbClasses()));
                    d.Appliquer(s, d.Stocker(std::max<long double>(taille, 1), periodesAn));
                    d.Activer(s, Tirage(0, 1) < 0.8);
                }
            }
        }
    }

    std::string Verifier(int p)
    {
        const auto finie = [](float v) { return std::isfinite(v); };
        const std::vector<float> tout = Releve(bd_, p);
        if (!std::all_of(tout.begin(), tout.end(), finie))
            return "valeur non finie";

        // The catches of each species, by size and by métier.
        std::vector<long double> nombres(static_cast<size_t>(bd_.Especes.Nombre())),
            poids(nombres.size());
        long double debarque = 0, ca = 0, caGris = 0, benefice = 0, subventions = 0, echelle = 0;
        for (int i = 0; i < bd_.Metiers.Nombre(); ++i) {
            const auto& m = bd_.Metiers.A<TMetierEco>(i);
            const auto& c = m.Conditions.A<TCondition>(p - 1);
            debarque += c.PoidsDebarque;
            ca += c.CA;
            caGris += c.CAGris;
            benefice += c.Benefice;
            subventions += c.SubventionsNettes;
            echelle += std::fabs(c.CA) + std::fabs(c.Benefice) + std::fabs(c.SubventionsNettes);
            for (int k = 0; k < m.EspecesExploitees.Nombre(); ++k) {
                const auto& x = m.EspecesExploitees.A<TEspeceExp>(k);
                const auto& r = x.PeriodesMS.A<TPeriodeMS>(p - 1);
                if (r.NbDebarques < 0 || r.NbRejetes < 0 || r.PoidsDebarque < 0 ||
                    r.PoidsRejete < 0)
                    return "débarquement ou rejet négatif de " + m.Nom;
                for (int s = 0; s < bd_.Especes.Nombre(); ++s) {
                    if (x.Espece != &bd_.Especes.A<TEspece>(s))
                        continue;
                    nombres[static_cast<size_t>(s)] +=
                        static_cast<long double>(r.NbDebarques) + r.NbRejetes;
                    poids[static_cast<size_t>(s)] +=
                        static_cast<long double>(r.PoidsDebarque) + r.PoidsRejete;
                }
            }
        }
        for (int s = 0; s < bd_.Especes.Nombre(); ++s) {
            const auto& e = bd_.Especes.A<TEspece>(s);
            const auto& z = e.Periodes.A<TPeriodeES>(p - 1);
            if (z.Biomasse < 0 || z.BiomasseFeconde < 0)
                return "biomasse négative de " + e.Nom;
            long double captures = 0, poidsCaptures = 0;
            for (int t = 0; t < z.Tailles.Nombre(); ++t) {
                const auto& c = z.Tailles.A<TTailleES>(t);
                if (c.Effectif < 0 || c.Biomasse < 0 || c.Captures < 0 || c.PoidsCaptures < 0)
                    return "effectif, biomasse ou capture négatif de " + e.Nom;
                if (c.Captures > c.Effectif * (1 + 1e-6L))
                    return "plus de captures que de poissons dans une classe de " + e.Nom;
                // e^-F is 0 and F / (F + M) is 1 to float precision.
                if (c.F >= 1e7f && c.Effectif >= 1) {
                    if (std::fabs(c.Captures - c.Effectif) > 1e-6L * c.Effectif)
                        return "une classe pêchée sans borne garde des poissons dans " + e.Nom;
                    ++videes_;
                }
                captures += c.Captures;
                poidsCaptures += c.PoidsCaptures;
            }
            const auto i = static_cast<size_t>(s);
            if (!Egaux(nombres[i], captures, captures) ||
                !Egaux(poids[i], poidsCaptures, poidsCaptures))
                return "débarquements + rejets différents des captures de " + e.Nom;
            prisesMax_[i] = std::max(prisesMax_[i], poidsCaptures / 1000);
        }
        const auto& b = bd_.Bilans.A<TPeriodeBilan>(p - 1);
        if (!Egaux(b.PoidsDebarque, debarque, debarque) || !Egaux(b.CA, ca, echelle) ||
            !Egaux(b.CAGris, caGris, echelle) || !Egaux(b.Benefice, benefice, echelle) ||
            !Egaux(b.SubventionsNettes, subventions, echelle))
            return "le bilan de la période n'est pas la somme de ceux des métiers";
        return {};
    }

    // A step back, then the same step from the generator's state of that
    // period: the same records, bit for bit.
    std::string RejouerLePas(int p, uint32_t etat)
    {
        const std::vector<float> avant = Releve(bd_, p);
        bd_.PasEnArriere();
        FixerGraine(etat);
        bd_.Pas();
        const std::vector<float> apres = Releve(bd_, p);
        if (avant.size() != apres.size() ||
            std::memcmp(avant.data(), apres.data(), avant.size() * sizeof(float)) != 0)
            return "un pas en arrière puis le même pas ne redonnent pas la même période";
        return {};
    }

    THoteSansFenetre hote_;
    TBDVasco bd_;
    std::mt19937 tirages_;
    std::vector<float> naviresFichier_;
    std::vector<long double> prisesMax_; // tonnes per period, the largest seen
    bool mesures_;
    int videes_ = 0;
};

TEST(Invariants, MesuresAleatoiresSurLesPecheries)
{
    Messages messages;
    const std::string golfe = Lire(FichierDonnees("golfe.vsc"));
    const std::string simple = Lire(FichierDonnees("simple.vsc"));
    const struct {
        const char* nom;
        const std::string* texte;
        int periodes;
    } pecheries[] = {
        {"golfe.vsc", &golfe, PeriodesParDefaut},
        {"simple.vsc", &simple, PeriodesParDefaut},
        {"pêcherie générée", &TextePecherieGeneree(), PeriodesParDefaut},
    };
    int runs = 0, periodes = 0;
    for (const auto& f : pecheries) {
        for (int n = 0; n < Campagne(); ++n) {
            for (const bool aleatoire : {false, true}) {
                const uint32_t graine = 1000 + 2 * static_cast<uint32_t>(n) + aleatoire;
                Partie partie(*f.texte, graine, aleatoire);
                EXPECT_EQ(partie.Jouer(f.periodes), "")
                    << f.nom << ", graine " << graine << (aleatoire ? ", aléatoire" : "");
                ++runs;
                periodes += f.periodes;
            }
        }
    }
    std::cout << runs << " parties, " << periodes << " périodes\n";
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{});
}

// The generated fishery at the file's measures under both random options,
// with the file's catchability exponents and with every one squared: its
// stocks collapse, and some classes are fished without bound.
TEST(Invariants, EffondrementsDeLaPecherieGeneree)
{
    Messages messages;
    int videes = 0;
    for (const float exposant : {0.0f, 2.0f}) {
        for (const uint32_t graine : {1u, 2u, 3u}) {
            Partie partie(TextePecherieGeneree(), graine, true, false, exposant);
            EXPECT_EQ(partie.Jouer(PeriodesParDefaut), "")
                << "graine " << graine << ", exposant " << exposant;
            videes += partie.Videes();
        }
    }
    EXPECT_GT(videes, 0);
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{});
}

} // namespace
} // namespace vasco::test
