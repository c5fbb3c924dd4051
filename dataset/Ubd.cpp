#include "dataset/Ubd.h"

#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/UMesures.h"
#include "economics/Ueco.h"
#include "model/UTraduction.h"
#include "model/Umessages.h"
#include "model/Uperiode.h"

namespace vasco {

TBDVasco::TBDVasco(THote* hote) : hote_(hote ? hote : &hoteParDefaut_) {}

TBDVasco::~TBDVasco() = default;

// The file is read in one forward pass: each record reads itself in its
// constructor and appends itself to its owner's list.
void TBDVasco::Charger(TLecteur& lecteur)
{
    Journal = {};
    Journal.Graine = Graine();
    if (Contexte.Nombre() == 0) {
        Contexte.Ajouter(this);
        for (int i = 1; i < TContexte::NbEmplacements; ++i)
            Contexte.Ajouter(nullptr);
    }
    // The data set in its slot, the deeper ones cleared: a second load
    // destroys the lists, and no slot may keep their elements.
    Contexte.Fixer(Emplacement, this);

    const int32_t nbCommentaires =
        lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "nombre de lignes d'en-tête"));
    lecteur.FinDeLigne();
    for (int32_t i = 0; i < nbCommentaires; ++i)
        lecteur.SauterLigne(QT_TRANSLATE_NOOP("Modele", "ligne d'en-tête"));

    // At least one season: every period is one of them.
    NbPeriodesAn = static_cast<uint8_t>(lecteur.LireEntierEntre(
        QT_TRANSLATE_NOOP("Modele", "nombre de périodes par an"), 1, UINT8_MAX));
    lecteur.FinDeLigne();
    Titre = lecteur.LireChaine(QT_TRANSLATE_NOOP("Modele", "titre de l'axe des périodes"));
    lecteur.FinDeLigne();

    const int32_t nbEspeces = lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "nombre d'espèces"));
    lecteur.VerifierTaille(nbEspeces, QT_TRANSLATE_NOOP("Modele", "nombre d'espèces"));
    lecteur.FinDeLigne();
    Metiers.Vider();
    Especes.Vider();
    for (int32_t i = 0; i < nbEspeces; ++i)
        Especes.AjouterElement(std::make_unique<TEspece>(lecteur, Contexte), &Contexte);

    lecteur.SauterLigne(QT_TRANSLATE_NOOP("Modele", "ligne de séparation avant les métiers"));
    const int32_t nbMetiers = lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "nombre de métiers"));
    lecteur.VerifierTaille(nbMetiers, QT_TRANSLATE_NOOP("Modele", "nombre de métiers"));
    lecteur.FinDeLigne();
    for (int32_t i = 0; i < nbMetiers; ++i)
        Metiers.AjouterElement(std::make_unique<TMetierEco>(lecteur, Contexte), &Contexte);

    lecteur.SauterLigne(QT_TRANSLATE_NOOP("Modele", "ligne de séparation avant les échelles"));
    Bilans.Vider();
    for (int k = 0; k < NbEchelles; ++k) {
        const std::string echelle = std::to_string(k);
        const auto quoi = [&](const char* champ) { return Composer(champ, {echelle}); };
        EchelleMax[k] =
            lecteur.LireReel32(quoi(QT_TRANSLATE_NOOP("Modele", "échelle %1 : maximum")).c_str());
        EchelleDiviseur[k] =
            lecteur.LireReel32(quoi(QT_TRANSLATE_NOOP("Modele", "échelle %1 : diviseur")).c_str());
        lecteur.FinDeLigne();
        EchelleUnite[k] =
            lecteur.LireChaine(quoi(QT_TRANSLATE_NOOP("Modele", "échelle %1 : unité")).c_str());
        lecteur.FinDeLigne();
    }
    TailleGraphe1 = static_cast<int16_t>(lecteur.LireEntierEntre(
        QT_TRANSLATE_NOOP("Modele", "première taille des graphes"), INT16_MIN, INT16_MAX));
    TailleGraphe2 = static_cast<int16_t>(lecteur.LireEntierEntre(
        QT_TRANSLATE_NOOP("Modele", "dernière taille des graphes"), INT16_MIN, INT16_MAX));
    lecteur.FinDeLigne();
    NoterMesuresChargees();
}

// The options and the measures as the data file sets them: a game file
// writes those that changed since.
void TBDVasco::NoterMesuresChargees()
{
    Journal.EtatCharge = Graine();
    // The options the virgin stocks were built with (they cannot change
    // during a load).  A host that cannot tell them has none ticked.
    try {
        Journal.Recrutement = hote_->RecrutementAleatoire();
        Journal.Croissance = hote_->CroissanceAleatoire();
    } catch (const ErreurModele&) {
    }
    for (int i = 0; i < Metiers.Nombre(); ++i)
        Journal.Metiers.push_back(ValeursMesures(Metiers.A<TMetierEco>(i).Courante()));
    for (int i = 0; i < Especes.Nombre(); ++i)
        Journal.Especes.push_back(ValeursMesures(Especes.A<TEspece>(i).Courant()));
}

void TBDVasco::Charger(const std::filesystem::path& chemin)
{
    TLecteur lecteur = TLecteur::DepuisFichier(chemin);
    Charger(lecteur);
}

// The order is the model: the catches need the mortality summed by every
// métier, and the métiers' period balances add into the balance appended
// just before them.
void TBDVasco::Pas()
{
    // The journal follows the balances, even when a phase fails half-way.
    struct TNote {
        TBDVasco& bd;
        TPasJournal pas;
        ~TNote()
        {
            pas.EtatApres = Graine();
            bd.Journal.Pas.resize(static_cast<size_t>(bd.Bilans.Nombre()), pas);
        }
    } note{*this, {Graine(), 0, hote_->RecrutementAleatoire(), hote_->CroissanceAleatoire()}};
    Especes.Faire(PhaseMortalite, &Contexte);
    Metiers.Faire(PhaseMortalite, &Contexte);
    Especes.Faire(PhaseCaptures, &Contexte);
    Metiers.Faire(PhaseCaptures, &Contexte);
    Metiers.Faire(PhaseBilanMarginal, &Contexte);
    Bilans.AjouterElement(std::make_unique<TPeriodeBilan>(), nullptr);
    Metiers.Faire(PhaseBilanPeriode, &Contexte);
    Metiers.Faire(PhaseOuverture, &Contexte);
    Especes.Faire(PhaseOuverture, &Contexte);
    hote_->DernierePeriode(Bilans.Nombre() - 1);
}

void TBDVasco::PasEnArriere()
{
    if (Bilans.Vide())
        return;
    Metiers.Faire(PhaseRetour, &Contexte);
    Especes.Faire(PhaseRetour, &Contexte);
    Bilans.RetirerDernier(&Contexte);
    Journal.Pas.resize(static_cast<size_t>(Bilans.Nombre()));
    hote_->DernierePeriode(Bilans.Nombre() - 1);
}

double TBDVasco::AnneesEcoulees() const
{
    return NbPeriodesAn ? double(Bilans.Nombre()) / NbPeriodesAn : 0.0;
}

TELaNom* TBDVasco::EspeceNommee(const std::string& nom) const
{
    return Especes.Chercher(nom);
}

TPeriodeBilan& TBDVasco::BilanEnCours() const
{
    return Bilans.DernierElement<TPeriodeBilan>();
}

bool TBDVasco::GrapheDe(TElementGraphe element, uint8_t code) const
{
    return LigneGraphe(element, code) != nullptr;
}

bool TBDVasco::OuvrirGrapheElement(TElementGraphe element, TSupListe& liste, uint8_t code,
                                   const std::string& nom, THote* fenetre, TContexte* contexte)
{
    const TLigneGraphe* ligne = LigneGraphe(element, code);
    if (!ligne)
        return false;
    THote* hote = fenetre ? fenetre : hote_;
    return AfficherGraphe(*ligne, liste, ParamGraphe(*ligne, *this, *hote, nom), hote, contexte);
}

namespace {

// The host a menu command's graphs open through: the windows go to the real
// one and are counted on the way.
class THoteCompteur : public THoteRelais {
public:
    using THoteRelais::THoteRelais;
    TOuvertures Ouvertes;

    void OuvrirGraphe(const TParamGraphe& param) override
    {
        THoteRelais::OuvrirGraphe(param);
        ++Ouvertes.Nombre;
        Ouvertes.Aide = param.Aide;
    }
};

} // namespace

TOuvertures TBDVasco::OuvrirGraphes(const TLigneGraphe& ligne, THote& hote)
{
    using E = TElementGraphe;
    THoteCompteur compteur(hote);
    switch (ligne.Element) {
    case E::Global:
        OuvrirGrapheElement(E::Global, Bilans, ligne.Code, "", &compteur, &Contexte);
        break;
    case E::Metier:
    case E::EspeceExploitee: Metiers.FaireDans(&compteur, ligne.Code, &Contexte); break;
    case E::Espece: Especes.FaireDans(&compteur, ligne.Code, &Contexte); break;
    }
    TOuvertures ouvertes = compteur.Ouvertes;
    if (ouvertes.Nombre > 0 && ouvertes.Aide != ligne.AideCommande) {
        hote.ContexteAideDernier(ligne.AideCommande);
        ouvertes.Aide = ligne.AideCommande;
    }
    return ouvertes;
}

} // namespace vasco
