#include "batch/Tirages.h"

#include "batch/Csv.h"

#include <cmath>

namespace vasco {

namespace {

constexpr const char* Suffixes[] = {":q05", ":q50", ":q95"};

// What one run leaves: its rows as numbers (period by period, the columns
// after "periode") and its guard messages.
struct TTirage {
    std::vector<double> Valeurs;
    std::string Messages;
};

void Executer(const TTirages& t, int64_t i, TTirage& r)
{
    r.Valeurs.reserve(static_cast<size_t>(t.Periodes) * t.Colonnes.size());
    const TExecution execution{.Donnees = &t.Donnees,
                               .Scenario = t.Scenario,
                               .Periodes = t.Periodes,
                               .Graine = GraineTirage(t.Graine, i),
                               .Recrutement = t.Recrutement,
                               .Croissance = t.Croissance};
    Executer(
        execution, "tirage " + std::to_string(i) + " : ", r.Messages,
        [&](const TBDVasco& bd, int64_t p) { ValeursCsv(bd, static_cast<int>(p), r.Valeurs); });
}

} // namespace

std::string EnTeteQuantiles(std::span<const std::pair<std::string, std::string>> colonnes)
{
    std::string entete = "periode";
    for (const auto& [nom, suffixe] : colonnes)
        for (const char* q : Suffixes)
            entete += ',' + ChampNom(nom, suffixe + q);
    return entete + '\n';
}

std::string LigneQuantiles(std::span<const std::span<const double>> series, size_t colonnes,
                           int64_t p)
{
    std::string ligne = std::to_string(p);
    const size_t debut = static_cast<size_t>(p - 1) * colonnes;
    const size_t fin = debut + colonnes;
    std::vector<double> valeurs;
    valeurs.reserve(series.size());
    for (size_t c = 0; c < colonnes; ++c) {
        valeurs.clear();
        for (const std::span<const double> s : series)
            if (s.size() >= fin)
                valeurs.push_back(s[debut + c]);
        for (double q : Quantiles(valeurs)) {
            ligne += ',';
            if (!std::isnan(q))
                ligne += ChampCsv(q);
        }
    }
    return ligne + '\n';
}

void Tirer(const TTirages& t, std::ostream& sortie, std::ostream& erreurs)
{
    const unsigned fils = std::max(t.Fils, 1u);
    std::vector<TTirage> tirages(static_cast<size_t>(t.Nombre));
    ParFils(t.Nombre, fils,
            [&](int64_t i) { Executer(t, i + 1, tirages[static_cast<size_t>(i)]); });

    std::vector<std::span<const double>> series(tirages.size());
    for (size_t r = 0; r < tirages.size(); ++r)
        series[r] = tirages[r].Valeurs;
    sortie << EnTeteQuantiles(t.Colonnes);
    std::vector<std::string> lignes(static_cast<size_t>(t.Periodes));
    ParFils(t.Periodes, fils, [&](int64_t p) {
        lignes[static_cast<size_t>(p)] = LigneQuantiles(series, t.Colonnes.size(), p + 1);
    });
    for (const std::string& ligne : lignes)
        sortie << ligne;
    for (const TTirage& r : tirages)
        erreurs << r.Messages;
}

} // namespace vasco
