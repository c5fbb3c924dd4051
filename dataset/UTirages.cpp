#include "dataset/UTirages.h"

#include "biology/UMath.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <cmath>

namespace vasco {

namespace {

// A value in the order of the quantiles: the numbers in increasing order,
// then what is not a number; ties by position.
struct TCle {
    double Valeur;
    bool Nombre;
    uint32_t Position;
    bool operator<(const TCle& b) const
    {
        if (Nombre != b.Nombre)
            return Nombre;
        if (Nombre && Valeur != b.Valeur)
            return Valeur < b.Valeur;
        return Position < b.Position;
    }
};

} // namespace

uint32_t GraineTirage(uint32_t graine, int64_t tirage)
{
    return static_cast<uint32_t>(graine + static_cast<uint64_t>(tirage) * 2654435761u);
}

int64_t RangQuantile(int64_t n, int centiemes)
{
    return (centiemes * n + 99) / 100;
}

std::array<double, 3> Quantiles(std::span<double> valeurs)
{
    const int64_t n = static_cast<int64_t>(valeurs.size());
    if (n == 0)
        return {NAN, NAN, NAN};
    std::vector<TCle> cles(valeurs.size());
    for (size_t r = 0; r < valeurs.size(); ++r)
        cles[r] = {valeurs[r], !std::isnan(valeurs[r]), static_cast<uint32_t>(r)};
    // The highest rank first: the lower ones then lie before it.
    int64_t rangs[3];
    auto fin = cles.end();
    for (int q = 2; q >= 0; --q) {
        rangs[q] = RangQuantile(n, CentiemesQuantiles[q]) - 1;
        const auto rang = cles.begin() + rangs[q];
        std::nth_element(cles.begin(), rang, fin);
        fin = rang;
    }
    std::array<double, 3> q{};
    for (size_t i = 0; i < 3; ++i) {
        const TCle& cle = cles[static_cast<size_t>(rangs[i])];
        q[i] = cle.Nombre ? cle.Valeur : NAN;
    }
    return q;
}

bool Executer(const TExecution& e, std::string_view prefixe, std::string& messages,
              const std::function<void(const TBDVasco&, int64_t)>& apresPas)
{
    const TRecepteurTemporaire recepteur([&](const std::string& texte) {
        messages += prefixe;
        for (char c : texte)
            messages += c == '\n' || c == '\r' ? ' ' : c;
        messages += '\n';
    });
    FixerGraine(e.Graine);
    THoteSansFenetre hote;
    hote.Recrutement = e.Recrutement;
    hote.Croissance = e.Croissance;
    TBDVasco bd(&hote);
    TLecteur lecteur(*e.Donnees);
    bd.Charger(lecteur);
    for (int64_t p = 1; p <= e.Periodes; ++p) {
        if (e.Annuler && e.Annuler->load(std::memory_order_relaxed))
            return false;
        e.Scenario->Appliquer(p - 1, bd);
        bd.Pas();
        apresPas(bd, p);
    }
    return true;
}

} // namespace vasco
