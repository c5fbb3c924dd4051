// The game session: the document both programs share.
//
// A session owns the data set being played and what names the game: the data
// file it was loaded from (path, bytes, SHA-256), the game file it was last
// saved to or opened from, the options (random recruitment, random growth,
// contest) and the game's text at that save, opening or load, against which
// "changed" is judged.  The main window shows a session and asks the user
// what to do; vasco-batch opens one per game file.  Nothing here knows of a
// window: the file dialog a missing data file calls for is a function the
// caller hands in, and the guard messages go through the message seam.
//
// Every operation that can be refused leaves the session as it was: its data
// set, its files, its options, and the generator's state.
#pragma once

#include "dataset/UPartie.h"
#include "dataset/Ubd.h"
#include "model/Uhote.h"
#include "model/Umessages.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace vasco {

// The options of the "Options" menu a game depends on.  The two random ones
// are read by the model at the moment of use; the contest is read by the
// step commands.
struct TOptionsSession {
    bool Recrutement = false;
    bool Croissance = false;
    bool Concours = false;
    friend bool operator==(const TOptionsSession&, const TOptionsSession&) = default;
};

// Why a load or an opening was refused.  The caller words it: a message box
// in the window, standard error and an exit code in vasco-batch.
enum class TRefusSession : uint8_t {
    Aucun,
    PartieIllisible,     // the game file cannot be read at all
    PartieFautive,       // a line of the game file, or a measure the data set refuses
    DonneesIntrouvables, // the data file is nowhere, not even where the user chose
    DonneesAbandonnees,  // the user cancelled the choice of the data file
    DonneesChangees,     // the data file found has another digest
    DonneesIllisibles,   // the data file does not load (Lecture, else Raison)
    Reprise,             // the replay raised (Raison, Exception)
};

struct TCompteRendu {
    TRefusSession Refus = TRefusSession::Aucun;
    // The reason in words: the error's text (a game-file line says "partie
    // ligne N: ..."), or the message of a missing or changed data file.
    std::string Raison;
    // The game as read, when it could be.
    std::optional<TPartie> Partie;
    // The data file found (or chosen), when there was one.
    std::filesystem::path Donnees;
    // The read error of a data file that does not load.
    std::optional<ErreurLecture> Lecture;
    // What a failed load or replay raised, for a caller that lets it pass.
    std::exception_ptr Exception;

    bool Reussi() const { return Refus == TRefusSession::Aucun; }
};

// How a game is replayed: how many periods (the game's own when not given;
// past them its last measures and options stay in force), what follows each
// period, and the receiver of the replay's guard messages (when none is
// given, the one installed receives them).
struct TReprise {
    std::optional<int64_t> Periodes;
    // Told the periods simulated: 0 once loaded, then after each step.
    std::function<void(const TBDVasco&, int64_t)> Suivi;
    TRecepteur Recepteur;
};

// A game replayed apart from any session: its own data set and host.
struct TPartieRejouee {
    std::unique_ptr<TBDVasco> Donnees;
    TCompteRendu CompteRendu;
};

class TSession {
public:
    // The data set's host for what is not an option (the step control, the
    // graph windows): the main window, or none (a host without windows).
    explicit TSession(THote* fenetre = nullptr);
    ~TSession();
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    // The data set, null before the first load.
    TBDVasco* Donnees() const { return bd_.get(); }
    const std::filesystem::path& FichierDonnees() const { return fichier_; }
    const std::string& Octets() const { return octets_; }
    const std::string& Empreinte() const { return empreinte_; }
    // The game file saved or opened last; empty for a new game.
    const std::filesystem::path& FichierPartie() const { return partie_; }

    const TOptionsSession& Options() const { return options_; }
    void FixerOptions(const TOptionsSession& options);

    // Called whenever the options change, whoever changes them (a replay, an
    // opened game): the window's check marks follow.
    std::function<void()> OptionsChangees;
    // Called just before a new data set replaces the current one: whatever
    // draws the current one's lists must go first.
    std::function<void()> AvantRemplacement;

    // Loads a data file from its bytes with a seed from the clock.  Refused
    // (DonneesIllisibles), the current data set stays.  `chemin` names the
    // file; it is not read.
    TCompteRendu Charger(const std::filesystem::path& chemin, const std::string& octets);

    // The data file chosen by the user, or an empty path when cancelled; it
    // is told the data file as the game names it.
    using TDemandeDonnees = std::function<std::filesystem::path(const std::string& donnees)>;

    // Opens a game file: its data file found by content (where the game
    // names it, beside it, in the sample folders), else asked for through
    // `demander` (none: refused as missing); a changed one refused; then
    // seeded, loaded, the measures checked and every period replayed.
    TCompteRendu Ouvrir(const std::filesystem::path& fichier,
                        std::span<const std::filesystem::path> dossiersExemples,
                        const TDemandeDonnees& demander, const TReprise& reprise = {});

    // The game's text as it would be saved at `fichier` (its data file named
    // relatively to it when below its folder), and the same once saved
    // there: the reference "changed" is then judged against.
    std::string TexteAEnregistrer(const std::filesystem::path& fichier) const;
    void Enregistree(const std::filesystem::path& fichier);
    // The game differs from its last save, opening or load.
    bool Modifiee() const;
    // Drops the data set (the program ends): nothing is left to save.
    void Fermer() { bd_.reset(); }

    // Replays a game from the bytes of the data file loaded in this session,
    // in a data set of its own: no file is searched, no one is asked.  A game
    // of another data file is refused (DonneesChangees).  It reads only the
    // bytes and the digest: it may run on any thread while nothing loads.
    TPartieRejouee Rejouer(const TPartie& partie, const TReprise& reprise = {}) const;

private:
    class THoteSession;

    // The text "changed" is judged against: the data file by its absolute
    // path, no contest.
    std::string Reference() const;
    void Adopter(std::unique_ptr<TBDVasco> bd, const std::filesystem::path& chemin,
                 const std::string& octets);

    // In this order: the data set goes before the hosts it points to.
    std::unique_ptr<THoteSansFenetre> sansFenetre_;
    std::unique_ptr<THoteSession> hote_;
    std::unique_ptr<TBDVasco> bd_;
    std::filesystem::path fichier_;
    std::string octets_;
    std::string empreinte_;
    std::filesystem::path partie_;
    std::string reference_;
    TOptionsSession options_;
};

// Replays a game in `bd` (new, its host free to be set) from the bytes of its
// data file, with the game's seed and options.  Refused, the generator is
// back as it was.
TCompteRendu RejouerPartie(const TPartie& partie, const std::string& octets, TBDVasco& bd,
                           const TReprise& reprise = {});

} // namespace vasco
