// The fields of a line of a scenario or a game file: separated by ';', with
// blanks around them that do not count, quoted in messages as « field »
// (Cite).
#pragma once

#include "model/Umessages.h"

#include <string>
#include <string_view>
#include <vector>

namespace vasco {

inline constexpr std::string_view Blancs = " \t";

inline std::string_view Rogner(std::string_view s)
{
    const size_t debut = s.find_first_not_of(Blancs);
    if (debut == std::string_view::npos)
        return {};
    return s.substr(debut, s.find_last_not_of(Blancs) - debut + 1);
}

inline std::vector<std::string_view> Decouper(std::string_view ligne, char separateur = ';')
{
    std::vector<std::string_view> champs;
    for (size_t debut = 0;;) {
        const size_t fin = ligne.find(separateur, debut);
        champs.push_back(ligne.substr(debut, fin - debut));
        if (fin == std::string_view::npos)
            return champs;
        debut = fin + 1;
    }
}

// A CSV field holding a name and its suffix: quoted (RFC 4180) when the
// name holds a comma, a quote, a line break or a leading or trailing blank.
// vasco-batch's tables and the windows' CSV of the same figures name their
// columns alike.
inline std::string ChampNom(std::string_view nom, std::string_view suffixe = {})
{
    const bool bord = Rogner(nom).size() != nom.size();
    const std::string champ = std::string(nom) + std::string(suffixe);
    if (!bord && nom.find_first_of(",\"\r\n") == std::string_view::npos)
        return champ;
    std::string cite = "\"";
    for (char c : champ) {
        if (c == '"')
            cite += '"';
        cite += c;
    }
    return cite + '"';
}

// The refusal of a period field that is not a whole number from 0.
inline std::string PeriodeAttendue(std::string_view champ)
{
    return "période : nombre entier >= 0 attendu, trouvé " + Cite(champ);
}

} // namespace vasco
