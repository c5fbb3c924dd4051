// vasco-batch: runs a data file headless, with a management scenario, and
// writes one CSV row per simulated period on standard output.  It also
// replays a saved game (--partie), gives the contest balance of saved games
// (--bilan), draws many runs of one fishery for the quantiles of their
// figures (--tirages), gives the quantiles of a class's games of one fishery
// period by period (--comparer), and gives the fishery's equilibrium against
// the size of its fleets (--equilibre).
//
// Exit codes: 0 done; 1 the data file cannot be read (with --comparer: a
// game was left out); 2 a usage or scenario error; 3 the run failed
// otherwise (output not written, memory exhausted).

#include "batch/Comparer.h"
#include "batch/Csv.h"
#include "batch/Equilibre.h"
#include "batch/Partie.h"
#include "batch/Tirages.h"
#include "biology/UMath.h"
#include "dataset/UChamps.h"
#include "dataset/UEquilibre.h"
#include "dataset/UPartie.h"
#include "model/UNombres.h"
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using vasco::MaxPeriodes;

enum : int { Termine = 0, DonneesIllisibles = 1, ErreurUsage = 2, EchecExecution = 3 };

constexpr int64_t MaxTirages = 100000;
constexpr int64_t MaxFils = 1024;

constexpr const char* Usage =
    "Usage : vasco-batch [--scenario FICHIER] [--graine N] [--recrutement-aleatoire]\n"
    "                    [--croissance-aleatoire] DONNEES.vsc PERIODES\n"
    "        vasco-batch --partie PARTIE.vsp [PERIODES]\n"
    "        vasco-batch --bilan PARTIE.vsp...\n"
    "        vasco-batch --comparer [--fils T] PARTIE.vsp...\n"
    "        vasco-batch --tirages N [--graine G] [--fils T] [--scenario FICHIER]\n"
    "                    [--recrutement-aleatoire] [--croissance-aleatoire]\n"
    "                    DONNEES.vsc PERIODES\n"
    "        vasco-batch --equilibre [--facteurs DEBUT:FIN:PAS] [--annees A] [--metier NOM]\n"
    "                    [--tirages K [--graine G]] [--scenario FICHIER] [--fils T]\n"
    "                    DONNEES.vsc\n";

constexpr const char* Aide =
    "\n"
    "Charge la pêcherie décrite par DONNEES.vsc, applique le scénario de gestion,\n"
    "simule PERIODES périodes et écrit les résultats au format CSV sur la sortie\n"
    "standard : une ligne d'en-tête, puis une ligne par période simulée (bilan de la\n"
    "période, puis biomasses et captures de chaque espèce, puis comptes de chaque\n"
    "métier).\n"
    "\n"
    "Options :\n"
    "  --scenario FICHIER       mesures de gestion à appliquer en cours de simulation\n"
    "  --graine N               graine du générateur aléatoire (0 à 4294967295), pour\n"
    "                           des tirages reproductibles ; sans elle, l'horloge\n"
    "  --recrutement-aleatoire  recrutement aléatoire dès le chargement\n"
    "  --croissance-aleatoire   croissance aléatoire dès le chargement\n"
    "  --help                   affiche cette aide\n"
    "\n"
    "Scénario : une mesure par ligne ; les lignes vides et celles qui commencent\n"
    "par # sont ignorées.\n"
    "  PERIODE;metier;NOM;MESURE;VALEUR   MESURE : navires, maillage (mm), jours\n"
    "      (par période), subvention_an, subvention_jour, taxe (% du CA déclaré),\n"
    "      repression (%)\n"
    "  PERIODE;espece;NOM;MESURE;VALEUR   MESURE : quota (tonnes par période) ou\n"
    "      taille_min (cm) ; VALEUR off lève la mesure\n"
    "Une ligne s'applique quand PERIODE périodes ont été simulées (0 : avant la\n"
    "première), aux conditions de la période suivante ; les nombres s'écrivent\n"
    "avec un point ou une virgule décimale.\n"
    "\n"
    "Partie enregistrée (--partie PARTIE.vsp [PERIODES]) : rejoue la partie,\n"
    "avec sa graine, ses options et ses mesures, et écrit le CSV de son\n"
    "historique ; avec PERIODES, en simule autant, les dernières mesures restant\n"
    "en vigueur au-delà de la partie. Le fichier de données est cherché à\n"
    "l'emplacement écrit dans la partie, puis à côté d'elle, puis parmi les\n"
    "pêcheries d'exemple ; son empreinte SHA-256 doit être celle de la partie.\n"
    "\n"
    "Bilan (--bilan PARTIE.vsp...) : rejoue chaque partie et écrit une ligne par\n"
    "fichier : fichier,donnees,periodes,production,CA,benefices,bilan_social,erreur.\n"
    "Les quatre moyennes par période sont celles du bilan du concours, dans les\n"
    "unités du formulaire (production et montants divisés par le diviseur de leur\n"
    "échelle), avec 9 chiffres significatifs. Une partie inutilisable a ses\n"
    "chiffres vides et son message dans la colonne erreur.\n"
    "\n"
    "Tirages (--tirages N) : N simulations de la même pêcherie ; le tirage i\n"
    "(de 1 à N) a pour graine (G + i × 2654435761) modulo 2^32, où G est la graine\n"
    "donnée par --graine ou, sans elle, tirée de l'horloge. Chaque tirage donne\n"
    "exactement les nombres de vasco-batch --graine avec sa graine. La sortie a\n"
    "une colonne periode, puis pour chaque autre colonne du CSV ses quantiles à\n"
    "5 %, 50 % et 95 % (suffixes :q05, :q50, :q95) sur les N tirages : la valeur\n"
    "de rang ⌈q × N⌉ par ordre croissant ; une valeur qui n'est pas un nombre\n"
    "compte au-dessus de tous les nombres et donne un champ vide.\n"
    "  --fils T                 nombre de fils d'exécution (par défaut, autant que\n"
    "                           de processeurs) ; la sortie n'en dépend pas\n"
    "Les messages du tirage i sont écrits à la fin, dans l'ordre des tirages,\n"
    "précédés de « tirage i : ».\n"
    "\n"
    "Comparaison (--comparer PARTIE.vsp...) : les parties d'une même pêcherie,\n"
    "celles d'une classe, rejouées chacune jusqu'à sa dernière période. Le fichier\n"
    "de données est celui de la première partie qui s'ouvre, cherché comme avec\n"
    "--partie ; chaque partie est rejouée à partir de ce fichier. La sortie a les\n"
    "colonnes de --tirages : pour chaque période jusqu'à celle de la partie la plus\n"
    "longue, les quantiles à 5 %, 50 % et 95 % de chaque colonne du CSV sur les\n"
    "parties qui atteignent cette période. Une partie illisible, fautive ou d'un\n"
    "autre fichier de données est laissée de côté, avec sa raison sur la sortie\n"
    "d'erreur (« vasco-batch : PARTIE : raison ») ; sans aucune partie utilisable,\n"
    "rien n'est écrit sur la sortie standard. Les messages de chaque partie sont\n"
    "écrits à la fin, dans l'ordre des fichiers, précédés de « PARTIE : ».\n"
    "  --fils T                 nombre de fils d'exécution (par défaut, autant que\n"
    "                           de processeurs) ; la sortie n'en dépend pas\n"
    "\n"
    "Équilibre (--equilibre) : le nombre de navires de chaque métier en vigueur (celui\n"
    "du fichier, puis ceux du scénario à mesure qu'ils s'appliquent) est multiplié\n"
    "par un facteur f ; pour chaque f de la grille, la pêcherie est simulée depuis\n"
    "son stock vierge pendant A années, les autres mesures restant celles en\n"
    "vigueur. Chaque point est exactement la simulation simple dont le scénario\n"
    "écrirait ces nombres de navires.\n"
    "  --facteurs DEBUT:FIN:PAS  grille des facteurs (par défaut 0:3:0.05, 61 points ;\n"
    "                           au plus 1000 points)\n"
    "  --annees A               années simulées par point, de 20 à 1000 (par défaut 60)\n"
    "  --metier NOM             ne multiplie que les navires de ce métier\n"
    "  --tirages K              recrutement aléatoire, K tirages par point, le tirage i\n"
    "                           ayant la graine du tirage i de --tirages, la même pour\n"
    "                           chaque f ; --recrutement-aleatoire seul : K = 20\n"
    "  --fils T                 fils d'exécution ; la sortie n'en dépend pas\n"
    "Sortie : une ligne par facteur, colonnes point (vide), facteur, jours_mer\n"
    "(jours de mer de la flottille par période), PoidsDebarque, CA, Couts (CA moins\n"
    "bénéfice), Benefice (après taxe, subventions comprises), SubventionsNettes,\n"
    "Rente (bénéfice moins subventions nettes), Effectifs, puis pour chaque espèce\n"
    "ESPECE:BiomasseFeconde% (biomasse féconde en % de la vierge) : moyennes par\n"
    "période des 20 dernières années, dans les unités du modèle ; enfin stable (1 si\n"
    "la moyenne des 10 dernières années diffère de moins de 1 % de celle des 10\n"
    "précédentes pour le poids débarqué et chaque biomasse féconde, 0 sinon). Avec\n"
    "--tirages, chaque chiffre a trois colonnes :q05, :q50 et :q95 sur les tirages,\n"
    "et stable est la marque de la simulation du même facteur sans tirage.\n"
    "Suivent quatre lignes : RMD (poids débarqué le plus grand), REM (rente la plus\n"
    "grande), acces_libre (premier facteur au-delà du REM où le bénéfice tombe à 0,\n"
    "interpolé entre les deux points qui l'encadrent ; vide s'il n'y en a pas) et\n"
    "actuel (f = 1), trouvés sur les médianes ; à égalité, le plus petit facteur.\n"
    "\n"
    "Codes de sortie : 0 terminé ; 1 fichier de données illisible, introuvable\n"
    "ou changé (avec --comparer : une des parties au moins est laissée de côté) ;\n"
    "2 erreur d'usage, de scénario ou de partie (avec --bilan : une des parties\n"
    "au moins est inutilisable) ; 3 autre échec (sortie impossible à écrire...).\n";

struct TOptions {
    std::optional<std::string> Partie;
    bool Equilibre = false;
    std::optional<std::string> Facteurs;
    std::optional<int64_t> Annees;
    std::optional<std::string> Metier;
    bool Bilan = false;
    bool Comparer = false;
    std::vector<std::string> Parties; // of --bilan and --comparer
    std::optional<int64_t> Tirages;
    std::optional<int64_t> Fils;
    std::optional<std::string> Scenario;
    std::optional<uint32_t> Graine;
    bool Recrutement = false;
    bool Croissance = false;
    bool Aide = false;
    std::string Donnees;
    std::optional<int64_t> Periodes;
};

class ErreurOptions : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The value of an option: the next argument, or what follows '='.
std::string Valeur(std::span<char*> args, size_t& i, std::string_view option,
                   std::optional<std::string_view> colle)
{
    if (colle)
        return std::string(*colle);
    if (i + 1 >= args.size())
        throw ErreurOptions("l'option " + std::string(option) + " attend une valeur");
    return args[++i];
}

// Reads one option; false when the argument is not an option.
bool LireOption(TOptions& o, std::span<char*> args, size_t& i)
{
    std::string_view arg = args[i];
    if (!arg.starts_with("--"))
        return false;
    std::optional<std::string_view> colle;
    if (const size_t egal = arg.find('='); egal != std::string_view::npos) {
        colle = arg.substr(egal + 1);
        arg = arg.substr(0, egal);
    }
    if (arg == "--scenario") {
        o.Scenario = Valeur(args, i, arg, colle);
    } else if (arg == "--partie") {
        o.Partie = Valeur(args, i, arg, colle);
    } else if (arg == "--facteurs") {
        o.Facteurs = Valeur(args, i, arg, colle);
    } else if (arg == "--metier") {
        o.Metier = Valeur(args, i, arg, colle);
    } else if (arg == "--annees") {
        const std::string v = Valeur(args, i, arg, colle);
        const auto n = vasco::EntierStrict(v, 0, vasco::AnneesMax * 1000);
        if (!n)
            throw ErreurOptions("--annees : nombre entier de " + std::to_string(vasco::AnneesMin) +
                                " à " + std::to_string(vasco::AnneesMax) + " attendu, trouvé « " +
                                v + " »");
        o.Annees = *n;
    } else if (arg == "--tirages" || arg == "--fils") {
        const std::string v = Valeur(args, i, arg, colle);
        const int64_t max = arg == "--tirages" ? MaxTirages : MaxFils;
        const auto n = vasco::EntierStrict(v, 1, max);
        if (!n)
            throw ErreurOptions(std::string(arg) + " : nombre entier de 1 à " +
                                std::to_string(max) + " attendu, trouvé « " + v + " »");
        (arg == "--tirages" ? o.Tirages : o.Fils) = *n;
    } else if (arg == "--graine") {
        const std::string v = Valeur(args, i, arg, colle);
        const auto graine = vasco::EntierStrict(v, 0, UINT32_MAX);
        if (!graine)
            throw ErreurOptions("--graine : nombre entier de 0 à 4294967295 attendu, trouvé « " +
                                v + " »");
        o.Graine = static_cast<uint32_t>(*graine);
    } else if (colle) {
        throw ErreurOptions("l'option " + std::string(arg) + " ne prend pas de valeur");
    } else if (arg == "--recrutement-aleatoire") {
        o.Recrutement = true;
    } else if (arg == "--croissance-aleatoire") {
        o.Croissance = true;
    } else if (arg == "--bilan") {
        o.Bilan = true;
    } else if (arg == "--comparer") {
        o.Comparer = true;
    } else if (arg == "--equilibre") {
        o.Equilibre = true;
    } else if (arg == "--help") {
        o.Aide = true;
    } else {
        throw ErreurOptions("option inconnue « " + std::string(arg) + " »");
    }
    return true;
}

int64_t LirePeriodes(const std::string& texte)
{
    const auto periodes = vasco::EntierStrict(texte, 0, MaxPeriodes);
    if (!periodes)
        throw ErreurOptions("PERIODES : nombre entier de 0 à " + std::to_string(MaxPeriodes) +
                            " attendu, trouvé « " + texte + " »");
    return *periodes;
}

// --partie and --bilan: the game file sets the seed, the options and the
// measures, and --bilan reads only whole games.
void VerifierPartie(TOptions& o, std::vector<std::string>& positions)
{
    if (o.Partie && o.Bilan)
        throw ErreurOptions("--partie et --bilan ne vont pas ensemble");
    const char* mode = o.Partie ? "--partie" : "--bilan";
    if (o.Tirages)
        throw ErreurOptions(std::string("--tirages et ") + mode + " ne vont pas ensemble");
    if (o.Equilibre)
        throw ErreurOptions(std::string("--equilibre et ") + mode + " ne vont pas ensemble");
    if (o.Scenario || o.Graine || o.Recrutement || o.Croissance || o.Fils)
        throw ErreurOptions(std::string(mode) +
                            " : la partie fixe elle-même sa graine, ses options et ses mesures");
    if (o.Bilan) {
        if (positions.empty())
            throw ErreurOptions("--bilan : au moins un fichier de partie attendu");
        o.Parties = std::move(positions);
        return;
    }
    if (positions.size() > 1)
        throw ErreurOptions("--partie : un seul argument attendu après la partie, PERIODES");
    if (!positions.empty())
        o.Periodes = LirePeriodes(positions[0]);
}

// --comparer: the games set their seeds, options and measures; only the
// number of threads may be given.
void VerifierComparer(TOptions& o, std::vector<std::string>& positions)
{
    const std::pair<bool, const char*> autres[] = {{o.Partie.has_value(), "--partie"},
                                                   {o.Bilan, "--bilan"},
                                                   {o.Tirages.has_value(), "--tirages"},
                                                   {o.Equilibre, "--equilibre"}};
    for (const auto& [donnee, option] : autres)
        if (donnee)
            throw ErreurOptions(std::string(option) + " et --comparer ne vont pas ensemble");
    if (o.Scenario || o.Graine || o.Recrutement || o.Croissance)
        throw ErreurOptions(
            "--comparer : chaque partie fixe elle-même sa graine, ses options et ses mesures");
    if (o.Facteurs || o.Annees || o.Metier)
        throw ErreurOptions("--facteurs, --annees et --metier ne s'emploient qu'avec --equilibre");
    if (positions.empty())
        throw ErreurOptions("--comparer : au moins un fichier de partie attendu");
    o.Parties = std::move(positions);
}

// DEBUT:FIN:PAS, each number as a person types it.
void LireFacteurs(const std::string& texte, vasco::TParamEquilibre& p)
{
    const auto champs = vasco::Decouper(texte, ':');
    std::optional<long double> n[3];
    for (size_t i = 0; i < champs.size() && i < 3; ++i)
        n[i] = vasco::LireReel(champs[i]);
    if (champs.size() != 3 || !n[0] || !n[1] || !n[2])
        throw ErreurOptions("--facteurs : DEBUT:FIN:PAS attendu (par exemple 0:3:0.05), trouvé « " +
                            texte + " »");
    p.Debut = static_cast<double>(*n[0]);
    p.Fin = static_cast<double>(*n[1]);
    p.Pas = static_cast<double>(*n[2]);
}

// --equilibre: the grid and the years are checked by the model's own rule
// before anything is read.
void VerifierEquilibre(TOptions& o, const std::vector<std::string>& positions)
{
    if (o.Croissance)
        throw ErreurOptions("--equilibre : la croissance aléatoire n'est pas prévue, seul le "
                            "recrutement peut être aléatoire (--tirages)");
    if (o.Graine && !o.Tirages)
        throw ErreurOptions("--equilibre : --graine ne s'emploie qu'avec --tirages");
    if (positions.size() != 1)
        throw ErreurOptions("--equilibre : un seul argument attendu, DONNEES.vsc");
    o.Donnees = positions[0];
    vasco::TParamEquilibre p;
    if (o.Facteurs)
        LireFacteurs(*o.Facteurs, p);
    p.Annees = static_cast<int>(o.Annees.value_or(p.Annees));
    if (const auto refus = vasco::RefusEquilibre(p))
        throw ErreurOptions("--equilibre : " + *refus);
}

void VerifierSimulation(TOptions& o, const std::vector<std::string>& positions)
{
    if (o.Facteurs || o.Annees || o.Metier)
        throw ErreurOptions("--facteurs, --annees et --metier ne s'emploient qu'avec --equilibre");
    if (o.Fils && !o.Tirages)
        throw ErreurOptions("--fils ne s'emploie qu'avec --tirages, --equilibre ou --comparer");
    if (positions.size() != 2)
        throw ErreurOptions("deux arguments attendus, DONNEES.vsc et PERIODES");
    o.Donnees = positions[0];
    o.Periodes = LirePeriodes(positions[1]);
}

TOptions LireOptions(std::span<char*> args)
{
    TOptions o;
    std::vector<std::string> positions;
    bool options = true;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options && arg == "--")
            options = false;
        else if (options && arg == "-h")
            o.Aide = true;
        else if (!options || !LireOption(o, args, i))
            positions.emplace_back(arg);
    }
    if (o.Aide)
        return o;
    if (o.Comparer)
        VerifierComparer(o, positions);
    else if (o.Partie || o.Bilan)
        VerifierPartie(o, positions);
    else if (o.Equilibre)
        VerifierEquilibre(o, positions);
    else
        VerifierSimulation(o, positions);
    return o;
}

// Guard messages of the model, one per line on standard error.
void SignalerSurErreurStandard(const std::string& texte)
{
    std::string ligne = texte;
    for (char& c : ligne)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::cerr << ligne << '\n';
}

void SignalerLecture(const std::string& donnees, const vasco::ErreurLecture& e)
{
    std::cerr << "vasco-batch : " << donnees << " : "
              << (e.Ligne() > 0 ? std::string(e.what()) : e.Attendu()) << '\n';
}

// The seed and the two options act from the load on: the virgin stocks are
// built with them.
bool Charger(const TOptions& o, vasco::TBDVasco& bd)
{
    if (o.Graine)
        vasco::FixerGraine(*o.Graine);
    else
        vasco::GraineDepuisHorloge();
    try {
        bd.Charger(o.Donnees);
        return true;
    } catch (const vasco::ErreurLecture& e) {
        SignalerLecture(o.Donnees, e);
        return false;
    }
}

std::optional<vasco::TScenario> LireScenario(const TOptions& o, const vasco::TBDVasco& bd)
{
    if (!o.Scenario)
        return vasco::TScenario();
    const auto texte = vasco::LireTexte(*o.Scenario);
    if (!texte) {
        std::cerr << "vasco-batch : le scénario « " << *o.Scenario << " » ne peut pas être lu\n";
        return std::nullopt;
    }
    try {
        return vasco::LireScenario(*texte, bd);
    } catch (const vasco::ErreurScenario& e) {
        std::cerr << e.what() << '\n';
        return std::nullopt;
    }
}

int FinSortie()
{
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vasco-batch : écriture impossible sur la sortie standard\n";
        return EchecExecution;
    }
    return Termine;
}

int Executer(const TOptions& o)
{
    vasco::InstallerRecepteur(SignalerSurErreurStandard);
    vasco::THoteSansFenetre hote;
    hote.Recrutement = o.Recrutement;
    hote.Croissance = o.Croissance;
    vasco::TBDVasco bd(&hote);
    if (!Charger(o, bd))
        return DonneesIllisibles;
    const auto scenario = LireScenario(o, bd);
    if (!scenario)
        return ErreurUsage;
    vasco::Simuler(bd, *scenario, o.Periodes.value_or(0), std::cout);
    return FinSortie();
}

// The sample fisheries where a game's data file is looked for last: data/
// beside the program (the build folder), ../share/vasco/data once installed.
std::vector<std::filesystem::path> DossiersExemples(const char* programme)
{
    namespace fs = std::filesystem;
    std::error_code erreur;
    fs::path chemin = fs::read_symlink("/proc/self/exe", erreur);
    if (erreur)
        chemin = fs::absolute(programme, erreur);
    const fs::path dossier = chemin.parent_path();
    return {dossier / "data", dossier / ".." / "share" / "vasco" / "data"};
}

int ExecuterPartie(const TOptions& o, const std::vector<std::filesystem::path>& dossiers)
{
    vasco::InstallerRecepteur(SignalerSurErreurStandard);
    try {
        vasco::EcrireHistorique(*o.Partie, o.Periodes, dossiers, std::cout);
    } catch (const vasco::ErreurPartie& e) {
        std::cerr << e.Prefixe << e.what() << '\n';
        return e.Code;
    }
    return FinSortie();
}

int ExecuterBilan(const TOptions& o, const std::vector<std::filesystem::path>& dossiers)
{
    vasco::InstallerRecepteur(SignalerSurErreurStandard);
    const bool complet = vasco::EcrireBilans(o.Parties, dossiers, std::cout);
    const int code = FinSortie();
    return code == Termine && !complet ? ErreurUsage : code;
}

unsigned Fils(const TOptions& o)
{
    return static_cast<unsigned>(
        o.Fils.value_or(std::max<int64_t>(std::thread::hardware_concurrency(), 1)));
}

// Every game left out is named on standard error; the others are still
// compared.
int ExecuterComparaison(const TOptions& o, const std::vector<std::filesystem::path>& dossiers)
{
    vasco::InstallerRecepteur(SignalerSurErreurStandard);
    const bool complet =
        vasco::EcrireComparaison(o.Parties, dossiers, Fils(o), std::cout, std::cerr);
    const int code = FinSortie();
    return code == Termine && !complet ? DonneesIllisibles : code;
}

// Reads the data file's bytes once and checks them with a first load into
// `bd`: Termine, or the exit code once the reason is on standard error.  The
// runs report the load's guard messages themselves.
int ChargerOctets(const TOptions& o, vasco::TBDVasco& bd, std::string& octets)
{
    const auto contenu = vasco::LireTexte(o.Donnees);
    if (!contenu) {
        std::cerr << "vasco-batch : " << o.Donnees << " : le fichier ne peut pas être ouvert\n";
        return DonneesIllisibles;
    }
    octets = *contenu;
    const vasco::TRecepteurTemporaire silence([](const std::string&) {});
    try {
        vasco::TLecteur lecteur(octets);
        bd.Charger(lecteur);
    } catch (const vasco::ErreurLecture& e) {
        SignalerLecture(o.Donnees, e);
        return DonneesIllisibles;
    }
    return Termine;
}

// The data file is read once; a first load checks it and the scenario, whose
// lines then serve every run.
int ExecuterTirages(const TOptions& o)
{
    vasco::TTirages t;
    if (o.Graine) {
        t.Graine = *o.Graine;
    } else {
        vasco::GraineDepuisHorloge();
        t.Graine = vasco::Graine();
    }
    vasco::InstallerRecepteur(SignalerSurErreurStandard);
    vasco::THoteSansFenetre hote;
    hote.Recrutement = o.Recrutement;
    hote.Croissance = o.Croissance;
    vasco::TBDVasco bd(&hote);
    vasco::FixerGraine(vasco::GraineTirage(t.Graine, 1));
    if (const int code = ChargerOctets(o, bd, t.Donnees); code != Termine)
        return code;
    const auto scenario = LireScenario(o, bd);
    if (!scenario)
        return ErreurUsage;
    t.Colonnes = vasco::ColonnesCsv(bd);
    t.Scenario = &*scenario;
    t.Nombre = *o.Tirages;
    t.Periodes = o.Periodes.value_or(0);
    t.Recrutement = o.Recrutement;
    t.Croissance = o.Croissance;
    t.Fils = Fils(o);
    vasco::Tirer(t, std::cout, std::cerr);
    return FinSortie();
}

std::optional<int> MetierNomme(const vasco::TBDVasco& bd, const std::string& nom)
{
    for (int i = 0; i < bd.Metiers.Nombre(); ++i)
        if (bd.Metiers.A<vasco::TELaNom>(i).Nom == nom)
            return i;
    return std::nullopt;
}

// The data file is read once: a first load checks it, the scenario and the
// métier; every run then loads the same bytes.
int ExecuterEquilibre(const TOptions& o)
{
    vasco::InstallerRecepteur(SignalerSurErreurStandard);
    vasco::TParamEquilibre p;
    vasco::TBDVasco bd;
    if (const int code = ChargerOctets(o, bd, p.Donnees); code != Termine)
        return code;
    const auto scenario = LireScenario(o, bd);
    if (!scenario)
        return ErreurUsage;
    p.Scenario = *scenario;
    if (o.Metier) {
        p.Metier = MetierNomme(bd, *o.Metier);
        if (!p.Metier) {
            std::cerr << "vasco-batch : --metier : métier inconnu " << vasco::Cite(*o.Metier)
                      << "\n";
            return ErreurUsage;
        }
    }
    if (o.Facteurs)
        LireFacteurs(*o.Facteurs, p);
    p.Annees = static_cast<int>(o.Annees.value_or(p.Annees));
    p.Recrutement = o.Tirages || o.Recrutement;
    p.Tirages = o.Tirages.value_or(p.Tirages);
    if (o.Graine) {
        p.Graine = *o.Graine;
    } else if (p.Recrutement) {
        vasco::GraineDepuisHorloge();
        p.Graine = vasco::Graine();
    }
    p.Fils = Fils(o);
    const auto equilibre = vasco::CalculerEquilibre(p);
    vasco::EcrireEquilibre(*equilibre, p.Recrutement, std::cout);
    std::cerr << equilibre->Messages;
    return FinSortie();
}

} // namespace

int main(int argc, char** argv)
{
    TOptions options;
    try {
        options = LireOptions(std::span<char*>(argv, static_cast<size_t>(argc)));
    } catch (const ErreurOptions& e) {
        std::cerr << "vasco-batch : " << e.what() << '\n' << Usage;
        return ErreurUsage;
    }
    if (options.Aide) {
        std::cout << Usage << Aide;
        return Termine;
    }
    try {
        if (options.Partie)
            return ExecuterPartie(options, DossiersExemples(argv[0]));
        if (options.Comparer)
            return ExecuterComparaison(options, DossiersExemples(argv[0]));
        if (options.Bilan)
            return ExecuterBilan(options, DossiersExemples(argv[0]));
        if (options.Equilibre)
            return ExecuterEquilibre(options);
        if (options.Tirages)
            return ExecuterTirages(options);
        return Executer(options);
    } catch (const vasco::ErreurLecture& e) {
        SignalerLecture(options.Donnees, e);
        return DonneesIllisibles;
    } catch (const std::exception& e) {
        std::cerr << "vasco-batch : " << e.what() << '\n';
        return EchecExecution;
    }
}
