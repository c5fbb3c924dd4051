#include "dataset/USession.h"

#include "biology/UMath.h"
#include "model/USha256.h"
#include "model/Ulecteur.h"

namespace vasco {

namespace {

// Reads a data file's bytes into a new data set; a refusal says why.
TCompteRendu ChargerDans(TBDVasco& bd, const std::string& octets)
{
    TCompteRendu r;
    try {
        TLecteur lecteur(octets);
        bd.Charger(lecteur);
    } catch (const ErreurLecture& erreur) {
        r.Refus = TRefusSession::DonneesIllisibles;
        r.Raison = erreur.what();
        r.Lecture = erreur;
        r.Exception = std::current_exception();
    } catch (const std::exception& erreur) {
        r.Refus = TRefusSession::DonneesIllisibles;
        r.Raison = erreur.what();
        r.Exception = std::current_exception();
    }
    return r;
}

TCompteRendu Refus(TRefusSession refus, std::string raison)
{
    TCompteRendu r;
    r.Refus = refus;
    r.Raison = std::move(raison);
    return r;
}

} // namespace

// The data set's host: the options are the session's, the rest is the
// window's.  A replay that changes a random option changes the session's.
class TSession::THoteSession : public THoteRelais {
public:
    THoteSession(TSession& session, THote& fenetre) : THoteRelais(fenetre), session_(session) {}

    bool RecrutementAleatoire() const override { return session_.options_.Recrutement; }
    bool CroissanceAleatoire() const override { return session_.options_.Croissance; }
    void FixerAleatoire(bool recrutement, bool croissance) override
    {
        session_.FixerOptions({recrutement, croissance, session_.options_.Concours});
    }

private:
    TSession& session_;
};

TSession::TSession(THote* fenetre)
    : sansFenetre_(fenetre ? nullptr : std::make_unique<THoteSansFenetre>()),
      hote_(std::make_unique<THoteSession>(*this, fenetre ? *fenetre : *sansFenetre_))
{
}

TSession::~TSession() = default;

void TSession::FixerOptions(const TOptionsSession& options)
{
    if (options == options_)
        return;
    options_ = options;
    if (OptionsChangees)
        OptionsChangees();
}

TCompteRendu TSession::Charger(const std::filesystem::path& chemin, const std::string& octets)
{
    // Each load draws a new seed, which the game file records; a file that
    // cannot be read leaves the current game's generator as it was.
    const uint32_t etat = Graine();
    GraineDepuisHorloge();
    auto bd = std::make_unique<TBDVasco>(hote_.get());
    TCompteRendu r = ChargerDans(*bd, octets);
    r.Donnees = chemin;
    if (!r.Reussi()) {
        FixerGraine(etat);
        return r;
    }
    Adopter(std::move(bd), chemin, octets);
    return r;
}

TCompteRendu TSession::Ouvrir(const std::filesystem::path& fichier,
                              std::span<const std::filesystem::path> dossiersExemples,
                              const TDemandeDonnees& demander, const TReprise& reprise)
{
    namespace fs = std::filesystem;
    const std::optional<std::string> texte = LireTexte(fichier);
    if (!texte)
        return Refus(TRefusSession::PartieIllisible, {});
    TPartie partie;
    try {
        partie = LirePartie(*texte);
    } catch (const ErreurScenario& erreur) {
        return Refus(TRefusSession::PartieFautive, erreur.what());
    }
    const auto refuser = [&partie](TRefusSession refus, std::string raison,
                                   const fs::path& donnees = {}) {
        TCompteRendu r = Refus(refus, std::move(raison));
        r.Partie = partie;
        r.Donnees = donnees;
        return r;
    };

    TDonneesTrouvees donnees = TrouverDonnees(partie, fichier, dossiersExemples);
    if (donnees.Chemin.empty()) {
        if (!demander)
            return refuser(TRefusSession::DonneesIntrouvables,
                           MessageDonneesIntrouvables(partie.Donnees));
        const fs::path choisi = demander(partie.Donnees);
        if (choisi.empty())
            return refuser(TRefusSession::DonneesAbandonnees, {});
        TPartie seul = partie;
        seul.Donnees = choisi.string();
        donnees = TrouverDonnees(seul, fichier, {});
        if (donnees.Chemin.empty())
            return refuser(TRefusSession::DonneesIntrouvables,
                           MessageDonneesIntrouvables(partie.Donnees));
    }
    if (!donnees.Conforme)
        return refuser(TRefusSession::DonneesChangees, MessageDonneesChangees(partie.Donnees),
                       donnees.Chemin);

    // Replayed with a host of its own: whatever shows the current game sees
    // nothing of it until it is complete.
    THoteSansFenetre hote;
    auto bd = std::make_unique<TBDVasco>(&hote);
    TCompteRendu r = RejouerPartie(partie, donnees.Contenu, *bd, reprise);
    r.Donnees = donnees.Chemin;
    if (!r.Reussi())
        return r;
    options_ = {hote.Recrutement, hote.Croissance, partie.Concours};
    Adopter(std::move(bd), fs::absolute(donnees.Chemin).lexically_normal(), donnees.Contenu);
    partie_ = fs::absolute(fichier);
    if (OptionsChangees)
        OptionsChangees();
    return r;
}

void TSession::Adopter(std::unique_ptr<TBDVasco> bd, const std::filesystem::path& chemin,
                       const std::string& octets)
{
    if (AvantRemplacement)
        AvantRemplacement();
    bd_ = std::move(bd);
    bd_->FixerHote(hote_.get());
    fichier_ = chemin;
    octets_ = octets;
    empreinte_ = Sha256Hex(octets);
    partie_.clear();
    reference_ = Reference();
}

std::string TSession::Reference() const
{
    return bd_ ? EcrirePartie(*bd_, fichier_.generic_string(), empreinte_, false) : std::string();
}

std::string TSession::TexteAEnregistrer(const std::filesystem::path& fichier) const
{
    if (!bd_)
        return {};
    return EcrirePartie(*bd_, CheminDonnees(fichier_, fichier), empreinte_, options_.Concours);
}

void TSession::Enregistree(const std::filesystem::path& fichier)
{
    partie_ = fichier;
    reference_ = Reference();
}

bool TSession::Modifiee() const
{
    return bd_ && Reference() != reference_;
}

TPartieRejouee TSession::Rejouer(const TPartie& partie, const TReprise& reprise) const
{
    TPartieRejouee rejouee;
    if (!bd_ || partie.Empreinte != empreinte_) {
        rejouee.CompteRendu =
            Refus(TRefusSession::DonneesChangees, MessageDonneesChangees(partie.Donnees));
        rejouee.CompteRendu.Partie = partie;
        return rejouee;
    }
    rejouee.Donnees = std::make_unique<TBDVasco>();
    rejouee.CompteRendu = RejouerPartie(partie, octets_, *rejouee.Donnees, reprise);
    rejouee.CompteRendu.Donnees = fichier_;
    if (!rejouee.CompteRendu.Reussi())
        rejouee.Donnees.reset();
    return rejouee;
}

TCompteRendu RejouerPartie(const TPartie& partie, const std::string& octets, TBDVasco& bd,
                           const TReprise& reprise)
{
    // The virgin stocks draw with the game's seed and options.
    const uint32_t etat = Graine();
    AmorcerPartie(partie, *bd.Hote());
    TCompteRendu r = ChargerDans(bd, octets);
    r.Partie = partie;
    const auto refuser = [&](TRefusSession refus, const char* raison) {
        FixerGraine(etat);
        r.Refus = refus;
        r.Raison = raison;
        r.Exception = std::current_exception();
        return r;
    };
    if (!r.Reussi()) {
        FixerGraine(etat);
        return r;
    }
    TScenario mesures;
    try {
        mesures = partie.Mesures(bd);
    } catch (const ErreurScenario& erreur) {
        return refuser(TRefusSession::PartieFautive, erreur.what());
    }
    try {
        std::optional<TRecepteurTemporaire> recepteur;
        if (reprise.Recepteur)
            recepteur.emplace(reprise.Recepteur);
        std::function<void(int64_t)> suivi;
        if (reprise.Suivi)
            suivi = [&](int64_t p) { reprise.Suivi(bd, p); };
        vasco::Rejouer(partie, mesures, reprise.Periodes.value_or(partie.Periodes), bd, suivi);
    } catch (const std::exception& erreur) {
        return refuser(TRefusSession::Reprise, erreur.what());
    }
    return r;
}

} // namespace vasco
