#include "dataset/UEquilibre.h"

#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/UTirages.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"
#include "model/Uperiode.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <stdexcept>

namespace vasco {

namespace {

// The means are taken over the last twenty years, split in two decades to
// judge whether the run has settled.
constexpr int AnneesMoyenne = 20;
constexpr long double EcartStable = 0.01L;
// A factor closer than this to 1 is today's fleet.
constexpr double ToleranceFacteur = 1e-9;

// What the data file gives before any run: its species, its periods per
// year and the vessel count each métier starts with.
struct TPecherie {
    std::vector<std::string> Especes;
    int PeriodesAn = 1;
    std::vector<long double> Navires;
};

TPecherie Decrire(const std::string& donnees)
{
    // The runs report the load's guard messages themselves.  Both random
    // options are off here, so the load draws nothing from the generator.
    const TRecepteurTemporaire silence([](const std::string&) {});
    TBDVasco bd;
    TLecteur lecteur(donnees);
    bd.Charger(lecteur);
    TPecherie p;
    p.PeriodesAn = bd.NbPeriodesAn;
    for (int i = 0; i < bd.Especes.Nombre(); ++i)
        p.Especes.push_back(bd.Especes.A<TELaNom>(i).Nom);
    for (int i = 0; i < bd.Metiers.Nombre(); ++i)
        p.Navires.push_back(
            Mesure(TMesure::Navires).Valeur(bd.Metiers.A<TMetierEco>(i).Courante()));
    return p;
}

// A vessel count multiplied by f as a person would type the product: the
// number rounded to a float, then stored through the measure table, so that
// the same number written in a scenario stores the same float.
long double Multiplier(long double stockee, double f, int periodesAn)
{
    const TDefMesure& navires = Mesure(TMesure::Navires);
    const long double saisi = navires.Saisi(stockee, periodesAn);
    return navires.Stocker(Flottant(f * saisi), periodesAn);
}

// The scenario of factor f: every vessel count in force multiplied by f,
// from the data file's (lines of period 0, before the scenario's own) to
// each of the scenario's as it applies; the other measures as they are.
TScenario ScenarioMultiplie(const TParamEquilibre& p, const TPecherie& pecherie, double f)
{
    const auto multiplie = [&](int metier) { return !p.Metier || *p.Metier == metier; };
    std::vector<TLigneScenario> lignes;
    for (int m = 0; m < static_cast<int>(pecherie.Navires.size()); ++m)
        if (multiplie(m))
            lignes.push_back({.Periode = 0,
                              .Index = m,
                              .Mesure = TMesure::Navires,
                              .Stockee = Multiplier(pecherie.Navires[m], f, pecherie.PeriodesAn)});
    for (TLigneScenario l : p.Scenario.Lignes()) {
        if (l.Mesure == TMesure::Navires && multiplie(l.Index))
            l.Stockee = Multiplier(l.Stockee, f, pecherie.PeriodesAn);
        lignes.push_back(l);
    }
    return TScenario(std::move(lignes));
}

// The figures of period p (from 1): the balance of the period and the
// species states and conditions in force during it, as the CSV rows read
// them.
void ChiffresPeriode(const TBDVasco& bd, int64_t p, std::vector<long double>& chiffres)
{
    const int i = static_cast<int>(p - 1);
    const auto& b = bd.Bilans.A<TPeriodeBilan>(i);
    long double jours = 0;
    for (int m = 0; m < bd.Metiers.Nombre(); ++m) {
        const auto& c = bd.Metiers.A<TMetierEco>(m).Conditions.A<TCondition>(i);
        jours += static_cast<long double>(c.NbNavires) * c.NbJours;
    }
    chiffres[ChiffreEq::JoursMer] = jours;
    chiffres[ChiffreEq::PoidsDebarque] = b.PoidsDebarque;
    chiffres[ChiffreEq::CA] = b.CA;
    chiffres[ChiffreEq::Couts] = static_cast<long double>(b.CA) - b.Benefice;
    chiffres[ChiffreEq::Benefice] = b.Benefice;
    chiffres[ChiffreEq::SubventionsNettes] = b.SubventionsNettes;
    chiffres[ChiffreEq::Rente] = static_cast<long double>(b.Benefice) - b.SubventionsNettes;
    chiffres[ChiffreEq::Effectifs] = b.Effectifs;
    for (int e = 0; e < bd.Especes.Nombre(); ++e) {
        const auto& espece = bd.Especes.A<TEspece>(e);
        const long double vierge = espece.BiomasseFecondeVierge;
        chiffres[ChiffreEq::PremiereEspece + e] =
            vierge > 0 ? 100 * espece.Periodes.A<TPeriodeES>(i).BiomasseFeconde / vierge : NAN;
    }
}

// What one run leaves: the mean of each figure over the last twenty years,
// and over each of their two decades.
struct TRun {
    std::vector<double> Moyennes, Avant, Apres;
    std::string Messages;
};

std::vector<double> Moyenne(const std::vector<std::vector<long double>>& lignes, size_t debut,
                            size_t fin)
{
    std::vector<long double> somme(lignes[0].size());
    for (size_t l = debut; l < fin; ++l)
        for (size_t c = 0; c < somme.size(); ++c)
            somme[c] += lignes[l][c];
    std::vector<double> moyenne(somme.size());
    for (size_t c = 0; c < somme.size(); ++c)
        moyenne[c] = static_cast<double>(somme[c] / static_cast<long double>(fin - debut));
    return moyenne;
}

// The figures the settled mark looks at: the landed weight and the species.
bool Compte(size_t chiffre)
{
    return chiffre == ChiffreEq::PoidsDebarque || chiffre >= ChiffreEq::PremiereEspece;
}

bool Proches(double avant, double apres)
{
    if (std::isnan(avant) || std::isnan(apres))
        return std::isnan(avant) && std::isnan(apres);
    return apres == avant ||
           std::fabs(static_cast<long double>(apres) - avant) < EcartStable * std::fabs(avant);
}

// The point of factor f: its figures from its draws (or its one run), its
// settled mark from the run without draws.
TPointEquilibre Point(double f, const TRun& sansTirage, std::span<const TRun> tirages)
{
    TPointEquilibre point;
    point.Facteur = f;
    std::vector<double> valeurs(tirages.size());
    for (size_t c = 0; c < sansTirage.Moyennes.size(); ++c) {
        for (size_t r = 0; r < tirages.size(); ++r)
            valeurs[r] = tirages[r].Moyennes[c];
        const auto q = Quantiles(valeurs);
        point.Chiffres.push_back({q[0], q[1], q[2]});
        if (Compte(c) && !Proches(sansTirage.Avant[c], sansTirage.Apres[c]))
            point.Stable = false;
    }
    return point;
}

double Median(const TPointEquilibre& p, int chiffre)
{
    return p.Chiffres[static_cast<size_t>(chiffre)].Q50;
}

// The first point of the largest median of a figure.
size_t Plus(const std::vector<TPointEquilibre>& grille, int chiffre)
{
    size_t meilleur = 0;
    for (size_t i = 1; i < grille.size(); ++i)
        if (Median(grille[i], chiffre) > Median(grille[meilleur], chiffre) ||
            std::isnan(Median(grille[meilleur], chiffre)))
            meilleur = i;
    return meilleur;
}

TPointEquilibre Interpoler(const TPointEquilibre& a, const TPointEquilibre& b, double t)
{
    const auto entre = [t](double x, double y) { return x + (y - x) * t; };
    TPointEquilibre p;
    p.Facteur = entre(a.Facteur, b.Facteur);
    p.Stable = a.Stable && b.Stable;
    for (size_t c = 0; c < a.Chiffres.size(); ++c) {
        const TChiffre& x = a.Chiffres[c];
        const TChiffre& y = b.Chiffres[c];
        p.Chiffres.push_back({entre(x.Q05, y.Q05), entre(x.Q50, y.Q50), entre(x.Q95, y.Q95)});
    }
    return p;
}

// Where free entry stops: going right from REM, the profit falls to 0
// between two points.  Subsidies keep the profit above the rent, which is
// why this lies to the right of where the rent alone would put it.
std::optional<TPointEquilibre> AccesLibre(const std::vector<TPointEquilibre>& grille, size_t rem)
{
    if (grille[rem].Facteur == 0)
        return std::nullopt;
    for (size_t i = rem + 1; i < grille.size(); ++i) {
        const double apres = Median(grille[i], ChiffreEq::Benefice);
        if (!(apres <= 0))
            continue;
        const double avant = Median(grille[i - 1], ChiffreEq::Benefice);
        const double t = avant > 0 ? avant / (avant - apres) : 0;
        TPointEquilibre point = Interpoler(grille[i - 1], grille[i], t);
        // 0 by definition: the rounding of the interpolation would leave a
        // profit of 1e-10 in the table.
        point.Chiffres[ChiffreEq::Benefice].Q50 = 0;
        return point;
    }
    return std::nullopt;
}

std::string Prefixe(double f, int64_t tirage)
{
    std::string texte = "facteur " + NeufChiffres(f);
    if (tirage > 0)
        texte += ", tirage " + std::to_string(tirage);
    return texte + " : ";
}

// The factors of the grid, then 1 when the grid does not hold it; `actuel`
// is the index of 1.
std::vector<double> Facteurs(const TParamEquilibre& p, size_t& actuel)
{
    std::vector<double> facteurs;
    for (int64_t i = 0; i < NombrePoints(p); ++i)
        facteurs.push_back(FacteurPoint(p, i));
    for (actuel = 0; actuel < facteurs.size(); ++actuel)
        if (std::fabs(facteurs[actuel] - 1) <= ToleranceFacteur)
            return facteurs;
    facteurs.push_back(1);
    return facteurs;
}

// One run of factor f: draw `tirage` (0, the run without draws), its
// figures kept over the last twenty years.  False when cancelled.
bool Lancer(const TParamEquilibre& p, const TPecherie& pecherie, const TScenario& scenario,
            double f, int64_t tirage, TRun& run)
{
    const int64_t periodes = int64_t(p.Annees) * pecherie.PeriodesAn;
    const int64_t retenues = int64_t(AnneesMoyenne) * pecherie.PeriodesAn;
    const TExecution execution{.Donnees = &p.Donnees,
                               .Scenario = &scenario,
                               .Periodes = periodes,
                               .Graine = GraineTirage(p.Graine, tirage),
                               .Recrutement = tirage > 0,
                               .Annuler = p.Annuler};
    std::vector<std::vector<long double>> lignes(
        static_cast<size_t>(retenues),
        std::vector<long double>(ChiffreEq::PremiereEspece + pecherie.Especes.size()));
    const auto retenir = [&](const TBDVasco& bd, int64_t periode) {
        if (p.Periodes)
            p.Periodes->fetch_add(1, std::memory_order_relaxed);
        const int64_t l = periode - (periodes - retenues) - 1;
        if (l >= 0)
            ChiffresPeriode(bd, periode, lignes[static_cast<size_t>(l)]);
    };
    if (!Executer(execution, Prefixe(f, tirage), run.Messages, retenir))
        return false;
    const size_t moitie = lignes.size() / 2;
    run.Moyennes = Moyenne(lignes, 0, lignes.size());
    run.Avant = Moyenne(lignes, 0, moitie);
    run.Apres = Moyenne(lignes, moitie, lignes.size());
    return true;
}

} // namespace

std::vector<std::pair<std::string, std::string>>
NomsChiffresEquilibre(const std::vector<std::string>& especes)
{
    std::vector<std::pair<std::string, std::string>> noms;
    for (const char* nom : {"jours_mer", "PoidsDebarque", "CA", "Couts", "Benefice",
                            "SubventionsNettes", "Rente", "Effectifs"})
        noms.emplace_back(nom, "");
    for (const std::string& e : especes)
        noms.emplace_back(e, ":BiomasseFeconde%");
    return noms;
}

int64_t NombrePoints(const TParamEquilibre& p)
{
    if (!(p.Pas > 0) || !(p.Debut >= 0) || !(p.Fin >= p.Debut) || !std::isfinite(p.Fin))
        return 0;
    // A grid meant to end on Fin must not lose its last point to rounding
    // (3 / 0.05 is 59.99... in binary).
    const double intervalles = std::floor((p.Fin - p.Debut) / p.Pas + 1e-9);
    return intervalles >= PointsMax ? PointsMax + 1 : static_cast<int64_t>(intervalles) + 1;
}

double FacteurPoint(const TParamEquilibre& p, int64_t i)
{
    return p.Debut + static_cast<double>(i) * p.Pas;
}

int64_t PeriodesEquilibre(const TParamEquilibre& p, int periodesAn)
{
    size_t actuel = 0;
    const auto points = static_cast<int64_t>(Facteurs(p, actuel).size());
    const int64_t parPoint = p.Recrutement ? p.Tirages + 1 : 1;
    return points * parPoint * p.Annees * std::max(periodesAn, 1);
}

std::optional<std::string> RefusEquilibre(const TParamEquilibre& p)
{
    if (!(p.Pas > 0))
        return "le pas des facteurs doit être positif, trouvé " + NeufChiffres(p.Pas);
    if (!(p.Debut >= 0))
        return "le premier facteur ne peut pas être négatif, trouvé " + NeufChiffres(p.Debut);
    if (!(p.Fin >= p.Debut) || !std::isfinite(p.Fin))
        return "le dernier facteur (" + NeufChiffres(p.Fin) + ") est inférieur au premier (" +
               NeufChiffres(p.Debut) + ")";
    if (NombrePoints(p) > PointsMax)
        return "plus de " + std::to_string(PointsMax) + " facteurs dans la grille";
    if (p.Annees < AnneesMin || p.Annees > AnneesMax)
        return "durée de " + std::to_string(AnneesMin) + " à " + std::to_string(AnneesMax) +
               " ans attendue, trouvé " + std::to_string(p.Annees);
    if (p.Recrutement && p.Tirages < 1)
        return "au moins un tirage par facteur attendu";
    if (p.Metier && *p.Metier < 0)
        return "métier inconnu";
    return std::nullopt;
}

std::optional<TEquilibre> CalculerEquilibre(const TParamEquilibre& p)
{
    if (const auto refus = RefusEquilibre(p))
        throw std::invalid_argument(*refus);
    const TPecherie pecherie = Decrire(p.Donnees);
    if (p.Metier && *p.Metier >= static_cast<int>(pecherie.Navires.size()))
        throw std::invalid_argument("métier inconnu");

    size_t actuel = 0;
    const std::vector<double> facteurs = Facteurs(p, actuel);
    std::vector<TScenario> scenarios;
    for (double f : facteurs)
        scenarios.push_back(ScenarioMultiplie(p, pecherie, f));

    // With random recruitment, each point has its draws and one run without
    // them (first): a decade of random recruits differs from the next by
    // more than 1 % whatever the effort, so whether the fishery has settled
    // is judged on the model's own course, that of the run without draws.
    const int64_t tirages = p.Recrutement ? p.Tirages : 0;
    const int64_t parPoint = tirages + 1;
    const int64_t total = static_cast<int64_t>(facteurs.size()) * parPoint;
    std::vector<TRun> runs(static_cast<size_t>(total));
    std::mutex progression;
    int64_t faits = 0;
    std::atomic<bool> annule{false};
    ParFils(total, p.Fils, [&](int64_t r) {
        // Once cancelled, the runs left are not even loaded.
        if (annule || (p.Annuler && p.Annuler->load(std::memory_order_relaxed))) {
            annule = true;
            return;
        }
        const auto point = static_cast<size_t>(r / parPoint);
        if (!Lancer(p, pecherie, scenarios[point], facteurs[point], r % parPoint,
                    runs[static_cast<size_t>(r)])) {
            annule = true;
            return;
        }
        if (p.Progression) {
            const std::lock_guard verrou(progression);
            p.Progression(++faits, total);
        }
    });
    if (annule)
        return std::nullopt;

    TEquilibre e;
    e.Especes = pecherie.Especes;
    for (size_t i = 0; i < facteurs.size(); ++i) {
        const TRun* sansTirage = runs.data() + i * static_cast<size_t>(parPoint);
        const std::span<const TRun> chiffres(sansTirage + (tirages > 0 ? 1 : 0),
                                             static_cast<size_t>(std::max<int64_t>(tirages, 1)));
        e.Grille.push_back(Point(facteurs[i], *sansTirage, chiffres));
    }
    for (const TRun& run : runs)
        e.Messages += run.Messages;
    e.Actuel = e.Grille[actuel];
    if (actuel == static_cast<size_t>(NombrePoints(p)))
        e.Grille.pop_back();
    const size_t rem = Plus(e.Grille, ChiffreEq::Rente);
    e.RMD = e.Grille[Plus(e.Grille, ChiffreEq::PoidsDebarque)];
    e.REM = e.Grille[rem];
    e.AccesLibre = AccesLibre(e.Grille, rem);
    return e;
}

} // namespace vasco
