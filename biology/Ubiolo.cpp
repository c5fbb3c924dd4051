#include "biology/Ubiolo.h"

#include "biology/UMath.h"
#include "model/UTraduction.h"
#include "model/UVue.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace vasco {

namespace {

// Virgin stock: one hundred years without fishing.
constexpr int AnneesVierges = 100;
// Without random growth, a share of 5 fish or less is dropped rather than
// moved: the model keeps no remnants of a few fish.
constexpr long double PartMinimale = 5.0L;
// Above this growth of the smallest class (classes per period) the random
// spread is wide.
constexpr float CroissanceEtroite = 2.0f;

// An 8-bit field of the file.
uint8_t LireOctet(TLecteur& lecteur, const char* quoi)
{
    return static_cast<uint8_t>(lecteur.LireEntierEntre(quoi, 0, UINT8_MAX));
}

// The random recruitment factor, one normal draw g: e^((g - 0.5) s²).
long double FacteurAleatoire(float alea)
{
    const long double g = TirageGaussien();
    return ExpBorne(Flottant((g - 0.5L) * alea * alea));
}

// How the survivors of a class spread over the classes around their
// destination: not at all, or with random growth over 1-2-1 (narrow) or
// 1-2-4-2-1 (wide) neighbours, wide when the smallest class grows fast.
enum class TEtalement { Aucun, Etroit, Large };

TEtalement EtalementDe(bool croissanceAleatoire, const TSupListe& saison)
{
    if (!croissanceAleatoire)
        return TEtalement::Aucun;
    return saison.A<TTailleC>(0).Croissance <= CroissanceEtroite ? TEtalement::Etroit
                                                                 : TEtalement::Large;
}

// The classes of a period state as the growth fills them, read in place.
struct TClassesES {
    const TSupListe& Liste;
    size_t size() const { return static_cast<size_t>(Liste.Nombre()); }
};

// Adds a share to the number of a class, rounded to 32 bits as it is stored:
// the classes of a period state, or the numbers of the virgin stock being
// built.
void Ajouter(const TClassesES& effectifs, int64_t classe, long double part)
{
    if (classe < 0 || classe > INT32_MAX)
        throw ErreurModele("classe hors de l'état");
    TTailleES& e = effectifs.Liste.A<TTailleES>(static_cast<int>(classe));
    e.Effectif = Flottant(e.Effectif + part);
}

void Ajouter(std::vector<float>& effectifs, int64_t classe, long double part)
{
    float& e = effectifs.at(static_cast<size_t>(classe));
    e = Flottant(e + part);
}

// Moves the shares a (to class j) and b (to class j + 1) of one class.  The
// spreads are cut at both ends of the classes: what would go beyond the
// largest class piles up on it, what would go below the smallest on that one.
// The additions are made one by one, in this order, so that shares meeting on
// the same class add up.
template <class Effectifs>
void Transferer(Effectifs& e, int64_t j, long double a, long double b, TEtalement etalement,
                bool abandonnerPetites)
{
    const int64_t der = static_cast<int64_t>(e.size()) - 1;
    const int64_t j1 = j < der ? j + 1 : j;
    const int64_t j2 = j1 < der ? j1 + 1 : j1;
    const auto bas = [](int64_t k) { return std::max<int64_t>(k, 0); };
    switch (etalement) {
    case TEtalement::Aucun:
        if (!abandonnerPetites || a > PartMinimale)
            Ajouter(e, j, a);
        if (!abandonnerPetites || b > PartMinimale)
            Ajouter(e, j1, b);
        break;
    case TEtalement::Etroit:
        Ajouter(e, bas(j - 1), a / 4);
        Ajouter(e, j, 2 * a / 4 + b / 4);
        Ajouter(e, j1, a / 4 + 2 * b / 4);
        Ajouter(e, j2, b / 4);
        break;
    case TEtalement::Large: {
        const int64_t j3 = j1 < der - 1 ? j1 + 2 : j2;
        Ajouter(e, bas(j - 2), a / 10);
        Ajouter(e, bas(j - 1), 2 * a / 10 + b / 10);
        Ajouter(e, j, 4 * a / 10 + 2 * b / 10);
        Ajouter(e, j1, 2 * a / 10 + 4 * b / 10);
        Ajouter(e, j2, a / 10 + 2 * b / 10);
        Ajouter(e, j3, b / 10);
        break;
    }
    }
}

// A growth of a fractional number of classes: the whole part gives the
// destination, the fraction the share that goes one class further.  The
// whole part is also kept as an integer when it is small enough to be exact
// (any larger growth leaves the classes): the destination is then found
// without converting a real at every class.
struct TCroissance {
    long double Entier;
    long double Phi;
    bool Bornee;
    int64_t Saut;

    explicit TCroissance(float croissance)
        : Entier(std::trunc(static_cast<long double>(croissance))), Phi(croissance - Entier),
          Bornee(std::fabs(Entier) < 1e15L), Saut(Bornee ? static_cast<int64_t>(Entier) : 0)
    {
    }
};

// The survivors s of class i grown into the classes e.
template <class Effectifs>
void Croitre(Effectifs& e, int64_t i, const TCroissance& croissance, long double s,
             TEtalement etalement, bool abandonnerPetites)
{
    const int64_t destination = i + croissance.Saut;
    if (!croissance.Bornee || destination < 0 || destination > static_cast<int64_t>(e.size()) - 1)
        throw ErreurModele("croissance hors des classes de taille");
    const long double phi = croissance.Phi;
    Transferer(e, destination, s * (1 - phi), s * phi, etalement, abandonnerPetites);
}

// A season as the virgin stock uses it a hundred times: the survival e^-M
// and the growth of each class are worked out once.
struct TSaisonVierge {
    std::vector<long double> Survie;
    std::vector<TCroissance> Croissances;

    explicit TSaisonVierge(const TSupListe& tailles)
    {
        for (int i = 0; i < tailles.Nombre(); ++i) {
            const TTailleC& c = tailles.A<TTailleC>(i);
            Survie.push_back(ExpBorne(-c.MortaliteNaturelle));
            Croissances.emplace_back(c.Croissance);
        }
    }
};

// One period of the virgin stock, in place, largest class first: a share
// moved down into a class not yet visited (random spreads only) ages again
// when that class is visited.
void VieillirSurPlace(std::vector<float>& e, const TSaisonVierge& saison, TEtalement etalement)
{
    for (int64_t i = static_cast<int64_t>(e.size()) - 1; i >= 0; --i) {
        const long double n = e[i];
        e[i] = 0;
        Croitre(e, i, saison.Croissances.at(i), n * saison.Survie.at(i), etalement, false);
    }
}

// The recruits of a season added to the numbers of the virgin stock (classes
// from premiere), each share first scaled by the random factor, as a period
// state adds them (TTailleES::Combiner, TTailleR::FairePar).
void AjouterRecrues(std::vector<float>& e, int32_t premiere, const TSupListe& recrutements,
                    const std::optional<float>& facteur)
{
    const int64_t debut = std::max<int64_t>(premiere, recrutements.Premier);
    const int64_t fin =
        std::min<int64_t>(premiere + static_cast<int64_t>(e.size()) - 1, recrutements.Dernier);
    if (recrutements.Vide())
        return;
    for (int64_t numero = debut; numero <= fin; ++numero) {
        float part = recrutements.A<TTailleR>(static_cast<int>(numero - recrutements.Premier))
                         .PartRecrutement;
        if (facteur)
            part = Flottant(static_cast<long double>(part) * *facteur);
        Ajouter(e, numero - premiere, part);
    }
}

// The recruits of a season scaled by a factor, in a list of their own.
void Recrues(TSupListe& recrues, TSupListe& recrutements, float facteur)
{
    for (int i = 0; i < recrutements.Nombre(); ++i)
        recrues.AjouterElement(TTailleR::CreateVide(), nullptr);
    recrues.Numeroter(recrutements.Premier);
    recrues.Combiner(recrutements, PhaseRecrutement, nullptr);
    recrues.FairePar(PhaseRecrutement, nullptr, facteur);
}

} // namespace

// ---------------------------------------------------------------------------
// Season tables.

std::unique_ptr<TTailleR> TTailleR::Create(TLecteur& lecteur)
{
    auto r = std::make_unique<TTailleR>();
    r->PartRecrutement = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "part de recrutement"));
    lecteur.FinDeLigne();
    return r;
}

std::unique_ptr<TTailleR> TTailleR::CreateVide()
{
    return std::make_unique<TTailleR>();
}

void TTailleR::FairePar(uint8_t phase, TContexte*, float facteur)
{
    if (phase == PhaseRecrutement)
        PartRecrutement = Flottant(static_cast<long double>(PartRecrutement) * facteur);
}

void TTailleR::Combiner(TEL& autre, uint8_t phase, TContexte*)
{
    Garder("UBiolo/TTailleR.Combiner", [&] {
        if (phase == PhaseRecrutement)
            PartRecrutement = dynamic_cast<TTailleR&>(autre).PartRecrutement;
    });
}

void TTailleR::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

std::unique_ptr<TTailleC> TTailleC::Create(float croissance, float poids, float mortalite)
{
    auto c = std::make_unique<TTailleC>();
    c->Croissance = croissance;
    c->Poids = poids;
    c->MortaliteNaturelle = mortalite;
    return c;
}

void TTailleC::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

TPeriodeEAn::TPeriodeEAn(TLecteur& lecteur, TContexte* contexte, const TPeriodeEAn* reference)
{
    Garder("UBiolo/TPeriodeAn.Create", [&] {
        LireRecrutements(lecteur, contexte);
        LireTailles(lecteur, contexte, reference);
    });
}

void TPeriodeEAn::LireRecrutements(TLecteur& lecteur, TContexte* contexte)
{
    const int32_t debut =
        lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "première classe de recrutement"));
    const int32_t fin =
        lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "dernière classe de recrutement"));
    const int64_t n = debut > 0 ? std::max<int64_t>(int64_t(fin) - debut + 1, 0) : 0;
    lecteur.VerifierTaille(n, QT_TRANSLATE_NOOP("Modele", "classes de recrutement"));
    lecteur.CompterEntrees(n, QT_TRANSLATE_NOOP("Modele", "classes de recrutement"));
    lecteur.VerifierNumeros(debut, n, QT_TRANSLATE_NOOP("Modele", "classes de recrutement"));
    lecteur.FinDeLigne();
    if (debut <= 0)
        return;
    Recrutements.Numeroter(debut);
    for (int64_t i = 0; i < n; ++i)
        Recrutements.AjouterElement(TTailleR::Create(lecteur), contexte);
}

// The size classes of the species are those of its first season: n entries
// from class f.  The population step reads every season by position up to n
// and moves fish by whole classes, so a season that covers fewer classes, or
// growth leading out of the classes, would fail every period: refused here.
void TPeriodeEAn::LireTailles(TLecteur& lecteur, TContexte* contexte, const TPeriodeEAn* reference)
{
    const int32_t debut =
        lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "première classe de taille"));
    const int32_t fin =
        lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "dernière classe de taille"));
    const int32_t repetitions =
        lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "nombre de répétitions"));
    const int64_t lignes = std::max<int64_t>(int64_t(fin) - debut + 1, 0);
    const int64_t copies = std::max<int32_t>(repetitions, 0);
    lecteur.VerifierTaille(lignes, QT_TRANSLATE_NOOP("Modele", "classes de taille"));
    lecteur.VerifierTaille(lignes * copies, QT_TRANSLATE_NOOP("Modele", "entrées de taille"));
    const int64_t entrees = lignes * copies;
    lecteur.CompterEntrees(entrees, QT_TRANSLATE_NOOP("Modele", "entrées de taille"));
    lecteur.VerifierNumeros(debut, entrees, QT_TRANSLATE_NOOP("Modele", "classes de taille"));
    const int64_t n = reference ? reference->Tailles.Nombre() : entrees;
    if (!reference && n == 0)
        lecteur.Echec(Traduire(QT_TRANSLATE_NOOP(
            "Modele", "au moins une classe de taille attendue (dernière classe ≥ première, "
                      "répétitions ≥ 1)")));
    if (reference && debut != reference->Tailles.Premier)
        lecteur.Echec(Composer(QT_TRANSLATE_NOOP("Modele", "première classe de taille %1 "
                                                           "attendue, comme à la première saison"),
                               {std::to_string(reference->Tailles.Premier)}));
    if (entrees < n)
        lecteur.Echec(Composer(QT_TRANSLATE_NOOP("Modele", "au moins %1 entrées de taille "
                                                           "attendues, comme à la première saison"),
                               {std::to_string(n)}));
    lecteur.FinDeLigne();

    Tailles.Numeroter(debut);
    for (int64_t ligne = 0; ligne < lignes; ++ligne) {
        const float croissance = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "croissance"));
        const float poids = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "poids"));
        const float mortalite =
            lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "mortalité naturelle"));
        // The entries of this line are the positions first .. last; only
        // those below n are ever grown.
        const int64_t premier = ligne * copies;
        const int64_t dernier = std::min(premier + copies - 1, n - 1);
        const long double saut = std::trunc(static_cast<long double>(croissance));
        if (premier <= dernier && premier + saut < 0)
            lecteur.Echec(Composer(
                QT_TRANSLATE_NOOP("Modele", "croissance attendue sans descendre sous la classe %1"),
                {std::to_string(debut)}));
        if (premier <= dernier && dernier + saut > n - 1)
            lecteur.Echec(
                Composer(QT_TRANSLATE_NOOP(
                             "Modele", "croissance attendue sans dépasser la dernière classe %1"),
                         {std::to_string(debut + n - 1)}));
        lecteur.FinDeLigne();
        for (int64_t k = 0; k < copies; ++k)
            Tailles.AjouterElement(TTailleC::Create(croissance, poids, mortalite), contexte);
    }
}

void TPeriodeEAn::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

// ---------------------------------------------------------------------------
// One size class in one period.

std::unique_ptr<TTailleES> TTailleES::CreateVide()
{
    return std::make_unique<TTailleES>();
}

// The graphs show numbers and weights divided by the display scale of their
// family.
long double TTailleES::Calcul(uint8_t code, TContexte* contexte)
{
    const auto valeur = [&](const TBD& bd) -> long double {
        switch (code) {
        case CodeEffectif: return bd.Divise(Effectif, EchelleEffectifsTaille);
        case CodeCapturesNombre: return bd.Divise(Captures, EchelleEffectifsTaille);
        case CodeCapturesNombreTaille: return bd.Divise(Captures, EchelleCapturesTaille);
        case CodeBiomasseTaille: return bd.Divise(Biomasse, EchelleBiomasseTaille);
        case CodePoidsCaptures: return bd.Divise(PoidsCaptures, EchelleBiomasseTaille);
        case CodePoidsCapturesTaille: return bd.Divise(PoidsCaptures, EchellePoidsCapturesTaille);
        case CodeFTaille: return bd.Divise(F, EchelleFTaille);
        default: return 0;
        }
    };
    return ValeurGraphe("UBiolo/TTailleES.Calcul", contexte, valeur);
}

void TTailleES::Faire(uint8_t phase, TContexte*)
{
    if (phase == PhaseMortalite)
        F = 0;
}

// Recruitment adds recruits (the other is a TTailleR); phase 2 is the catch
// equation (the other is the season's TTailleC of the same class).
void TTailleES::Combiner(TEL& autre, uint8_t phase, TContexte*)
{
    Garder("UBiolo/TTailleES.Combiner", [&] {
        if (phase == PhaseRecrutement)
            Effectif = Flottant(Effectif + static_cast<long double>(
                                               dynamic_cast<TTailleR&>(autre).PartRecrutement));
        else if (phase == PhaseCaptures) {
            const auto& saison = dynamic_cast<TTailleC&>(autre);
            Capturer(saison, ExpBorne(ArgumentSurvie(saison.MortaliteNaturelle, F)));
        }
    });
}

float ArgumentSurvie(float mortaliteNaturelle, float f)
{
    return Flottant(-(static_cast<long double>(mortaliteNaturelle) + f));
}

// Baranov: of the fish that die during the period, 1 - e^-(F+M), the share
// F / (F + M) is caught.  Less than one fish caught counts as none.
//
// A total mortality Z of 0 (no fishing in a class without natural deaths, or
// a negative natural mortality that cancels F) takes the limit of
// (1 - e^-Z) / Z, which is 1: F x N, none when F is 0.  An F held at the
// largest float (a collapsed stock) kills every fish in the period and the
// share F / Z is 1: the catch is the whole class, to float rounding.
void TTailleES::Capturer(const TTailleC& saison, long double survie)
{
    const long double z = static_cast<long double>(saison.MortaliteNaturelle) + F;
    const long double morts = 1 - survie;
    long double captures =
        z == 0 ? F * static_cast<long double>(Effectif) : morts * (F / z) * Effectif;
    if (captures < 1.0L)
        captures = 0;
    Captures = Flottant(captures);
    PoidsCaptures = Flottant(static_cast<long double>(saison.Poids) * Captures);
    Biomasse = Flottant(static_cast<long double>(saison.Poids) * Effectif);
}

void TTailleES::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

// ---------------------------------------------------------------------------
// The state of a species in one period.

std::unique_ptr<TPeriodeES> TPeriodeES::CreateVide()
{
    return std::make_unique<TPeriodeES>();
}

std::unique_ptr<TPeriodeES> TPeriodeES::CreateNouveau(TContexte& contexte)
{
    auto nouveau = std::make_unique<TPeriodeES>();
    Garder("UBiolo/TPeriodeES.CreateNouveau", [&] {
        const TPeriodeES& dernier = contexte.En<TEspece>().Courant();
        nouveau->QuotaActif = dernier.QuotaActif;
        nouveau->Quota = dernier.Quota;
        nouveau->TailleMinActive = dernier.TailleMinActive;
        nouveau->TailleMin = dernier.TailleMin;
        nouveau->FacteurRecrutement = 1.0f;
        nouveau->Tailles.Reserver(dernier.Tailles.Nombre());
        // The classes are not written in the context: nothing below the
        // state is visited while it is made.
        for (int i = 0; i < dernier.Tailles.Nombre(); ++i)
            nouveau->Tailles.AjouterElement(TTailleES::CreateVide(), nullptr);
        nouveau->Tailles.Numeroter(dernier.Tailles.Premier);
    });
    return nouveau;
}

// The numbers of this new state t from those of state t - 1: recruits of
// season t mod P, then the survivors of the previous state grown by the
// season's growth, then the biomasses with the season's weights.
void TPeriodeES::Effectifs(TContexte& contexte)
{
    Garder("UBiolo/TPeriodeES.Effectifs", [&] {
        const TBD& bd = DonneesDe(&contexte);
        TEspece& espece = contexte.En<TEspece>();
        const int t = espece.Periodes.Nombre() - 1;
        if (t < 1 || &espece.Periodes.Element(t) != this)
            throw ErreurModele("l'état n'est pas le dernier de son espèce");
        const TPeriodeES& precedent = espece.Periodes.A<TPeriodeES>(t - 1);
        TPeriodeEAn& saison = espece.Saison(t, bd);
        const THote& hote = *bd.Hote();
        Recruter(espece, precedent, saison.Recrutements, hote.RecrutementAleatoire(), contexte);
        Survivre(espece, precedent, saison, hote.CroissanceAleatoire());
        SommerBiomasses(espece, saison);
    });
}

// Recruitment is constant while the previous spawning biomass stays above
// the threshold (a percentage of the virgin one) and proportional to it
// below; the random factor multiplies it.
void TPeriodeES::Recruter(const TEspece& espece, const TPeriodeES& precedent,
                          TSupListe& recrutements, bool aleatoire, TContexte& contexte)
{
    FacteurRecrutement = 1.0f;
    if (aleatoire)
        FacteurRecrutement =
            Flottant(FacteurAleatoire(espece.AleaRecrutement) * FacteurRecrutement);
    const long double seuil = espece.SeuilRecrutement / 100.0L * espece.BiomasseFecondeVierge;
    // A threshold of 0 with a negative spawning biomass (negative weights)
    // has no proportion to apply.
    if (seuil != 0 && precedent.BiomasseFeconde < seuil)
        FacteurRecrutement =
            Flottant(FacteurRecrutement * Diviser(precedent.BiomasseFeconde, seuil));
    TSupListe recrues;
    Recrues(recrues, recrutements, FacteurRecrutement);
    Tailles.Combiner(recrues, PhaseRecrutement, &contexte);
}

// Survivors of natural and fishing mortality, grown into this state.  The
// previous state is a different list, so the order of the classes does not
// matter here.
void TPeriodeES::Survivre(TEspece& espece, const TPeriodeES& precedent,
                          const TPeriodeEAn& saison, bool croissanceAleatoire)
{
    const TClassesES effectifs{Tailles};
    const TSupListe& c = saison.Tailles;
    const TEtalement etalement = EtalementDe(croissanceAleatoire, c);
    for (int i = 0; i < Tailles.Nombre(); ++i) {
        const TTailleES& q = precedent.Tailles.A<TTailleES>(i);
        const TTailleC& classe = c.A<TTailleC>(i);
        const long double survie = espece.Survie(static_cast<size_t>(i),
                                                 ArgumentSurvie(classe.MortaliteNaturelle, q.F));
        Croitre(effectifs, static_cast<int64_t>(i), TCroissance(classe.Croissance),
                q.Effectif * survie, etalement, !croissanceAleatoire);
    }
}

void TPeriodeES::SommerBiomasses(const TEspece& espece, const TPeriodeEAn& saison)
{
    for (int i = 0; i < Tailles.Nombre(); ++i) {
        const long double poids = static_cast<long double>(saison.Tailles.A<TTailleC>(i).Poids) *
                                  Tailles.A<TTailleES>(i).Effectif;
        Biomasse = Flottant(Biomasse + poids);
        if (Tailles.Premier + static_cast<int64_t>(i) >= espece.ClasseMaturite)
            BiomasseFeconde = Flottant(BiomasseFeconde + poids);
    }
}

void TPeriodeES::CopierChiffres(const TPeriodeES& autre)
{
    QuotaActif = autre.QuotaActif;
    Quota = autre.Quota;
    TailleMinActive = autre.TailleMinActive;
    TailleMin = autre.TailleMin;
    Biomasse = autre.Biomasse;
    BiomasseFeconde = autre.BiomasseFeconde;
    FacteurRecrutement = autre.FacteurRecrutement;
}

long double TPeriodeES::Calcul(uint8_t code, TContexte* contexte)
{
    const auto valeur = [&](const TBD& bd) -> long double {
        switch (code) {
        case CodeBiomasse: return bd.Divise(Biomasse, EchelleBiomasse);
        case CodeBiomasseFeconde: return bd.Divise(BiomasseFeconde, EchelleBiomasse);
        default: return 0;
        }
    };
    return ValeurGraphe("UBiolo/TPeriodeES.Calcul", contexte, valeur);
}

void TPeriodeES::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

TSupListe* TPeriodeES::SousListe(uint8_t)
{
    return &Tailles;
}

// ---------------------------------------------------------------------------
// The species.

TEspece::TEspece(TLecteur& lecteur, TContexte& contexte)
{
    Garder("UBiolo/TEspece.Create", [&] {
        Nom = lecteur.LireChaine(QT_TRANSLATE_NOOP("Modele", "nom de l'espèce"));
        lecteur.FinDeLigne();
        lecteur.SauterLigne(QT_TRANSLATE_NOOP("Modele", "ligne après le nom de l'espèce"));
        Periodes.AjouterElement(TPeriodeES::CreateVide(), nullptr);
        AleaRecrutement = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "aléa du recrutement"));
        lecteur.FinDeLigne();
        Entier1 = LireOctet(lecteur, QT_TRANSLATE_NOOP("Modele", "entier de l'espèce"));
        lecteur.FinDeLigne();
        SeuilRecrutement = LireOctet(lecteur, "seuil de recrutement (%)");
        lecteur.FinDeLigne();
        ClasseMaturite = LireOctet(lecteur, QT_TRANSLATE_NOOP("Modele", "classe de maturité"));
        const int ligneMaturite = lecteur.Ligne();
        lecteur.FinDeLigne();
        LireSaisons(lecteur, contexte.En<TBD>());
        VerifierMaturite(ligneMaturite);
        Inscrire(contexte);
        StockVierge(contexte);
    });
}

void TEspece::LireSaisons(TLecteur& lecteur, const TBD& bd)
{
    for (int k = 0; k < bd.NbPeriodesAn; ++k) {
        const TPeriodeEAn* reference = PeriodesAn.Vide() ? nullptr : &PeriodesAn.A<TPeriodeEAn>(0);
        PeriodesAn.AjouterElement(std::make_unique<TPeriodeEAn>(lecteur, nullptr, reference),
                                  nullptr);
    }
}

// The maturity class may be one past the last class: then nothing spawns.
// Outside, the virgin spawning biomass would be summed over classes that do
// not exist.
void TEspece::VerifierMaturite(int ligne) const
{
    const int64_t f = PremiereClasse();
    const int64_t n = NbClasses();
    if (ClasseMaturite < f || ClasseMaturite > f + n)
        throw ErreurLecture(ligne, "classe de maturité entre " + std::to_string(f) + " et " +
                                       std::to_string(f + n) + " attendue");
}

// One hundred years of recruitment, natural mortality and growth from an
// empty sea; the numbers reached are the virgin stock, period state 0.
void TEspece::StockVierge(TContexte& contexte)
{
    Garder("UBiolo/TEspece.StockVierge", [&] {
        const TBD& bd = DonneesDe(&contexte);
        const int p = bd.NbPeriodesAn;
        if (p == 0)
            throw ErreurModele("aucune période par an");
        TPeriodeES& vierge = Periodes.A<TPeriodeES>(0);
        vierge.Tailles.Reserver(NbClasses());
        for (int i = 0; i < NbClasses(); ++i)
            vierge.Tailles.AjouterElement(TTailleES::CreateVide(), nullptr);
        vierge.Tailles.Numeroter(PremiereClasse());

        // The numbers are worked out side by side, then stored in the state.
        std::vector<float> effectifs(static_cast<size_t>(NbClasses()), 0.0f);
        std::vector<TSaisonVierge> saisons;
        for (int k = 0; k < p; ++k)
            saisons.emplace_back(PeriodesAn.A<TPeriodeEAn>(k).Tailles);
        const THote& hote = *bd.Hote();
        const bool recrutementAleatoire = hote.RecrutementAleatoire();
        const bool croissanceAleatoire = hote.CroissanceAleatoire();

        for (int t = 1; t <= AnneesVierges * p; ++t) {
            const int k = t % p;
            VieillirSurPlace(effectifs, saisons[k],
                             EtalementDe(croissanceAleatoire, PeriodesAn.A<TPeriodeEAn>(k).Tailles));
            std::optional<float> facteur;
            if (recrutementAleatoire)
                facteur = Flottant(FacteurAleatoire(AleaRecrutement));
            AjouterRecrues(effectifs, vierge.Tailles.Premier,
                           PeriodesAn.A<TPeriodeEAn>(k).Recrutements, facteur);
        }
        for (size_t i = 0; i < effectifs.size(); ++i)
            vierge.Tailles.A<TTailleES>(static_cast<int>(i)).Effectif = effectifs[i];
        BiomassesVierges();
    });
}

// Biomasses of the virgin stock with the weights of the first season: the
// spawning part from the maturity class up, then the whole stock.
void TEspece::BiomassesVierges()
{
    TPeriodeES& vierge = Periodes.A<TPeriodeES>(0);
    const TSupListe& poids = PeriodesAn.A<TPeriodeEAn>(0).Tailles;
    const int n = vierge.Tailles.Nombre();
    const int maturite = static_cast<int>(ClasseMaturite - int64_t(vierge.Tailles.Premier));
    const auto masse = [&](int i) {
        return static_cast<long double>(poids.A<TTailleC>(i).Poids) *
               vierge.Tailles.A<TTailleES>(i).Effectif;
    };
    for (int i = maturite; i < n; ++i)
        BiomasseFecondeVierge = Flottant(BiomasseFecondeVierge + masse(i));
    BiomasseVierge = BiomasseFecondeVierge;
    for (int i = 0; i < maturite; ++i)
        BiomasseVierge = Flottant(BiomasseVierge + masse(i));
    vierge.BiomasseFeconde = BiomasseFecondeVierge;
    vierge.Biomasse = BiomasseVierge;
}

TPeriodeES& TEspece::Courant() const
{
    return Periodes.DernierElement<TPeriodeES>();
}

int TEspece::NbClasses() const
{
    return PeriodesAn.Vide() ? 0 : PeriodesAn.A<TPeriodeEAn>(0).Tailles.Nombre();
}

int32_t TEspece::PremiereClasse() const
{
    return PeriodesAn.Vide() ? 0 : PeriodesAn.A<TPeriodeEAn>(0).Tailles.Premier;
}

TPeriodeEAn& TEspece::Saison(int t, const TBD& bd) const
{
    if (bd.NbPeriodesAn == 0)
        throw ErreurModele("aucune période par an");
    return PeriodesAn.A<TPeriodeEAn>(t % bd.NbPeriodesAn);
}

void TEspece::Faire(uint8_t phase, TContexte* contexte)
{
    Garder("UBiolo/TEspece.Faire", [&] {
        switch (phase) {
        case PhaseMortalite:
            Courant().Tailles.Faire(PhaseMortalite, Inscrit(contexte));
            Pecheurs.clear();
            break;
        case PhaseCaptures: Capturer(contexte); break;
        case PhaseOuverture: Ouvrir(contexte); break;
        case PhaseRetour: Retirer(contexte); break;
        default: break;
        }
    });
}

// Catches of the current period with the natural mortality and weights of
// its season.
//
// The classes are paired by number with the season's, as the list walk
// pairs them, each under its own guard; the survival comes from the memo
// that the next period's survival reads again.
void TEspece::Capturer(TContexte* contexte)
{
    const int t = Periodes.Nombre() - 1;
    const TSupListe& saison = Saison(t, DonneesDe(contexte)).Tailles;
    Inscrit(contexte);
    TSupListe& tailles = Courant().Tailles;
    if (tailles.Vide() || saison.Vide())
        return;
    const int64_t debut = std::max<int64_t>(tailles.Premier, saison.Premier);
    const int64_t fin = std::min<int64_t>(tailles.Dernier, saison.Dernier);
    for (int64_t numero = debut; numero <= fin; ++numero) {
        Garder("UBiolo/TTailleES.Combiner", [&] {
            const auto i = static_cast<int>(numero - tailles.Premier);
            TTailleES& e = tailles.A<TTailleES>(i);
            const TTailleC& c = saison.A<TTailleC>(static_cast<int>(numero - saison.Premier));
            e.Capturer(c, Survie(static_cast<size_t>(i),
                                 ArgumentSurvie(c.MortaliteNaturelle, e.F)));
        });
    }
}

long double TEspece::NouvelleSurvie(size_t classe, float argument)
{
    if (classe >= survies_.size()) {
        // Bits of a NaN: e^x of any NaN is 0, as the memo's value says.
        const TSurvie vide{std::bit_cast<uint32_t>(std::numeric_limits<float>::quiet_NaN()), 0};
        survies_.resize(classe + 1, vide);
    }
    TSurvie& s = survies_[classe];
    s.Argument = std::bit_cast<uint32_t>(argument);
    s.Valeur = ExpBorne(argument);
    return s.Valeur;
}

// The context with the current state in its slot, above the size entries a
// walk is about to visit.
TContexte* TEspece::Inscrit(TContexte* contexte)
{
    if (contexte)
        Courant().Inscrire(*contexte);
    return contexte;
}

void TEspece::Ouvrir(TContexte* contexte)
{
    if (!contexte)
        throw ErreurModele("contexte absent");
    const int avant = Periodes.Nombre();
    Periodes.AjouterElement(TPeriodeES::CreateNouveau(*contexte), contexte);
    if (Periodes.Nombre() > avant)
        Courant().Effectifs(*contexte);
}

// Step back: the virgin stock is never removed.
void TEspece::Retirer(TContexte* contexte)
{
    if (Periodes.Nombre() <= 1)
        return;
    Periodes.RetirerDernier(contexte);
}

void TEspece::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

// The six graphs of a species are rows of the data set's graph catalogue.
void TEspece::FaireDans(THote* fenetre, uint8_t code, TContexte* contexte)
{
    Garder("UBiolo/TEspece.FaireDans", [&] {
        DonneesDe(contexte).OuvrirGrapheElement(TElementGraphe::Espece, Periodes, code, Nom,
                                                fenetre, contexte);
    });
}

} // namespace vasco
