// The data-file reader: tokens, rest-of-line strings, line ends and skipped
// lines, the numbers it refuses, the line of an error, and the decoding of
// UTF-8 and Windows-1252 files.
#include "model/Ulecteur.h"
#include "tests/model/Outils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vasco {
namespace {

using test::Cite;

// One read of each kind, each naming what it expects.
const auto Entier = [](TLecteur& l) { return l.LireEntier("nombre de classes"); };
const auto Reel = [](TLecteur& l) { return l.LireReel("prix"); };
const auto Reel32 = [](TLecteur& l) { return l.LireReel32("poids"); };

template <class Lire>
auto Lu(const std::string& texte, Lire lire)
{
    TLecteur l(texte);
    return lire(l);
}

// What a read gives on each text.
template <class Lire>
auto Lus(std::initializer_list<const char*> textes, Lire lire)
{
    std::vector<decltype(Lu("", lire))> valeurs;
    for (const char* texte : textes)
        valeurs.push_back(Lu(texte, lire));
    return valeurs;
}

template <class Lire>
ErreurLecture ErreurDe(const std::string& texte, Lire lire)
{
    return test::ErreurDe([&] { Lu(texte, lire); });
}

// Each text is refused on line 1, naming the field and, with jeton, the
// token found.
template <class Lire>
void Refuses(std::initializer_list<const char*> textes, Lire lire, const char* champ,
             bool jeton = true)
{
    for (const char* texte : textes) {
        SCOPED_TRACE(texte);
        const ErreurLecture e = ErreurDe(texte, lire);
        EXPECT_EQ(e.Ligne(), 1);
        EXPECT_TRUE(Cite(e, champ)) << e.Attendu();
        EXPECT_TRUE(!jeton || Cite(e, texte)) << e.Attendu();
    }
}

TEST(Lecteur, ValeursCommentairesEtChaines)
{
    TLecteur l("12 commentaire 99\n"
               " \t-7\tautre 5.5 commentaire\n"
               "\n"
               "+5 3.25e-1\n");
    EXPECT_EQ(l.LireEntier("a"), 12);
    l.FinDeLigne();
    EXPECT_EQ(l.LireEntier("b"), -7);
    l.FinDeLigne();
    // Blank lines before a number are skipped.
    EXPECT_EQ(l.LireEntier("c"), 5);
    EXPECT_EQ(l.LireReel32("d"), 0.325f);
    EXPECT_EQ(l.Ligne(), 4);
    l.FinDeLigne();
    EXPECT_TRUE(l.FinDeFichier());
    // At the end of the file, dropping the rest of the line is harmless.
    l.FinDeLigne();
    EXPECT_EQ(l.Ligne(), 5);
    // Without the end of line, the comment is the next token.
    TLecteur sansFin("12 commentaire\n");
    sansFin.LireEntier("a");
    EXPECT_THROW(sansFin.LireEntier("b"), ErreurLecture);

    // A string is the rest of the line, blanks kept, without the carriage
    // return; the last line may lack its end.
    TLecteur s("  Merlu  blanc \t\r\n"
               "\r\n"
               "3 Langoustine\r\n"
               "Baudroie\r"
               "Raie");
    EXPECT_EQ(s.LireChaine("nom"), "  Merlu  blanc \t");
    s.FinDeLigne();
    EXPECT_EQ(s.LireChaine("nom"), ""); // an empty name line
    s.FinDeLigne();
    EXPECT_EQ(s.LireEntier("n"), 3);
    EXPECT_EQ(s.LireChaine("nom"), " Langoustine");
    s.FinDeLigne();
    EXPECT_EQ(s.LireChaine("nom"), "Baudroie");
    s.FinDeLigne();
    EXPECT_EQ(s.LireChaine("nom"), "Raie");
    EXPECT_EQ(s.Ligne(), 5);
    EXPECT_TRUE(s.FinDeFichier());
}

// "\r\n", "\n" and a lone "\r" each end one line, whether crossed by a
// token, a line end or a skipped line; so does "\r\r\n", a CRLF file
// converted twice, whose extra carriage return is a blank.
TEST(Lecteur, NumerosDeLigne)
{
    for (const std::string fin : {"\n", "\r\n", "\r", "\r\r\n", "\r\r\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(fin));
        TLecteur l("1 a" + fin + fin + "2" + fin + "saut" + fin + fin + "  x");
        EXPECT_EQ(l.LireEntier("un"), 1);
        l.FinDeLigne();
        EXPECT_EQ(l.Ligne(), 2);
        EXPECT_EQ(l.LireEntier("deux"), 2);
        EXPECT_EQ(l.Ligne(), 3);
        l.FinDeLigne();
        l.SauterLigne("ligne sautée");
        EXPECT_EQ(l.Ligne(), 5);
        EXPECT_EQ(test::ErreurDe([&] { l.LireEntier("nombre d'espèces"); }).Ligne(), 6);
    }
}

TEST(Lecteur, Nombres)
{
    EXPECT_EQ(Lus({"0", "-0", "+12", "007", "2147483647", "-2147483648", "\t\n  42\n"}, Entier),
              (std::vector<int32_t>{0, 0, 12, 7, INT32_MAX, INT32_MIN, 42}));
    // Beyond 32 bits, and beyond 64, as well.
    Refuses({"12abc", "abc", "1.5", "1e3", "0x1A", "+", "-", "+-1", "--1", "++1", "1,5", "12;",
             "١٢", "2147483648", "-2147483649", "4294967296", "99999999999999999999999999"},
            Entier, "nombre de classes");

    // Prices are kept in extended precision: 0.1 is not the double 0.1, and
    // 1e999 is finite, though not as a double.
    EXPECT_EQ(Lus({"1.5e3", "-2.5E-2", "+3.25", "7", "1e+2", "0.1", "1e999"}, Reel),
              (std::vector<long double>{1500, -0.025L, 3.25L, 7, 100, 0.1L, 1e999L}));
    EXPECT_NE(Lu("0.1", Reel), static_cast<long double>(0.1));
    EXPECT_EQ(Lus({"0.1", "-3.4e38"}, Reel32), (std::vector<float>{0.1f, -3.4e38f}));
    Refuses({"1,5",      "abc", "1.5.2", "1e",    "1.5e",   "e5",     "-",
             "+-2.5",    "--2", "0x1p3", "1.5kg", "inf",    "-inf",   "+inf",
             "infinity", "nan", "NaN",   "-nan",  "1e5000", "-1e5000"},
            Reel, "prix");
    // A 32-bit field refuses what overflows a float.
    Refuses({"1e999", "1e39", "-1e39", "3.5e38", "inf", "nan"}, Reel32, "poids", false);
}

TEST(Lecteur, FinDeFichierDansUnNombreUneChaineUneLigneSautee)
{
    EXPECT_EQ(ErreurDe(" \n \n\t", Entier).Ligne(), 3);
    const ErreurLecture apres = ErreurDe("3\n \n\t", [](TLecteur& l) {
        l.LireEntier("n");
        l.LireEntier("nombre de métiers");
    });
    EXPECT_EQ(apres.Ligne(), 3);
    EXPECT_TRUE(Cite(apres, "nombre de métiers"));
    EXPECT_TRUE(Cite(apres, "fin du fichier"));
    EXPECT_EQ(std::string(apres.what()), "ligne 3 : " + apres.Attendu());
    EXPECT_THROW(Lu("", Reel), ErreurLecture);

    // A string cut by the end of the file is read; none at all is an error.
    TLecteur l("Mer");
    EXPECT_EQ(l.LireChaine("nom"), "Mer");
    EXPECT_THROW(l.LireChaine("nom"), ErreurLecture);
    TLecteur nom("4\n");
    nom.LireEntier("n");
    nom.FinDeLigne();
    EXPECT_THROW(nom.LireChaine("nom de l'espèce"), ErreurLecture);

    // A last line without its end can be skipped; nothing after it.
    TLecteur s("abc");
    s.SauterLigne("ligne");
    EXPECT_THROW(s.SauterLigne("ligne"), ErreurLecture);
    EXPECT_TRUE(Cite(ErreurDe("", [](TLecteur& r) { r.SauterLigne("séparation"); }), "séparation"));
    EXPECT_THROW(TLecteur::DepuisFichier("/nonexistent/vasco/absent.vsc"), ErreurLecture);
}

TEST(Lecteur, ErreurCiteLeJetonTrouve)
{
    const ErreurLecture e = ErreurDe("2\n3\n  12abc suite\n", [](TLecteur& l) {
        l.LireEntier("a");
        l.FinDeLigne();
        l.LireEntier("b");
        l.FinDeLigne();
        l.LireEntier("nombre d'espèces");
    });
    EXPECT_EQ(e.Ligne(), 3);
    EXPECT_TRUE(Cite(e, "nombre d'espèces"));
    EXPECT_TRUE(Cite(e, "12abc"));
    EXPECT_FALSE(Cite(e, "suite"));
    // A huge token is not copied whole into the message.
    EXPECT_LT(ErreurDe(std::string(100000, '7') + "x", Entier).Attendu().size(), 200u);
}

// A list over 100 000 entries is refused at the line of its count; lists
// each small enough may still add up to a fishery that would take minutes
// to build: the whole file has its own bound.
TEST(Lecteur, TaillesBornees)
{
    TLecteur l("1\n2\n");
    l.LireEntier("a");
    l.FinDeLigne();
    for (int64_t n : {int64_t{100000}, int64_t{0}, INT64_MIN})
        l.VerifierTaille(n, "classes");
    const ErreurLecture e = test::ErreurDe([&] { l.VerifierTaille(100001, "nombre de classes"); });
    EXPECT_EQ(e.Ligne(), 2);
    EXPECT_TRUE(Cite(e, "nombre de classes"));
    EXPECT_THROW(l.VerifierTaille(INT64_MAX, "classes"), ErreurLecture);

    for (int i = 0; i < 10; ++i)
        l.CompterEntrees(TLecteur::MaxEntrees, "tailles");
    l.CompterEntrees(-7, "tailles");
    EXPECT_THROW(l.CompterEntrees(1, "tailles"), ErreurLecture);
}

// A leading byte-order mark is dropped; an older file in Windows-1252 gives
// the same names as its UTF-8 twin.
TEST(Lecteur, Codages)
{
    TLecteur l("\xEF\xBB\xBF"
               "4\n"
               "Années\n");
    EXPECT_EQ(l.LireEntier("périodes"), 4);
    l.FinDeLigne();
    EXPECT_EQ(l.LireChaine("titre"), "Années");
    EXPECT_EQ(TLecteur("\xEF\xBB\xBFSole\n").LireChaine("nom"), "Sole");
    EXPECT_TRUE(TLecteur("\xEF\xBB\xBF").FinDeFichier());

    TLecteur cp("2\nSole \xE9tag\xE9\x65 \x80 \x92\x9C\x8C\x96\n");
    TLecteur utf("2\nSole étagée € ’œŒ–\n");
    for (TLecteur* t : {&cp, &utf}) {
        EXPECT_EQ(t->LireEntier("n"), 2);
        t->FinDeLigne();
        EXPECT_EQ(t->LireChaine("nom"), "Sole étagée € ’œŒ–");
    }
    EXPECT_EQ(Cp1252VersUtf8("\x9F\xFF\xA0"), "Ÿÿ\xC2\xA0");
    EXPECT_EQ(Cp1252VersUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(Cp1252VersUtf8("a\tb"), "a\tb");

    EXPECT_TRUE(EstUtf8(""));
    EXPECT_TRUE(EstUtf8("é € 🐟 \x7F"));
    for (const std::string faux :
         {"\xE9", "a\xC3", "\xE2\x82", "\xF0\x9F\x90", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
          "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\x80", "\xC3\x28", "\xFF"}) {
        SCOPED_TRACE(testing::PrintToString(faux));
        EXPECT_FALSE(EstUtf8(faux));
    }
}

} // namespace
} // namespace vasco
