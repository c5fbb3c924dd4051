#include "model/Ulecteur.h"

#include "model/UTraduction.h"
#include "model/Umessages.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

namespace vasco {

namespace {

bool EstBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool EstFinDeLigne(char c)
{
    return c == '\n' || c == '\r';
}

// A token quoted in a read error is cut at this length.
constexpr size_t LongueurCitee = 40;

// The code points of 0x80..0x9F in Windows-1252; the five unused bytes keep
// their C1 code point, as Windows itself decodes them.
constexpr char32_t Cp1252Haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AjouterUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

bool EstUtf8(std::string_view octets)
{
    size_t i = 0;
    const size_t n = octets.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(octets[i]);
        int suite;
        char32_t min;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            suite = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (n - i <= static_cast<size_t>(suite))
            return false;
        char32_t v = c & (0x3F >> suite);
        for (int k = 1; k <= suite; ++k) {
            const auto d = static_cast<unsigned char>(octets[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            v = (v << 6) | (d & 0x3F);
        }
        if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
            return false;
        i += suite + 1;
    }
    return true;
}

std::string Cp1252VersUtf8(std::string_view octets)
{
    std::string s;
    s.reserve(octets.size() + octets.size() / 8);
    for (char o : octets) {
        const auto c = static_cast<unsigned char>(o);
        if (c < 0x80)
            s += o;
        else if (c < 0xA0)
            AjouterUtf8(s, Cp1252Haut[c - 0x80]);
        else
            AjouterUtf8(s, c);
    }
    return s;
}

std::string TexteUtf8(std::string_view octets)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (octets.starts_with(bom))
        octets.remove_prefix(bom.size());
    return EstUtf8(octets) ? std::string(octets) : Cp1252VersUtf8(octets);
}

TLecteur::TLecteur(std::string_view octets) : texte_(TexteUtf8(octets)) {}

TLecteur TLecteur::DepuisFichier(const std::filesystem::path& chemin)
{
    return TLecteur(LireOctets(chemin));
}

std::optional<std::string> LireTexte(const std::filesystem::path& chemin)
{
    try {
        return TLecteur::LireOctets(chemin);
    } catch (const ErreurLecture&) {
        return std::nullopt;
    }
}

std::string TLecteur::LireOctets(const std::filesystem::path& chemin)
{
    std::error_code ec;
    if (!std::filesystem::exists(chemin, ec))
        throw ErreurLecture(
            0, Traduire(QT_TRANSLATE_NOOP("Modele", "le fichier ne peut pas être ouvert")));
    if (!std::filesystem::is_regular_file(chemin, ec))
        throw ErreurLecture(
            0, Traduire(QT_TRANSLATE_NOOP("Modele", "ce n'est pas un fichier ordinaire")));
    std::ifstream f(chemin, std::ios::binary);
    if (!f)
        throw ErreurLecture(
            0, Traduire(QT_TRANSLATE_NOOP("Modele", "le fichier ne peut pas être ouvert")));
    std::string octets;
    try {
        octets.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        throw ErreurLecture(
            0, Traduire(QT_TRANSLATE_NOOP("Modele", "le fichier ne peut pas être lu")));
    }
    if (f.bad())
        throw ErreurLecture(
            0, Traduire(QT_TRANSLATE_NOOP("Modele", "le fichier ne peut pas être lu")));
    return octets;
}

void TLecteur::Echec(const std::string& attendu) const
{
    throw ErreurLecture(ligne_, attendu);
}

// A line ends with "\n", "\r\n" or a lone "\r".  Carriage returns just
// before a "\n" are blanks of the line: "\r\r\n" is what a CRLF file
// converted twice looks like, and it ends one line, not two.
size_t TLecteur::LongueurFinDeLigne(size_t pos) const
{
    if (texte_[pos] == '\n')
        return 1;
    size_t fin = pos;
    while (fin < texte_.size() && texte_[fin] == '\r')
        ++fin;
    return fin < texte_.size() && texte_[fin] == '\n' ? fin - pos + 1 : 1;
}

std::string_view TLecteur::Jeton(const char* quoi)
{
    while (pos_ < texte_.size() && EstBlanc(texte_[pos_])) {
        if (EstFinDeLigne(texte_[pos_])) {
            pos_ += LongueurFinDeLigne(pos_);
            ++ligne_;
        } else {
            ++pos_;
        }
    }
    if (pos_ >= texte_.size())
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 attendu, fin du fichier atteinte"),
                       {Traduire(quoi)}));
    const size_t debut = pos_;
    while (pos_ < texte_.size() && !EstBlanc(texte_[pos_]))
        ++pos_;
    return std::string_view(texte_).substr(debut, pos_ - debut);
}

namespace {

// A leading '+' is allowed, but not before another sign.
std::string_view SansPlus(std::string_view jeton)
{
    if (jeton.size() > 1 && jeton.front() == '+' && jeton[1] != '-')
        jeton.remove_prefix(1);
    return jeton;
}

} // namespace

int32_t TLecteur::LireEntier(const char* quoi)
{
    const std::string_view jeton = Jeton(quoi);
    const std::string_view chiffres = SansPlus(jeton);
    int64_t valeur = 0;
    const auto [fin, ec] =
        std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur);
    if (chiffres.empty() || ec != std::errc() || fin != chiffres.data() + chiffres.size())
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 attendu (nombre entier), trouvé %2"),
                       {Traduire(quoi), Cite(jeton, LongueurCitee)}));
    if (valeur < INT32_MIN || valeur > INT32_MAX)
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 attendu, nombre entier trop grand : %2"),
                       {Traduire(quoi), Cite(jeton, LongueurCitee)}));
    return static_cast<int32_t>(valeur);
}

int32_t TLecteur::LireEntierEntre(const char* quoi, int32_t min, int32_t max)
{
    const int32_t v = LireEntier(quoi);
    if (v < min || v > max)
        Echec(Composer(
            QT_TRANSLATE_NOOP("Modele", "%1 : entier de %2 à %3 attendu, trouvé %4"),
            {Traduire(quoi), std::to_string(min), std::to_string(max), std::to_string(v)}));
    return v;
}

long double TLecteur::LireReel(const char* quoi)
{
    const std::string_view jeton = Jeton(quoi);
    const std::string_view chiffres = SansPlus(jeton);
    long double valeur = 0;
    const auto [fin, ec] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(),
                                           valeur, std::chars_format::general);
    if (chiffres.empty() || ec != std::errc() || fin != chiffres.data() + chiffres.size() ||
        !std::isfinite(valeur))
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 attendu (nombre réel fini), trouvé %2"),
                       {Traduire(quoi), Cite(jeton, LongueurCitee)}));
    return valeur;
}

float TLecteur::LireReel32(const char* quoi)
{
    const long double valeur = LireReel(quoi);
    const auto f = static_cast<float>(valeur);
    if (!std::isfinite(f))
        Echec(
            Composer(QT_TRANSLATE_NOOP("Modele", "%1 : nombre réel trop grand"), {Traduire(quoi)}));
    return f;
}

std::string TLecteur::LireChaine(const char* quoi)
{
    if (pos_ >= texte_.size())
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 attendu, fin du fichier atteinte"),
                       {Traduire(quoi)}));
    const size_t debut = pos_;
    while (pos_ < texte_.size() && !EstFinDeLigne(texte_[pos_]))
        ++pos_;
    return texte_.substr(debut, pos_ - debut);
}

void TLecteur::FinDeLigne()
{
    while (pos_ < texte_.size() && !EstFinDeLigne(texte_[pos_]))
        ++pos_;
    if (pos_ >= texte_.size())
        return;
    pos_ += LongueurFinDeLigne(pos_);
    ++ligne_;
}

void TLecteur::SauterLigne(const char* quoi)
{
    if (pos_ >= texte_.size())
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 attendue, fin du fichier atteinte"),
                       {Traduire(quoi)}));
    FinDeLigne();
}

void TLecteur::CompterEntrees(int64_t n, const char* quoi)
{
    entrees_ += std::max<int64_t>(n, 0);
    if (entrees_ > MaxEntreesFichier)
        Echec(Composer(QT_TRANSLATE_NOOP(
                           "Modele", "%1 : le fichier décrit plus de %2 entrées de taille en tout"),
                       {Traduire(quoi), std::to_string(MaxEntreesFichier)}));
}

void TLecteur::VerifierNumeros(int64_t premier, int64_t n, const char* quoi) const
{
    if (premier + std::max<int64_t>(n, 0) > INT32_MAX)
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 : numéros de classe trop grands"),
                       {Traduire(quoi)}));
}

void TLecteur::VerifierTaille(int64_t n, const char* quoi) const
{
    if (n > MaxEntrees)
        Echec(Composer(QT_TRANSLATE_NOOP("Modele", "%1 : %2 entrées, au plus %3 sont admises"),
                       {Traduire(quoi), std::to_string(n), std::to_string(MaxEntrees)}));
}

} // namespace vasco
