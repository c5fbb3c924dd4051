// The element and list framework: numbering, removal, checked access, the
// walks with one guard per element, Combiner by number, finding by name,
// Maximum and Minimum, and the graph feeders.
#include "model/Uliste.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace vasco {
namespace {

using test::HoteEnregistreur;
using test::Messages;

// One call received by a probe element.
struct Appel {
    std::string op;
    int id = -1;
    int autre = -1; // the paired element of Combiner
    uint8_t phase = 0;
    TContexte* contexte = nullptr;
    THote* fenetre = nullptr;
    float facteur = 0;
    bool inscrit = false; // the element sat in its slot when called
};

// An element that records its calls; it may raise after recording, to show
// that a walk keeps what the failing element did and goes on.
class Sonde : public TELaNom {
public:
    static constexpr int Emplacement = 2;

    Sonde(int id, std::vector<Appel>& journal, std::vector<int>* detruits = nullptr)
        : Id(id), journal_(journal), detruits_(detruits)
    {
    }
    ~Sonde() override
    {
        if (detruits_)
            detruits_->push_back(Id);
    }

    int Id;
    bool Echoue = false;
    long double Valeur = 0;
    int Inscriptions = 0;

    long double Calcul(uint8_t code, TContexte* c) override
    {
        Noter("Calcul", code, c);
        return Valeur;
    }
    void Faire(uint8_t phase, TContexte* c) override { Noter("Faire", phase, c); }
    void FaireDans(THote* fenetre, uint8_t code, TContexte* c) override
    {
        Noter("FaireDans", code, c, fenetre);
    }
    void FairePar(uint8_t phase, TContexte* c, float facteur) override
    {
        Noter("FairePar", phase, c, nullptr, facteur);
    }
    void Combiner(TEL& autre, uint8_t phase, TContexte* c) override
    {
        const int idAutre = dynamic_cast<Sonde&>(autre).Id;
        journal_.push_back({"Combiner", Id, idAutre, phase, c, nullptr, 0, Inscrit(c)});
        if (Echoue)
            throw ErreurModele("sonde");
    }
    void Inscrire(TContexte& c) override
    {
        ++Inscriptions;
        c.Fixer(Emplacement, this);
    }

private:
    bool Inscrit(TContexte* c) const { return c && c->Lire(Emplacement) == this; }
    void Noter(const char* op, uint8_t phase, TContexte* c, THote* fenetre = nullptr,
               float facteur = 0)
    {
        journal_.push_back({op, Id, -1, phase, c, fenetre, facteur, Inscrit(c)});
        if (Echoue)
            throw ErreurModele("sonde");
    }

    std::vector<Appel>& journal_;
    std::vector<int>* detruits_;
};

TContexte ContexteVide()
{
    TContexte c;
    for (int i = 0; i < TContexte::NbEmplacements; ++i)
        c.Ajouter(nullptr);
    return c;
}

// Fills a list with probes numbered id0, id0 + 1, ...; returns them.
std::vector<Sonde*> Remplir(TSupListe& liste, int nombre, std::vector<Appel>& journal, int id0 = 0)
{
    std::vector<Sonde*> sondes;
    for (int i = 0; i < nombre; ++i) {
        auto s = std::make_unique<Sonde>(id0 + i, journal);
        sondes.push_back(s.get());
        liste.AjouterElement(std::move(s), nullptr);
    }
    return sondes;
}

std::vector<int> Ids(const std::vector<Appel>& journal)
{
    std::vector<int> ids;
    for (const Appel& a : journal)
        ids.push_back(a.id);
    return ids;
}

TEST(Liste, NumerotationAjoutEtRetraitJusquAVide)
{
    Messages messages;
    std::vector<Appel> journal;
    TSupListe liste;
    EXPECT_EQ(liste.Premier, 0);
    EXPECT_EQ(liste.Dernier, -1);

    liste.Numeroter(5);
    Remplir(liste, 1, journal);
    EXPECT_EQ(liste.Premier, 5);
    EXPECT_EQ(liste.Dernier, 5);
    Remplir(liste, 2, journal, 1);
    EXPECT_EQ(liste.Dernier, 7);
    EXPECT_EQ(liste.ParNumero(4), nullptr);
    EXPECT_EQ(liste.ParNumero(5), &liste.Element(0));
    EXPECT_EQ(liste.ParNumero(7), &liste.Element(2));
    EXPECT_EQ(liste.ParNumero(8), nullptr);
    EXPECT_EQ(liste.ParNumero(INT32_MIN), nullptr);
    EXPECT_EQ(liste.ParNumero(INT32_MAX), nullptr);

    // Numbering set after filling, to a negative class number.
    liste.Numeroter(-3);
    EXPECT_EQ(liste.Dernier, -1);
    EXPECT_EQ(liste.ParNumero(-2), &liste.Element(1));

    liste.RetirerDernier(nullptr);
    EXPECT_EQ(liste.Premier, -3);
    EXPECT_EQ(liste.Dernier, -2);
    liste.RetirerDernier(nullptr);
    EXPECT_EQ(liste.Dernier, -3);
    // Down to empty: Dernier would fall below Premier (and is still
    // negative before that), the numbering goes back to 0 / -1.
    liste.RetirerDernier(nullptr);
    EXPECT_TRUE(liste.Vide());
    EXPECT_EQ(liste.Premier, 0);
    EXPECT_EQ(liste.Dernier, -1);
    EXPECT_TRUE(messages.Textes().empty());

    // Removing from an empty list is a fault reported once; nothing changes.
    liste.RetirerDernier(nullptr);
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Uliste/TSupListe.RetirerDernier"});
    EXPECT_EQ(liste.Premier, 0);
    EXPECT_EQ(liste.Dernier, -1);

    // A list that was numbered and emptied numbers again from 0.
    Remplir(liste, 2, journal);
    EXPECT_EQ(liste.Premier, 0);
    EXPECT_EQ(liste.Dernier, 1);
}

TEST(Liste, NumerotationAuxBornesDes32Bits)
{
    std::vector<Appel> journal;
    TSupListe haut;
    haut.Numeroter(INT32_MAX - 1);
    Remplir(haut, 2, journal);
    EXPECT_EQ(haut.Dernier, INT32_MAX);
    EXPECT_EQ(haut.ParNumero(INT32_MAX), &haut.Element(1));
    EXPECT_EQ(haut.ParNumero(INT32_MIN), nullptr);
    haut.RetirerDernier(nullptr);
    EXPECT_EQ(haut.Dernier, INT32_MAX - 1);

    TSupListe bas;
    bas.Numeroter(INT32_MIN);
    Remplir(bas, 1, journal);
    EXPECT_EQ(bas.Dernier, INT32_MIN);
    EXPECT_EQ(bas.ParNumero(INT32_MIN), &bas.Element(0));
    EXPECT_EQ(bas.ParNumero(INT32_MAX), nullptr);

    // Pairing the two ends of the number line: no common number.
    journal.clear();
    bas.Combiner(haut, 1, nullptr);
    haut.Combiner(bas, 1, nullptr);
    EXPECT_TRUE(journal.empty());
}

TEST(Liste, AjoutRetraitInscriventEtDetruisentDuDernierAuPremier)
{
    Messages messages;
    std::vector<Appel> journal;
    std::vector<int> detruits;
    TContexte contexte = ContexteVide();
    {
        TSupListe liste;
        for (int i = 0; i < 3; ++i) {
            auto s = std::make_unique<Sonde>(i, journal, &detruits);
            Sonde* p = s.get();
            liste.AjouterElement(std::move(s), &contexte);
            EXPECT_EQ(contexte.Lire(Sonde::Emplacement), p);
        }
        // Without a context list nothing registers.
        auto s = std::make_unique<Sonde>(3, journal, &detruits);
        Sonde* quatrieme = s.get();
        liste.AjouterElement(std::move(s), nullptr);
        EXPECT_EQ(quatrieme->Inscriptions, 0);

        // The new last element registers itself after a removal.
        liste.RetirerDernier(&contexte);
        EXPECT_EQ(detruits, std::vector<int>{3});
        contexte.Fixer(Sonde::Emplacement, nullptr);
        liste.RetirerDernier(&contexte);
        EXPECT_EQ(contexte.Lire(Sonde::Emplacement), &liste.Element(1));

        // An absent element is refused with the operation's text.
        liste.AjouterElement(nullptr, &contexte);
        EXPECT_EQ(messages.Nombre("Uliste/TSupLIste.AjouterElement"), 1);
        EXPECT_EQ(liste.Nombre(), 2);
        EXPECT_EQ(liste.Dernier, 1);
    }
    EXPECT_EQ(detruits, (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(messages.Textes().size(), 1u);
}

// Removing the last element leaves no slot of the context list pointing at
// it: a later reading of that slot would meet a destroyed element.
TEST(Liste, RetraitNeLaissePasDElementDetruitDansLeContexte)
{
    std::vector<Appel> journal;
    TContexte contexte = ContexteVide();
    TSupListe liste;
    for (int i = 0; i < 2; ++i)
        liste.AjouterElement(std::make_unique<Sonde>(i, journal), &contexte);
    liste.RetirerDernier(&contexte);
    EXPECT_EQ(contexte.Lire(Sonde::Emplacement), &liste.Element(0));
    liste.RetirerDernier(&contexte);
    EXPECT_EQ(contexte.Lire(Sonde::Emplacement), nullptr);
}

TEST(Liste, AccesVerifieLeveErreurModele)
{
    std::vector<Appel> journal;
    TSupListe liste;
    EXPECT_THROW(liste.Element(0), ErreurModele);
    EXPECT_THROW(liste.DernierElement<Sonde>(), ErreurModele);
    liste.Numeroter(10);
    Remplir(liste, 2, journal);
    EXPECT_EQ(liste.A<Sonde>(1).Id, 1);
    EXPECT_EQ(liste.DernierElement<Sonde>().Id, 1);
    // Access is by index, not by number.
    EXPECT_THROW(liste.Element(10), ErreurModele);
    EXPECT_THROW(liste.Element(2), ErreurModele);
    EXPECT_THROW(liste.Element(-1), ErreurModele);
    EXPECT_THROW(liste.Element(INT_MIN), ErreurModele);
    liste.AjouterElement(std::make_unique<TEL>(), nullptr);
    EXPECT_THROW(liste.A<Sonde>(2), ErreurModele);
    EXPECT_THROW(liste.DernierElement<TELaNom>(), ErreurModele);
}

TEST(Liste, ContexteARempliEtAccesVerifie)
{
    TContexte contexte = ContexteVide();
    EXPECT_EQ(contexte.Nombre(), TContexte::NbEmplacements);
    EXPECT_EQ(contexte.Lire(5), nullptr);
    EXPECT_EQ(contexte.Lire(-1), nullptr);
    EXPECT_THROW(contexte.Fixer(5, nullptr), ErreurModele);
    EXPECT_THROW(contexte.Fixer(-1, nullptr), ErreurModele);
    // An empty slot, or one holding another class, is a model fault.
    EXPECT_THROW(contexte.En<TELaNom>(1), ErreurModele);
    TEL simple;
    contexte.Fixer(1, &simple);
    EXPECT_THROW(contexte.En<TELaNom>(1), ErreurModele);
    EXPECT_EQ(&contexte.En<TEL>(1), &simple);
}

TEST(Liste, ChercherExactSensibleALaCasseEtAuxBlancs)
{
    std::vector<Appel> journal;
    TSupListe liste;
    liste.AjouterElement(std::make_unique<TEL>(), nullptr); // nameless
    auto sondes = Remplir(liste, 4, journal);
    sondes[0]->Nom = "Merlu";
    sondes[1]->Nom = "Sole ";
    sondes[2]->Nom = "Langoustine";
    sondes[3]->Nom = "Merlu";

    EXPECT_EQ(liste.Chercher("Merlu"), sondes[0]); // the first of two
    EXPECT_EQ(liste.Chercher("Langoustine"), sondes[2]);
    EXPECT_EQ(liste.Chercher("Sole "), sondes[1]);
    EXPECT_EQ(liste.Chercher("Sole"), nullptr);
    EXPECT_EQ(liste.Chercher("merlu"), nullptr);
    EXPECT_EQ(liste.Chercher("Merl"), nullptr);
    EXPECT_EQ(liste.Chercher("Merlu "), nullptr);
    EXPECT_EQ(liste.Chercher(""), nullptr);
    EXPECT_EQ(TSupListe().Chercher("Merlu"), nullptr);
}

TEST(Liste, MaximumMinimum)
{
    Messages messages;
    std::vector<Appel> journal;
    TContexte contexte = ContexteVide();
    TSupListe liste;

    // Before the first period a graph asks an empty list: 0, no fault.
    EXPECT_EQ(liste.Maximum(50, &contexte), 0);
    EXPECT_EQ(liste.Minimum(50, nullptr), 0);

    auto sondes = Remplir(liste, 4, journal);
    for (int i = 0; i < 4; ++i)
        sondes[i]->Valeur = std::vector<long double>{-5, -3, -9, -3}[i];
    // All below zero: the maximum is not the starting 0.
    EXPECT_EQ(liste.Maximum(83, &contexte), -3);
    EXPECT_EQ(liste.Minimum(83, &contexte), -9);
    for (int i = 0; i < 4; ++i)
        sondes[i]->Valeur = std::vector<long double>{5, 3, 9, 0.5L}[i];
    EXPECT_EQ(liste.Maximum(83, &contexte), 9);
    EXPECT_EQ(liste.Minimum(83, &contexte), 0.5L);

    // Each element sits in its slot when asked, and is asked the code.
    journal.clear();
    liste.Maximum(83, &contexte);
    ASSERT_EQ(journal.size(), 4u);
    for (const Appel& a : journal) {
        EXPECT_TRUE(a.inscrit);
        EXPECT_EQ(a.phase, 83);
        EXPECT_EQ(a.contexte, &contexte);
    }
    journal.clear();
    contexte.Fixer(Sonde::Emplacement, nullptr);
    liste.Minimum(84, nullptr);
    EXPECT_EQ(contexte.Lire(Sonde::Emplacement), nullptr);
    EXPECT_EQ(journal.front().contexte, nullptr);

    // Ties keep the earlier element: +0 and -0 compare equal, the sign
    // shows which one was kept.
    sondes[0]->Valeur = 0.0L;
    sondes[1]->Valeur = -0.0L;
    sondes[2]->Valeur = -0.0L;
    sondes[3]->Valeur = 0.0L;
    EXPECT_FALSE(std::signbit(liste.Maximum(1, nullptr)));
    EXPECT_FALSE(std::signbit(liste.Minimum(1, nullptr)));
    sondes[0]->Valeur = -0.0L;
    EXPECT_TRUE(std::signbit(liste.Maximum(1, nullptr)));
    EXPECT_TRUE(std::signbit(liste.Minimum(1, nullptr)));
    EXPECT_TRUE(messages.Textes().empty());
}

// Each walk visits every element in order, registers it first, passes its
// arguments unchanged, and reports a failing element once with its own text
// before going on with the next one.
TEST(Liste, ParcoursContinuentApresUnEchecAvecUnSeulMessage)
{
    std::vector<Appel> journal;
    TContexte contexte = ContexteVide();
    HoteEnregistreur hote;
    TSupListe liste;
    auto sondes = Remplir(liste, 3, journal);
    sondes[1]->Echoue = true;

    struct Cas {
        const char* texte;
        std::string op;
        void (*lancer)(TSupListe&, TContexte*, THote*);
        uint8_t phase;
        float facteur;
    };
    const Cas cas[] = {
        {"Uliste/TSupListe.Faire", "Faire",
         [](TSupListe& l, TContexte* c, THote*) { l.Faire(5, c); }, 5, 0},
        {"Uliste/TsupListe.FaireDans", "FaireDans",
         [](TSupListe& l, TContexte* c, THote* h) { l.FaireDans(h, 72, c); }, 72, 0},
        {"Uliste/TsupListe.FairePar", "FairePar",
         [](TSupListe& l, TContexte* c, THote*) { l.FairePar(3, c, 0.25f); }, 3, 0.25f},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.op);
        for (TContexte* c : {&contexte, static_cast<TContexte*>(nullptr)}) {
            Messages messages;
            journal.clear();
            contexte.Fixer(Sonde::Emplacement, nullptr);
            k.lancer(liste, c, &hote);
            EXPECT_EQ(messages.Textes(), std::vector<std::string>{k.texte});
            ASSERT_EQ(Ids(journal), (std::vector<int>{0, 1, 2}));
            for (const Appel& a : journal) {
                EXPECT_EQ(a.op, k.op);
                EXPECT_EQ(a.phase, k.phase);
                EXPECT_EQ(a.contexte, c);
                EXPECT_EQ(a.inscrit, c != nullptr);
                EXPECT_EQ(a.facteur, k.facteur);
                EXPECT_EQ(a.fenetre, k.op == "FaireDans" ? &hote : nullptr);
            }
            // Without a context list no element registers.
            if (!c) {
                EXPECT_EQ(contexte.Lire(Sonde::Emplacement), nullptr);
            }
        }
    }

    // Every element failing: one message each, none skipped.
    Messages messages;
    journal.clear();
    for (Sonde* s : sondes)
        s->Echoue = true;
    liste.Faire(1, &contexte);
    EXPECT_EQ(messages.Nombre("Uliste/TSupListe.Faire"), 3);
    EXPECT_EQ(journal.size(), 3u);

    // An empty list does nothing.
    TSupListe vide;
    vide.Faire(1, &contexte);
    vide.FaireDans(&hote, 1, &contexte);
    vide.FairePar(1, &contexte, 2);
    vide.Combiner(liste, 1, &contexte);
    liste.Combiner(vide, 1, &contexte);
    EXPECT_EQ(messages.Textes().size(), 3u);
}

// A fault that is not a std::exception is caught as well; a read error is
// not: it must end the load.
TEST(Liste, GardeAttrapeToutSaufLErreurDeLecture)
{
    Messages messages;
    bool suite = false;
    Garder("U/T.a", [] { throw 42; });
    Garder("U/T.b", [] { throw ErreurModele("x"); });
    Garder("U/T.c", [&] { suite = true; });
    EXPECT_TRUE(suite);
    EXPECT_EQ(messages.Textes(), (std::vector<std::string>{"U/T.a", "U/T.b"}));
    EXPECT_THROW(Garder("U/T.d", [] { throw ErreurLecture(7, "nombre"); }), ErreurLecture);
    EXPECT_EQ(messages.Textes().size(), 2u);

    EXPECT_EQ(Diviser(5, 2), 2.5L);
    EXPECT_THROW(Diviser(5, 0), ErreurModele);
    EXPECT_THROW(Diviser(0, -0.0L), ErreurModele);
}

// Combiner walks the numbers common to both lists and pairs the elements
// that carry them, whatever their indices.
TEST(Liste, CombinerApparieParNumero)
{
    Messages messages;
    std::vector<Appel> journal;
    TContexte contexte = ContexteVide();
    TSupListe a, b;
    a.Numeroter(3);
    b.Numeroter(5);
    Remplir(a, 8, journal, 0);              // numbers 3..10, ids 0..7
    auto sb = Remplir(b, 16, journal, 100); // numbers 5..20, ids 100..115
    EXPECT_EQ(a.Dernier, 10);
    EXPECT_EQ(b.Dernier, 20);

    a.Combiner(b, 4, &contexte);
    ASSERT_EQ(journal.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(journal[i].id, 2 + i);
        EXPECT_EQ(journal[i].autre, 100 + i);
        EXPECT_EQ(journal[i].phase, 4);
        EXPECT_EQ(journal[i].contexte, &contexte);
        EXPECT_TRUE(journal[i].inscrit);
    }

    // The other way round, and a failing element in the middle.
    journal.clear();
    sb[2]->Echoue = true;
    b.Combiner(a, 9, nullptr);
    ASSERT_EQ(journal.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(journal[i].id, 100 + i);
        EXPECT_EQ(journal[i].autre, 2 + i);
        EXPECT_FALSE(journal[i].inscrit);
    }
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Uliste/TsupListe.Combiner"});

    // Ranges that only touch: one pair; ranges apart: nothing.
    journal.clear();
    b.Numeroter(10);
    a.Combiner(b, 1, nullptr);
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].id, 7);
    EXPECT_EQ(journal[0].autre, 100);
    journal.clear();
    b.Numeroter(11);
    a.Combiner(b, 1, nullptr);
    b.Combiner(a, 1, nullptr);
    b.Numeroter(-30);
    a.Combiner(b, 1, nullptr);
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(messages.Textes().size(), 1u);
}

// Each feeder hands the host one block: its family, itself as the list, the
// context list, and the caller's fields untouched.
TEST(Liste, AlimentationsDesGraphes)
{
    TContexte contexte = ContexteVide();
    TSupListeDynaDouble liste;
    TParamGraphe param;
    param.Code = 83;
    param.Code2 = 84;
    param.Titre = "Biomasse";
    param.YMax = 150;
    param.Famille = TFamilleGraphe::DynaDouble; // overwritten by each feeder

    struct Cas {
        const char* texte;
        TFamilleGraphe famille;
        void (*ouvrir)(TSupListeDynaDouble&, THote*, TContexte*, const TParamGraphe&);
    };
    const Cas cas[] = {
        {"Uliste/TsupListe.AfficheGraph", TFamilleGraphe::Graph,
         [](TSupListeDynaDouble& l, THote* h, TContexte* c, const TParamGraphe& p) {
             l.AfficheGraph(h, c, p);
         }},
        {"UListe/TSupListe.AfficheEco", TFamilleGraphe::Eco,
         [](TSupListeDynaDouble& l, THote* h, TContexte* c, const TParamGraphe& p) {
             l.AfficheEco(h, c, p);
         }},
        {"Uliste/TsupListe.AfficheGraph2", TFamilleGraphe::Graph2,
         [](TSupListeDynaDouble& l, THote* h, TContexte* c, const TParamGraphe& p) {
             l.AfficheGraph2(h, c, p);
         }},
        {"Uliste/TsupListe.AffDyna", TFamilleGraphe::Dyna,
         [](TSupListeDynaDouble& l, THote* h, TContexte* c, const TParamGraphe& p) {
             l.AffDyna(h, c, p);
         }},
        {"Uliste/TsupListe.AffDynaDouble", TFamilleGraphe::DynaDouble,
         [](TSupListeDynaDouble& l, THote* h, TContexte* c, const TParamGraphe& p) {
             l.AffDynaDouble(h, c, p);
         }},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.texte);
        Messages messages;
        HoteEnregistreur hote;
        param.Famille =
            k.famille == TFamilleGraphe::Graph ? TFamilleGraphe::Eco : TFamilleGraphe::Graph;
        k.ouvrir(liste, &hote, &contexte, param);
        ASSERT_EQ(hote.Graphes.size(), 1u);
        const TParamGraphe& recu = hote.Graphes[0];
        EXPECT_EQ(recu.Famille, k.famille);
        EXPECT_EQ(recu.Liste, &liste);
        EXPECT_EQ(recu.Contexte, &contexte);
        EXPECT_EQ(recu.Code, 83);
        EXPECT_EQ(recu.Code2, 84);
        EXPECT_EQ(recu.Titre, "Biomasse");
        EXPECT_EQ(recu.YMax, 150);
        EXPECT_TRUE(messages.Textes().empty());

        // A window that cannot be created, or no main window at all.
        hote.EchecOuverture = true;
        k.ouvrir(liste, &hote, &contexte, param);
        k.ouvrir(liste, nullptr, &contexte, param);
        EXPECT_EQ(hote.Graphes.size(), 1u);
        EXPECT_EQ(messages.Textes(), (std::vector<std::string>{k.texte, k.texte}));
    }
}

} // namespace
} // namespace vasco
