// vasco-batch: runs a data file headless, with a management scenario, and
// writes one CSV row per simulated period on standard output.
//
// Exit codes: 0 done; 1 the data file cannot be read; 2 a usage or scenario
// error; 3 the run failed otherwise (output not written, memory exhausted).

#include "batch/Scenario.h"
#include "biology/UMath.h"
#include "model/Umessages.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

enum : int { Termine = 0, DonneesIllisibles = 1, ErreurUsage = 2, EchecExecution = 3 };

constexpr int64_t MaxPeriodes = 1000000;

constexpr const char* Usage =
    "Usage : vasco-batch [--scenario FICHIER] [--graine N] [--recrutement-aleatoire]\n"
    "                    [--croissance-aleatoire] DONNEES.vsc PERIODES\n";

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
    "avec un point décimal.\n"
    "\n"
    "Codes de sortie : 0 terminé ; 1 fichier de données illisible ; 2 erreur\n"
    "d'usage ou de scénario ; 3 autre échec (sortie impossible à écrire...).\n";

struct TOptions {
    std::optional<std::string> Scenario;
    std::optional<uint32_t> Graine;
    bool Recrutement = false;
    bool Croissance = false;
    bool Aide = false;
    std::string Donnees;
    int64_t Periodes = 0;
};

class ErreurOptions : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A whole number from min to max, written in decimal digits.
std::optional<int64_t> Entier(std::string_view s, int64_t min, int64_t max)
{
    if (s.empty() || s.size() > 18 || s.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int64_t v = std::stoll(std::string(s));
    if (v < min || v > max)
        return std::nullopt;
    return v;
}

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
    } else if (arg == "--graine") {
        const std::string v = Valeur(args, i, arg, colle);
        const auto graine = Entier(v, 0, UINT32_MAX);
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
    } else if (arg == "--help") {
        o.Aide = true;
    } else {
        throw ErreurOptions("option inconnue « " + std::string(arg) + " »");
    }
    return true;
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
    if (positions.size() != 2)
        throw ErreurOptions("deux arguments attendus, DONNEES.vsc et PERIODES");
    o.Donnees = positions[0];
    const auto periodes = Entier(positions[1], 0, MaxPeriodes);
    if (!periodes)
        throw ErreurOptions("PERIODES : nombre entier de 0 à " + std::to_string(MaxPeriodes) +
                            " attendu, trouvé « " + positions[1] + " »");
    o.Periodes = *periodes;
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
        std::cerr << "vasco-batch : " << o.Donnees << " : "
                  << (e.Ligne() > 0 ? std::string(e.what()) : e.Attendu()) << '\n';
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
        return vasco::TScenario(*texte, bd);
    } catch (const vasco::ErreurScenario& e) {
        std::cerr << e.what() << '\n';
        return std::nullopt;
    }
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
    vasco::Simuler(bd, *scenario, o.Periodes, std::cout);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vasco-batch : écriture impossible sur la sortie standard\n";
        return EchecExecution;
    }
    return Termine;
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
        return Executer(options);
    } catch (const std::exception& e) {
        std::cerr << "vasco-batch : " << e.what() << '\n';
        return EchecExecution;
    }
}
