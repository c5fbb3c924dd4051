// Elements and owning lists: the frame every model object rests on.
//
// Every object of the fishery model is a TEL and every collection a TSupListe
// that forwards one operation, with a phase number, to each of its elements in
// order.  A list keeps the number of its first element (a size class or a
// period), so that two lists describing the same range can be walked side by
// side.  Ownership: a list owns its elements and destroys them from the last
// to the first; nothing else deletes an element.
//
// Context slots: a walk tells each element where it stands through the five
// slots of the context list, from the data set (0) down to a size entry (4):
//   species 1 > season table 2 or period state 2 > size entry 3
//   métier 1 > condition 2 or exploited species 2 > season table 3 or catch
//     record 3 > size entry 4
//   period balance 1
// Each element class names its slot (Emplacement) and its Inscrire writes it
// there.  Lifetime: writing a slot clears the deeper ones, which described
// the previous element's own entries; removing an element from its list
// clears its slot and the deeper ones (TContexte::Oublier).  So a slot never
// holds an element that is gone, nor one that does not belong to the
// elements above it.
#pragma once

#include "model/Uhote.h"
#include "model/Umessages.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace vasco {

class TSupListe;
class TContexte;
class TBD;

class TEL {
public:
    virtual ~TEL() = default;

    // The value of a quantity code, for the graphs.
    virtual long double Calcul(uint8_t code, TContexte* contexte);
    // One phase of the period step.
    virtual void Faire(uint8_t phase, TContexte* contexte);
    // Opens the result graph selected by the code.
    virtual void FaireDans(THote* fenetre, uint8_t code, TContexte* contexte);
    // Applies a factor under a phase.
    virtual void FairePar(uint8_t phase, TContexte* contexte, float facteur);
    // Merges the element of the same number of another list under a phase.
    virtual void Combiner(TEL& autre, uint8_t phase, TContexte* contexte);
    // Writes the element into its own slot of the context list.
    virtual void Inscrire(TContexte& contexte);
    // The list a dynamic graph draws for one period.
    virtual TSupListe* SousListe(uint8_t code);
    // The element as the data set it is, or null: what every element asks of
    // slot 0 of its context, at every record of the period step, answered
    // without a cast through the hierarchy.
    virtual TBD* CommeDonnees() { return nullptr; }
};

class TELaNom : public TEL {
public:
    std::string Nom;
};

// The five slots through which an element being visited finds the data set
// (slot 0) and its current ancestors (slots 1 to 4).
class TContexte {
public:
    static constexpr int NbEmplacements = 5;

    void Ajouter(TEL* element);
    int Nombre() const { return static_cast<int>(slots_.size()); }
    // Writes a slot and clears the deeper ones.
    void Fixer(int emplacement, TEL* element);
    TEL* Lire(int emplacement) const;
    // An element about to go: its slot and the deeper ones are cleared when
    // it is there.
    void Oublier(const TEL* element);

    // The element of a slot as the class the caller needs; raises when the
    // slot is empty or holds something else.
    // The exact class is tried first, as in the lists: the walks of the
    // period step ask for their métier and exploited species at every
    // record, and a cast costs far more than the comparison.
    template <class T>
    T& En(int emplacement) const
    {
        TEL* e = Lire(emplacement);
        if (e && typeid(*e) == typeid(T))
            return static_cast<T&>(*e);
        T* p = dynamic_cast<T*>(e);
        if (!p)
            throw ErreurModele("contexte : emplacement " + std::to_string(emplacement));
        return *p;
    }
    // The element of the slot of its class.
    template <class T>
    T& En() const
    {
        return En<T>(T::Emplacement);
    }

private:
    std::vector<TEL*> slots_;
};

class TSupListe {
public:
    int32_t Premier = 0;
    int32_t Dernier = -1;

    TSupListe() = default;
    TSupListe(const TSupListe&) = delete;
    TSupListe& operator=(const TSupListe&) = delete;
    virtual ~TSupListe();

    int Nombre() const { return static_cast<int>(elements_.size()); }
    bool Vide() const { return elements_.empty(); }

    // Checked access by index (from 0); raises outside the list.
    TEL& Element(int index) const
    {
        if (index < 0 || index >= Nombre())
            HorsListe(index);
        return *elements_[index];
    }
    // Typed access.  Lists hold elements of one class, so the exact type is
    // tried first: it is much cheaper than a cast in the per-size loops.
    template <class T>
    T& A(int index) const
    {
        TEL& e = Element(index);
        if (typeid(e) == typeid(T))
            return static_cast<T&>(e);
        T* p = dynamic_cast<T*>(&e);
        if (!p)
            throw ErreurModele("élément de type inattendu");
        return *p;
    }
    // The element carrying a number as the class the caller needs, or null
    // outside the numbering; raises on an element of another class.
    template <class T>
    T* ANumero(int32_t numero) const
    {
        const int64_t index = int64_t(numero) - Premier;
        if (index < 0 || index >= Nombre())
            return nullptr;
        return &A<T>(static_cast<int>(index));
    }
    template <class T>
    T& DernierElement() const
    {
        return A<T>(Nombre() - 1);
    }
    // The element carrying a number, or null outside the numbering.
    TEL* ParNumero(int32_t numero) const;

    void AjouterElement(std::unique_ptr<TEL> element, TContexte* contexte);
    void RetirerDernier(TContexte* contexte);
    // Destroys every element, the last first, and resets the numbering.
    void Vider();
    // Gives the first element the number n.
    void Numeroter(int32_t premier);
    // Room for n elements, allocated once.
    void Reserver(int n) { elements_.reserve(static_cast<size_t>(std::max(n, 0))); }
    // Exchanges the elements and the numbering of two lists: a record that
    // hands its working table over to the next one moves it, without copying.
    void Echanger(TSupListe& autre) noexcept;

    void Faire(uint8_t phase, TContexte* contexte);
    void FaireDans(THote* fenetre, uint8_t code, TContexte* contexte);
    void FairePar(uint8_t phase, TContexte* contexte, float facteur);
    void Combiner(TSupListe& autre, uint8_t phase, TContexte* contexte);

    // The first named element whose name is exactly nom, or null.
    TELaNom* Chercher(const std::string& nom) const;

    // Largest and smallest Calcul over the elements; 0 for an empty list, so
    // that a graph may be opened before the first period.
    long double Maximum(uint8_t code, TContexte* contexte);
    long double Minimum(uint8_t code, TContexte* contexte);

private:
    [[noreturn]] static void HorsListe(int index);
    template <class Op>
    void Parcourir(const char* lieu, TContexte* contexte, Op op);
    long double Extremum(uint8_t code, TContexte* contexte, bool plusGrand);

    std::vector<std::unique_ptr<TEL>> elements_;
};

// The lists that open graph windows.  Each feeder completes the parameter
// block with its family and itself as the list drawn, and hands it to the
// host; a failure to open shows the feeder's own text.  A feeder answers
// whether a window was opened, so that the caller gives a help context only
// to its own window.
class TSupListeFGS : public TSupListe {
public:
    bool AfficheGraph(THote* fenetre, TContexte* contexte, TParamGraphe param);
    bool AfficheEco(THote* fenetre, TContexte* contexte, TParamGraphe param);

protected:
    bool Ouvrir(const char* lieu, TFamilleGraphe famille, THote* fenetre, TContexte* contexte,
                TParamGraphe& param);
};

// Economic graphs are opened by AfficheEco, which the balance list needs as
// well as AfficheGraph: both sit on TSupListeFGS.
class TSupListeFGSEco : public TSupListeFGS {};

class TSupListeFGSDouble : public TSupListeFGSEco {
public:
    bool AfficheGraph2(THote* fenetre, TContexte* contexte, TParamGraphe param);
};

class TSupListeDyna : public TSupListeFGSDouble {
public:
    bool AffDyna(THote* fenetre, TContexte* contexte, TParamGraphe param);
};

class TSupListeDynaDouble : public TSupListeDyna {
public:
    bool AffDynaDouble(THote* fenetre, TContexte* contexte, TParamGraphe param);
};

} // namespace vasco
