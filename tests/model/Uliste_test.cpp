// The element and list framework: numbering, removal, checked access, the
// walks with one guard per element, Combiner by number, finding by name,
// Maximum and Minimum, and the graph feeders.
#include "model/Uliste.h"
#include "tests/support/Support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
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
        Noter("Combiner", phase, c, nullptr, 0, dynamic_cast<Sonde&>(autre).Id);
    }
    void Inscrire(TContexte& c) override { c.Fixer(Emplacement, this); }

private:
    bool Inscrit(TContexte* c) const { return c && c->Lire(Emplacement) == this; }
    void Noter(const char* op, uint8_t phase, TContexte* c, THote* fenetre = nullptr,
               float facteur = 0, int autre = -1)
    {
        journal_.push_back({op, Id, autre, phase, c, fenetre, facteur, Inscrit(c)});
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

struct Liste : testing::Test {
    Messages messages;
    std::vector<Appel> journal;
    TContexte contexte = ContexteVide();

    // Fills a list with probes numbered id0, id0 + 1, ...; returns them.
    std::vector<Sonde*> Remplir(TSupListe& liste, int nombre, int id0 = 0)
    {
        std::vector<Sonde*> sondes;
        for (int i = 0; i < nombre; ++i) {
            auto s = std::make_unique<Sonde>(id0 + i, journal);
            sondes.push_back(s.get());
            liste.AjouterElement(std::move(s), nullptr);
        }
        return sondes;
    }
};

// Sets what each probe's Calcul gives.
void Valeurs(const std::vector<Sonde*>& sondes, std::initializer_list<long double> valeurs)
{
    auto v = valeurs.begin();
    for (Sonde* s : sondes)
        s->Valeur = *v++;
}

// The first and the last number of a list.
using Bornes = std::pair<int32_t, int32_t>;
Bornes BornesDe(const TSupListe& l)
{
    return {l.Premier, l.Dernier};
}

// The probe each number gives, -1 for none.
std::vector<int> Ids(const TSupListe& l, std::initializer_list<int32_t> numeros)
{
    std::vector<int> ids;
    for (int32_t n : numeros) {
        const auto* s = dynamic_cast<const Sonde*>(l.ParNumero(n));
        ids.push_back(s ? s->Id : -1);
    }
    return ids;
}

// The (element, paired element) ids of the calls; -1 for no pair.
using Paires = std::vector<std::pair<int, int>>;
Paires PairesDe(const std::vector<Appel>& journal)
{
    Paires paires;
    for (const Appel& a : journal)
        paires.emplace_back(a.id, a.autre);
    return paires;
}

// Every call of the journal is op under this phase and context list, the
// element sitting in its slot exactly when there is a context list.
void VerifierAppels(const std::vector<Appel>& journal, const std::string& op, uint8_t phase,
                    TContexte* c)
{
    for (const Appel& a : journal) {
        EXPECT_EQ(a.op, op);
        EXPECT_EQ(a.phase, phase);
        EXPECT_EQ(a.contexte, c);
        EXPECT_EQ(a.inscrit, c != nullptr);
    }
}

TEST_F(Liste, Numerotation)
{
    TSupListe liste;
    EXPECT_EQ(BornesDe(liste), Bornes(0, -1));
    liste.Numeroter(5);
    Remplir(liste, 1);
    EXPECT_EQ(BornesDe(liste), Bornes(5, 5));
    Remplir(liste, 2, 1);
    EXPECT_EQ(liste.Dernier, 7);
    EXPECT_EQ(Ids(liste, {4, 5, 7, 8, INT32_MIN, INT32_MAX}),
              (std::vector<int>{-1, 0, 2, -1, -1, -1}));

    // Numbering set after filling, to a negative class number.
    liste.Numeroter(-3);
    EXPECT_EQ(liste.Dernier, -1);
    EXPECT_EQ(Ids(liste, {-2}), std::vector<int>{1});
    liste.RetirerDernier(nullptr);
    EXPECT_EQ(BornesDe(liste), Bornes(-3, -2));
    liste.RetirerDernier(nullptr);
    EXPECT_EQ(liste.Dernier, -3);
    // Down to empty: Dernier would fall below Premier (and is still
    // negative before that), the numbering goes back to 0 / -1.
    liste.RetirerDernier(nullptr);
    EXPECT_EQ(BornesDe(liste), Bornes(0, -1));
    // Removing from an empty list is a fault reported once; nothing changes.
    liste.RetirerDernier(nullptr);
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Uliste/TSupListe.RetirerDernier"});
    EXPECT_EQ(BornesDe(liste), Bornes(0, -1));
    // A list that was numbered and emptied numbers again from 0.
    Remplir(liste, 2);
    EXPECT_EQ(BornesDe(liste), Bornes(0, 1));

    // At the ends of the 32-bit numbers.
    TSupListe haut, bas;
    haut.Numeroter(INT32_MAX - 1);
    Remplir(haut, 2);
    EXPECT_EQ(haut.Dernier, INT32_MAX);
    EXPECT_EQ(Ids(haut, {INT32_MAX, INT32_MIN}), (std::vector<int>{1, -1}));
    haut.RetirerDernier(nullptr);
    EXPECT_EQ(haut.Dernier, INT32_MAX - 1);
    bas.Numeroter(INT32_MIN);
    Remplir(bas, 1);
    EXPECT_EQ(bas.Dernier, INT32_MIN);
    EXPECT_EQ(Ids(bas, {INT32_MIN, INT32_MAX}), (std::vector<int>{0, -1}));
    // Pairing the two ends of the number line: no common number.
    journal.clear();
    bas.Combiner(haut, 1, nullptr);
    haut.Combiner(bas, 1, nullptr);
    EXPECT_TRUE(journal.empty());
}

TEST_F(Liste, AjoutRetraitInscriventEtDetruisentDuDernierAuPremier)
{
    std::vector<int> detruits;
    {
        TSupListe liste;
        for (int i = 0; i < 3; ++i) {
            liste.AjouterElement(std::make_unique<Sonde>(i, journal, &detruits), &contexte);
            EXPECT_EQ(contexte.Lire(Sonde::Emplacement), &liste.Element(i));
        }
        // Without a context list nothing registers.
        liste.AjouterElement(std::make_unique<Sonde>(3, journal, &detruits), nullptr);
        EXPECT_EQ(contexte.Lire(Sonde::Emplacement), &liste.Element(2));

        // The new last element registers itself after a removal.
        liste.RetirerDernier(&contexte);
        EXPECT_EQ(detruits, std::vector<int>{3});
        contexte.Fixer(Sonde::Emplacement, nullptr);
        liste.RetirerDernier(&contexte);
        EXPECT_EQ(contexte.Lire(Sonde::Emplacement), &liste.Element(1));

        // An absent element is refused with the operation's text.
        liste.AjouterElement(nullptr, &contexte);
        EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Uliste/TSupLIste.AjouterElement"});
        EXPECT_EQ(BornesDe(liste), Bornes(0, 1));
    }
    EXPECT_EQ(detruits, (std::vector<int>{3, 2, 1, 0}));

    // Removing the last element leaves no slot of the context list pointing
    // at it: a later reading of that slot would meet a destroyed element.
    TSupListe liste;
    liste.AjouterElement(std::make_unique<Sonde>(0, journal), &contexte);
    liste.RetirerDernier(&contexte);
    EXPECT_EQ(contexte.Lire(Sonde::Emplacement), nullptr);
}

TEST_F(Liste, AccesVerifies)
{
    TSupListe liste;
    EXPECT_THROW(liste.Element(0), ErreurModele);
    EXPECT_THROW(liste.DernierElement<Sonde>(), ErreurModele);
    liste.Numeroter(10);
    Remplir(liste, 2);
    EXPECT_EQ(liste.A<Sonde>(1).Id, 1);
    EXPECT_EQ(liste.DernierElement<Sonde>().Id, 1);
    // Access is by index, not by number.
    for (int i : {10, 2, -1})
        EXPECT_THROW(liste.Element(i), ErreurModele) << i;
    liste.AjouterElement(std::make_unique<TEL>(), nullptr);
    EXPECT_THROW(liste.A<Sonde>(2), ErreurModele);
    EXPECT_THROW(liste.DernierElement<TELaNom>(), ErreurModele);

    // A slot outside the context list reads as empty and cannot be set; an
    // empty slot, or one holding another class, is a model fault.
    EXPECT_EQ(contexte.Lire(5), nullptr);
    EXPECT_EQ(contexte.Lire(-1), nullptr);
    EXPECT_THROW(contexte.Fixer(5, nullptr), ErreurModele);
    EXPECT_THROW(contexte.Fixer(-1, nullptr), ErreurModele);
    EXPECT_THROW(contexte.En<TELaNom>(1), ErreurModele);
    TEL simple;
    contexte.Fixer(1, &simple);
    EXPECT_THROW(contexte.En<TELaNom>(1), ErreurModele);
    EXPECT_EQ(&contexte.En<TEL>(1), &simple);

    // Writing a slot clears the deeper ones; an element that goes clears its
    // slot and the deeper ones, and nothing when it is not there.
    TEL a, b, c;
    const auto slots = [&] {
        return std::vector<TEL*>{contexte.Lire(1), contexte.Lire(2), contexte.Lire(3),
                                 contexte.Lire(4)};
    };
    contexte.Fixer(2, &a);
    contexte.Fixer(3, &b);
    contexte.Fixer(4, &c);
    contexte.Fixer(2, &a);
    EXPECT_EQ(slots(), (std::vector<TEL*>{&simple, &a, nullptr, nullptr}));
    contexte.Fixer(3, &b);
    contexte.Fixer(4, &c);
    contexte.Oublier(&b);
    EXPECT_EQ(slots(), (std::vector<TEL*>{&simple, &a, nullptr, nullptr}));
    contexte.Oublier(&c);
    EXPECT_EQ(slots(), (std::vector<TEL*>{&simple, &a, nullptr, nullptr}));
    contexte.Oublier(&simple);
    EXPECT_EQ(slots(), (std::vector<TEL*>(4, nullptr)));
}

TEST_F(Liste, ChercherExactSensibleALaCasseEtAuxBlancs)
{
    TSupListe liste;
    liste.AjouterElement(std::make_unique<TEL>(), nullptr); // nameless
    auto sondes = Remplir(liste, 3);
    sondes[0]->Nom = "Merlu";
    sondes[1]->Nom = "Sole ";
    sondes[2]->Nom = "Merlu";
    EXPECT_EQ(liste.Chercher("Merlu"), sondes[0]); // the first of two
    EXPECT_EQ(liste.Chercher("Sole "), sondes[1]);
    for (const char* absent : {"Sole", "merlu", "Merl", "Merlu ", ""})
        EXPECT_EQ(liste.Chercher(absent), nullptr) << absent;
    EXPECT_EQ(TSupListe().Chercher("Merlu"), nullptr);
}

TEST_F(Liste, MaximumMinimum)
{
    TSupListe liste;

    // Before the first period a graph asks an empty list: 0, no fault.
    EXPECT_EQ(liste.Maximum(50, &contexte), 0);
    EXPECT_EQ(liste.Minimum(50, nullptr), 0);

    auto sondes = Remplir(liste, 4);
    // All below zero: the maximum is not the starting 0.
    Valeurs(sondes, {-5, -3, -9, -3});
    EXPECT_EQ(liste.Maximum(83, &contexte), -3);
    EXPECT_EQ(liste.Minimum(83, &contexte), -9);
    // Each element sits in its slot when asked, and is asked the code.
    Valeurs(sondes, {5, 3, 9, 0.5L});
    journal.clear();
    EXPECT_EQ(liste.Maximum(83, &contexte), 9);
    EXPECT_EQ(liste.Minimum(83, &contexte), 0.5L);
    EXPECT_EQ(journal.size(), 8u);
    VerifierAppels(journal, "Calcul", 83, &contexte);
    journal.clear();
    liste.Minimum(84, nullptr);
    VerifierAppels(journal, "Calcul", 84, nullptr);

    // Ties keep the earlier element: +0 and -0 compare equal, the sign
    // shows which one was kept.
    Valeurs(sondes, {0.0L, -0.0L, -0.0L, 0.0L});
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
TEST_F(Liste, ParcoursContinuentApresUnEchecAvecUnSeulMessage)
{
    HoteEnregistreur hote;
    TSupListe liste;
    auto sondes = Remplir(liste, 3);
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
            messages.Effacer();
            journal.clear();
            contexte.Fixer(Sonde::Emplacement, nullptr);
            k.lancer(liste, c, &hote);
            EXPECT_EQ(messages.Textes(), std::vector<std::string>{k.texte});
            EXPECT_EQ(PairesDe(journal), (Paires{{0, -1}, {1, -1}, {2, -1}}));
            VerifierAppels(journal, k.op, k.phase, c);
            for (const Appel& a : journal) {
                EXPECT_EQ(a.facteur, k.facteur);
                EXPECT_EQ(a.fenetre, k.op == "FaireDans" ? &hote : nullptr);
            }
        }
    }

    // Every element failing: one message each, none skipped.
    messages.Effacer();
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
TEST_F(Liste, GardeAttrapeToutSaufLErreurDeLecture)
{
    bool suite = false;
    Garder("U/T.a", [] { throw 42; });
    Garder("U/T.b", [] { throw ErreurModele("x"); });
    Garder("U/T.c", [&] { suite = true; });
    EXPECT_TRUE(suite);
    EXPECT_THROW(Garder("U/T.d", [] { throw ErreurLecture(7, "nombre"); }), ErreurLecture);
    EXPECT_EQ(messages.Textes(), (std::vector<std::string>{"U/T.a", "U/T.b"}));

    EXPECT_EQ(Diviser(5, 2), 2.5L);
    EXPECT_THROW(Diviser(5, 0), ErreurModele);
    EXPECT_THROW(Diviser(0, -0.0L), ErreurModele);
}

// Combiner walks the numbers common to both lists and pairs the elements
// that carry them, whatever their indices.
TEST_F(Liste, CombinerApparieParNumero)
{
    TSupListe a, b;
    a.Numeroter(3);
    b.Numeroter(5);
    Remplir(a, 8, 0);              // numbers 3..10, ids 0..7
    auto sb = Remplir(b, 16, 100); // numbers 5..20, ids 100..115

    a.Combiner(b, 4, &contexte);
    EXPECT_EQ(PairesDe(journal),
              (Paires{{2, 100}, {3, 101}, {4, 102}, {5, 103}, {6, 104}, {7, 105}}));
    VerifierAppels(journal, "Combiner", 4, &contexte);

    // The other way round, and a failing element in the middle.
    journal.clear();
    sb[2]->Echoue = true;
    b.Combiner(a, 9, nullptr);
    EXPECT_EQ(PairesDe(journal),
              (Paires{{100, 2}, {101, 3}, {102, 4}, {103, 5}, {104, 6}, {105, 7}}));
    VerifierAppels(journal, "Combiner", 9, nullptr);
    EXPECT_EQ(messages.Textes(), std::vector<std::string>{"Uliste/TsupListe.Combiner"});

    // Ranges that only touch: one pair; ranges apart: nothing.
    journal.clear();
    b.Numeroter(10);
    a.Combiner(b, 1, nullptr);
    EXPECT_EQ(PairesDe(journal), (Paires{{7, 100}}));
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
// context list, and the caller's fields untouched; it answers whether a
// window was opened.
TEST_F(Liste, AlimentationsDesGraphes)
{
    TSupListeDynaDouble liste;
    TParamGraphe param;
    param.Code = 83;
    param.Code2 = 84;
    param.Titre = "Biomasse";
    param.YMax = 150;

    using Alimentation = bool (TSupListeDynaDouble::*)(THote*, TContexte*, TParamGraphe);
    const std::tuple<const char*, TFamilleGraphe, Alimentation> cas[] = {
        {"Uliste/TsupListe.AfficheGraph", TFamilleGraphe::Graph, &TSupListeFGS::AfficheGraph},
        {"UListe/TSupListe.AfficheEco", TFamilleGraphe::Eco, &TSupListeFGS::AfficheEco},
        {"Uliste/TsupListe.AfficheGraph2", TFamilleGraphe::Graph2,
         &TSupListeFGSDouble::AfficheGraph2},
        {"Uliste/TsupListe.AffDyna", TFamilleGraphe::Dyna, &TSupListeDyna::AffDyna},
        {"Uliste/TsupListe.AffDynaDouble", TFamilleGraphe::DynaDouble,
         &TSupListeDynaDouble::AffDynaDouble},
    };
    for (const auto& [texte, famille, ouvrir] : cas) {
        SCOPED_TRACE(texte);
        messages.Effacer();
        HoteEnregistreur hote;
        // A family set by the caller is overwritten.
        param.Famille =
            famille == TFamilleGraphe::Graph ? TFamilleGraphe::Eco : TFamilleGraphe::Graph;
        EXPECT_TRUE((liste.*ouvrir)(&hote, &contexte, param));
        ASSERT_EQ(hote.Graphes.size(), 1u);
        const TParamGraphe& recu = hote.Graphes[0];
        EXPECT_EQ(recu.Famille, famille);
        EXPECT_EQ(recu.Liste, &liste);
        EXPECT_EQ(recu.Contexte, &contexte);
        EXPECT_EQ(std::tie(recu.Code, recu.Code2, recu.Titre, recu.YMax),
                  std::tie(param.Code, param.Code2, param.Titre, param.YMax));
        EXPECT_TRUE(messages.Textes().empty());

        // A window that cannot be created, or no main window at all.
        hote.EchecOuverture = true;
        EXPECT_FALSE((liste.*ouvrir)(&hote, &contexte, param));
        EXPECT_FALSE((liste.*ouvrir)(nullptr, &contexte, param));
        EXPECT_EQ(hote.Graphes.size(), 1u);
        EXPECT_EQ(messages.Textes(), (std::vector<std::string>{texte, texte}));
    }
}

} // namespace
} // namespace vasco
