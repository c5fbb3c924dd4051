// The game session without any window: loading, a refused load keeping the
// old data set, saving and "changed", opening a saved game (its data file
// found, asked for, or changed), refusals leaving everything as it was, and
// the headless replay of the comparison, on another thread too.
#include "biology/UMath.h"
#include "dataset/USession.h"
#include "model/USha256.h"
#include "model/Ulecteur.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace vasco::test {
namespace {

namespace fs = std::filesystem;

// A folder of its own for each test, removed after it.
class Dossier {
public:
    explicit Dossier(const std::string& nom)
        : chemin_(fs::temp_directory_path() /
                  ("vasco_session_" + nom + "_" + std::to_string(::getpid())))
    {
        fs::remove_all(chemin_);
        fs::create_directories(chemin_);
    }
    ~Dossier() { fs::remove_all(chemin_); }
    fs::path operator/(const std::string& nom) const { return chemin_ / nom; }

private:
    fs::path chemin_;
};

void Ecrire(const fs::path& chemin, const std::string& texte)
{
    std::ofstream(chemin, std::ios::binary) << texte;
}

std::string Octets(const std::string& chemin)
{
    return LireTexte(chemin).value();
}

TCompteRendu Charger(TSession& session, const std::string& exemple)
{
    const std::string chemin = FichierDonnees(exemple);
    return session.Charger(chemin, Octets(chemin));
}

// Saves the session's game as the window does: the text written, then the
// session told.
void Enregistrer(TSession& session, const fs::path& fichier)
{
    Ecrire(fichier, session.TexteAEnregistrer(fichier));
    session.Enregistree(fichier);
}

// A game of golfe.vsc, copied at `donnees`, with random recruitment: steps,
// a step back, measures on a métier and a species, growth made random
// half-way, the contest on.
void Jouer(TSession& session, const fs::path& donnees)
{
    const std::string golfe = Octets(FichierDonnees("golfe.vsc"));
    Ecrire(donnees, golfe);
    session.FixerOptions({true, false, false});
    ASSERT_TRUE(session.Charger(donnees, golfe).Reussi());
    TBDVasco& bd = *session.Donnees();
    Mesurer(bd, false, 0, TMesure::Navires, "15");
    for (int i = 0; i < 3; ++i)
        bd.Pas();
    bd.PasEnArriere();
    Mesurer(bd, true, 0, TMesure::Quota, "250");
    session.FixerOptions({true, true, true});
    for (int i = 0; i < 3; ++i)
        bd.Pas();
}

void MemesReleves(const TBDVasco& a, const TBDVasco& b)
{
    ASSERT_EQ(a.NbPeriodes(), b.NbPeriodes());
    for (int p = 1; p <= a.NbPeriodes(); ++p)
        ASSERT_EQ(Releve(a, p), Releve(b, p)) << "période " << p;
}

TEST(Session, ChargeEtGardeLAncienneDonneeSurUnFichierCasse)
{
    Messages messages;
    TSession session;
    int remplacements = 0;
    session.AvantRemplacement = [&] { ++remplacements; };
    ASSERT_TRUE(Charger(session, "simple.vsc").Reussi());
    const std::string octets = Octets(FichierDonnees("simple.vsc"));
    EXPECT_EQ(remplacements, 1);
    EXPECT_EQ(session.FichierDonnees(), FichierDonnees("simple.vsc"));
    EXPECT_EQ(session.Octets(), octets);
    EXPECT_EQ(session.Empreinte(), Sha256Hex(octets));
    EXPECT_TRUE(session.FichierPartie().empty());
    EXPECT_FALSE(session.Modifiee());
    session.Donnees()->Pas();
    const TBDVasco* avant = session.Donnees();
    const uint32_t graine = Graine();

    const struct {
        const char* nom;
        std::string octets;
        int ligne; // of the read error; 0: the whole file
    } cas[] = {
        {"vide", "", 1},
        {"coupé", octets.substr(0, octets.size() / 2), -1},
        {"en-tête", "x\n", 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const TCompteRendu r = session.Charger("/ailleurs/casse.vsc", c.octets);
        EXPECT_EQ(r.Refus, TRefusSession::DonneesIllisibles);
        ASSERT_TRUE(r.Lecture.has_value());
        if (c.ligne >= 0) {
            EXPECT_EQ(r.Lecture->Ligne(), c.ligne);
        }
        EXPECT_EQ(r.Raison, r.Lecture->what());
        EXPECT_EQ(session.Donnees(), avant);
        EXPECT_EQ(session.Donnees()->NbPeriodes(), 1);
        EXPECT_EQ(session.FichierDonnees(), FichierDonnees("simple.vsc"));
        EXPECT_EQ(session.Empreinte(), Sha256Hex(octets));
        EXPECT_EQ(Graine(), graine);
        EXPECT_EQ(remplacements, 1);
    }
}

// Saved, the game has not changed; each of these changes it (a contest
// switched on does not: it starts the game again from its data file).
TEST(Session, ModifieeApresChaqueChangement)
{
    Dossier dossier("modifiee");
    const struct {
        const char* nom;
        void (*changer)(TSession&);
        bool modifiee;
    } cas[] = {
        {"un pas", [](TSession& s) { s.Donnees()->Pas(); }, true},
        {"un pas en arrière", [](TSession& s) { s.Donnees()->PasEnArriere(); }, true},
        {"une mesure", [](TSession& s) { Mesurer(*s.Donnees(), false, 0, TMesure::Jours, "20"); },
         true},
        {"une option",
         [](TSession& s) {
             s.FixerOptions({true, false, false});
         },
         true},
        {"le concours",
         [](TSession& s) {
             s.FixerOptions({false, false, true});
         },
         false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        TSession session;
        ASSERT_TRUE(Charger(session, "golfe.vsc").Reussi());
        session.Donnees()->Pas();
        session.Donnees()->Pas();
        EXPECT_TRUE(session.Modifiee());
        Enregistrer(session, dossier / "jeu.vsp");
        EXPECT_FALSE(session.Modifiee());
        EXPECT_EQ(session.FichierPartie(), dossier / "jeu.vsp");
        c.changer(session);
        EXPECT_EQ(session.Modifiee(), c.modifiee);
    }
}

TEST(Session, OuvreUnePartieEnregistreeAuBitPres)
{
    Messages messages;
    Dossier dossier("ouvre");
    TSession source;
    // The data file beside the game, named relatively.
    Jouer(source, dossier / "golfe.vsc");
    Enregistrer(source, dossier / "eleve.vsp");
    EXPECT_NE(LireTexte(dossier / "eleve.vsp")->find("\ndonnees;golfe.vsc;"), std::string::npos);
    const uint32_t etat = Graine();

    FixerGraine(99);
    TSession session;
    int suivis = 0;
    session.OptionsChangees = [&] { ++suivis; };
    int demandes = 0;
    const auto demander = [&](const std::string&) {
        ++demandes;
        return fs::path();
    };
    const TCompteRendu r = session.Ouvrir(dossier / "eleve.vsp", {}, demander);
    ASSERT_TRUE(r.Reussi()) << r.Raison;
    EXPECT_EQ(demandes, 0);
    EXPECT_EQ(Graine(), etat);
    MemesReleves(*session.Donnees(), *source.Donnees());
    EXPECT_EQ(session.Options(), (TOptionsSession{true, true, true}));
    EXPECT_GE(suivis, 1);
    EXPECT_EQ(session.FichierPartie(), dossier / "eleve.vsp");
    EXPECT_EQ(session.FichierDonnees(), dossier / "golfe.vsc");
    EXPECT_FALSE(session.Modifiee());
    EXPECT_EQ(session.TexteAEnregistrer(dossier / "eleve.vsp"),
              source.TexteAEnregistrer(dossier / "eleve.vsp"));

    // The replay of the comparison: from the loaded bytes, on this thread
    // and on another, to the same numbers; a game of other data refused.
    const TPartie partie = LirePartie(*LireTexte(dossier / "eleve.vsp"));
    const TPartieRejouee ici = session.Rejouer(partie);
    ASSERT_TRUE(ici.CompteRendu.Reussi()) << ici.CompteRendu.Raison;
    MemesReleves(*ici.Donnees, *source.Donnees());
    TPartieRejouee ailleurs;
    std::thread([&] { ailleurs = session.Rejouer(partie); }).join();
    ASSERT_TRUE(ailleurs.Donnees);
    MemesReleves(*ailleurs.Donnees, *source.Donnees());
    TPartie autre = partie;
    autre.Empreinte = Sha256Hex("autre");
    const TPartieRejouee refusee = session.Rejouer(autre);
    EXPECT_EQ(refusee.CompteRendu.Refus, TRefusSession::DonneesChangees);
    EXPECT_EQ(refusee.Donnees, nullptr);
    EXPECT_TRUE(messages.Textes().empty());
}

// A game that cannot be opened leaves the session as it was: data set,
// files, options, "changed" and the generator.  A data file found nowhere
// is asked for; the right one given, the game opens.
TEST(Session, PartieRefuseeSansRienChanger)
{
    Messages messages;
    Dossier dossier("refus");
    const std::string simple = Octets(FichierDonnees("simple.vsc"));
    Ecrire(dossier / "ma_peche.vsc", simple);
    {
        TSession source;
        ASSERT_TRUE(source.Charger(dossier / "ma_peche.vsc", simple).Reussi());
        source.Donnees()->Pas();
        Enregistrer(source, dossier / "bonne.vsp");
    }
    const std::string bonne = *LireTexte(dossier / "bonne.vsp");
    Ecrire(dossier / "coupee.vsp", bonne.substr(0, bonne.find("graine")));
    Ecrire(dossier / "inconnu.vsp", bonne + "0;metier;Personne;navires;3\n");

    TSession session;
    ASSERT_TRUE(Charger(session, "golfe.vsc").Reussi());
    session.FixerOptions({true, false, false});
    session.Donnees()->Pas();
    const TBDVasco* avant = session.Donnees();
    const fs::path donnees = session.FichierDonnees();
    const uint32_t graine = Graine();

    fs::path reponse;
    std::vector<std::string> demandees;
    const auto demander = [&](const std::string& nom) {
        demandees.push_back(nom);
        return reponse;
    };
    const struct {
        const char* nom;
        const char* fichier;
        bool changer;   // the data file changed since the save
        bool ranger;    // moved where no search finds it
        bool demandeur; // the caller can ask for it
        TRefusSession refus;
        const char* raison;
    } cas[] = {
        {"illisible", "absente.vsp", false, false, true, TRefusSession::PartieIllisible, ""},
        {"coupée", "coupee.vsp", false, false, true, TRefusSession::PartieFautive, "partie ligne "},
        {"mesure", "inconnu.vsp", false, false, true, TRefusSession::PartieFautive,
         "métier inconnu « Personne »"},
        {"changée", "bonne.vsp", true, false, true, TRefusSession::DonneesChangees,
         "Le fichier de données ma_peche.vsc a changé depuis l'enregistrement de la partie"},
        {"abandon", "bonne.vsp", false, true, true, TRefusSession::DonneesAbandonnees, ""},
        {"introuvable", "bonne.vsp", false, true, false, TRefusSession::DonneesIntrouvables,
         "Le fichier de données ma_peche.vsc de la partie est introuvable"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Ecrire(dossier / "ma_peche.vsc", c.changer ? simple + "\n" : simple);
        if (c.ranger)
            fs::rename(dossier / "ma_peche.vsc", dossier / "rangee.vsc");
        demandees.clear();
        const TCompteRendu r = session.Ouvrir(
            dossier / c.fichier, {}, c.demandeur ? TSession::TDemandeDonnees(demander) : nullptr);
        if (c.ranger)
            fs::rename(dossier / "rangee.vsc", dossier / "ma_peche.vsc");
        EXPECT_EQ(r.Refus, c.refus);
        EXPECT_NE(r.Raison.find(c.raison), std::string::npos) << r.Raison;
        EXPECT_EQ(demandees.size(), c.ranger && c.demandeur ? 1u : 0u);
        EXPECT_EQ(session.Donnees(), avant);
        EXPECT_EQ(session.Donnees()->NbPeriodes(), 1);
        EXPECT_EQ(session.FichierDonnees(), donnees);
        EXPECT_TRUE(session.FichierPartie().empty());
        EXPECT_EQ(session.Options(), (TOptionsSession{true, false, false}));
        EXPECT_TRUE(session.Modifiee());
        EXPECT_EQ(Graine(), graine);
    }

    fs::rename(dossier / "ma_peche.vsc", dossier / "rangee.vsc");
    reponse = dossier / "rangee.vsc";
    const TCompteRendu r = session.Ouvrir(dossier / "bonne.vsp", {}, demander);
    ASSERT_TRUE(r.Reussi()) << r.Raison;
    EXPECT_EQ(demandees, std::vector<std::string>{"ma_peche.vsc"});
    EXPECT_EQ(session.FichierDonnees(), reponse);
    EXPECT_EQ(session.Donnees()->NbPeriodes(), 1);
    EXPECT_EQ(session.Options(), TOptionsSession{});
    EXPECT_TRUE(messages.Textes().empty());
}

// The receiver of a replay's messages is the caller's only during the
// replay, whatever ends it.
TEST(Session, RecepteurDeLaRepriseRendu)
{
    Messages messages;
    TSession session;
    ASSERT_TRUE(Charger(session, "simple.vsc").Reussi());
    session.Donnees()->Pas();
    const TPartie partie = LirePartie(session.TexteAEnregistrer("/tmp/jeu.vsp"));
    std::vector<std::string> pendant;
    TReprise reprise;
    reprise.Recepteur = [&](const std::string& texte) { pendant.push_back(texte); };
    reprise.Suivi = [](const TBDVasco&, int64_t p) {
        Signaler("période " + std::to_string(p));
        if (p == 1)
            throw 1; // not a std::exception: it passes through the session
    };
    EXPECT_THROW(session.Rejouer(partie, reprise), int);
    EXPECT_EQ(pendant, (std::vector<std::string>{"période 0", "période 1"}));
    Signaler("après");
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"après"});
}

} // namespace
} // namespace vasco::test
