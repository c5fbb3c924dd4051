#include "model/UTraduction.h"

#include <atomic>

namespace vasco {

namespace {

std::atomic<TTraducteur> traducteur{nullptr};

} // namespace

std::string Traduire(const char* texte, const char* contexte)
{
    const TTraducteur t = traducteur.load(std::memory_order_relaxed);
    return t ? t(contexte, texte) : std::string(texte);
}

std::string Composer(const char* modele, std::initializer_list<std::string> arguments,
                     const char* contexte)
{
    const std::string motif = Traduire(modele, contexte);
    std::string texte;
    for (size_t i = 0; i < motif.size(); ++i) {
        const char c = motif[i];
        const size_t n = i + 1 < motif.size() ? static_cast<size_t>(motif[i + 1] - '1') : 9;
        if (c == '%' && n < arguments.size()) {
            texte += *(arguments.begin() + n);
            ++i;
        } else {
            texte += c;
        }
    }
    return texte;
}

TTraducteur InstallerTraducteur(TTraducteur nouveau)
{
    return traducteur.exchange(nouveau);
}

} // namespace vasco
