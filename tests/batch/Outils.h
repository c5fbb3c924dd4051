// Running the vasco-batch program from the tests, and reading its CSV.
#pragma once

#include <string>
#include <vector>

namespace vasco::test {

struct Execution {
    int Code = -1; // exit code, -1 when the program did not exit normally
    std::string Sortie;
    std::string Erreurs;
};

// Runs vasco-batch with these arguments (each passed as one word).
Execution Lancer(const std::vector<std::string>& arguments);

// A file of the test's own temporary folder holding this text.
std::string FichierTemporaire(const std::string& nom, const std::string& texte);

// The CSV written by vasco-batch: header fields and rows of numbers.
struct Tableau {
    std::vector<std::string> Colonnes;
    std::vector<std::vector<std::string>> Lignes;

    // The number of row p (from 1) in the named column; fails the test when
    // the column or the row is missing.
    double Valeur(int p, const std::string& colonne) const;
};

Tableau LireCsv(const std::string& texte);

} // namespace vasco::test
