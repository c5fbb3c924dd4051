#include "dataset/UPartie.h"

#include "biology/UMath.h"
#include "biology/Ubiolo.h"
#include "dataset/UChamps.h"
#include "economics/Ueco.h"
#include "model/UNombres.h"
#include "model/USha256.h"
#include "model/UTraduction.h"
#include "model/Uhote.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <algorithm>
#include <cmath>

namespace vasco {

namespace {

// A whole number from 0 to max, in decimal digits, blanks around it.
std::optional<int64_t> Naturel(std::string_view s, int64_t max)
{
    return EntierStrict(Rogner(s), 0, max);
}

bool Hexadecimal(std::string_view s)
{
    return s.size() == 64 &&
           s.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

// The kinds of line of a game file.
enum class TGenre : uint8_t {
    Vide,
    Donnees,
    Graine,
    Options,
    Periodes,
    Mesure,
    Option,
    Generateur
};

constexpr std::string_view NomsEnTete[] = {"donnees", "graine", "options", "periodes"};

struct TLigneLue {
    TGenre Genre = TGenre::Vide;
    int64_t Periode = 0;
    std::string Texte;
    uint32_t Nombre = 0;
    bool Drapeaux[3] = {};
    TOptionAleatoire Option = TOptionAleatoire::Recrutement;
};

class TAnalyseur {
public:
    TAnalyseur(int numero, std::string_view document) : numero_(numero), document_(document) {}

    [[noreturn]] void Echec(const std::string& raison) const
    {
        throw ErreurScenario(numero_, raison, document_);
    }

    void NbChamps(const std::vector<std::string_view>& champs, size_t n, const char* forme) const
    {
        if (champs.size() != n)
            Echec(std::to_string(n) + " champs attendus (" + forme + "), trouvé " +
                  std::to_string(champs.size()));
    }

    bool Drapeau(std::string_view champ, const char* quoi) const
    {
        const std::string_view s = Rogner(champ);
        if (s != "0" && s != "1")
            Echec(std::string(quoi) + " : 0 ou 1 attendu, trouvé " + Cite(s));
        return s == "1";
    }

    // A line with its line end and blanks removed; Vide for a comment.
    TLigneLue Analyser(std::string_view ligne) const
    {
        TLigneLue l;
        const std::string_view utile = Rogner(ligne);
        if (utile.empty() || utile.front() == '#')
            return l;
        const std::vector<std::string_view> champs = Decouper(ligne);
        const std::string_view tete = Rogner(champs[0]);
        if (tete == "donnees") {
            // The path is everything between the first and the last ';'.
            const size_t premier = ligne.find(';');
            const size_t dernier = ligne.rfind(';');
            if (champs.size() < 3)
                Echec("donnees;CHEMIN;SHA256 attendu");
            l.Genre = TGenre::Donnees;
            l.Texte = std::string(ligne.substr(premier + 1, dernier - premier - 1));
            if (Rogner(l.Texte).empty())
                Echec("donnees : chemin du fichier de données attendu");
            const std::string_view empreinte = Rogner(ligne.substr(dernier + 1));
            if (!Hexadecimal(empreinte))
                Echec("donnees : empreinte SHA-256 de 64 chiffres hexadécimaux attendue, trouvé " +
                      Cite(empreinte));
            std::string minuscules(empreinte);
            for (char& c : minuscules)
                c = static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
            l.Nombre = 0;
            l.Texte += '\n' + minuscules;
            return l;
        }
        if (tete == "graine") {
            NbChamps(champs, 2, "graine;N");
            const auto g = Naturel(champs[1], UINT32_MAX);
            if (!g)
                Echec("graine : nombre entier de 0 à 4294967295 attendu, trouvé " +
                      Cite(Rogner(champs[1])));
            l.Genre = TGenre::Graine;
            l.Nombre = static_cast<uint32_t>(*g);
            return l;
        }
        if (tete == "options") {
            NbChamps(champs, 4, "options;R;C;K");
            l.Genre = TGenre::Options;
            l.Drapeaux[0] = Drapeau(champs[1], "options : recrutement aléatoire");
            l.Drapeaux[1] = Drapeau(champs[2], "options : croissance aléatoire");
            l.Drapeaux[2] = Drapeau(champs[3], "options : concours");
            return l;
        }
        if (tete == "periodes") {
            NbChamps(champs, 2, "periodes;N");
            const auto n = Naturel(champs[1], MaxPeriodes);
            if (!n)
                Echec("periodes : nombre entier de 0 à " + std::to_string(MaxPeriodes) +
                      " attendu, trouvé " + Cite(Rogner(champs[1])));
            l.Genre = TGenre::Periodes;
            l.Periode = *n;
            return l;
        }
        const std::string_view cible = champs.size() > 1 ? Rogner(champs[1]) : std::string_view{};
        if (cible == "option" || cible == "generateur") {
            const auto p = Naturel(champs[0], INT64_MAX / 2);
            if (!p)
                Echec(PeriodeAttendue(tete));
            l.Periode = *p;
            if (cible == "option") {
                NbChamps(champs, 5,
                         "PERIODE;option;;recrutement_aleatoire|croissance_aleatoire;0|1");
                const std::string_view nom = Rogner(champs[3]);
                if (nom != "recrutement_aleatoire" && nom != "croissance_aleatoire")
                    Echec("option inconnue " + Cite(nom) +
                          " (recrutement_aleatoire ou croissance_aleatoire attendu)");
                if (!Rogner(champs[2]).empty())
                    Echec("option : troisième champ vide attendu, trouvé " + Cite(champs[2]));
                l.Genre = TGenre::Option;
                l.Option = nom == "recrutement_aleatoire" ? TOptionAleatoire::Recrutement
                                                          : TOptionAleatoire::Croissance;
                l.Drapeaux[0] =
                    Drapeau(champs[4], nom == "recrutement_aleatoire" ? "recrutement_aleatoire"
                                                                      : "croissance_aleatoire");
                return l;
            }
            NbChamps(champs, 5, "PERIODE;generateur;;etat;N");
            if (!Rogner(champs[2]).empty() || Rogner(champs[3]) != "etat")
                Echec("generateur : PERIODE;generateur;;etat;N attendu");
            const auto e = Naturel(champs[4], UINT32_MAX);
            if (!e)
                Echec("generateur : état de 0 à 4294967295 attendu, trouvé " +
                      Cite(Rogner(champs[4])));
            l.Genre = TGenre::Generateur;
            l.Nombre = static_cast<uint32_t>(*e);
            return l;
        }
        l.Genre = TGenre::Mesure;
        return l;
    }

private:
    int numero_;
    std::string_view document_;
};

// The lines of a text, numbered from 1, their carriage returns dropped.
template <class F>
void ParLigne(std::string_view texte, F&& f)
{
    int numero = 0;
    for (size_t debut = 0; debut <= texte.size();) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos)
            fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        while (ligne.ends_with('\r'))
            ligne.remove_suffix(1);
        f(ligne, ++numero);
        debut = fin + 1;
    }
}

bool Meme(long double a, long double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

void Ligne(std::string& texte, int64_t p, std::string_view cible, std::string_view nom,
           std::string_view mesure, std::string_view valeur)
{
    texte += std::to_string(p);
    for (std::string_view champ : {cible, nom, mesure, valeur}) {
        texte += ';';
        texte += champ;
    }
    texte += '\n';
}

// The measure lines of one element between two states of its measures.
void LignesMesures(std::string& texte, int64_t p, bool espece, const std::string& nom,
                   const TValeursMesures& avant, const TValeursMesures& apres, int periodesAn)
{
    const std::string_view cible = espece ? "espece" : "metier";
    for (const TDefMesure& m : Mesures()) {
        if (m.SurEspece() != espece)
            continue;
        const TValeurEnVigueur& a = avant[static_cast<size_t>(m.Mesure)];
        const TValeurEnVigueur& b = apres[static_cast<size_t>(m.Mesure)];
        const bool valeur = !Meme(a.Valeur, b.Valeur);
        if (b.EnVigueur && (valeur || !a.EnVigueur)) {
            Ligne(texte, p, cible, nom, m.Nom, ValeurEcrite(m, b.Valeur, periodesAn));
        } else if (!b.EnVigueur && (valeur || a.EnVigueur)) {
            // A lifted measure keeps its value for when it is put in force
            // again: a new value that the table can store is written before
            // it is lifted.
            if (valeur &&
                m.Lire(ValeurEcrite(m, b.Valeur, periodesAn), periodesAn, TSaisie::Scenario)
                        .Refus == TRefus::Aucun)
                Ligne(texte, p, cible, nom, m.Nom, ValeurEcrite(m, b.Valeur, periodesAn));
            Ligne(texte, p, cible, nom, m.Nom, "off");
        }
    }
}

// Whether a line is one of a game file's own lines (header, option change,
// generator state); raises ErreurScenario, naming `document`, when its form
// is wrong.
bool LignePartieSeule(std::string_view ligne, int numero, std::string_view document)
{
    const TLigneLue l = TAnalyseur(numero, document).Analyser(ligne);
    return l.Genre != TGenre::Mesure && l.Genre != TGenre::Vide;
}

} // namespace

TScenario LireScenario(std::string_view octets, const TBDVasco& bd)
{
    // Scenarios are decoded as the data files are.
    const std::string texte = TexteUtf8(octets);
    std::vector<std::pair<int, std::string>> lignes;
    ParLigne(texte, [&](std::string_view ligne, int numero) {
        const std::string_view utile = Rogner(ligne);
        if (utile.empty() || utile.front() == '#')
            return;
        bool seule = false;
        try {
            seule = LignePartieSeule(ligne, numero, "scenario");
        } catch (const ErreurScenario&) {
            // The lines are checked in their order: a faulty measure line
            // above this one is the error to report.
            TScenario(lignes, bd, "scenario");
            throw;
        }
        if (!seule)
            lignes.emplace_back(numero, std::string(ligne));
    });
    return TScenario(lignes, bd, "scenario");
}

TPartie LirePartie(std::string_view octets)
{
    const std::string texte = TexteUtf8(octets);
    TPartie partie;
    bool vus[4] = {};
    int premierePeriode = 0;
    std::vector<std::pair<int, int64_t>> periodesLues;
    ParLigne(texte, [&](std::string_view ligne, int numero) {
        const TAnalyseur analyseur(numero, "partie");
        TLigneLue l = analyseur.Analyser(ligne);
        if (l.Genre == TGenre::Vide)
            return;
        const auto entete = static_cast<size_t>(l.Genre) - static_cast<size_t>(TGenre::Donnees);
        if (entete < 4) {
            if (premierePeriode)
                analyseur.Echec("ligne " + Cite(NomsEnTete[entete]) +
                                " après les lignes de période (en-tête attendu avant la ligne " +
                                std::to_string(premierePeriode) + ")");
            if (vus[entete])
                analyseur.Echec("ligne " + Cite(NomsEnTete[entete]) + " en double");
            vus[entete] = true;
        } else if (!premierePeriode) {
            for (size_t i = 0; i < 4; ++i)
                if (!vus[i])
                    analyseur.Echec("ligne " + Cite(NomsEnTete[i]) +
                                    " attendue avant les lignes de période");
            premierePeriode = numero;
        }
        switch (l.Genre) {
        case TGenre::Donnees: {
            const size_t fin = l.Texte.rfind('\n');
            partie.Donnees = l.Texte.substr(0, fin);
            partie.Empreinte = l.Texte.substr(fin + 1);
            break;
        }
        case TGenre::Graine: partie.Graine = l.Nombre; break;
        case TGenre::Options:
            partie.Recrutement = l.Drapeaux[0];
            partie.Croissance = l.Drapeaux[1];
            partie.Concours = l.Drapeaux[2];
            break;
        case TGenre::Periodes: partie.Periodes = l.Periode; break;
        case TGenre::Option:
            partie.Options.push_back({numero, l.Periode, l.Option, l.Drapeaux[0]});
            periodesLues.emplace_back(numero, l.Periode);
            break;
        case TGenre::Generateur:
            partie.Generateur.push_back({numero, l.Periode, l.Nombre});
            periodesLues.emplace_back(numero, l.Periode);
            break;
        case TGenre::Mesure: {
            const auto p = Naturel(Decouper(ligne)[0], INT64_MAX / 2);
            if (!p)
                analyseur.Echec(PeriodeAttendue(Rogner(Decouper(ligne)[0])));
            periodesLues.emplace_back(numero, *p);
            partie.LignesMesures.emplace_back(numero, std::string(ligne));
            break;
        }
        case TGenre::Vide: break;
        }
    });
    if (!premierePeriode) {
        // Reported on the last line (the empty piece after a final line
        // end is no line).
        int lignes = 0;
        ParLigne(texte, [&](std::string_view ligne, int numero) {
            if (!ligne.empty() || numero == 1)
                lignes = numero;
        });
        for (size_t i = 0; i < 4; ++i)
            if (!vus[i])
                throw ErreurScenario(lignes, "ligne " + Cite(NomsEnTete[i]) + " attendue",
                                     "partie");
    }
    for (const auto& [numero, p] : periodesLues)
        if (p > partie.Periodes)
            throw ErreurScenario(numero,
                                 "période " + std::to_string(p) + " au-delà des " +
                                     std::to_string(partie.Periodes) + " périodes de la partie",
                                 "partie");
    const auto parPeriode = [](const auto& a, const auto& b) { return a.Periode < b.Periode; };
    std::stable_sort(partie.Options.begin(), partie.Options.end(), parPeriode);
    std::stable_sort(partie.Generateur.begin(), partie.Generateur.end(), parPeriode);
    return partie;
}

TScenario TPartie::Mesures(const TBDVasco& bd) const
{
    return TScenario(LignesMesures, bd, "partie");
}

void AmorcerPartie(const TPartie& partie, THote& hote)
{
    FixerGraine(partie.Graine);
    hote.FixerAleatoire(partie.Recrutement, partie.Croissance);
}

void AppliquerPeriode(const TPartie& partie, const TScenario& mesures, int64_t p, TBDVasco& bd)
{
    const auto parPeriode = [](const auto& a, const auto& b) { return a.Periode < b.Periode; };
    {
        const auto [debut, fin] = std::equal_range(partie.Options.begin(), partie.Options.end(),
                                                   TLigneOption{.Periode = p}, parPeriode);
        if (debut != fin) {
            THote& hote = *bd.Hote();
            bool recrutement = hote.RecrutementAleatoire();
            bool croissance = hote.CroissanceAleatoire();
            for (auto l = debut; l != fin; ++l)
                (l->Option == TOptionAleatoire::Recrutement ? recrutement : croissance) = l->Valeur;
            hote.FixerAleatoire(recrutement, croissance);
        }
    }
    mesures.Appliquer(p, bd);
    const auto [debut, fin] = std::equal_range(partie.Generateur.begin(), partie.Generateur.end(),
                                               TLigneGenerateur{.Periode = p}, parPeriode);
    if (debut != fin)
        FixerGraine(std::prev(fin)->Etat);
}

void Rejouer(const TPartie& partie, const TScenario& mesures, int64_t periodes, TBDVasco& bd,
             const std::function<void(int64_t)>& suivi)
{
    if (suivi)
        suivi(0);
    for (int64_t p = 0; p < periodes; ++p) {
        AppliquerPeriode(partie, mesures, p, bd);
        bd.Pas();
        if (suivi)
            suivi(p + 1);
    }
    if (periodes == partie.Periodes)
        AppliquerPeriode(partie, mesures, periodes, bd);
}

std::string ValeurEcrite(const TDefMesure& mesure, long double stockee, int periodesAn)
{
    if (mesure.Entier)
        return std::to_string(static_cast<int64_t>(stockee));
    const auto relu = [&](const std::string& texte) {
        const TValeurMesure v = mesure.Lire(texte, periodesAn, TSaisie::Scenario);
        return v.Refus == TRefus::Aucun &&
               Meme(static_cast<float>(v.Stockee), static_cast<float>(stockee));
    };
    // The typed number is read into a float, then converted: the float
    // nearest the typed value, or one of its neighbours, gives the stored
    // float back.
    const long double saisi = mesure.Saisi(stockee, periodesAn);
    const float proche = static_cast<float>(saisi);
    std::string texte = NeufChiffres(static_cast<double>(proche));
    if (relu(texte))
        return texte;
    for (int pas = 1; pas <= 8; ++pas)
        for (float sens : {1.0f, -1.0f}) {
            float voisin = proche;
            for (int i = 0; i < pas; ++i)
                voisin = std::nextafter(voisin, sens * INFINITY);
            if (const std::string t = NeufChiffres(static_cast<double>(voisin)); relu(t))
                return t;
        }
    return texte;
}

std::string EcrirePartie(const TBDVasco& bd, std::string_view donnees, std::string_view empreinte,
                         bool concours)
{
    const TJournalPartie& j = bd.Journal;
    const int64_t n = bd.NbPeriodes();
    const int periodesAn = std::max<int>(bd.NbPeriodesAn, 1);
    std::string texte = "# Partie Vasco\n";
    texte += "donnees;" + std::string(donnees) + ';' + std::string(empreinte) + '\n';
    texte += "graine;" + std::to_string(j.Graine) + '\n';
    texte += std::string("options;") + (j.Recrutement ? '1' : '0') + ';' +
             (j.Croissance ? '1' : '0') + ';' + (concours ? '1' : '0') + '\n';
    texte += "periodes;" + std::to_string(n) + '\n';

    const THote& hote = *bd.Hote();
    for (int64_t p = 0; p <= n; ++p) {
        const auto pas = static_cast<size_t>(p);
        // The options of period p + 1 against those of period p.
        const bool r0 = p == 0 ? j.Recrutement : j.Pas[pas - 1].Recrutement;
        const bool c0 = p == 0 ? j.Croissance : j.Pas[pas - 1].Croissance;
        const bool r1 = p < n ? j.Pas[pas].Recrutement : hote.RecrutementAleatoire();
        const bool c1 = p < n ? j.Pas[pas].Croissance : hote.CroissanceAleatoire();
        if (r0 != r1)
            Ligne(texte, p, "option", "", "recrutement_aleatoire", r1 ? "1" : "0");
        if (c0 != c1)
            Ligne(texte, p, "option", "", "croissance_aleatoire", c1 ? "1" : "0");

        for (int i = 0; i < bd.Metiers.Nombre(); ++i) {
            const auto& metier = bd.Metiers.A<TMetierEco>(i);
            const TValeursMesures apres = ValeursMesures(metier.Conditions.A<TCondition>(p));
            const TValeursMesures avant =
                p == 0 ? j.Metiers.at(static_cast<size_t>(i))
                       : ValeursMesures(metier.Conditions.A<TCondition>(p - 1));
            LignesMesures(texte, p, false, metier.Nom, avant, apres, periodesAn);
        }
        for (int i = 0; i < bd.Especes.Nombre(); ++i) {
            const auto& espece = bd.Especes.A<TEspece>(i);
            const TValeursMesures apres = ValeursMesures(espece.Periodes.A<TPeriodeES>(p));
            const TValeursMesures avant =
                p == 0 ? j.Especes.at(static_cast<size_t>(i))
                       : ValeursMesures(espece.Periodes.A<TPeriodeES>(p - 1));
            LignesMesures(texte, p, true, espece.Nom, avant, apres, periodesAn);
        }

        // The generator's state before period p + 1, when the draws of
        // period p did not lead to it (a step back, then a new step).
        const uint32_t attendu = p == 0 ? j.EtatCharge : j.Pas[pas - 1].EtatApres;
        const uint32_t avant = p < n ? j.Pas[pas].EtatAvant : Graine();
        if (attendu != avant)
            Ligne(texte, p, "generateur", "", "etat", std::to_string(avant));
    }
    return texte;
}

TDonneesTrouvees TrouverDonnees(const TPartie& partie, const std::filesystem::path& fichierPartie,
                                std::span<const std::filesystem::path> dossiersExemples)
{
    namespace fs = std::filesystem;
    const fs::path ecrit(partie.Donnees);
    const fs::path dossier = fs::absolute(fichierPartie).parent_path();
    std::vector<fs::path> candidats = {ecrit.is_absolute() ? ecrit : dossier / ecrit,
                                       dossier / ecrit.filename()};
    for (const fs::path& d : dossiersExemples)
        candidats.push_back(d / ecrit.filename());

    TDonneesTrouvees trouve;
    for (const fs::path& c : candidats) {
        std::error_code erreur;
        if (!fs::is_regular_file(c, erreur))
            continue;
        auto contenu = LireTexte(c);
        if (!contenu)
            continue;
        const bool conforme = Sha256Hex(*contenu) == partie.Empreinte;
        if (conforme || trouve.Chemin.empty()) {
            trouve = {c, std::move(*contenu), conforme};
            if (conforme)
                break;
        }
    }
    return trouve;
}

std::string MessageDonneesChangees(const std::string& donnees)
{
    return Composer(QT_TRANSLATE_NOOP("Modele", "Le fichier de données %1 a changé depuis "
                                                "l'enregistrement de la partie"),
                    {std::filesystem::path(donnees).filename().string()});
}

std::string MessageDonneesIntrouvables(const std::string& donnees)
{
    return Composer(
        QT_TRANSLATE_NOOP("Modele", "Le fichier de données %1 de la partie est introuvable"),
        {std::filesystem::path(donnees).filename().string()});
}

std::string CheminDonnees(const std::filesystem::path& donnees,
                          const std::filesystem::path& fichierPartie)
{
    namespace fs = std::filesystem;
    const fs::path absolu = fs::weakly_canonical(fs::absolute(donnees));
    const fs::path dossier = fs::weakly_canonical(fs::absolute(fichierPartie).parent_path());
    const fs::path relatif = absolu.lexically_relative(dossier);
    if (!relatif.empty() && *relatif.begin() != "..")
        return relatif.generic_string();
    return absolu.generic_string();
}

} // namespace vasco
