#include "batch/Comparer.h"

#include "batch/Csv.h"
#include "batch/Tirages.h"
#include "dataset/UPartie.h"
#include "dataset/USession.h"
#include "dataset/UTirages.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace vasco {

namespace fs = std::filesystem;

namespace {

// One game given: the game as read, then the values of its rows (period by
// period, the columns after "periode") and the guard messages of its
// replay; or why it is left out.
struct TJeu {
    std::optional<TPartie> Partie;
    std::vector<double> Valeurs;
    std::string Messages;
    std::string Refus;
};

// A refusal in the session's words, as --partie words it.
std::string Raison(const TCompteRendu& r, const std::string& fichier)
{
    switch (r.Refus) {
    case TRefusSession::PartieIllisible:
        return "la partie " + Cite(fichier) + " ne peut pas être lue";
    case TRefusSession::DonneesIllisibles:
        return r.Donnees.empty() ? r.Raison : r.Donnees.string() + " : " + r.Raison;
    default: break;
    }
    return r.Raison.empty() ? "partie inutilisable" : r.Raison;
}

// A message on one line.
std::string Ligne(std::string_view texte)
{
    std::string ligne;
    for (char c : texte)
        ligne += c == '\n' || c == '\r' ? ' ' : c;
    return ligne;
}

// Reads the game file; its refusal otherwise.
void Lire(const std::string& fichier, TJeu& jeu)
{
    const std::optional<std::string> texte = LireTexte(fichier);
    if (!texte) {
        jeu.Refus = "la partie " + Cite(fichier) + " ne peut pas être lue";
        return;
    }
    try {
        jeu.Partie = LirePartie(*texte);
    } catch (const ErreurScenario& e) {
        jeu.Refus = e.what();
    }
}

// Replays one game from the session's bytes on the calling thread, up to its
// own last period; its data set goes on this thread.
void Rejouer(const TSession& session, const std::string& fichier, const std::string& reference,
             size_t colonnes, TJeu& jeu)
{
    const std::string prefixe = fichier + " : ";
    const TRecepteur recepteur = [&](const std::string& texte) {
        jeu.Messages += prefixe + Ligne(texte) + '\n';
    };
    // The load's messages as well as the replay's.
    const TRecepteurTemporaire chargement(recepteur);
    TReprise reprise;
    reprise.Recepteur = recepteur;
    // The rows of a game of usual length reserved at once; a longer game's
    // grow as it goes.
    jeu.Valeurs.reserve(static_cast<size_t>(std::min<int64_t>(jeu.Partie->Periodes, 1000)) *
                        colonnes);
    reprise.Suivi = [&](const TBDVasco& bd, int64_t p) {
        if (p > 0)
            ValeursCsv(bd, static_cast<int>(p), jeu.Valeurs);
    };
    const TPartieRejouee r = session.Rejouer(*jeu.Partie, reprise);
    if (r.CompteRendu.Reussi())
        return;
    jeu.Refus = Raison(r.CompteRendu, fichier);
    if (r.CompteRendu.Refus == TRefusSession::DonneesChangees)
        jeu.Refus += " (les parties comparées sont celles de " + reference + ")";
    jeu.Valeurs = {};
    jeu.Messages.clear();
}

} // namespace

bool EcrireComparaison(std::span<const std::string> fichiers,
                       std::span<const fs::path> dossiersExemples, unsigned fils,
                       std::ostream& sortie, std::ostream& erreurs)
{
    std::vector<TJeu> jeux(fichiers.size());
    for (size_t i = 0; i < fichiers.size(); ++i)
        Lire(fichiers[i], jeux[i]);

    // The reference: the data file of the first game that opens.  Opened
    // with no period replayed: every game is replayed below, this one too.
    // The opening's messages are those of a load the replays make again.
    TSession session;
    std::string reference;
    for (size_t i = 0; i < fichiers.size() && reference.empty(); ++i) {
        if (!jeux[i].Partie)
            continue;
        TReprise ouverture;
        ouverture.Periodes = 0;
        const TRecepteurTemporaire silence([](const std::string&) {});
        const TCompteRendu r = session.Ouvrir(fichiers[i], dossiersExemples, {}, ouverture);
        if (r.Reussi()) {
            reference = session.FichierDonnees().filename().string() +
                        ", le fichier de données de " + Cite(fichiers[i]);
        } else {
            jeux[i].Partie.reset();
            jeux[i].Refus = Raison(r, fichiers[i]);
        }
    }

    std::vector<size_t> retenus;
    for (size_t i = 0; i < jeux.size(); ++i)
        if (jeux[i].Partie)
            retenus.push_back(i);
    std::vector<std::pair<std::string, std::string>> colonnes;
    if (session.Donnees())
        colonnes = ColonnesCsv(*session.Donnees());
    ParFils(static_cast<int64_t>(retenus.size()), std::max(fils, 1u), [&](int64_t k) {
        const size_t i = retenus[static_cast<size_t>(k)];
        Rejouer(session, fichiers[i], reference, colonnes.size(), jeux[i]);
    });

    bool complet = true;
    std::vector<std::span<const double>> series;
    int64_t periodes = 0;
    for (size_t i = 0; i < jeux.size(); ++i) {
        const TJeu& jeu = jeux[i];
        if (!jeu.Refus.empty()) {
            complet = false;
            erreurs << "vasco-batch : " << fichiers[i] << " : " << Ligne(jeu.Refus) << '\n';
            continue;
        }
        series.emplace_back(jeu.Valeurs);
        if (!colonnes.empty())
            periodes =
                std::max(periodes, static_cast<int64_t>(jeu.Valeurs.size() / colonnes.size()));
    }
    if (series.empty())
        return false;

    sortie << EnTeteQuantiles(colonnes);
    std::vector<std::string> lignes(static_cast<size_t>(periodes));
    ParFils(periodes, std::max(fils, 1u), [&](int64_t p) {
        lignes[static_cast<size_t>(p)] = LigneQuantiles(series, colonnes.size(), p + 1);
    });
    for (const std::string& ligne : lignes)
        sortie << ligne;
    for (const TJeu& jeu : jeux)
        erreurs << jeu.Messages;
    return complet;
}

} // namespace vasco
