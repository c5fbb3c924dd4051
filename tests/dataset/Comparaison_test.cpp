// A class's games compared with the current one: every record a graph draws
// kept exactly, the games that cannot be compared left out with their
// reason, the names, the limit of sixty, and a cancel that keeps nothing.
#include "dataset/UComparaison.h"
#include "dataset/USession.h"
#include "model/Ulecteur.h"
#include "tests/support/Classe.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace vasco::test {
namespace {

namespace fs = std::filesystem;
using G = TListeComparee::TGenre;

class Dossier {
public:
    explicit Dossier(const std::string& nom)
        : chemin_(fs::temp_directory_path() /
                  ("vasco_comparaison_" + nom + "_" + std::to_string(::getpid())))
    {
        fs::remove_all(chemin_);
        fs::create_directories(chemin_);
    }
    ~Dossier() { fs::remove_all(chemin_); }
    const fs::path& Chemin() const { return chemin_; }
    fs::path operator/(const std::string& nom) const { return chemin_ / nom; }

private:
    fs::path chemin_;
};

void Ecrire(const fs::path& chemin, const std::string& texte)
{
    std::ofstream(chemin, std::ios::binary) << texte;
}

// A session on the copy of golfe.vsc the class was played with.
void ChargerGolfe(TSession& session, const Dossier& dossier)
{
    const fs::path copie = dossier / "golfe.vsc";
    ASSERT_TRUE(session.Charger(copie, LireTexte(copie).value()).Reussi());
}

TComparaison Comparer(const TSession& session, std::vector<fs::path> fichiers,
                      const fs::path& courante = {}, unsigned fils = 2)
{
    TComparaison c;
    TDemandeComparaison demande;
    demande.Fichiers = std::move(fichiers);
    demande.PartieCourante = courante;
    demande.Fils = fils;
    EXPECT_TRUE(Comparer(session, demande, c));
    return c;
}

// Every history list of a data set, as a window finds it.
std::vector<const TSupListe*> Historiques(const TBDVasco& bd)
{
    std::vector<const TSupListe*> listes{&bd.Bilans};
    for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
        const auto& metier = bd.Metiers.A<TMetierEco>(m);
        listes.push_back(&metier.Conditions);
        for (int e = 0; e < metier.EspecesExploitees.Nombre(); ++e)
            listes.push_back(&metier.EspecesExploitees.A<TEspeceExp>(e).PeriodesMS);
    }
    for (int e = 0; e < bd.Especes.Nombre(); ++e)
        listes.push_back(&bd.Especes.A<TEspece>(e).Periodes);
    return listes;
}

// The same value, NaN included, bit for bit.
bool Meme(long double a, long double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

TEST(Comparaison, UnePartieCompareeDonneLesMemesNombresQueLaPartieOuverte)
{
    Messages messages;
    const Dossier dossier("memes");
    const auto eleves = ClasseVariee(3, 16);
    const auto fichiers = FaireClasse(dossier.Chemin(), "golfe.vsc", eleves);
    TSession session;
    ChargerGolfe(session, dossier);
    const TComparaison c = Comparer(session, fichiers);
    ASSERT_EQ(c.Parties.size(), 3u);
    EXPECT_TRUE(c.Refus.empty());
    EXPECT_EQ(c.PeriodesMax(), 16);

    for (size_t k = 0; k < fichiers.size(); ++k) {
        SCOPED_TRACE(fichiers[k].string());
        TSession ouverte;
        ASSERT_TRUE(ouverte.Ouvrir(fichiers[k], {}, {}).Reussi());
        const TBDVasco& bd = *ouverte.Donnees();
        const TPartieComparee& p = c.Parties[k];
        EXPECT_EQ(p.Nom, eleves[k].Nom);
        EXPECT_EQ(p.Periodes, bd.NbPeriodes());
        TContexte& contexte = const_cast<TBDVasco&>(bd).Contexte;
        for (const TSupListe* liste : Historiques(bd)) {
            const TListeComparee ou = SituerListe(bd, *liste);
            ASSERT_NE(ou.Genre, G::Aucune);
            ASSERT_EQ(p.Nombre(ou), liste->Nombre());
            EXPECT_EQ(p.Element(ou, liste->Nombre()), nullptr);
            EXPECT_EQ(p.Element(ou, -1), nullptr);
            for (int i = 0; i < liste->Nombre(); ++i) {
                TEL& e = liste->Element(i);
                TEL* copie = p.Element(ou, i);
                ASSERT_NE(copie, nullptr);
                for (const TLigneGraphe& ligne : CatalogueGraphes())
                    for (uint8_t code : {ligne.Code, ligne.Code2}) {
                        if (ou.Genre == G::Etats && ligne.ParTaille) {
                            const TSupListe& tailles = *e.SousListe(0);
                            ASSERT_EQ(p.NombreClasses(ou, i), tailles.Nombre());
                            ASSERT_EQ(p.PremiereClasse(ou, i), tailles.Premier);
                            for (int t = 0; t < tailles.Nombre(); ++t)
                                ASSERT_TRUE(Meme(p.Classe(ou, i, t)->Calcul(code, &contexte),
                                                 tailles.Element(t).Calcul(code, &contexte)));
                            EXPECT_EQ(p.Classe(ou, i, tailles.Nombre()), nullptr);
                        } else {
                            ASSERT_TRUE(Meme(copie->Calcul(code, &contexte),
                                             e.Calcul(code, &contexte)))
                                << "liste " << int(ou.Genre) << " indice " << i << " code "
                                << int(code);
                        }
                    }
            }
        }
        EXPECT_GT(p.Octets(), 0u);
    }
    // Another list than a history is none of them.
    EXPECT_EQ(SituerListe(*session.Donnees(), session.Donnees()->Especes).Genre, G::Aucune);
    EXPECT_TRUE(messages.Textes().empty());
}

TEST(Comparaison, LesPartiesQuiNePeuventEtreCompareesSontNommeesAvecLeurRaison)
{
    Messages messages;
    const Dossier dossier("refus");
    const auto fichiers = FaireClasse(dossier.Chemin(), "golfe.vsc", ClasseVariee(2, 6));
    const std::string bonne = LireTexte(fichiers[0]).value();
    Ecrire(dossier / "coupee.vsp", bonne.substr(0, bonne.size() / 3) + "\nxyz\n");
    Ecrire(dossier / "vide.vsp", "");
    // A game of another fishery, and a game of golfe with no period played.
    const auto autre = FaireClasse(dossier / "autre", "simple.vsc", {{.Nom = "simple"}});
    const auto zero = FaireClasse(dossier.Chemin(), "golfe.vsc", {{.Nom = "zero", .Periodes = 0}});
    fs::create_directories(dossier / "bis");

    TSession session;
    ChargerGolfe(session, dossier);
    const struct {
        const char* nom;
        fs::path fichier;
        const char* raison; // a part of it
    } cas[] = {
        {"coupee", dossier / "coupee.vsp", "partie ligne"},
        {"vide", dossier / "vide.vsp", "partie ligne"},
        {"absente", dossier / "absente.vsp", "illisible"},
        {"simple", autre[0], "simple.vsc"},
        {"zero", zero[0], "aucune période"},
        {"eleve01", dossier / "bis" / ".." / "eleve01.vsp", "déjà comparé"},
        {"eleve02", fichiers[1], "partie en cours"},
    };
    std::vector<fs::path> donnes{fichiers[0]};
    for (const auto& c : cas)
        donnes.push_back(c.fichier);
    const TComparaison c = Comparer(session, donnes, fichiers[1]);
    ASSERT_EQ(c.Parties.size(), 1u);
    EXPECT_EQ(c.Parties[0].Nom, "eleve01");
    ASSERT_EQ(c.Refus.size(), std::size(cas));
    for (size_t i = 0; i < std::size(cas); ++i) {
        SCOPED_TRACE(cas[i].nom);
        EXPECT_EQ(c.Refus[i].Nom, cas[i].nom);
        EXPECT_NE(c.Refus[i].Raison.find(cas[i].raison), std::string::npos) << c.Refus[i].Raison;
    }
}

TEST(Comparaison, NomsParDossierEtSoixantePremieresParNom)
{
    const Dossier dossier("noms");
    const auto fichiers = FaireClasse(dossier.Chemin(), "golfe.vsc", {{.Nom = "partie", .Periodes = 2}});
    const std::string texte = LireTexte(fichiers[0]).value();
    // Two students' games of the same name, in their own folders; the data
    // file is named from the game's folder, so each copy gets it beside.
    std::vector<fs::path> donnes;
    for (const char* eleve : {"dupont", "martin"}) {
        fs::create_directories(dossier / eleve);
        fs::copy_file(dossier / "golfe.vsc", dossier / eleve / "golfe.vsc");
        Ecrire(dossier / eleve / "partie.vsp", texte);
        donnes.push_back(dossier / eleve / "partie.vsp");
    }
    TSession session;
    ChargerGolfe(session, dossier);
    TComparaison c = Comparer(session, donnes);
    ASSERT_EQ(c.Parties.size(), 2u);
    EXPECT_EQ(c.Parties[0].Nom, "dupont/partie");
    EXPECT_EQ(c.Parties[1].Nom, "martin/partie");

    // 62 games, given in reverse: the first sixty by name are kept.
    donnes.clear();
    for (int i = 62; i >= 1; --i) {
        char nom[16];
        std::snprintf(nom, sizeof nom, "p%d.vsp", 100 + i);
        const fs::path f = dossier / nom;
        Ecrire(f, texte);
        donnes.push_back(f);
    }
    c = Comparer(session, donnes);
    ASSERT_EQ(c.Parties.size(), MaxPartiesComparees);
    EXPECT_EQ(c.Parties.front().Nom, "p101");
    EXPECT_EQ(c.Parties.back().Nom, "p160");
    ASSERT_EQ(c.Refus.size(), 2u);
    EXPECT_EQ(c.Refus[0].Nom, "p162");
    EXPECT_EQ(c.Refus[1].Nom, "p161");
}

// Named for the thread sanitizer's stage.
TEST(Fils, ComparaisonAnnuleeNeGardeRienEtMemesPartiesSurUnOuPlusieursFils)
{
    const Dossier dossier("fils");
    const auto fichiers = FaireClasse(dossier.Chemin(), "golfe.vsc", ClasseVariee(6, 12));
    TSession session;
    ChargerGolfe(session, dossier);
    const TComparaison un = Comparer(session, fichiers, {}, 1);
    const TComparaison quatre = Comparer(session, fichiers, {}, 4);
    ASSERT_EQ(un.Parties.size(), 6u);
    ASSERT_EQ(quatre.Parties.size(), 6u);
    TContexte& contexte = session.Donnees()->Contexte;
    for (size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(un.Parties[k].Nom, quatre.Parties[k].Nom);
        for (int i = 0; i < un.Parties[k].Nombre({G::Bilans}); ++i)
            EXPECT_EQ(un.Parties[k].Element({G::Bilans}, i)->Calcul(CodeBilanCA, &contexte),
                      quatre.Parties[k].Element({G::Bilans}, i)->Calcul(CodeBilanCA, &contexte));
    }

    // Cancelled once the first game is done, or before anything.
    for (bool avant : {true, false}) {
        std::atomic<bool> annuler{avant};
        std::atomic<int64_t> faites{0};
        TDemandeComparaison demande;
        demande.Fichiers = fichiers;
        demande.Fils = 2;
        demande.Annuler = &annuler;
        demande.Faites = &faites;
        std::thread veilleur([&] {
            while (!annuler.load() && faites.load() == 0)
                std::this_thread::yield();
            annuler.store(true);
        });
        TComparaison c;
        c.Refus.push_back({"reste", "d'avant"});
        EXPECT_FALSE(Comparer(session, demande, c));
        veilleur.join();
        EXPECT_TRUE(c.Parties.empty());
        EXPECT_TRUE(c.Refus.empty());
    }
}

} // namespace
} // namespace vasco::test
