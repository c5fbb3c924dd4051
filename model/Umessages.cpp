#include "model/Umessages.h"

#include <iostream>

namespace vasco {

namespace {

void VersErreurStandard(const std::string& texte)
{
    std::cerr << texte << '\n';
}

// One receiver per thread: the messages of a run made beside others go to
// that run.
TRecepteur& Recepteur()
{
    thread_local TRecepteur recepteur = VersErreurStandard;
    return recepteur;
}

} // namespace

std::string Cite(std::string_view champ, size_t longueurMax)
{
    std::string s(champ.substr(0, longueurMax));
    if (champ.size() > longueurMax)
        s += "…";
    return "« " + s + " »";
}

void Signaler(const std::string& texte)
{
    Recepteur()(texte);
}

TRecepteur InstallerRecepteur(TRecepteur recepteur)
{
    TRecepteur precedent = Recepteur();
    Recepteur() = recepteur ? std::move(recepteur) : TRecepteur(VersErreurStandard);
    return precedent;
}

ErreurLecture::ErreurLecture(int ligne, const std::string& attendu)
    : std::runtime_error("ligne " + std::to_string(ligne) + " : " + attendu), ligne_(ligne),
      attendu_(attendu)
{
}

long double Diviser(long double a, long double b)
{
    if (b == 0)
        throw ErreurModele("division par zéro");
    return a / b;
}

} // namespace vasco
