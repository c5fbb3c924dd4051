#include "batch/Partie.h"

#include "batch/Csv.h"
#include "dataset/USession.h"
#include "economics/UConcour.h"
#include "model/UNombres.h"
#include "model/Umessages.h"

namespace vasco {

namespace {

// A game the session refused, as vasco-batch reports it.  What the model
// raised while loading or replaying passes on as it was.
ErreurPartie Erreur(const TCompteRendu& refus, const std::filesystem::path& fichier)
{
    switch (refus.Refus) {
    case TRefusSession::PartieIllisible:
        return ErreurPartie(2, "la partie " + Cite(fichier.string()) + " ne peut pas être lue");
    case TRefusSession::PartieFautive: return ErreurPartie(2, refus.Raison, "");
    case TRefusSession::DonneesIllisibles:
        if (!refus.Lecture)
            std::rethrow_exception(refus.Exception);
        return ErreurPartie(1, refus.Donnees.string() + " : " + refus.Raison);
    case TRefusSession::Reprise: std::rethrow_exception(refus.Exception);
    case TRefusSession::Aucun:
    case TRefusSession::DonneesIntrouvables:
    case TRefusSession::DonneesAbandonnees:
    case TRefusSession::DonneesChangees: break;
    }
    return ErreurPartie(1, refus.Raison);
}

// The four averages in the units of the balance form: production in the
// weight scale, turnover and profits in the money scale, the social balance
// in crew-periods as computed.  Nine significant digits: rounded to a whole
// number a figure is the one the balance form shows.
std::string ChiffresBilan(const TBDVasco& bd)
{
    const TBilan60 b = CalculBilan60(bd.Bilans);
    return NeufChiffres(bd.Divise(b.Production, EchellePoids)) + ',' +
           NeufChiffres(bd.Divise(b.CA, EchelleMonnaie)) + ',' +
           NeufChiffres(bd.Divise(b.Benefices, EchelleMonnaie)) + ',' + NeufChiffres(b.BilanSocial);
}

// One line of the balance table; the message of a file that could not be
// used goes to its last field.
std::string LigneBilan(const std::string& fichier,
                       std::span<const std::filesystem::path> dossiersExemples, bool& echec)
{
    std::string ligne = ChampNom(fichier) + ',';
    TSession session;
    const TCompteRendu ouverture = session.Ouvrir(fichier, dossiersExemples, {});
    if (ouverture.Partie)
        ligne += ChampNom(ouverture.Partie->Donnees) + ',' +
                 std::to_string(ouverture.Partie->Periodes) + ',';
    try {
        if (!ouverture.Reussi())
            throw Erreur(ouverture, fichier);
        const TBDVasco& bd = *session.Donnees();
        if (bd.NbPeriodes() == 0)
            return ligne + ",,,,\n";
        return ligne + ChiffresBilan(bd) + ",\n";
    } catch (const ErreurPartie& e) {
        echec = true;
        if (!ouverture.Partie)
            ligne += ",,";
        return ligne + ",,,," + ChampNom(e.what()) + '\n';
    } catch (const ErreurModele& e) {
        // A display scale of divisor zero: the form cannot show the figure.
        echec = true;
        return ligne + ",,,," + ChampNom(e.what()) + '\n';
    }
}

} // namespace

void EcrireHistorique(const std::filesystem::path& fichier, std::optional<int64_t> periodes,
                      std::span<const std::filesystem::path> dossiersExemples, std::ostream& sortie)
{
    TReprise reprise;
    reprise.Periodes = periodes;
    reprise.Suivi = [&sortie](const TBDVasco& bd, int64_t p) {
        sortie << (p == 0 ? EnTeteCsv(bd) : LigneCsv(bd, static_cast<int>(p)));
    };
    TSession session;
    const TCompteRendu ouverture = session.Ouvrir(fichier, dossiersExemples, {}, reprise);
    if (!ouverture.Reussi())
        throw Erreur(ouverture, fichier);
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
