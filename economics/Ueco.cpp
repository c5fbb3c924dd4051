#include "economics/Ueco.h"

#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "model/UTraduction.h"
#include "model/UVue.h"
#include "model/Uperiode.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>

namespace vasco {

namespace {

float Ajoute(float champ, long double valeur)
{
    return Flottant(champ + valeur);
}

// a x b x c, 0 when a factor is 0: a price or a weight beyond the range of
// extended precision may make the product of the others infinite, and 0
// times that infinity would be NaN where no fish, or no value, is at stake.
long double Produit(long double a, long double b, long double c = 1)
{
    if (a == 0 || b == 0 || c == 0)
        return 0;
    return a * b * c;
}

} // namespace

// ---------------------------------------------------------------- conditions

std::unique_ptr<TCondition> TCondition::Createpremier(TLecteur& lecteur, TContexte& contexte)
{
    auto c = std::make_unique<TCondition>();
    Garder("UEco/TCondition.Createpremier", [&] {
        const TMetierEco& metier = contexte.En<TMetierEco>();
        c->MaillageEffectif = metier.MaillageUsuel;
        c->NbJours = metier.JoursMerInitial;
        c->NbNavires = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "nombre de navires"));
        lecteur.FinDeLigne();
        c->MaillageReglementaire =
            lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "maillage réglementaire"));
        lecteur.FinDeLigne();
        if (c->MaillageReglementaire != 0)
            c->AppliquerMaillage(metier);
    });
    return c;
}

std::unique_ptr<TCondition> TCondition::CreateNouveau(TContexte& contexte)
{
    auto c = std::make_unique<TCondition>();
    Garder("UEco/TCondition.CreateNouveau", [&] {
        const TCondition& l = contexte.En<TMetierEco>().Courante();
        c->MaillageEffectif = l.MaillageEffectif;
        c->NbJours = l.NbJours;
        c->NbNavires = l.NbNavires;
        c->MaillageReglementaire = l.MaillageReglementaire;
        c->SubventionPeriode = l.SubventionPeriode;
        c->SubventionJourMer = l.SubventionJourMer;
        c->TauxTaxeCA = l.TauxTaxeCA;
        c->IndiceRepression = l.IndiceRepression;
    });
    return c;
}

long double TCondition::Effort() const
{
    return static_cast<long double>(NbNavires) * NbJours;
}

void TCondition::AppliquerMaillage(const TMetierEco& metier)
{
    const long double usuel = metier.MaillageUsuel;
    if (usuel >= MaillageReglementaire)
        MaillageEffectif = metier.MaillageUsuel;
    else
        MaillageEffectif = Flottant(usuel + (MaillageReglementaire - usuel) * IndiceRepression);
}

// The catch records of the period, and the daily costs net of the daily
// subsidy.
void TCondition::Bilanmarginal(const TMetierEco& metier)
{
    Garder("UEco/TCondition.Bilanmarginal", [&] {
        for (int i = 0; i < metier.EspecesExploitees.Nombre(); ++i) {
            const auto& x = metier.EspecesExploitees.A<TEspeceExp>(i);
            const auto& r = x.PeriodesMS.DernierElement<TPeriodeMS>();
            PoidsDebarque = Ajoute(PoidsDebarque, r.PoidsDebarque);
            PoidsRejete = Ajoute(PoidsRejete, r.PoidsRejete);
            CA = Ajoute(CA, r.Valeur);
            CAGris = Ajoute(CAGris, r.ValeurGrise);
            SubventionsNettes = Ajoute(SubventionsNettes, -static_cast<long double>(r.Taxe));
        }
        const long double coutJour =
            static_cast<long double>(metier.CoutJourMer) - SubventionJourMer;
        BilanMarginal = Flottant(CA - coutJour * NbJours * NbNavires);
    });
}

// The fixed costs net of the period subsidy, the subsidies paid, and the
// sums into the global balance of the period.
void TCondition::Bilanperiode(const TMetierEco& metier, TBD& bd)
{
    Garder("UEco/TCondition.Bilanperiode", [&] {
        const long double fixe =
            (Diviser(metier.CoutFixeAn, bd.NbPeriodesAn) - SubventionPeriode) * NbNavires;
        SubventionsNettes =
            Ajoute(SubventionsNettes,
                   (static_cast<long double>(NbJours) * SubventionJourMer + SubventionPeriode) *
                       NbNavires);
        Benefice = Flottant(BilanMarginal - fixe);

        TPeriodeBilan& b = bd.BilanEnCours();
        const long double equipage = static_cast<long double>(metier.Equipage) * NbNavires;
        b.PoidsDebarque = Ajoute(b.PoidsDebarque, PoidsDebarque);
        b.PoidsRejete = Ajoute(b.PoidsRejete, PoidsRejete);
        b.CA = Ajoute(b.CA, CA);
        b.CAGris = Ajoute(b.CAGris, CAGris);
        b.Benefice = Ajoute(b.Benefice, Benefice);
        b.SubventionsNettes = Ajoute(b.SubventionsNettes, SubventionsNettes);
        b.Effectifs = Ajoute(b.Effectifs, equipage);
        b.JoursEquipage = Ajoute(b.JoursEquipage, equipage * NbJours);
    });
}

void TCondition::ZeroComptes()
{
    PoidsDebarque = PoidsRejete = CA = CAGris = BilanMarginal = Benefice = SubventionsNettes = 0;
}

long double TCondition::Calcul(uint8_t code, TContexte* contexte)
{
    const auto valeur = [&](const TBD& bd) -> long double {
        // Per-vessel values of an empty fleet are 0.
        auto parNavire = [&](float v, int k) -> long double {
            return NbNavires > 0 ? bd.Divise(static_cast<long double>(v) / NbNavires, k) : 0;
        };
        switch (code) {
        case CodeMetierCA: return bd.Divise(CA, EchelleMonnaie);
        case CodeMetierBenefice: return bd.Divise(Benefice, EchelleMonnaie);
        case CodeMetierPoidsDebarque: return bd.Divise(PoidsDebarque, EchellePoids);
        case CodeMetierEffort: return bd.Divise(Effort(), EchelleEffort);
        case CodeMetierNavires: return bd.Divise(NbNavires, EchelleNavires);
        case CodeMetierJours: return bd.Divise(NbJours, EchelleJours);
        case CodeMetierCAGris: return bd.Divise(CAGris, EchelleMonnaie);
        case CodeMetierCANavire: return parNavire(CA, EchelleMonnaieNavire);
        case CodeMetierBeneficeNavire: return parNavire(Benefice, EchelleMonnaieNavire);
        case CodeMetierPoidsNavire: return parNavire(PoidsDebarque, EchellePoidsNavire);
        case CodeMetierCAGrisNavire: return parNavire(CAGris, EchelleMonnaieNavire);
        default: return 0;
        }
    };
    return ValeurGraphe("UEco/TCondition.Calcul", contexte, valeur);
}

void TCondition::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

// ------------------------------------------------------ exploitation seasons

void TTailleAn::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

TPeriodeAn::TPeriodeAn(TLecteur& lecteur, TContexte* contexte)
{
    Garder("UEco/TPeriodeAn.Create", [&] {
        const int32_t nbLignes =
            lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "nombre de tranches de tailles"));
        lecteur.VerifierTaille(nbLignes,
                               QT_TRANSLATE_NOOP("Modele", "nombre de tranches de tailles"));
        lecteur.FinDeLigne();
        const int32_t premiere = lecteur.LireEntier(
            QT_TRANSLATE_NOOP("Modele", "première taille de la saison de pêche"));
        lecteur.FinDeLigne();
        Tailles.Numeroter(premiere);
        int64_t total = 0;
        for (int32_t l = 0; l < nbLignes; ++l) {
            const int32_t de =
                lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "taille de début de tranche"));
            const int32_t a =
                lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "taille de fin de tranche"));
            const long double prix = lecteur.LireReel(QT_TRANSLATE_NOOP("Modele", "prix"));
            const long double capturabilite =
                lecteur.LireReel(QT_TRANSLATE_NOOP("Modele", "capturabilité"));
            lecteur.FinDeLigne();
            const int64_t nb = std::max<int64_t>(0, int64_t(a) - de + 1);
            total += nb;
            lecteur.VerifierTaille(total,
                                   QT_TRANSLATE_NOOP("Modele", "tailles de la saison de pêche"));
            lecteur.CompterEntrees(nb,
                                   QT_TRANSLATE_NOOP("Modele", "tailles de la saison de pêche"));
            lecteur.VerifierNumeros(premiere, total,
                                    QT_TRANSLATE_NOOP("Modele", "tailles de la saison de pêche"));
            const auto ligne = static_cast<uint32_t>(lignes_.size());
            lignes_.push_back({prix, capturabilite});
            for (int64_t t = 0; t < nb; ++t) {
                Tailles.AjouterElement(std::make_unique<TTailleAn>(prix, capturabilite), contexte);
                if (Tailles.Nombre() > static_cast<int>(tranches_.size()))
                    tranches_.push_back(ligne);
            }
        }
    });
}

void TPeriodeAn::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

// ------------------------------------------------------------- catch records

void TTailleS::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

std::unique_ptr<TPeriodeMS> TPeriodeMS::CreateVide(int32_t premier, int32_t dernier)
{
    auto r = std::make_unique<TPeriodeMS>();
    Garder("UEco/TPeriodeMS.CreateVide", [&] {
        r->Tailles.Numeroter(premier);
        r->Tailles.Reserver(static_cast<int>(std::max<int64_t>(int64_t(dernier) - premier + 1, 0)));
        for (int64_t t = premier; t <= dernier; ++t)
            r->Tailles.AjouterElement(std::make_unique<TTailleS>(), nullptr);
    });
    return r;
}

// Fishing mortality of this métier on each size: selectivity x effort x
// catchability of the season x a density factor that raises catchability as
// the stock is depleted (for a positive exponent).  Sizes are matched by
// number; a size missing from the season table has no catchability, one
// missing from the species has no fish to add to.
void TPeriodeMS::CalculDeF(TContexte& contexte)
{
    Garder("UEco/TPeriodeMS.CalculDeF", [&] {
        const TBD& bd = DonneesDe(&contexte);
        const TMetierEco& metier = contexte.En<TMetierEco>();
        const TEspeceExp& x = contexte.En<TEspeceExp>();
        if (!x.Espece)
            throw ErreurModele("espèce exploitée inconnue");
        const TPeriodeAn& saison = x.SaisonCourante(bd);
        const TCondition& c = metier.Courante();
        const long double effort = c.Effort();
        TPeriodeES& z = x.Espece->Courant();
        // A collapsed stock (total biomass near 1e-33) puts the ratio beyond
        // the float range: it is held at the largest float.  A biomass of 0
        // leaves the factor at 1.
        long double d = 1;
        if (z.Biomasse > 0)
            d = Puissance(Flottant(x.Espece->BiomasseVierge / static_cast<long double>(z.Biomasse)),
                          x.ExposantCapturabilite);
        const std::vector<long double>& selectivite =
            x.Selectivites(Tailles.Premier, Tailles.Nombre(), c);
        x.Espece->Pecheurs.push_back(&x);
        for (int i = 0; i < Tailles.Nombre(); ++i) {
            const int32_t taille = Tailles.Premier + i;
            const long double q = saison.CapturabiliteDe(taille);
            long double f = selectivite[i] * (effort * q) * d;
            // A factor of 0 against one that overflowed extended precision
            // (a power of the ratio with a large exponent, a huge
            // catchability) gives NaN: without selectivity, effort or
            // catchability nothing is fished.
            if (std::isnan(f))
                f = 0;
            TTailleS& s = Tailles.A<TTailleS>(i);
            s.F = Flottant(f);
            if (auto* t = z.Tailles.ANumero<TTailleES>(taille))
                t->F = Ajoute(t->F, f);
        }
    });
}

namespace {

// The métiers' F of one size of a species in the open period, each as the
// métier stores it, summed in extended precision in the order they were
// worked out.
long double FMetiers(const TEspece& espece, int32_t taille)
{
    long double somme = 0;
    for (const TEL* pecheur : espece.Pecheurs) {
        const auto& x = dynamic_cast<const TEspeceExp&>(*pecheur);
        if (auto* s = x.PeriodesMS.DernierElement<TPeriodeMS>().Tailles.ANumero<TTailleS>(taille))
            somme += s->F;
    }
    return somme;
}

// What one métier takes of one size class of the species.
struct Part {
    long double Nombre = 0;
    long double Poids = 0;
    long double Prix = 0;
};

} // namespace

// The catches of this métier split into legal landings, discards and grey
// landings.  Undersized fish, and every class once the quota is reached, are
// discarded in proportion to the repression and otherwise landed and sold on
// the grey market; the largest fish are landed first against the quota.
void TPeriodeMS::CalculDesCaptures(TContexte& contexte)
{
    Garder("UEco/TPeriodeMS.CalculDesCaptures", [&] {
        const TBD& bd = DonneesDe(&contexte);
        const TMetierEco& metier = contexte.En<TMetierEco>();
        const TEspeceExp& x = contexte.En<TEspeceExp>();
        if (!x.Espece)
            throw ErreurModele("espèce exploitée inconnue");
        const TCondition& c = metier.Courante();
        const long double r = c.IndiceRepression;
        const long double g = 1 - r;
        const TPeriodeAn& saison = x.SaisonCourante(bd);
        const TPeriodeES& z = x.Espece->Courant();
        const int32_t f = z.Tailles.Premier;
        const int n = z.Tailles.Nombre();

        auto part = [&](int j) {
            Part p;
            const int32_t taille = f + j;
            const auto& t = z.Tailles.A<TTailleES>(j);
            auto* s = Tailles.ANumero<TTailleS>(taille);
            if (s && t.F != 0) {
                // Once the total is held at the largest float, the métiers'
                // F (each held too) are divided by their own sum.
                const long double share = t.F < FLT_MAX ? static_cast<long double>(s->F) / t.F
                                                        : s->F / FMetiers(*x.Espece, taille);
                p.Nombre = t.Captures * share;
                p.Poids = t.PoidsCaptures * share;
            }
            p.Prix = saison.PrixDe(taille);
            return p;
        };
        auto illegal = [&](const Part& p) {
            NbRejetes = Ajoute(NbRejetes, p.Nombre * r);
            NbDebarques = Ajoute(NbDebarques, p.Nombre * g);
            PoidsRejete = Ajoute(PoidsRejete, p.Poids * r);
            PoidsDebarque = Ajoute(PoidsDebarque, p.Poids * g);
            Valeur = Ajoute(Valeur, Produit(p.Prix, p.Poids, g));
            ValeurGrise = Ajoute(ValeurGrise, Produit(p.Prix, p.Poids, g));
        };

        // First legal class, clamped to the classes of the species.
        int premierLegal = 0;
        if (z.TailleMinActive) {
            premierLegal = static_cast<int>(std::clamp<int64_t>(int64_t(z.TailleMin) - f, 0, n));
            for (int j = 0; j < premierLegal; ++j)
                illegal(part(j));
        }
        for (int j = n - 1; j >= premierLegal; --j) {
            const Part p = part(j);
            if (!z.QuotaActif || PoidsDebarque < z.Quota) {
                NbDebarques = Ajoute(NbDebarques, p.Nombre);
                PoidsDebarque = Ajoute(PoidsDebarque, p.Poids);
                Valeur = Ajoute(Valeur, Produit(p.Prix, p.Poids));
            } else {
                illegal(p);
            }
        }

        Taxe = Flottant((static_cast<long double>(Valeur) - ValeurGrise) * c.TauxTaxeCA);
        Valeur = Ajoute(Valeur, -static_cast<long double>(Taxe));
    });
}

void TPeriodeMS::ZeroComptes()
{
    NbDebarques = NbRejetes = PoidsDebarque = PoidsRejete = Valeur = ValeurGrise = Taxe = 0;
}

void TPeriodeMS::CopierChiffres(const TPeriodeMS& autre)
{
    NbDebarques = autre.NbDebarques;
    NbRejetes = autre.NbRejetes;
    PoidsDebarque = autre.PoidsDebarque;
    PoidsRejete = autre.PoidsRejete;
    Valeur = autre.Valeur;
    ValeurGrise = autre.ValeurGrise;
    Taxe = autre.Taxe;
}

long double TPeriodeMS::Calcul(uint8_t code, TContexte* contexte)
{
    const auto valeur = [&](const TBD& bd) -> long double {
        switch (code) {
        case CodeCapturesPoids:
            return bd.Divise(static_cast<long double>(PoidsDebarque) + PoidsRejete, EchellePoids);
        case CodeValeurDebarquements: return bd.Divise(Valeur, EchelleMonnaie);
        case CodeCapturesNombres:
            return bd.Divise(static_cast<long double>(NbDebarques) + NbRejetes,
                             EchelleCapturesNombre);
        case CodeRejetsNombre: return bd.Divise(NbRejetes, EchelleCapturesNombre);
        case CodeRejetsPoids: return bd.Divise(PoidsRejete, EchellePoids);
        default: return 0;
        }
    };
    return ValeurGraphe("UEco/TPeriodeMS.Calcul", contexte, valeur);
}

void TPeriodeMS::Faire(uint8_t phase, TContexte* contexte)
{
    Garder("UEco/TPeriodeMS.Faire", [&] {
        if (!contexte)
            throw ErreurModele("contexte absent");
        if (phase == PhaseMortalite)
            CalculDeF(*contexte);
        else if (phase == PhaseCaptures)
            CalculDesCaptures(*contexte);
    });
}

void TPeriodeMS::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

// ---------------------------------------------------------- exploited species

TEspeceExp::TEspeceExp(TLecteur& lecteur, TContexte& contexte)
{
    Garder("UEco/TEspeceExp.Create", [&] {
        const int ligneNom = lecteur.Ligne();
        const std::string nom =
            lecteur.LireChaine(QT_TRANSLATE_NOOP("Modele", "nom de l'espèce exploitée"));
        lecteur.FinDeLigne();
        lecteur.SauterLigne(
            QT_TRANSLATE_NOOP("Modele", "ligne après le nom de l'espèce exploitée"));
        const TBD& bd = DonneesDe(&contexte);
        Espece = dynamic_cast<TEspece*>(bd.EspeceNommee(nom));
        // A métier fishing a species that does not exist would index
        // nothing: the file is refused where the name stands.
        if (!Espece)
            throw ErreurLecture(ligneNom,
                                "nom d'une espèce déjà décrite attendu, trouvé « " + nom + " »");
        ExposantCapturabilite =
            lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "exposant de capturabilité"));
        lecteur.FinDeLigne();
        FacteurSelection = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "facteur de sélection"));
        lecteur.FinDeLigne();
        EtendueSelection = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "étendue de sélection"));
        lecteur.FinDeLigne();
        FacteurDome = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "facteur de dôme"));
        lecteur.FinDeLigne();
        for (int k = 0; k < bd.NbPeriodesAn; ++k)
            PeriodesAn.AjouterElement(std::make_unique<TPeriodeAn>(lecteur, &contexte), &contexte);
        OuvrirPeriode(nullptr);
    });
}

// The new record takes over the per-size table of the closing one, cleared:
// the same sizes, without allocating them again.
void TEspeceExp::OuvrirPeriode(TContexte* contexte)
{
    const TSupListe& tailles = PeriodesAn.A<TPeriodeAn>(0).Tailles;
    TPeriodeMS* precedent = PeriodesMS.Vide() ? nullptr : &PeriodesMS.DernierElement<TPeriodeMS>();
    if (!precedent || precedent->Tailles.Nombre() != tailles.Nombre()) {
        PeriodesMS.AjouterElement(
            TPeriodeMS::CreateVide(tailles.Premier, tailles.Premier + tailles.Nombre() - 1),
            contexte);
        if (precedent)
            precedent->Tailles.Vider();
        return;
    }
    auto r = std::make_unique<TPeriodeMS>();
    r->Tailles.Echanger(precedent->Tailles);
    r->Tailles.Numeroter(tailles.Premier);
    for (int i = 0; i < r->Tailles.Nombre(); ++i)
        r->Tailles.A<TTailleS>(i).F = 0;
    PeriodesMS.AjouterElement(std::move(r), contexte);
}

// Step back: the open record goes, the previous one reopens with zero
// accounts and the per-size table back, which phase 1 fills again.
void TEspeceExp::RetirerPeriode(TContexte* contexte)
{
    const int n = PeriodesMS.Nombre();
    if (n > 1)
        PeriodesMS.A<TPeriodeMS>(n - 2).Tailles.Echanger(PeriodesMS.A<TPeriodeMS>(n - 1).Tailles);
    PeriodesMS.RetirerDernier(contexte);
    if (PeriodesMS.Vide())
        OuvrirPeriode(contexte);
    else
        PeriodesMS.DernierElement<TPeriodeMS>().ZeroComptes();
}

// Knife edge when the range is 0 (the factors are then sizes); otherwise a
// logistic curve of 50 % retention at mesh x FacteurSelection, with a
// descending limb of the same steepness halving retention at mesh x
// FacteurDome when that factor is positive.
long double TEspeceExp::Selectivite(int32_t taille, const TCondition& condition) const
{
    long double r = 0;
    Garder("UEco/TEspeceExp.Selectivite", [&] {
        const long double l = taille;
        const long double m = condition.MaillageEffectif;
        const long double s = EtendueSelection;
        const long double a = FacteurSelection;
        const long double h = FacteurDome;
        if (s == 0) {
            r = (l >= a && (h < 0 || l < h)) ? 1 : 0;
            return;
        }
        // A zero mesh or factor would divide by zero: nothing is retained.
        if (m == 0 || a == 0)
            return;
        const long double k = std::log(9.0L) / s;
        bool depassement = false;
        const long double e1 = ExpBorne(Flottant(k * (l / (m * a) - 1)), depassement);
        r = depassement ? 1 : e1 / (e1 + 1);
        if (h > 0) {
            const long double e2 = ExpBorne(Flottant(k * (l / (m * h) - 1)), depassement);
            r = depassement ? 0 : r / (e2 + 1);
        }
    });
    return r;
}

const std::vector<long double>& TEspeceExp::Selectivites(int32_t premiere, int n,
                                                         const TCondition& condition) const
{
    TSelectivites& s = selectivites_;
    const auto bits = [](float v) { return std::bit_cast<uint32_t>(v); };
    if (s.Valides && s.Premiere == premiere && s.Nombre == n &&
        s.Maillage == bits(condition.MaillageEffectif) && s.Etendue == bits(EtendueSelection) &&
        s.Facteur == bits(FacteurSelection) && s.Dome == bits(FacteurDome))
        return s.Valeurs;
    s.Valides = false;
    s.Valeurs.resize(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        s.Valeurs[i] = Selectivite(premiere + i, condition);
    s.Premiere = premiere;
    s.Nombre = n;
    s.Maillage = bits(condition.MaillageEffectif);
    s.Etendue = bits(EtendueSelection);
    s.Facteur = bits(FacteurSelection);
    s.Dome = bits(FacteurDome);
    s.Valides = true;
    return s.Valeurs;
}

TPeriodeAn& TEspeceExp::SaisonCourante(const TBD& bd) const
{
    if (bd.NbPeriodesAn == 0)
        throw ErreurModele("aucune période par an");
    return PeriodesAn.A<TPeriodeAn>((PeriodesMS.Nombre() - 1) % bd.NbPeriodesAn);
}

void TEspeceExp::Faire(uint8_t phase, TContexte* contexte)
{
    Garder("UEco/TEspeceExp.Faire", [&] {
        switch (phase) {
        case PhaseMortalite:
        case PhaseCaptures: PeriodesMS.DernierElement<TPeriodeMS>().Faire(phase, contexte); break;
        case PhaseOuverture: OuvrirPeriode(contexte); break;
        case PhaseRetour: RetirerPeriode(contexte); break;
        default: break;
        }
    });
}

// The graphs of a species fished by a métier are rows of the data set's
// graph catalogue, titled by the métier and the species.
void TEspeceExp::FaireDans(THote* fenetre, uint8_t code, TContexte* contexte)
{
    if (!Espece)
        throw ErreurModele("espèce exploitée inconnue");
    const std::string nom = contexte->En<TMetierEco>().Nom + " " + Espece->Nom;
    DonneesDe(contexte).OuvrirGrapheElement(TElementGraphe::EspeceExploitee, PeriodesMS, code, nom,
                                            fenetre, contexte);
}

void TEspeceExp::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

// --------------------------------------------------------------------- métiers

TMetierEco::TMetierEco(TLecteur& lecteur, TContexte& contexte)
{
    int32_t nbEspeces = 0;
    Garder("UEco/TMetierEco.Create", [&] {
        Nom = lecteur.LireChaine(QT_TRANSLATE_NOOP("Modele", "nom du métier"));
        lecteur.FinDeLigne();
        lecteur.SauterLigne(QT_TRANSLATE_NOOP("Modele", "ligne après le nom du métier"));
        CoutFixeAn = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "coût fixe annuel par navire"));
        lecteur.FinDeLigne();
        CoutJourMer = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "coût par jour de mer"));
        lecteur.FinDeLigne();
        Equipage = static_cast<uint8_t>(lecteur.LireEntierEntre(
            QT_TRANSLATE_NOOP("Modele", "équipage par navire"), 0, UINT8_MAX));
        lecteur.FinDeLigne();
        JoursMerInitial = static_cast<uint16_t>(lecteur.LireEntierEntre(
            QT_TRANSLATE_NOOP("Modele", "jours de mer par période"), 0, UINT16_MAX));
        lecteur.FinDeLigne();
        MaillageUsuel = lecteur.LireReel32(QT_TRANSLATE_NOOP("Modele", "maillage usuel"));
        lecteur.FinDeLigne();
        nbEspeces = lecteur.LireEntier(QT_TRANSLATE_NOOP("Modele", "nombre d'espèces exploitées"));
        lecteur.VerifierTaille(nbEspeces,
                               QT_TRANSLATE_NOOP("Modele", "nombre d'espèces exploitées"));
        lecteur.FinDeLigne();
    });
    for (int32_t i = 0; i < nbEspeces; ++i)
        EspecesExploitees.AjouterElement(std::make_unique<TEspeceExp>(lecteur, contexte),
                                         &contexte);
    lecteur.SauterLigne(QT_TRANSLATE_NOOP("Modele", "ligne avant la première condition du métier"));
    Inscrire(contexte);
    Conditions.AjouterElement(TCondition::Createpremier(lecteur, contexte), &contexte);
}

TCondition& TMetierEco::Courante() const
{
    return Conditions.DernierElement<TCondition>();
}

void TMetierEco::Faire(uint8_t phase, TContexte* contexte)
{
    // The program's exact text, without a dot before Faire (see Garder).
    Garder("UEco/TMetierEcoFaire", [&] {
        switch (phase) {
        case PhaseMortalite:
        case PhaseCaptures: EspecesExploitees.Faire(phase, contexte); break;
        case PhaseBilanMarginal: Courante().Bilanmarginal(*this); break;
        case PhaseBilanPeriode: Courante().Bilanperiode(*this, DonneesDe(contexte)); break;
        case PhaseOuverture:
            if (!contexte)
                throw ErreurModele("contexte absent");
            EspecesExploitees.Faire(phase, contexte);
            Conditions.AjouterElement(TCondition::CreateNouveau(*contexte), contexte);
            break;
        case PhaseRetour:
            // The open condition is dropped; the previous one reopens with
            // the measures of the undone period and zero accounts.
            if (Conditions.Nombre() > 1)
                Conditions.RetirerDernier(contexte);
            Courante().ZeroComptes();
            EspecesExploitees.Faire(phase, contexte);
            break;
        default: break;
        }
    });
}

// The graphs of a métier are rows of the data set's graph catalogue; those
// of the species it fishes are opened by each of them.
void TMetierEco::FaireDans(THote* fenetre, uint8_t code, TContexte* contexte)
{
    TBD& bd = DonneesDe(contexte);
    if (bd.GrapheDe(TElementGraphe::EspeceExploitee, code))
        EspecesExploitees.FaireDans(fenetre, code, contexte);
    else
        bd.OuvrirGrapheElement(TElementGraphe::Metier, Conditions, code, Nom, fenetre, contexte);
}

void TMetierEco::Inscrire(TContexte& contexte)
{
    contexte.Fixer(Emplacement, this);
}

} // namespace vasco
