// The data-file reader: the token rules of the .vsc format.
//
// A number is the next blank-separated token, blanks and line ends before it
// skipped.  A string is the rest of the current line.  FinDeLigne() drops the
// rest of the line (so every value line may carry a comment) and SauterLigne()
// drops one whole line.  The file is untrusted: every failure raises
// ErreurLecture with the line number and what was expected.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vasco {

class TLecteur {
public:
    // Largest number of entries a count or a class range may build in one
    // list; more is a broken file, not a fishery.
    static constexpr int64_t MaxEntrees = 100000;
    // Largest number of size entries of a whole file: it bounds the memory
    // of a period and the hundred years of the virgin stocks, so that a
    // small broken file cannot freeze the program.
    static constexpr int64_t MaxEntreesFichier = 1000000;

    // The text is decoded first: a leading byte-order mark is dropped, and a
    // text that is not valid UTF-8 is taken as Windows-1252.
    explicit TLecteur(std::string_view octets);
    static TLecteur DepuisFichier(const std::filesystem::path& chemin);
    // The bytes of a file; raises ErreurLecture (line 0) when it cannot be
    // read.
    static std::string LireOctets(const std::filesystem::path& chemin);

    int32_t LireEntier(const char* quoi);
    // An integer stored in a narrower field: a value outside [min, max]
    // would wrap silently, so it is a broken file.
    int32_t LireEntierEntre(const char* quoi, int32_t min, int32_t max);
    // A real, finite, as read (extended precision, for prices).
    long double LireReel(const char* quoi);
    // A real stored as a 32-bit float: it must be finite as a float too.
    float LireReel32(const char* quoi);
    std::string LireChaine(const char* quoi);
    void FinDeLigne();
    void SauterLigne(const char* quoi);

    // Raises when n entries would exceed MaxEntrees (n may be computed from
    // several values, so it is 64-bit; n <= 0 builds nothing and passes).
    void VerifierTaille(int64_t n, const char* quoi) const;

    // Counts n entries against the file's total; raises beyond it.
    void CompterEntrees(int64_t n, const char* quoi);

    // Raises when a list of n entries numbered from premier, and the number
    // after its last, would not fit the lists' 32-bit numbering.
    void VerifierNumeros(int64_t premier, int64_t n, const char* quoi) const;

    [[noreturn]] void Echec(const std::string& attendu) const;
    int Ligne() const { return ligne_; }
    bool FinDeFichier() const { return pos_ >= texte_.size(); }

private:
    std::string_view Jeton(const char* quoi);
    // The length of the line end starting at pos (a '\r' or a '\n').
    size_t LongueurFinDeLigne(size_t pos) const;

    std::string texte_;
    size_t pos_ = 0;
    int ligne_ = 1;
    int64_t entrees_ = 0;
};

// The one decoder of the program's text files (data files and scenarios):
// a leading byte-order mark is dropped, and a text that is not valid UTF-8 is
// taken as Windows-1252, as older Windows editors saved it.
std::string TexteUtf8(std::string_view octets);
bool EstUtf8(std::string_view octets);
std::string Cp1252VersUtf8(std::string_view octets);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> LireTexte(const std::filesystem::path& chemin);

} // namespace vasco
