#include "batch/Partie.h"

#include "batch/Scenario.h"
#include "dataset/Ubd.h"
#include "economics/UConcour.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <charconv>
#include <optional>

namespace vasco {

namespace {

TPartie LireFichierPartie(const std::filesystem::path& fichier)
{
    const auto texte = LireTexte(fichier);
    if (!texte)
        throw ErreurPartie(2, "la partie « " + fichier.string() + " » ne peut pas être lue");
    try {
        return LirePartie(*texte);
    } catch (const ErreurScenario& e) {
        throw ErreurPartie(2, e.what(), "");
    }
}

// The data file of the game, loaded from its checked bytes after the seed
// and the options at load have been set: the virgin stocks draw with them.
TPartieChargee ChargerDonnees(TPartie partie, const std::filesystem::path& fichier,
                              std::span<const std::filesystem::path> dossiersExemples,
                              TBDVasco& bd)
{
    TDonneesTrouvees donnees = TrouverDonnees(partie, fichier, dossiersExemples);
    if (donnees.Chemin.empty())
        throw ErreurPartie(1, MessageDonneesIntrouvables(partie.Donnees));
    if (!donnees.Conforme)
        throw ErreurPartie(1, MessageDonneesChangees(partie.Donnees));
    AmorcerPartie(partie, *bd.Hote());
    try {
        TLecteur lecteur(donnees.Contenu);
        bd.Charger(lecteur);
    } catch (const ErreurLecture& e) {
        throw ErreurPartie(1, donnees.Chemin.string() + " : " + e.what());
    }
    try {
        TScenario mesures = partie.Mesures(bd);
        return {std::move(partie), std::move(mesures), std::move(donnees.Chemin)};
    } catch (const ErreurScenario& e) {
        throw ErreurPartie(2, e.what(), "");
    }
}

// A figure of the balance with nine significant digits: rounded to a whole
// number it is the figure the balance form shows.
std::string Chiffre(long double v)
{
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 9);
    return std::string(tampon, r.ptr);
}

// The four averages in the units of the balance form: production in the
// weight scale, turnover and profits in the money scale, the social balance
// in crew-periods as computed.
std::string ChiffresBilan(const TBDVasco& bd)
{
    const TBilan60 b = CalculBilan60(bd.Bilans);
    return Chiffre(bd.Divise(b.Production, EchellePoids)) + ',' +
           Chiffre(bd.Divise(b.CA, EchelleMonnaie)) + ',' +
           Chiffre(bd.Divise(b.Benefices, EchelleMonnaie)) + ',' + Chiffre(b.BilanSocial);
}

// One line of the balance table; the message of a file that could not be
// used goes to its last field.
std::string LigneBilan(const std::string& fichier,
                       std::span<const std::filesystem::path> dossiersExemples, bool& echec)
{
    std::string ligne = ChampNom(fichier) + ',';
    std::optional<TPartie> partie;
    try {
        partie = LireFichierPartie(fichier);
        ligne += ChampNom(partie->Donnees) + ',' + std::to_string(partie->Periodes) + ',';
        THoteSansFenetre hote;
        TBDVasco bd(&hote);
        const TPartieChargee chargee = ChargerDonnees(*partie, fichier, dossiersExemples, bd);
        Rejouer(chargee.Partie, chargee.Mesures, chargee.Partie.Periodes, bd);
        if (bd.NbPeriodes() == 0)
            return ligne + ",,,,\n";
        return ligne + ChiffresBilan(bd) + ",\n";
    } catch (const ErreurPartie& e) {
        echec = true;
        if (!partie)
            ligne += ",,";
        return ligne + ",,,," + ChampNom(e.what()) + '\n';
    } catch (const ErreurModele& e) {
        // A display scale of divisor zero: the form cannot show the figure.
        echec = true;
        return ligne + ",,,," + ChampNom(e.what()) + '\n';
    }
}

} // namespace

TPartieChargee ChargerPartie(const std::filesystem::path& fichier,
                             std::span<const std::filesystem::path> dossiersExemples, TBDVasco& bd)
{
    return ChargerDonnees(LireFichierPartie(fichier), fichier, dossiersExemples, bd);
}

void EcrireHistorique(const TPartieChargee& partie, int64_t periodes, TBDVasco& bd,
                      std::ostream& sortie)
{
    sortie << EnTeteCsv(bd);
    for (int64_t p = 0; p < periodes; ++p) {
        AppliquerPeriode(partie.Partie, partie.Mesures, p, bd);
        bd.Pas();
        sortie << LigneCsv(bd, static_cast<int>(p + 1));
    }
}

bool EcrireBilans(std::span<const std::string> fichiers,
                  std::span<const std::filesystem::path> dossiersExemples, std::ostream& sortie)
{
    sortie << "fichier,donnees,periodes,production,CA,benefices,bilan_social,erreur\n";
    bool echec = false;
    for (const std::string& fichier : fichiers)
        sortie << LigneBilan(fichier, dossiersExemples, echec);
    return !echec;
}

} // namespace vasco
