// The data-file reader: tokens, rest-of-line strings, line ends and skipped
// lines, the numbers it refuses, the line of an error, and the decoding of
// UTF-8 and Windows-1252 files.
#include "model/Ulecteur.h"
#include "model/Umessages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vasco {
namespace {

// The read error of a single integer, real or string read from a text.
template <class Lire>
ErreurLecture ErreurDe(const std::string& texte, Lire lire)
{
    TLecteur l(texte);
    try {
        lire(l);
    } catch (const ErreurLecture& e) {
        return e;
    }
    ADD_FAILURE() << "« " << texte << " » a été lu sans erreur";
    return ErreurLecture(-1, "");
}

ErreurLecture ErreurEntier(const std::string& texte)
{
    return ErreurDe(texte, [](TLecteur& l) { l.LireEntier("nombre de classes"); });
}

ErreurLecture ErreurReel(const std::string& texte)
{
    return ErreurDe(texte, [](TLecteur& l) { l.LireReel("prix"); });
}

ErreurLecture ErreurReel32(const std::string& texte)
{
    return ErreurDe(texte, [](TLecteur& l) { l.LireReel32("poids"); });
}

int32_t Entier(const std::string& texte)
{
    TLecteur l(texte);
    return l.LireEntier("entier");
}

long double Reel(const std::string& texte)
{
    TLecteur l(texte);
    return l.LireReel("réel");
}

float Reel32(const std::string& texte)
{
    TLecteur l(texte);
    return l.LireReel32("réel");
}

TEST(Lecteur, ValeursSuiviesDeCommentaires)
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
}

TEST(Lecteur, ChainesGardentLeursBlancsSansLeRetourChariot)
{
    TLecteur l("  Merlu  blanc \t\r\n"
               "\r\n"
               "Sole commune\n"
               "3 Langoustine\r\n"
               "Baudroie\r"
               "Raie");
    EXPECT_EQ(l.LireChaine("nom"), "  Merlu  blanc \t");
    l.FinDeLigne();
    EXPECT_EQ(l.LireChaine("nom"), ""); // an empty name line
    l.FinDeLigne();
    EXPECT_EQ(l.LireChaine("nom"), "Sole commune");
    l.FinDeLigne();
    // A string is the rest of the line from where reading stands.
    EXPECT_EQ(l.LireEntier("n"), 3);
    EXPECT_EQ(l.LireChaine("nom"), " Langoustine");
    l.FinDeLigne();
    EXPECT_EQ(l.LireChaine("nom"), "Baudroie");
    l.FinDeLigne();
    EXPECT_EQ(l.LireChaine("nom"), "Raie"); // last line without its end
    EXPECT_EQ(l.Ligne(), 6);
    EXPECT_TRUE(l.FinDeFichier());
}

// "\r\n", "\n" and a lone "\r" each end one line, whether crossed by a
// token, a line end or a skipped line.
TEST(Lecteur, NumerosDeLigne)
{
    for (const std::string fin : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(fin));
        const std::string texte = "1 a" + fin + fin + "2" + fin + "saut" + fin + fin + "  x";
        TLecteur l(texte);
        EXPECT_EQ(l.LireEntier("un"), 1);
        l.FinDeLigne();
        EXPECT_EQ(l.Ligne(), 2);
        EXPECT_EQ(l.LireEntier("deux"), 2);
        EXPECT_EQ(l.Ligne(), 3);
        l.FinDeLigne();
        l.SauterLigne("ligne sautée");
        EXPECT_EQ(l.Ligne(), 5);
        try {
            l.LireEntier("nombre d'espèces");
            ADD_FAILURE() << "« x » lu comme un entier";
        } catch (const ErreurLecture& e) {
            EXPECT_EQ(e.Ligne(), 6);
        }
    }
}

TEST(Lecteur, Entiers)
{
    EXPECT_EQ(Entier("0"), 0);
    EXPECT_EQ(Entier("-0"), 0);
    EXPECT_EQ(Entier("+12"), 12);
    EXPECT_EQ(Entier("007"), 7);
    EXPECT_EQ(Entier("2147483647"), INT32_MAX);
    EXPECT_EQ(Entier("-2147483648"), INT32_MIN);
    EXPECT_EQ(Entier("\t\n  42\n"), 42);

    for (const char* faux : {"12abc", "abc", "1.5", "1e3", "0x1A", "+", "-", "+-1", "--1", "++1",
                             "1,5", "12;", "١٢"}) {
        SCOPED_TRACE(faux);
        const ErreurLecture e = ErreurEntier(faux);
        EXPECT_EQ(e.Ligne(), 1);
        EXPECT_NE(e.Attendu().find("nombre de classes"), std::string::npos);
        EXPECT_NE(e.Attendu().find(faux), std::string::npos) << e.Attendu();
    }
    // Beyond 32 bits, and beyond 64.
    for (const char* grand :
         {"2147483648", "-2147483649", "4294967296", "99999999999999999999999999"}) {
        SCOPED_TRACE(grand);
        EXPECT_EQ(ErreurEntier(grand).Ligne(), 1);
    }
}

TEST(Lecteur, Reels)
{
    EXPECT_EQ(Reel("1.5e3"), 1500);
    EXPECT_EQ(Reel("-2.5E-2"), -0.025L);
    EXPECT_EQ(Reel("+3.25"), 3.25L);
    EXPECT_EQ(Reel("7"), 7);
    EXPECT_EQ(Reel("1e+2"), 100);
    // Prices are kept in extended precision: 0.1 is not the double 0.1.
    EXPECT_EQ(Reel("0.1"), 0.1L);
    EXPECT_NE(Reel("0.1"), static_cast<long double>(0.1));
    // Finite in extended precision, though not as a double.
    EXPECT_EQ(Reel("1e999"), 1e999L);
    EXPECT_EQ(Reel32("0.1"), 0.1f);
    EXPECT_EQ(Reel32("-3.4e38"), -3.4e38f);

    for (const char* faux : {"1,5",      "abc", "1.5.2", "1e",    "1.5e",   "e5",     "-",
                             "+-2.5",    "--2", "0x1p3", "1.5kg", "inf",    "-inf",   "+inf",
                             "infinity", "nan", "NaN",   "-nan",  "1e5000", "-1e5000"}) {
        SCOPED_TRACE(faux);
        const ErreurLecture e = ErreurReel(faux);
        EXPECT_EQ(e.Ligne(), 1);
        EXPECT_NE(e.Attendu().find("prix"), std::string::npos);
        EXPECT_NE(e.Attendu().find(faux), std::string::npos) << e.Attendu();
    }
    // A 32-bit field refuses what overflows a float.
    for (const char* grand : {"1e999", "1e39", "-1e39", "3.5e38", "inf", "nan"}) {
        SCOPED_TRACE(grand);
        const ErreurLecture e = ErreurReel32(grand);
        EXPECT_NE(e.Attendu().find("poids"), std::string::npos);
    }
}

TEST(Lecteur, FinDeFichierDansUnNombreUneChaineUneLigneSautee)
{
    // A token is cut by the end of the file: what is there is read.
    EXPECT_EQ(Entier("12"), 12);
    EXPECT_EQ(ErreurReel("1.5e").Ligne(), 1);
    EXPECT_EQ(ErreurEntier("-").Ligne(), 1);

    const ErreurLecture vide = ErreurEntier(" \n \n\t");
    EXPECT_EQ(vide.Ligne(), 3);
    const ErreurLecture apres = ErreurDe("3\n \n\t", [](TLecteur& l) {
        l.LireEntier("n");
        l.LireEntier("nombre de métiers");
    });
    EXPECT_EQ(apres.Ligne(), 3);
    EXPECT_NE(apres.Attendu().find("nombre de métiers"), std::string::npos);
    EXPECT_NE(apres.Attendu().find("fin du fichier"), std::string::npos);
    EXPECT_EQ(std::string(apres.what()), "ligne 3 : " + apres.Attendu());

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
    const ErreurLecture saut = ErreurDe("", [](TLecteur& r) { r.SauterLigne("séparation"); });
    EXPECT_NE(saut.Attendu().find("séparation"), std::string::npos);
    EXPECT_THROW(s.SauterLigne("ligne"), ErreurLecture);
    EXPECT_THROW(TLecteur("").LireReel("x"), ErreurLecture);
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
    EXPECT_NE(e.Attendu().find("nombre d'espèces"), std::string::npos);
    EXPECT_NE(e.Attendu().find("12abc"), std::string::npos);
    EXPECT_EQ(e.Attendu().find("suite"), std::string::npos);

    // A huge token is not copied whole into the message.
    const ErreurLecture long_ = ErreurEntier(std::string(100000, '7') + "x");
    EXPECT_LT(long_.Attendu().size(), 200u);
}

TEST(Lecteur, VerifierTailleAuDelaDe100000)
{
    TLecteur l("1\n2\n");
    l.LireEntier("a");
    l.FinDeLigne();
    l.VerifierTaille(100000, "classes");
    l.VerifierTaille(0, "classes");
    l.VerifierTaille(-5, "classes");
    l.VerifierTaille(INT64_MIN, "classes");
    try {
        l.VerifierTaille(100001, "nombre de classes");
        ADD_FAILURE() << "100 001 entrées admises";
    } catch (const ErreurLecture& e) {
        EXPECT_EQ(e.Ligne(), 2);
        EXPECT_NE(e.Attendu().find("nombre de classes"), std::string::npos);
    }
    EXPECT_THROW(l.VerifierTaille(INT64_MAX, "classes"), ErreurLecture);
}

// Lists that are each small enough may still add up to a fishery that
// would take minutes to build: the whole file has its own bound.
TEST(Lecteur, EntreesDuFichierBornees)
{
    TLecteur l("1\n");
    for (int i = 0; i < 10; ++i)
        l.CompterEntrees(TLecteur::MaxEntrees, "tailles");
    l.CompterEntrees(-7, "tailles");
    EXPECT_THROW(l.CompterEntrees(1, "tailles"), ErreurLecture);
}

TEST(Lecteur, Utf8AvecMarqueDOrdre)
{
    TLecteur l("\xEF\xBB\xBF"
               "4\n"
               "Années\n");
    EXPECT_EQ(l.LireEntier("périodes"), 4);
    l.FinDeLigne();
    EXPECT_EQ(l.LireChaine("titre"), "Années");

    TLecteur nom("\xEF\xBB\xBF"
                 "Sole\n");
    EXPECT_EQ(nom.LireChaine("nom"), "Sole");
    // Only a leading mark is dropped.
    TLecteur seul("\xEF\xBB\xBF");
    EXPECT_TRUE(seul.FinDeFichier());
}

// An older file in Windows-1252 gives the same names as its UTF-8 twin.
TEST(Lecteur, Windows1252LuCommeUtf8)
{
    TLecteur cp("2\nSole \xE9tag\xE9\x65 \x80 \x92\x9C\x8C\x96\n");
    TLecteur utf("2\nSole étagée € ’œŒ–\n");
    for (TLecteur* l : {&cp, &utf}) {
        EXPECT_EQ(l->LireEntier("n"), 2);
        l->FinDeLigne();
        EXPECT_EQ(l->LireChaine("nom"), "Sole étagée € ’œŒ–");
    }

    EXPECT_EQ(Cp1252VersUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252VersUtf8("\xE9"), "é");
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

TEST(Lecteur, FichierAbsent)
{
    EXPECT_THROW(TLecteur::DepuisFichier("/nonexistent/vasco/absent.vsc"), ErreurLecture);
}

} // namespace
} // namespace vasco
