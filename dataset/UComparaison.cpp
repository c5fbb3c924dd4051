#include "dataset/UComparaison.h"

#include "dataset/UPartie.h"
#include "dataset/USession.h"
#include "dataset/UTirages.h"
#include "dataset/Ubd.h"
#include "model/UTraduction.h"
#include "model/Ulecteur.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <system_error>
#include <thread>

namespace vasco {

namespace fs = std::filesystem;

namespace {

// Out of range: null, as a list's ParNumero answers outside its numbering.
template <class C>
TEL* A(const C& elements, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= elements.size())
        return nullptr;
    // The records are not const objects: only the comparison's interface
    // is, so that the windows cannot change a game.  Calcul, which only
    // reads, is not const in the element classes.
    return const_cast<TEL*>(static_cast<const TEL*>(&elements[static_cast<size_t>(index)]));
}

template <class V>
const typename V::value_type* Parmi(const V& v, int i)
{
    return i >= 0 && static_cast<size_t>(i) < v.size() ? &v[static_cast<size_t>(i)] : nullptr;
}

// Raised by a replay's follow-up once the comparison is cancelled: the
// replay stops there.
struct TAnnulee : std::exception {
    const char* what() const noexcept override { return "annulée"; }
};

// A game file given, as far as it could be read.
struct TCandidat {
    size_t Rang = 0; // in the files given
    fs::path Fichier;
    fs::path Canonique;
    std::string Nom;
    std::optional<TPartie> Partie;
    std::string Refus;
};

std::string Texte(const char* texte)
{
    return Traduire(texte);
}

// The file's name without extension; with its folder when a game of
// another folder has the same name.
void Nommer(std::vector<TCandidat>& candidats)
{
    std::map<std::string, std::set<fs::path>> dossiers;
    for (const TCandidat& c : candidats)
        dossiers[c.Fichier.stem().string()].insert(c.Canonique.parent_path());
    for (TCandidat& c : candidats) {
        c.Nom = c.Fichier.stem().string();
        const fs::path dossier = c.Canonique.parent_path().filename();
        if (dossiers[c.Nom].size() > 1 && !dossier.empty())
            c.Nom = (dossier / c.Nom).generic_string();
    }
}

fs::path Canonique(const fs::path& chemin)
{
    std::error_code erreur;
    fs::path c = fs::weakly_canonical(chemin, erreur);
    return erreur ? fs::absolute(chemin, erreur) : c;
}

} // namespace

// ------------------------------------------------------------ the lists

TListeComparee SituerListe(const TBDVasco& bd, const TSupListe& liste)
{
    using G = TListeComparee::TGenre;
    if (&liste == &bd.Bilans)
        return {G::Bilans};
    for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
        const auto& metier = bd.Metiers.A<TMetierEco>(m);
        if (&liste == &metier.Conditions)
            return {G::Conditions, m};
        for (int e = 0; e < metier.EspecesExploitees.Nombre(); ++e)
            if (&liste == &metier.EspecesExploitees.A<TEspeceExp>(e).PeriodesMS)
                return {G::Captures, m, e};
    }
    for (int e = 0; e < bd.Especes.Nombre(); ++e)
        if (&liste == &bd.Especes.A<TEspece>(e).Periodes)
            return {G::Etats, -1, e};
    return {};
}

// ------------------------------------------------------ a compared game

TPartieComparee::TPartieComparee(const TBDVasco& bd) : Periodes(bd.NbPeriodes())
{
    for (int i = 0; i < bd.Bilans.Nombre(); ++i)
        bilans_.push_back(bd.Bilans.A<TPeriodeBilan>(i));
    conditions_.resize(static_cast<size_t>(bd.Metiers.Nombre()));
    captures_.resize(conditions_.size());
    for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
        const auto& metier = bd.Metiers.A<TMetierEco>(m);
        auto& conditions = conditions_[static_cast<size_t>(m)];
        for (int i = 0; i < metier.Conditions.Nombre(); ++i)
            conditions.push_back(metier.Conditions.A<TCondition>(i));
        auto& captures = captures_[static_cast<size_t>(m)];
        captures.resize(static_cast<size_t>(metier.EspecesExploitees.Nombre()));
        for (int e = 0; e < metier.EspecesExploitees.Nombre(); ++e) {
            const TSupListe& releves = metier.EspecesExploitees.A<TEspeceExp>(e).PeriodesMS;
            for (int i = 0; i < releves.Nombre(); ++i)
                captures[static_cast<size_t>(e)].emplace_back().CopierChiffres(
                    releves.A<TPeriodeMS>(i));
        }
    }
    etats_.resize(static_cast<size_t>(bd.Especes.Nombre()));
    for (int e = 0; e < bd.Especes.Nombre(); ++e) {
        const TSupListe& periodes = bd.Especes.A<TEspece>(e).Periodes;
        TEtats& etats = etats_[static_cast<size_t>(e)];
        etats.Places.reserve(static_cast<size_t>(periodes.Nombre()));
        for (int i = 0; i < periodes.Nombre(); ++i) {
            const auto& etat = periodes.A<TPeriodeES>(i);
            etats.Periodes.emplace_back().CopierChiffres(etat);
            etats.Places.push_back({etats.Classes.size(), etat.Tailles.Nombre(),
                                    etat.Tailles.Premier});
            for (int c = 0; c < etat.Tailles.Nombre(); ++c)
                etats.Classes.push_back(etat.Tailles.A<TTailleES>(c));
        }
    }
}

int TPartieComparee::Nombre(const TListeComparee& liste) const
{
    using G = TListeComparee::TGenre;
    const auto taille = [](const auto& c) { return static_cast<int>(c.size()); };
    switch (liste.Genre) {
    case G::Bilans: return taille(bilans_);
    case G::Conditions:
        if (const auto* c = Parmi(conditions_, liste.Metier))
            return taille(*c);
        return 0;
    case G::Captures:
        if (const auto* m = Parmi(captures_, liste.Metier))
            if (const auto* c = Parmi(*m, liste.Espece))
                return taille(*c);
        return 0;
    case G::Etats:
        if (const auto* e = Parmi(etats_, liste.Espece))
            return taille(e->Periodes);
        return 0;
    case G::Aucune: return 0;
    }
    return 0;
}

TEL* TPartieComparee::Element(const TListeComparee& liste, int index) const
{
    using G = TListeComparee::TGenre;
    switch (liste.Genre) {
    case G::Bilans: return A(bilans_, index);
    case G::Conditions:
        if (const auto* c = Parmi(conditions_, liste.Metier))
            return A(*c, index);
        return nullptr;
    case G::Captures:
        if (const auto* m = Parmi(captures_, liste.Metier))
            if (const auto* c = Parmi(*m, liste.Espece))
                return A(*c, index);
        return nullptr;
    case G::Etats:
        if (const auto* e = Parmi(etats_, liste.Espece))
            return A(e->Periodes, index);
        return nullptr;
    case G::Aucune: return nullptr;
    }
    return nullptr;
}

int32_t TPartieComparee::PremiereClasse(const TListeComparee& liste, int index) const
{
    const TEtats* e = liste.Genre == TListeComparee::TGenre::Etats ? Parmi(etats_, liste.Espece)
                                                                    : nullptr;
    const auto* place = e ? Parmi(e->Places, index) : nullptr;
    return place ? place->Premier : 0;
}

int TPartieComparee::NombreClasses(const TListeComparee& liste, int index) const
{
    const TEtats* e = liste.Genre == TListeComparee::TGenre::Etats ? Parmi(etats_, liste.Espece)
                                                                    : nullptr;
    const auto* place = e ? Parmi(e->Places, index) : nullptr;
    return place ? place->Nombre : 0;
}

TEL* TPartieComparee::Classe(const TListeComparee& liste, int index, int position) const
{
    const TEtats* e = liste.Genre == TListeComparee::TGenre::Etats ? Parmi(etats_, liste.Espece)
                                                                    : nullptr;
    const auto* place = e ? Parmi(e->Places, index) : nullptr;
    if (!place || position < 0 || position >= place->Nombre)
        return nullptr;
    return A(e->Classes, static_cast<int>(place->Debut) + position);
}

size_t TPartieComparee::Octets() const
{
    size_t n = sizeof(*this) + bilans_.size() * sizeof(TPeriodeBilan);
    for (const auto& c : conditions_)
        n += sizeof(c) + c.size() * sizeof(TCondition);
    for (const auto& m : captures_)
        for (const auto& c : m)
            n += sizeof(c) + c.size() * sizeof(TPeriodeMS);
    for (const TEtats& e : etats_)
        n += sizeof(e) + e.Periodes.size() * sizeof(TPeriodeES) +
             e.Classes.size() * sizeof(TTailleES) + e.Places.size() * sizeof(TEtats::TPlace);
    return n;
}

// ------------------------------------------------------ the comparison

int64_t TComparaison::PeriodesMax() const
{
    int64_t n = 0;
    for (const TPartieComparee& p : Parties)
        n = std::max(n, p.Periodes);
    return n;
}

size_t TComparaison::Octets() const
{
    size_t n = 0;
    for (const TPartieComparee& p : Parties)
        n += p.Octets();
    return n;
}

bool Comparer(const TSession& session, const TDemandeComparaison& demande,
              TComparaison& resultat)
{
    resultat = {};
    const auto annulee = [&] { return demande.Annuler && demande.Annuler->load(); };

    // Read every file first: the refusals that need no replay, and the
    // names, which depend on all the files given.
    std::vector<TCandidat> candidats(demande.Fichiers.size());
    const fs::path courante =
        demande.PartieCourante.empty() ? fs::path() : Canonique(demande.PartieCourante);
    std::map<fs::path, size_t> vus;
    for (size_t i = 0; i < candidats.size(); ++i) {
        TCandidat& c = candidats[i];
        c.Rang = i;
        c.Fichier = demande.Fichiers[i];
        c.Canonique = Canonique(c.Fichier);
    }
    Nommer(candidats);
    for (TCandidat& c : candidats) {
        if (!courante.empty() && c.Canonique == courante) {
            c.Refus = Texte(QT_TRANSLATE_NOOP("Modele", "c'est la partie en cours elle-même"));
            continue;
        }
        if (!vus.emplace(c.Canonique, c.Rang).second) {
            c.Refus = Texte(QT_TRANSLATE_NOOP("Modele", "le même fichier est déjà comparé"));
            continue;
        }
        const std::optional<std::string> texte = LireTexte(c.Fichier);
        if (!texte) {
            c.Refus = Texte(QT_TRANSLATE_NOOP("Modele", "fichier illisible ou introuvable"));
            continue;
        }
        try {
            c.Partie = LirePartie(*texte);
        } catch (const std::exception& erreur) {
            c.Refus = erreur.what();
            continue;
        }
        if (c.Partie->Periodes <= 0) {
            c.Partie.reset();
            c.Refus = Texte(QT_TRANSLATE_NOOP("Modele", "partie sans aucune période jouée"));
        }
    }

    // The first games by name are kept.
    std::vector<TCandidat*> retenus;
    for (TCandidat& c : candidats)
        if (c.Partie)
            retenus.push_back(&c);
    std::stable_sort(retenus.begin(), retenus.end(),
                     [](const TCandidat* a, const TCandidat* b) { return a->Nom < b->Nom; });
    for (size_t i = MaxPartiesComparees; i < retenus.size(); ++i) {
        retenus[i]->Partie.reset();
        retenus[i]->Refus =
            Texte(QT_TRANSLATE_NOOP("Modele", "au-delà des 60 premières parties par nom"));
    }
    retenus.resize(std::min(retenus.size(), MaxPartiesComparees));
    if (demande.Faites)
        demande.Faites->fetch_add(static_cast<int64_t>(candidats.size() - retenus.size()));

    // Each replay on a thread of the runner; its data set is made, read and
    // destroyed there.
    std::vector<std::optional<TPartieComparee>> rejouees(retenus.size());
    const unsigned fils =
        demande.Fils ? demande.Fils : std::max(1u, std::thread::hardware_concurrency());
    ParFils(static_cast<int64_t>(retenus.size()), fils, [&](int64_t i) {
        TCandidat& c = *retenus[static_cast<size_t>(i)];
        if (annulee())
            return;
        std::string messages;
        TReprise reprise;
        reprise.Suivi = [&](const TBDVasco&, int64_t) {
            if (annulee())
                throw TAnnulee();
        };
        reprise.Recepteur = [&](const std::string& texte) { messages += texte + '\n'; };
        TPartieRejouee r = session.Rejouer(*c.Partie, reprise);
        if (annulee())
            return;
        if (!r.CompteRendu.Reussi()) {
            c.Refus = r.CompteRendu.Raison;
        } else {
            auto& partie = rejouees[static_cast<size_t>(i)].emplace(*r.Donnees);
            partie.Nom = c.Nom;
            partie.Fichier = c.Canonique;
            partie.Messages = std::move(messages);
            r.Donnees.reset();
        }
        if (demande.Faites)
            demande.Faites->fetch_add(1);
    });
    if (annulee()) {
        resultat = {};
        return false;
    }
    for (auto& p : rejouees)
        if (p)
            resultat.Parties.push_back(std::move(*p));
    for (const TCandidat& c : candidats)
        if (!c.Refus.empty())
            resultat.Refus.push_back({c.Nom, c.Refus});
    return true;
}

} // namespace vasco
