// The player's path on the bio-economic diagram.
//
// The diagram's X is a factor f on the fleet of the measures in force (f = 1:
// the vessels and days the next period will use).  A game is drawn on it
// year by year: for each completed year, X is the year's fishing days
// (vessels x days at sea, summed over its periods and the métiers, or the
// chosen métier alone) over the same sum at f = 1, and Y the year's mean per
// period of turnover or landed weight.  A game whose métiers were not scaled
// alike (vessels over vessels in force differs between métiers in some
// period) lies on the diagram only approximately: its X counts days, but the
// equilibrium's f scales every métier the same.
//
// The records are read through a small interface that the current data set
// and a compared game (dataset/UComparaison.h) both answer, with the same
// indexes: element i of the balances and of a métier's conditions is period
// i + 1; the conditions list holds one more element, the open one.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vasco {

class TBDVasco;
class TCondition;
class TPartieComparee;
class TPeriodeBilan;

// Where a path reads a game's records.
class TSourceChemin {
public:
    virtual ~TSourceChemin() = default;
    // Periods simulated: the number of balances.
    virtual int64_t Periodes() const = 0;
    virtual int Metiers() const = 0;
    // Null outside the lists.
    virtual const TPeriodeBilan* Bilan(int index) const = 0;
    virtual const TCondition* Condition(int metier, int index) const = 0;
};

// The current game's records.
class TSourceDonnees : public TSourceChemin {
public:
    explicit TSourceDonnees(const TBDVasco& bd) : bd_(bd) {}
    int64_t Periodes() const override;
    int Metiers() const override;
    const TPeriodeBilan* Bilan(int index) const override;
    const TCondition* Condition(int metier, int index) const override;

private:
    const TBDVasco& bd_;
};

// A compared game's records, of a data file of `metiers` métiers.
class TSourceComparee : public TSourceChemin {
public:
    TSourceComparee(const TPartieComparee& partie, int metiers)
        : partie_(partie), metiers_(metiers)
    {
    }
    int64_t Periodes() const override;
    int Metiers() const override { return metiers_; }
    const TPeriodeBilan* Bilan(int index) const override;
    const TCondition* Condition(int metier, int index) const override;

private:
    const TPartieComparee& partie_;
    int metiers_;
};

// The fleet at f = 1: each métier's vessels and days at sea in force, the
// periods of a year, and the métier the diagram scales (all when none).
struct TReferenceChemin {
    int PeriodesAn = 1;
    std::vector<long double> Navires, Jours;
    std::optional<int> Metier;
};

// The measures in force of the current game: its métiers' open conditions.
TReferenceChemin ReferenceEnVigueur(const TBDVasco& bd, std::optional<int> metier);

// One completed year, Y in the model's units.
struct TPointChemin {
    int Annee = 0; // from 1
    double X = 0;
    double CA = 0;
    double Poids = 0;
};

struct TChemin {
    std::vector<TPointChemin> Points; // in time order
    bool Approche = false;           // the métiers were not scaled alike
};

// The completed years among the first `periodes` periods of a game (its
// own number when fewer).  No point when the fleet at f = 1 fishes no day.
TChemin CalculerChemin(const TSourceChemin& source, const TReferenceChemin& reference,
                       int64_t periodes);

// The median path of several games: for each year that at least one game
// completed, the median across those games of X and of Y.  Approximate
// when any of them is.
TChemin CheminMedian(const std::vector<TChemin>& chemins);

} // namespace vasco
