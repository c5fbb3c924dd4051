#include "model/Uliste.h"

#include <algorithm>
#include <utility>

namespace vasco {

long double TEL::Calcul(uint8_t, TContexte*)
{
    return 0;
}
void TEL::Faire(uint8_t, TContexte*) {}
void TEL::FaireDans(THote*, uint8_t, TContexte*) {}
void TEL::FairePar(uint8_t, TContexte*, float) {}
void TEL::Combiner(TEL&, uint8_t, TContexte*) {}
void TEL::Inscrire(TContexte&) {}
TSupListe* TEL::SousListe(uint8_t)
{
    return nullptr;
}

void TContexte::Ajouter(TEL* element)
{
    slots_.push_back(element);
}

void TContexte::Fixer(int emplacement, TEL* element)
{
    if (emplacement < 0 || emplacement >= Nombre())
        throw ErreurModele("contexte : emplacement " + std::to_string(emplacement));
    slots_[emplacement] = element;
    std::fill(slots_.begin() + emplacement + 1, slots_.end(), nullptr);
}

void TContexte::Oublier(const TEL* element)
{
    const auto i = std::find(slots_.begin(), slots_.end(), element);
    if (element && i != slots_.end())
        std::fill(i, slots_.end(), nullptr);
}

TEL* TContexte::Lire(int emplacement) const
{
    if (emplacement < 0 || emplacement >= Nombre())
        return nullptr;
    return slots_[emplacement];
}

TSupListe::~TSupListe()
{
    Garder("Uliste/TSupListe.Destroy", [&] { Vider(); });
}

void TSupListe::Vider()
{
    while (!elements_.empty())
        elements_.pop_back();
    Premier = 0;
    Dernier = -1;
}

void TSupListe::HorsListe(int index)
{
    throw ErreurModele("indice de liste hors limites : " + std::to_string(index));
}

TEL* TSupListe::ParNumero(int32_t numero) const
{
    const int64_t index = int64_t(numero) - Premier;
    if (index < 0 || index >= Nombre())
        return nullptr;
    return elements_[index].get();
}

void TSupListe::AjouterElement(std::unique_ptr<TEL> element, TContexte* contexte)
{
    Garder("Uliste/TSupLIste.AjouterElement", [&] {
        if (!element)
            throw ErreurModele("élément absent");
        TEL& e = *element;
        const int64_t dernier = int64_t(Premier) + Nombre();
        if (dernier > INT32_MAX)
            throw ErreurModele("numérotation de liste hors limites");
        elements_.push_back(std::move(element));
        Dernier = static_cast<int32_t>(dernier);
        if (contexte)
            e.Inscrire(*contexte);
    });
}

void TSupListe::RetirerDernier(TContexte* contexte)
{
    Garder("Uliste/TSupListe.RetirerDernier", [&] {
        if (elements_.empty())
            throw ErreurModele("liste vide");
        if (contexte)
            contexte->Oublier(elements_.back().get());
        elements_.pop_back();
        if (elements_.empty()) {
            Premier = 0;
            Dernier = -1;
            return;
        }
        Dernier = static_cast<int32_t>(int64_t(Premier) + Nombre() - 1);
        if (contexte)
            elements_.back()->Inscrire(*contexte);
    });
}

void TSupListe::Numeroter(int32_t premier)
{
    const int64_t dernier = int64_t(premier) + Nombre() - 1;
    if (dernier > INT32_MAX)
        throw ErreurModele("numérotation de liste hors limites");
    Premier = premier;
    Dernier = static_cast<int32_t>(dernier);
}

void TSupListe::Echanger(TSupListe& autre) noexcept
{
    elements_.swap(autre.elements_);
    std::swap(Premier, autre.Premier);
    std::swap(Dernier, autre.Dernier);
}

// One guard per element: a failing element is reported and the walk goes on.
// The guard texts of this file keep the program's spelling, mixed case
// included ("TsupListe", "TSupLIste"): see Garder.
// The registration is outside the guard.
template <class Op>
void TSupListe::Parcourir(const char* lieu, TContexte* contexte, Op op)
{
    for (size_t i = 0; i < elements_.size(); ++i) {
        TEL& e = *elements_[i];
        if (contexte)
            e.Inscrire(*contexte);
        Garder(lieu, [&] { op(e); });
    }
}

void TSupListe::Faire(uint8_t phase, TContexte* contexte)
{
    Parcourir("Uliste/TSupListe.Faire", contexte, [&](TEL& e) { e.Faire(phase, contexte); });
}

void TSupListe::FaireDans(THote* fenetre, uint8_t code, TContexte* contexte)
{
    Parcourir("Uliste/TsupListe.FaireDans", contexte,
              [&](TEL& e) { e.FaireDans(fenetre, code, contexte); });
}

void TSupListe::FairePar(uint8_t phase, TContexte* contexte, float facteur)
{
    Parcourir("Uliste/TsupListe.FairePar", contexte,
              [&](TEL& e) { e.FairePar(phase, contexte, facteur); });
}

// Pairs the elements carrying the same number, over the numbers both lists
// hold.
void TSupListe::Combiner(TSupListe& autre, uint8_t phase, TContexte* contexte)
{
    if (Vide() || autre.Vide())
        return;
    const int64_t debut = std::max<int64_t>(Premier, autre.Premier);
    const int64_t fin = std::min<int64_t>(Dernier, autre.Dernier);
    for (int64_t numero = debut; numero <= fin; ++numero) {
        TEL* e = ParNumero(static_cast<int32_t>(numero));
        TEL* o = autre.ParNumero(static_cast<int32_t>(numero));
        if (!e || !o)
            continue;
        if (contexte)
            e->Inscrire(*contexte);
        Garder("Uliste/TsupListe.Combiner", [&] { e->Combiner(*o, phase, contexte); });
    }
}

TELaNom* TSupListe::Chercher(const std::string& nom) const
{
    for (const auto& e : elements_) {
        auto* n = dynamic_cast<TELaNom*>(e.get());
        if (n && n->Nom == nom)
            return n;
    }
    return nullptr;
}

long double TSupListe::Extremum(uint8_t code, TContexte* contexte, bool plusGrand)
{
    long double resultat = 0;
    bool premier = true;
    for (const auto& e : elements_) {
        if (contexte)
            e->Inscrire(*contexte);
        const long double v = e->Calcul(code, contexte);
        if (premier || (plusGrand ? v > resultat : v < resultat))
            resultat = v;
        premier = false;
    }
    return resultat;
}

long double TSupListe::Maximum(uint8_t code, TContexte* contexte)
{
    return Extremum(code, contexte, true);
}

long double TSupListe::Minimum(uint8_t code, TContexte* contexte)
{
    return Extremum(code, contexte, false);
}

bool TSupListeFGS::Ouvrir(const char* lieu, TFamilleGraphe famille, THote* fenetre,
                          TContexte* contexte, TParamGraphe& param)
{
    bool ouvert = false;
    Garder(lieu, [&] {
        if (!fenetre)
            throw ErreurModele("pas de fenêtre principale");
        param.Famille = famille;
        param.Liste = this;
        param.Contexte = contexte;
        fenetre->OuvrirGraphe(param);
        ouvert = true;
    });
    return ouvert;
}

bool TSupListeFGS::AfficheGraph(THote* fenetre, TContexte* contexte, TParamGraphe param)
{
    return Ouvrir("Uliste/TsupListe.AfficheGraph", TFamilleGraphe::Graph, fenetre, contexte, param);
}

bool TSupListeFGS::AfficheEco(THote* fenetre, TContexte* contexte, TParamGraphe param)
{
    return Ouvrir("UListe/TSupListe.AfficheEco", TFamilleGraphe::Eco, fenetre, contexte, param);
}

bool TSupListeFGSDouble::AfficheGraph2(THote* fenetre, TContexte* contexte, TParamGraphe param)
{
    return Ouvrir("Uliste/TsupListe.AfficheGraph2", TFamilleGraphe::Graph2, fenetre, contexte,
                  param);
}

bool TSupListeDyna::AffDyna(THote* fenetre, TContexte* contexte, TParamGraphe param)
{
    return Ouvrir("Uliste/TsupListe.AffDyna", TFamilleGraphe::Dyna, fenetre, contexte, param);
}

bool TSupListeDynaDouble::AffDynaDouble(THote* fenetre, TContexte* contexte, TParamGraphe param)
{
    return Ouvrir("Uliste/TsupListe.AffDynaDouble", TFamilleGraphe::DynaDouble, fenetre, contexte,
                  param);
}

} // namespace vasco
