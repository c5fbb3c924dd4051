// The data set: loading the top level of a data file (header, periods per
// year, title, counts, display scales, size-axis bounds), the period step and
// the step back on a fishery with neither species nor métier, and the period
// balance.
#include "dataset/Ubd.h"
#include "model/Uperiode.h"
#include "tests/model/Outils.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace vasco {
namespace {

using test::ChargerTexte;
using test::Cite;
using test::FichierTest;
using test::HoteEnregistreur;
using test::Messages;

// The display scales of every file of these tests: maxima 100 x (k + 1),
// divisors all different, so that a scale read in place of another shows.
constexpr std::array<float, NbEchelles> Maxima = {100, 200,  300,  400,  500,  600,  700, 800,
                                                  900, 1000, 1100, 1200, 1300, 1400, 1500};
constexpr std::array<float, NbEchelles> Diviseurs = {1000, 10, 2,  3,  4,  5,  6,   7,
                                                     8,    9,  11, 12, 13, 14, 0.5f};

// The fifteen scales, two lines each; those of scale k may be replaced.
std::string Echelles(int k0 = -1, const std::string& lignes = "")
{
    std::string s;
    for (int k = 0; k < NbEchelles; ++k) {
        if (k == k0)
            s += lignes;
        else
            s += std::to_string(Maxima[k]) + " " + std::to_string(Diviseurs[k]) + " échelle\n" +
                 "unité " + std::to_string(k) + "\n";
    }
    return s;
}

// A data file with neither species nor métier, in parts that a test may
// replace.  Lines: header 1-2, periods 3, title 4, species 5, separator 6,
// métiers 7, separator 8, scale k on lines 9 + 2k and 10 + 2k, size bounds 39.
struct Fichier {
    std::string entete = "1 ligne d'en-tête\nEssai\n";
    std::string periodes = "4 périodes par an\n";
    std::string titre = "Trimestres\n";
    std::string especes = "0 espèce\n";
    std::string metiers = "--- métiers ---\n0 métier\n";
    std::string echelles = "--- échelles ---\n" + Echelles();
    std::string tailles = "10 60 tailles des graphes\n";

    std::string Texte() const
    {
        return entete + periodes + titre + especes + metiers + echelles + tailles;
    }
};

ErreurLecture ErreurDeChargement(const std::string& texte)
{
    return test::ErreurDe([&] {
        TBDVasco bd;
        ChargerTexte(bd, texte);
    });
}

// The same little fishery in UTF-8, in Windows-1252, and with a byte-order
// mark and DOS line ends: every value and every name comes out the same.
TEST(Charger, FichierSansEspeceNiMetierDansTroisCodages)
{
    for (const char* nom : {"noyau_vide.vsc", "noyau_cp1252.vsc", "noyau_bom_crlf.vsc"}) {
        SCOPED_TRACE(nom);
        Messages messages;
        HoteEnregistreur hote;
        TBDVasco bd(&hote);
        bd.Charger(FichierTest(nom));
        EXPECT_EQ(bd.NbPeriodesAn, 4);
        EXPECT_EQ(bd.Titre, "  Années de pêche");
        EXPECT_TRUE(bd.Especes.Vide());
        EXPECT_TRUE(bd.Metiers.Vide());
        EXPECT_TRUE(bd.Bilans.Vide());
        EXPECT_EQ(bd.EchelleMax, Maxima);
        EXPECT_EQ(bd.EchelleDiviseur, Diviseurs);
        std::string unites;
        for (const std::string& u : bd.EchelleUnite)
            unites += u + "|";
        EXPECT_EQ(unites, "k€|tonnes|k€ par navire|tonnes par navire|marins|jours × navires|"
                          "navires|jours|tonnes|milliers d’individus|kg|F par période|milliers|"
                          "milliers – rejets compris|kg (œufs exclus, Œ)|");
        EXPECT_EQ(bd.TailleGraphe1, 10);
        EXPECT_EQ(bd.TailleGraphe2, 60);

        // Slot 0 holds the data set, the ancestors' slots are empty.
        EXPECT_EQ(bd.Contexte.Nombre(), 5);
        EXPECT_EQ(&bd.Contexte.En<TBDVasco>(0), &bd);
        for (int i = 1; i < 5; ++i)
            EXPECT_EQ(bd.Contexte.Lire(i), nullptr);
        EXPECT_EQ(bd.Hote(), &hote);
        EXPECT_TRUE(hote.Derniers.empty());
        EXPECT_TRUE(messages.Textes().empty());
    }
}

// Any number of header lines, none included; 1 to 255 periods a year; a
// negative count builds nothing; the title and the units keep their blanks.
TEST(Charger, VariantesAdmises)
{
    const std::pair<std::string Fichier::*, std::string> variantes[] = {
        {&Fichier::entete, "0 ligne d'en-tête\n"},
        {&Fichier::entete, "-2\n"},
        {&Fichier::entete, "3\n5\n6 7\n\n"},
        {&Fichier::periodes, "1\n"},
        {&Fichier::periodes, "255\n"},
        {&Fichier::especes, "-3 espèces\n"},
        {&Fichier::metiers, "---\n-1 métier\n"}};
    for (const auto& [partie, texte] : variantes) {
        SCOPED_TRACE(texte);
        Fichier f;
        f.*partie = texte;
        TBDVasco bd;
        ChargerTexte(bd, f.Texte());
        EXPECT_EQ(bd.NbPeriodesAn, partie == &Fichier::periodes ? std::stoi(texte) : 4);
        EXPECT_EQ(bd.Titre, "Trimestres");
        EXPECT_TRUE(bd.Especes.Vide());
        EXPECT_TRUE(bd.Metiers.Vide());
        EXPECT_EQ(bd.TailleGraphe2, 60);
    }

    Fichier f;
    f.titre = "  Trimestres de l'année \t\n";
    f.echelles = "---\n" + Echelles(0, "1000 1000\n  k€ \n");
    // CRLF, and CRLF converted twice ("\r\r\n").
    for (const std::string fin : {"\r\n", "\r\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(fin));
        std::string dos;
        for (char c : f.Texte())
            dos += c == '\n' ? fin : std::string(1, c);
        TBDVasco bd;
        ChargerTexte(bd, dos);
        EXPECT_EQ(bd.Titre, "  Trimestres de l'année \t");
        EXPECT_EQ(bd.EchelleUnite[0], "  k€ ");
        EXPECT_EQ(bd.EchelleUnite[1], "unité 1");
        EXPECT_EQ(bd.EchelleUnite[14], "unité 14");
        EXPECT_EQ(bd.TailleGraphe2, 60);
    }
}

// Each broken part stops the load with a read error at its line naming
// what was wrong.
TEST(Charger, FichiersRefuses)
{
    struct Cas {
        std::string Fichier::*partie;
        std::string texte;
        int ligne;
        std::string cite;
    };
    std::vector<Cas> cas = {
        // More header lines than the file holds: the end of the file.
        {&Fichier::entete, "1000\n", 39, "en-tête"},
        {&Fichier::entete, "deux lignes\n", 1, "deux"},
        // A count that would build more than 100 000 records is a broken
        // file: refused at once, at its own line.
        {&Fichier::especes, "100001\n", 5, "espèces"},
        {&Fichier::metiers, "---\n100001 métiers\n", 7, "métiers"},
        // A scale line with its divisor missing reads the unit as a number.
        {&Fichier::echelles, "---\n100\nk€\n" + Echelles(), 10, "k€"},
        {&Fichier::tailles, "10 32768\n", 39, "dernière taille"},
    };
    // Zero periods a year has no season; 256 does not fit the field.
    for (const std::string faux : {"0", "256", "-1", "1000", "4.5", "quatre"})
        cas.push_back({&Fichier::periodes, faux + " périodes\n", 3, "périodes par an"});
    for (const std::string faux : {"inf 1", "1e39 1", "1 nan", "1,5 2", "-1e40 1", "1 1e999"})
        cas.push_back({&Fichier::echelles, "---\n" + Echelles(3, faux + "\nt\n"), 15, "échelle 3"});
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.cite + " : " + k.texte.substr(0, 20));
        Fichier f;
        f.*k.partie = k.texte;
        const ErreurLecture e = ErreurDeChargement(f.Texte());
        EXPECT_EQ(e.Ligne(), k.ligne) << e.what();
        EXPECT_TRUE(Cite(e, k.cite)) << e.what();
    }

    // A file that cannot be opened or read is a read error, not an empty
    // fishery.
    TBDVasco bd;
    EXPECT_THROW(bd.Charger(FichierTest("absent.vsc")), ErreurLecture);
    EXPECT_THROW(bd.Charger(FichierTest("")), ErreurLecture);
    EXPECT_TRUE(bd.Especes.Vide());
    EXPECT_TRUE(bd.Bilans.Vide());
}

// A file cut anywhere before its last value (at a line start, after the
// first token, in the middle of a line) stops the load with a read error
// at the end of the file, naming what is missing.
TEST(Charger, FichierCoupe)
{
    const std::string texte = Fichier().Texte();
    // Line starts: line n begins at debuts[n].
    std::vector<size_t> debuts = {0, 0};
    for (size_t i = 0; i < texte.size(); ++i)
        if (texte[i] == '\n')
            debuts.push_back(i + 1);
    ASSERT_EQ(debuts.size(), 41u); // 39 lines and the end
    for (int ligne = 1; ligne <= 39; ++ligne) {
        const size_t debut = debuts[ligne];
        const size_t jeton = texte.find_first_of(" \n", debut);
        const size_t milieu = debut + (debuts[ligne + 1] - debut) / 2;
        for (size_t n : {debut, jeton, milieu}) {
            if (ligne == 39 && n == milieu)
                continue; // "10 60 tailles" cut after the 60: that file is whole
            SCOPED_TRACE(texte.substr(debut, n - debut));
            const ErreurLecture e = ErreurDeChargement(texte.substr(0, n));
            EXPECT_TRUE(Cite(e, "fin du fichier")) << e.what();
            EXPECT_GE(e.Ligne(), ligne);
            EXPECT_LE(e.Ligne(), ligne + 1);
        }
    }
    // After the value line of scale 7 its unit is missing, on line 24;
    // after its unit, the maximum of scale 8; after the first size bound,
    // the second.
    const std::tuple<size_t, int, const char*> coupes[] = {{debuts[24], 24, "échelle 7 : unité"},
                                                           {debuts[25], 25, "échelle 8 : maximum"},
                                                           {debuts[39] + 2, 39, "dernière taille"}};
    for (const auto& [n, ligne, cite] : coupes) {
        const ErreurLecture e = ErreurDeChargement(texte.substr(0, n));
        EXPECT_EQ(e.Ligne(), ligne);
        EXPECT_TRUE(Cite(e, cite)) << e.what();
    }
}

// With neither species nor métier a period still appends a balance of
// zeros and tells the step control the index of the last period; the step
// back removes it and stops once no period is left.  The years elapsed
// count periods by the file's periods per year.
TEST(Pas, SansEspeceNiMetier)
{
    Messages messages;
    HoteEnregistreur hote;
    TBDVasco bd(&hote);
    ChargerTexte(bd, Fichier().Texte());
    EXPECT_EQ(bd.AnneesEcoulees(), 0.0);
    for (int i = 0; i < 3; ++i)
        bd.Pas();
    EXPECT_EQ(bd.NbPeriodes(), 3);
    EXPECT_EQ(bd.AnneesEcoulees(), 0.75);
    EXPECT_EQ(hote.Derniers, (std::vector<int32_t>{0, 1, 2}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(test::Comptes(bd.Bilans.A<TPeriodeBilan>(i)), std::vector<float>(8, 0));

    bd.PasEnArriere();
    EXPECT_EQ(bd.NbPeriodes(), 2);
    EXPECT_EQ(bd.AnneesEcoulees(), 0.5);
    // The new last balance sits in slot 1.
    EXPECT_EQ(bd.Contexte.Lire(1), &bd.Bilans.Element(1));
    bd.PasEnArriere();
    bd.PasEnArriere();
    EXPECT_TRUE(bd.Bilans.Vide());
    EXPECT_EQ(hote.Derniers, (std::vector<int32_t>{0, 1, 2, 1, 0, -1}));
    bd.PasEnArriere();
    EXPECT_EQ(hote.Derniers.size(), 6u);
    EXPECT_EQ(bd.Bilans.Dernier, -1);

    // And forward again from the start.
    bd.Pas();
    EXPECT_EQ(hote.Derniers.back(), 0);
    EXPECT_EQ(bd.Bilans.Dernier, 0);
    EXPECT_TRUE(messages.Textes().empty());

    // A data set without a host of its own steps as well.
    Fichier annuel;
    annuel.periodes = "1\n";
    TBDVasco seul;
    ChargerTexte(seul, annuel.Texte());
    for (int i = 0; i < 3; ++i)
        seul.Pas();
    EXPECT_EQ(seul.AnneesEcoulees(), 3.0);
    for (int i = 0; i < 4; ++i)
        seul.PasEnArriere();
    EXPECT_EQ(seul.NbPeriodes(), 0);
}

// An element of the species or métier list that writes each phase it
// receives, with the number of balances at that moment, into a journal.
class Temoin : public TEL {
public:
    Temoin(std::string nom, std::vector<std::string>& journal, const TBDVasco& bd)
        : nom_(std::move(nom)), journal_(journal), bd_(bd)
    {
    }
    int Echec = -1; // the phase that raises

    void Faire(uint8_t phase, TContexte* c) override
    {
        std::string ligne =
            nom_ + " " + std::to_string(phase) + " (" + std::to_string(bd_.Bilans.Nombre()) + ")";
        if (c != &bd_.Contexte || c->Lire(1) != this)
            ligne += " sans contexte";
        journal_.push_back(ligne);
        if (phase == Echec)
            throw ErreurModele("témoin");
    }
    void Inscrire(TContexte& c) override { c.Fixer(1, this); }

private:
    std::string nom_;
    std::vector<std::string>& journal_;
    const TBDVasco& bd_;
};

class HoteJournal : public THoteSansFenetre {
public:
    explicit HoteJournal(std::vector<std::string>& journal) : journal_(journal) {}
    void DernierePeriode(int32_t index) override
    {
        journal_.push_back("hôte " + std::to_string(index));
    }

private:
    std::vector<std::string>& journal_;
};

// The ten steps of a period in their order: the catches need the mortality
// of every métier, the métiers' period balances add into the balance
// appended just before them, and the step control hears of it last.
TEST(Pas, OrdreDesPhases)
{
    Messages messages;
    std::vector<std::string> journal;
    HoteJournal hote(journal);
    TBDVasco bd(&hote);
    ChargerTexte(bd, Fichier().Texte());
    bd.Especes.AjouterElement(std::make_unique<Temoin>("E", journal, bd), nullptr);
    bd.Metiers.AjouterElement(std::make_unique<Temoin>("M", journal, bd), nullptr);

    bd.Pas();
    EXPECT_EQ(journal,
              (std::vector<std::string>{"E 1 (0)", "M 1 (0)", "E 2 (0)", "M 2 (0)", "M 3 (0)",
                                        "M 4 (1)", "M 5 (1)", "E 5 (1)", "hôte 0"}));
    journal.clear();
    bd.PasEnArriere();
    EXPECT_EQ(journal, (std::vector<std::string>{"M 9 (1)", "E 9 (1)", "hôte -1"}));
    EXPECT_TRUE(bd.Bilans.Vide());
    EXPECT_TRUE(messages.Textes().empty());

    // A failing element is reported once; the period goes on to its end.
    bd.Especes.A<Temoin>(0).Echec = 2;
    bd.Especes.AjouterElement(std::make_unique<Temoin>("E2", journal, bd), nullptr);
    journal.clear();
    bd.Pas();
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Uliste/TSupListe.Faire"});
    EXPECT_EQ(journal.size(), 12u);
    EXPECT_EQ(journal[4], "E2 2 (0)");
    EXPECT_EQ(journal.back(), "hôte 0");
    EXPECT_EQ(bd.NbPeriodes(), 1);
}

// Each code divides its field by its own scale: with all divisors
// different, a wrong field or a wrong scale gives a wrong value.
TEST(PeriodeBilan, CalculParCode)
{
    Messages messages;
    TBDVasco bd;
    ChargerTexte(bd, Fichier().Texte());
    TPeriodeBilan b;
    b.CA = 2500000;
    b.Benefice = -40000;
    b.PoidsDebarque = 730;
    b.CAGris = 12000;
    b.Effectifs = 84;
    b.SubventionsNettes = -3000;
    b.PoidsRejete = 55;
    b.JoursEquipage = 900;
    EXPECT_EQ(b.Calcul(50, &bd.Contexte), 2500);
    EXPECT_EQ(b.Calcul(51, &bd.Contexte), -40);
    EXPECT_EQ(b.Calcul(52, &bd.Contexte), 73);
    EXPECT_EQ(b.Calcul(53, &bd.Contexte), 12);
    EXPECT_EQ(b.Calcul(54, &bd.Contexte), 21);
    EXPECT_EQ(b.Calcul(55, &bd.Contexte), -3);
    for (int code : {0, 49, 56, 60, 81, 255})
        EXPECT_EQ(b.Calcul(static_cast<uint8_t>(code), &bd.Contexte), 0) << code;
    EXPECT_TRUE(messages.Textes().empty());

    EXPECT_THROW(bd.Divise(1, -1), ErreurModele);
    EXPECT_THROW(bd.Divise(1, NbEchelles), ErreurModele);
    EXPECT_EQ(bd.Divise(3, 14), 6);
}

// A divisor of zero in the file is reported by the balance and reads as 0;
// so is a balance asked without its data set.
TEST(PeriodeBilan, DiviseurNul)
{
    Fichier f;
    f.echelles = "---\n" + Echelles(0, "1000 0 diviseur nul\nk€\n");
    Messages messages;
    TBDVasco bd;
    ChargerTexte(bd, f.Texte());
    bd.Pas();
    auto& b = bd.Bilans.A<TPeriodeBilan>(0);
    b.CA = 100;
    b.PoidsDebarque = 50;
    EXPECT_EQ(b.Calcul(50, &bd.Contexte), 0);
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"UPeriode/TPeriodeBilan.Calcul"});
    EXPECT_EQ(b.Calcul(52, &bd.Contexte), 5);
    EXPECT_EQ(messages.Textes().size(), 1u);

    // The axis of a graph over the balances: 0 with one message per balance.
    bd.Pas();
    EXPECT_EQ(bd.Bilans.Maximum(51, &bd.Contexte), 0);
    EXPECT_EQ(messages.Nombre("UPeriode/TPeriodeBilan.Calcul"), 3);
    EXPECT_EQ(bd.Contexte.Lire(1), &bd.Bilans.Element(1));

    messages.Effacer();
    TContexte sansDonnees;
    EXPECT_EQ(b.Calcul(52, nullptr), 0);
    EXPECT_EQ(b.Calcul(52, &sansDonnees), 0);
    EXPECT_EQ(messages.Nombre("UPeriode/TPeriodeBilan.Calcul"), 2);
}

} // namespace
} // namespace vasco
