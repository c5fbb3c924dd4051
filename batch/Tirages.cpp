#include "batch/Tirages.h"

#include "batch/Csv.h"
#include "biology/UMath.h"
#include "dataset/Ubd.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <thread>

namespace vasco {

namespace {

constexpr int Centiemes[] = {5, 50, 95};
constexpr const char* Suffixes[] = {":q05", ":q50", ":q95"};

// What one run leaves: its rows as numbers (period by period, the columns
// after "periode"), its guard messages, and its failure if any.
struct TTirage {
    std::vector<double> Valeurs;
    std::string Messages;
    std::exception_ptr Echec;
};

// Calls f(0) ... f(n - 1) on `fils` threads, each index once; the first
// failure in index order passes to the caller once every thread is done.
template <class F>
void ParFils(int64_t n, unsigned fils, F&& f)
{
    std::vector<std::exception_ptr> echecs(static_cast<size_t>(n));
    std::atomic<int64_t> suivant{0};
    const auto travailler = [&] {
        for (int64_t i; (i = suivant.fetch_add(1, std::memory_order_relaxed)) < n;) {
            try {
                f(i);
            } catch (...) {
                echecs[static_cast<size_t>(i)] = std::current_exception();
            }
        }
    };
    std::vector<std::thread> autres;
    const int64_t nombre = std::min<int64_t>(fils, n);
    for (int64_t t = 1; t < nombre; ++t)
        autres.emplace_back(travailler);
    travailler();
    for (std::thread& t : autres)
        t.join();
    for (const std::exception_ptr& e : echecs)
        if (e)
            std::rethrow_exception(e);
}

// One run, on the calling thread: its own generator state, host, data set
// and message receiver, as a plain run with its seed.
void Executer(const TTirages& t, int64_t i, TTirage& r)
{
    const size_t colonnes = t.Colonnes.size();
    r.Valeurs.reserve(static_cast<size_t>(t.Periodes) * colonnes);
    TRecepteur precedent = InstallerRecepteur([&r, i](const std::string& texte) {
        r.Messages += "tirage " + std::to_string(i) + " : ";
        for (char c : texte)
            r.Messages += c == '\n' || c == '\r' ? ' ' : c;
        r.Messages += '\n';
    });
    try {
        FixerGraine(GraineTirage(t.Graine, i));
        THoteSansFenetre hote;
        hote.Recrutement = t.Recrutement;
        hote.Croissance = t.Croissance;
        TBDVasco bd(&hote);
        TLecteur lecteur(t.Donnees);
        bd.Charger(lecteur);
        for (int64_t p = 1; p <= t.Periodes; ++p) {
            t.Scenario->Appliquer(p - 1, bd);
            bd.Pas();
            ValeursCsv(bd, static_cast<int>(p), r.Valeurs);
        }
    } catch (...) {
        InstallerRecepteur(std::move(precedent));
        throw;
    }
    InstallerRecepteur(std::move(precedent));
}

// A value of one run in the order of the quantiles: the numbers in
// increasing order, then what is not a number; ties by run.
struct TCle {
    double Valeur;
    bool Nombre;
    uint32_t Tirage;
    bool operator<(const TCle& b) const
    {
        if (Nombre != b.Nombre)
            return Nombre;
        if (Nombre && Valeur != b.Valeur)
            return Valeur < b.Valeur;
        return Tirage < b.Tirage;
    }
};

// The row of period p: the three quantiles of each column over the runs.
std::string LigneQuantiles(const std::vector<TTirage>& tirages, size_t colonnes, int64_t p)
{
    const int64_t n = static_cast<int64_t>(tirages.size());
    int64_t rangs[3];
    for (size_t q = 0; q < 3; ++q)
        rangs[q] = RangQuantile(n, Centiemes[q]) - 1;
    std::string ligne = std::to_string(p);
    std::vector<TCle> cles(tirages.size());
    const size_t debut = static_cast<size_t>(p - 1) * colonnes;
    for (size_t c = 0; c < colonnes; ++c) {
        for (size_t r = 0; r < tirages.size(); ++r) {
            const double v = tirages[r].Valeurs[debut + c];
            cles[r] = {v, !std::isnan(v), static_cast<uint32_t>(r)};
        }
        // The highest rank first: the lower ones then lie before it.
        auto fin = cles.end();
        for (int q = 2; q >= 0; --q) {
            const auto rang = cles.begin() + rangs[q];
            std::nth_element(cles.begin(), rang, fin);
            fin = rang;
        }
        for (size_t q = 0; q < 3; ++q) {
            const TCle& cle = cles[static_cast<size_t>(rangs[q])];
            ligne += ',';
            if (cle.Nombre)
                ligne += ChampCsv(cle.Valeur);
        }
    }
    return ligne + '\n';
}

} // namespace

uint32_t GraineTirage(uint32_t graine, int64_t tirage)
{
    return static_cast<uint32_t>(graine + static_cast<uint64_t>(tirage) * 2654435761u);
}

int64_t RangQuantile(int64_t n, int centiemes)
{
    return (centiemes * n + 99) / 100;
}

void Tirer(const TTirages& t, std::ostream& sortie, std::ostream& erreurs)
{
    const unsigned fils = std::max(t.Fils, 1u);
    std::vector<TTirage> tirages(static_cast<size_t>(t.Nombre));
    ParFils(t.Nombre, fils,
            [&](int64_t i) { Executer(t, i + 1, tirages[static_cast<size_t>(i)]); });

    std::string entete = "periode";
    for (const auto& [nom, suffixe] : t.Colonnes)
        for (const char* q : Suffixes)
            entete += ',' + ChampNom(nom, suffixe + q);
    sortie << entete << '\n';
    std::vector<std::string> lignes(static_cast<size_t>(t.Periodes));
    ParFils(t.Periodes, fils, [&](int64_t p) {
        lignes[static_cast<size_t>(p)] = LigneQuantiles(tirages, t.Colonnes.size(), p + 1);
    });
    for (const std::string& ligne : lignes)
        sortie << ligne;
    for (const TTirage& r : tirages)
        erreurs << r.Messages;
}

} // namespace vasco
