#include "dataset/UChemin.h"

#include "dataset/UComparaison.h"
#include "dataset/UQuantiles.h"
#include "dataset/Ubd.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vasco {

namespace {

// Vessel counts are typed numbers stored as floats: two métiers scaled by
// the same factor may differ by the float's rounding, never by more.
constexpr long double ToleranceRapport = 1e-5L;

template <class T>
const T* Entree(const TSupListe& liste, int index)
{
    return index >= 0 && index < liste.Nombre() ? &liste.A<T>(index) : nullptr;
}

bool Retenu(const TReferenceChemin& r, int metier)
{
    return !r.Metier || *r.Metier == metier;
}

// The fishing days of the retained métiers in one period of the year at
// f = 1.
long double JoursReference(const TReferenceChemin& r)
{
    long double jours = 0;
    for (size_t m = 0; m < r.Navires.size(); ++m)
        if (Retenu(r, static_cast<int>(m)))
            jours += r.Navires[m] * r.Jours[m];
    return jours;
}

bool Egaux(long double a, long double b)
{
    return std::fabs(a - b) <= ToleranceRapport * std::max(std::fabs(a), std::fabs(b));
}

// Whether the vessels of a period are those in force times one factor (the
// chosen métier's alone may differ when the diagram scales only it).  A
// person halving a fleet of 15 vessels types 7 or 8: each métier's count may
// differ from the factor's by the rounding to a whole vessel, the factor
// being that of the largest fleet in force, the one a rounding moves least.
bool MemeFacteur(const TSourceChemin& source, const TReferenceChemin& r, int index)
{
    const int nombre = static_cast<int>(r.Navires.size());
    std::vector<const TCondition*> conditions(r.Navires.size());
    int plusGrande = -1;
    for (int m = 0; m < nombre; ++m) {
        conditions[static_cast<size_t>(m)] = source.Condition(m, index);
        if (!conditions[static_cast<size_t>(m)])
            return false;
        if (!r.Metier && (plusGrande < 0 || r.Navires[static_cast<size_t>(m)] >
                                                r.Navires[static_cast<size_t>(plusGrande)]))
            plusGrande = m;
    }
    const long double facteur =
        plusGrande >= 0 && r.Navires[static_cast<size_t>(plusGrande)] != 0
            ? conditions[static_cast<size_t>(plusGrande)]->NbNavires /
                  static_cast<long double>(r.Navires[static_cast<size_t>(plusGrande)])
            : 1;
    for (int m = 0; m < nombre; ++m) {
        const long double navires = conditions[static_cast<size_t>(m)]->NbNavires;
        const long double enVigueur = r.Navires[static_cast<size_t>(m)];
        if (r.Metier) {
            if (*r.Metier != m && !Egaux(navires, enVigueur))
                return false;
            continue;
        }
        // The rounding may be on either side: the counts in force may be
        // those a person typed after the period's, or before them.
        constexpr long double DemiNavire = 0.5L + 1e-9L;
        const long double attendu = facteur * enVigueur;
        if (!Egaux(navires, attendu) && std::fabs(navires - attendu) > DemiNavire &&
            !(facteur > 0 && std::fabs(enVigueur - navires / facteur) <= DemiNavire))
            return false;
    }
    return true;
}

// The median by nearest rank, as the graph windows draw the median game.
double Mediane(std::vector<double> v)
{
    return Quantiles(std::span<double>(v))[1];
}

} // namespace

int64_t TSourceDonnees::Periodes() const
{
    return bd_.Bilans.Nombre();
}

int TSourceDonnees::Metiers() const
{
    return bd_.Metiers.Nombre();
}

const TPeriodeBilan* TSourceDonnees::Bilan(int index) const
{
    return Entree<TPeriodeBilan>(bd_.Bilans, index);
}

const TCondition* TSourceDonnees::Condition(int metier, int index) const
{
    const auto* m = Entree<TMetierEco>(bd_.Metiers, metier);
    return m ? Entree<TCondition>(m->Conditions, index) : nullptr;
}

int64_t TSourceComparee::Periodes() const
{
    return partie_.Periodes;
}

const TPeriodeBilan* TSourceComparee::Bilan(int index) const
{
    return dynamic_cast<const TPeriodeBilan*>(
        partie_.Element({TListeComparee::TGenre::Bilans}, index));
}

const TCondition* TSourceComparee::Condition(int metier, int index) const
{
    return dynamic_cast<const TCondition*>(
        partie_.Element({TListeComparee::TGenre::Conditions, metier}, index));
}

TReferenceChemin ReferenceEnVigueur(const TBDVasco& bd, std::optional<int> metier)
{
    TReferenceChemin r;
    r.PeriodesAn = std::max<int>(bd.NbPeriodesAn, 1);
    r.Metier = metier;
    for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
        const TCondition& c = bd.Metiers.A<TMetierEco>(m).Courante();
        r.Navires.push_back(c.NbNavires);
        r.Jours.push_back(c.NbJours);
    }
    return r;
}

TChemin CalculerChemin(const TSourceChemin& source, const TReferenceChemin& r, int64_t periodes)
{
    TChemin chemin;
    const long double parPeriode = JoursReference(r);
    const int an = std::max(r.PeriodesAn, 1);
    if (!(parPeriode > 0) || static_cast<int>(r.Navires.size()) > source.Metiers())
        return chemin;
    const int64_t n = std::min(periodes, source.Periodes());
    for (int64_t annee = 0; (annee + 1) * an <= n; ++annee) {
        long double jours = 0, ca = 0, poids = 0;
        bool complete = true;
        for (int p = 0; p < an && complete; ++p) {
            const int i = static_cast<int>(annee * an + p);
            const TPeriodeBilan* b = source.Bilan(i);
            if (!b) {
                complete = false;
                break;
            }
            ca += b->CA;
            poids += b->PoidsDebarque;
            for (int m = 0; m < static_cast<int>(r.Navires.size()); ++m) {
                const TCondition* c = source.Condition(m, i);
                if (!c) {
                    complete = false;
                    break;
                }
                if (Retenu(r, m))
                    jours += static_cast<long double>(c->NbNavires) * c->NbJours;
            }
            if (complete && !MemeFacteur(source, r, i))
                chemin.Approche = true;
        }
        if (!complete)
            break;
        chemin.Points.push_back({.Annee = static_cast<int>(annee + 1),
                                 .X = static_cast<double>(jours / (parPeriode * an)),
                                 .CA = static_cast<double>(ca / an),
                                 .Poids = static_cast<double>(poids / an)});
    }
    return chemin;
}

TChemin CheminMedian(const std::vector<TChemin>& chemins)
{
    TChemin median;
    size_t annees = 0;
    for (const TChemin& c : chemins) {
        annees = std::max(annees, c.Points.size());
        median.Approche = median.Approche || c.Approche;
    }
    for (size_t a = 0; a < annees; ++a) {
        std::vector<double> x, ca, poids;
        for (const TChemin& c : chemins) {
            if (a >= c.Points.size())
                continue;
            x.push_back(c.Points[a].X);
            ca.push_back(c.Points[a].CA);
            poids.push_back(c.Points[a].Poids);
        }
        median.Points.push_back({.Annee = static_cast<int>(a + 1),
                                 .X = Mediane(x),
                                 .CA = Mediane(ca),
                                 .Poids = Mediane(poids)});
    }
    return median;
}

} // namespace vasco
