// Helpers of the model tests: the read error an operation raises, what it
// says, the bytes of a file, and the accounts of a period balance.
#pragma once

#include "model/Umessages.h"
#include "model/Uperiode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vasco::test {

// The read error f raises; a test failure when it raises none.
template <class F>
ErreurLecture ErreurDe(F f)
{
    try {
        f();
    } catch (const ErreurLecture& e) {
        return e;
    }
    ADD_FAILURE() << "lu sans erreur";
    return ErreurLecture(-1, "");
}

// Whether the error names texte among what it expected or found.
inline bool Cite(const ErreurLecture& e, const std::string& texte)
{
    return e.Attendu().find(texte) != std::string::npos;
}

inline std::string Contenu(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    EXPECT_TRUE(f) << chemin;
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline std::vector<float> Comptes(const TPeriodeBilan& b)
{
    return {b.PoidsDebarque, b.PoidsRejete,       b.CA,        b.CAGris,
            b.Benefice,      b.SubventionsNettes, b.Effectifs, b.JoursEquipage};
}

} // namespace vasco::test
