// A class's games compared with the game being played.
//
// Each student hands in a game file of the same fishery.  The games are read,
// checked against the data file loaded now (its SHA-256), and replayed from
// that file's bytes in data sets of their own, on threads.  Of each replayed
// game only its records are kept: the balances, the métiers' conditions,
// their catch records, the species' states and their size classes, the very
// 32-bit values the graphs' quantities are made from.  A window asks a
// compared game's record with the same index as the one it draws of the
// current game, and computes the quantity with the same Calcul: a game
// compared with itself draws the same numbers.
//
// The replayed data set is destroyed on the thread that made it, so that
// its per-size cells go back to that thread's reserve, and from there to
// the depot when the thread ends; the records kept live in ordinary
// containers.
#pragma once

#include "biology/Ubiolo.h"
#include "economics/Ueco.h"
#include "model/Uperiode.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace vasco {

class TBDVasco;
class TSession;

// Which history of a data set a graph draws: the fishery's balances, a
// métier's conditions, a métier's catch records of one species, or a
// species' states (whose size classes the size graphs draw).  Games of the
// same data file have the same métiers and species in the same order, and
// their history lists are numbered alike: index i is the same period in
// every game.
struct TListeComparee {
    enum class TGenre : uint8_t { Aucune, Bilans, Conditions, Captures, Etats };
    TGenre Genre = TGenre::Aucune;
    int Metier = -1; // Conditions, Captures: the métier's index
    int Espece = -1; // Captures: the exploited species' index in its métier;
                     // Etats: the species' index
    friend bool operator==(const TListeComparee&, const TListeComparee&) = default;
};

// The history a list of `bd` is; Aucune for a list that is none of them.
TListeComparee SituerListe(const TBDVasco& bd, const TSupListe& liste);

// One compared game: its name and the records of each of its periods.
class TPartieComparee {
public:
    // How the windows and the messages name it: the file's name without
    // its extension, or "folder/name" when two games share a name.
    std::string Nom;
    std::filesystem::path Fichier; // canonical
    // Periods simulated (the number of its balances).
    int64_t Periodes = 0;
    // The guard messages of its replay, one per line ("" when none).
    std::string Messages;

    // As the list of the same history in the game: its number of elements,
    // and the element at an index (null outside).  Calcul of an element
    // reads only its own fields and the display scales of the data set in
    // the context's slot 0, so the window's context serves.
    int Nombre(const TListeComparee& liste) const;
    TEL* Element(const TListeComparee& liste, int index) const;
    // The size classes of the species' state at an index of its Etats: as
    // that state's Tailles list, its first class number, its number of
    // classes, and the class at a position from 0 (null outside).
    int32_t PremiereClasse(const TListeComparee& liste, int index) const;
    int NombreClasses(const TListeComparee& liste, int index) const;
    TEL* Classe(const TListeComparee& liste, int index, int position) const;

    // The memory its records hold, in bytes.
    size_t Octets() const;

    // Keeps the records of a replayed data set.
    explicit TPartieComparee(const TBDVasco& bd);
    TPartieComparee(TPartieComparee&&) = default;
    TPartieComparee& operator=(TPartieComparee&&) = default;

private:
    struct TEtats {
        std::deque<TPeriodeES> Periodes;
        // The classes of every state, one state after the other.
        std::deque<TTailleES> Classes;
        struct TPlace {
            size_t Debut = 0;
            int Nombre = 0;
            int32_t Premier = 0;
        };
        std::vector<TPlace> Places; // one per state
    };
    // Deques throughout: the records whose working list cannot be copied
    // are made in place and never moved.
    std::deque<TPeriodeBilan> bilans_;
    std::deque<std::deque<TCondition>> conditions_;            // by métier
    std::deque<std::deque<std::deque<TPeriodeMS>>> captures_; // by métier, species fished
    std::deque<TEtats> etats_;                                 // by species
};

// A game left out, and why, in words.
struct TRefusComparaison {
    std::string Nom;
    std::string Raison;
};

// The games compared, by name, and those left out, in the order given.
struct TComparaison {
    std::vector<TPartieComparee> Parties;
    std::vector<TRefusComparaison> Refus;
    // The most periods a compared game reaches (0 with none).
    int64_t PeriodesMax() const;
    size_t Octets() const;
};

// At most this many games are compared: the first by name are kept.
inline constexpr size_t MaxPartiesComparees = 60;

struct TDemandeComparaison {
    std::vector<std::filesystem::path> Fichiers;
    // The current game's own file, left out when given (empty: none).
    std::filesystem::path PartieCourante;
    // Threads; 0 for one per core.
    unsigned Fils = 0;
    // Games done so far, for a progress bar read from another thread; the
    // total is the number of files.
    std::atomic<int64_t>* Faites = nullptr;
    // Looked at between periods: once set, every replay stops.
    const std::atomic<bool>* Annuler = nullptr;
};

// Reads the games, leaves out those that cannot be compared (unreadable or
// failing, another data file, the current game's own file, the same file
// twice, beyond the 60th by name), and replays the others from the bytes of
// the session's data file.  It reads only the session's bytes and digest:
// it may run on any thread while the session loads nothing.  Cancelled, it
// returns false and leaves `resultat` empty.
bool Comparer(const TSession& session, const TDemandeComparaison& demande,
              TComparaison& resultat);

} // namespace vasco
