#include "model/UNombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace vasco {

namespace {

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

// The text after its leading blanks and one explicit '+'.  A '+' before
// another sign, or alone, is left for the conversion to refuse.
std::string_view SansPrefixe(std::string_view s)
{
    s.remove_prefix(std::min(s.find_first_not_of(" \t"), s.size()));
    if (s.size() > 1 && s[0] == '+' && s[1] != '+' && s[1] != '-')
        s.remove_prefix(1);
    return s;
}

// The power of ten of the first significant digit of a decimal number that
// the conversion read whole but found out of range: positive when it is too
// large, negative when too small.  Only its sign matters, and a number out
// of range is thousands of orders away from 1, so the exponent is counted
// up to a bound far beyond that instead of overflowing.
int64_t Ordre(std::string_view s)
{
    constexpr int64_t Borne = int64_t{1} << 40;
    size_t i = s.empty() || s[0] != '-' ? 0 : 1;
    int64_t entiers = 0, zeros = 0;
    bool significatif = false;
    for (; i < s.size() && EstChiffre(s[i]); ++i) {
        if (significatif || s[i] != '0') {
            significatif = true;
            ++entiers;
        }
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && EstChiffre(s[i]); ++i) {
            if (!significatif && s[i] == '0')
                ++zeros;
            else
                significatif = true;
        }
    }
    int64_t ordre = entiers > 0 ? entiers - 1 : -(zeros + 1);
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negatif = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+'))
            ++i;
        int64_t exposant = 0;
        for (; i < s.size() && EstChiffre(s[i]); ++i)
            exposant = std::min(Borne, exposant * 10 + (s[i] - '0'));
        ordre += negatif ? -exposant : exposant;
    }
    return ordre;
}

} // namespace

std::optional<long double> LireReel(std::string_view texte)
{
    std::string s(SansPrefixe(texte));
    if (std::count(s.begin(), s.end(), ',') == 1 && s.find('.') == std::string::npos)
        s[s.find(',')] = '.';
    if (s.empty())
        return std::nullopt;
    long double v = 0;
    const char* fin = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data(), fin, v, std::chars_format::general);
    if (p != fin)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        const long double signe = s.front() == '-' ? -1.0L : 1.0L;
        return Ordre(s) > 0 ? signe * HUGE_VALL : signe * 0.0L;
    }
    if (ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int64_t> LireEntier(std::string_view texte)
{
    const std::string_view s = SansPrefixe(texte);
    if (s.empty())
        return std::nullopt;
    int64_t v = 0;
    const char* fin = s.data() + s.size();
    const auto [p, ec] = std::from_chars(s.data(), fin, v);
    if (p != fin)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return s.front() == '-' ? INT64_MIN : INT64_MAX;
    if (ec != std::errc())
        return std::nullopt;
    return v;
}

std::optional<int64_t> EntierStrict(std::string_view texte, int64_t min, int64_t max)
{
    if (texte.empty() || texte.size() > 18 ||
        texte.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int64_t v = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), v);
    if (v < min || v > max)
        return std::nullopt;
    return v;
}

namespace {

template <class T>
std::string Chiffres(T v)
{
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 9);
    return std::string(tampon, r.ptr);
}

} // namespace

std::string NeufChiffres(double v)
{
    return Chiffres(v);
}

std::string NeufChiffres(long double v)
{
    return Chiffres(v);
}

} // namespace vasco
