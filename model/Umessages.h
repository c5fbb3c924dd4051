// The message seam and the guards.
//
// Every model operation that may fail runs inside Garder(): a failure is
// reported once, by its location text, to the installed receiver (a message
// box in the program, standard error in vasco-batch, a recorder in the tests)
// and the operation returns normally with what it had done so far.  A read
// error of the data file is the one exception that passes through every
// guard: it always ends the load.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vasco {

using TRecepteur = std::function<void(const std::string&)>;

// Hands a text to the installed receiver.
void Signaler(const std::string& texte);

// Installs the calling thread's receiver and returns the previous one (an
// empty receiver restores the default, which writes to standard error).
TRecepteur InstallerRecepteur(TRecepteur recepteur);

// A receiver installed for one scope: the previous one is back when the scope
// ends, however it ends (an exception of any type included).
class TRecepteurTemporaire {
public:
    explicit TRecepteurTemporaire(TRecepteur recepteur)
        : precedent_(InstallerRecepteur(std::move(recepteur)))
    {
    }
    ~TRecepteurTemporaire() { InstallerRecepteur(std::move(precedent_)); }
    TRecepteurTemporaire(const TRecepteurTemporaire&) = delete;
    TRecepteurTemporaire& operator=(const TRecepteurTemporaire&) = delete;

private:
    TRecepteur precedent_;
};

// A field quoted in a message: « field ».  With a longest length, a longer
// field is cut there and ends with "…" (a whole line of a damaged file would
// drown the message).
std::string Cite(std::string_view champ, size_t longueurMax = std::string_view::npos);

// A computation fault raised on purpose where the model relies on a failure
// being caught: an index out of a list, a zero divisor, a missing owner.
class ErreurModele : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A data file that cannot be read: carries the line and what was expected.
class ErreurLecture : public std::runtime_error {
public:
    ErreurLecture(int ligne, const std::string& attendu);
    int Ligne() const { return ligne_; }
    const std::string& Attendu() const { return attendu_; }

private:
    int ligne_;
    std::string attendu_;
};

// Runs f; any fault but a read error is reported with the location text.
// Location texts are the program's exact user-visible texts, asserted by the
// tests, odd spellings included ("Uliste/TsupListe.FaireDans",
// "UListe/TSupListe.AfficheEco", "UEco/TMetierEcoFaire"...): they must not be
// "corrected".
template <class F>
void Garder(const char* lieu, F&& f)
{
    try {
        f();
    } catch (const ErreurLecture&) {
        throw;
    } catch (...) {
        Signaler(lieu);
    }
}

// a / b, raising a model fault when b is zero.
long double Diviser(long double a, long double b);

} // namespace vasco
