// Helpers of the dialog tests: a script that answers the modal dialogs of
// the main window, and a main window loaded with a data file.
#pragma once

#include "shell/Mere.h"
#include "shell/MereDialogues.h"
#include "tests/support/Support.h"

#include <QDialog>
#include <QString>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vasco::test {

// What one display of a dialog showed when the script met it.
struct Affichage {
    QString Titre;
    QString Focus;                     // object name of the focused widget
    std::map<QString, QString> Textes; // every visible line edit, by name
    std::map<QString, bool> Cases;     // every check box, by name
    std::vector<QString> Visibles;     // names of the visible line edits
};

// One answer: acts on the shown dialog and returns its result.
using Etape = std::function<int(QDialog&)>;

// Types texts into the named edits, then clicks the named button.
Etape Saisir(std::vector<std::pair<const char*, QString>> textes, const char* bouton);
// Clicks the named check boxes (in order), types the texts, clicks the button.
Etape Cocher(std::vector<const char*> cases, std::vector<std::pair<const char*, QString>> textes,
             const char* bouton);
Etape Cliquer(const char* bouton);

// Answers the modal dialogs in order; more displays than answers fail the
// test and end the command (the handler's guard reports it).
class Script {
public:
    Script& operator<<(Etape etape)
    {
        etapes_.push_back(std::move(etape));
        return *this;
    }
    // The seam: installs the script as the main window's way of showing
    // a modal dialog.
    void Installer(TFenetreMere& fenetre);
    bool Fini() const { return etapes_.empty(); }

    std::vector<Affichage> Vus;

private:
    std::deque<Etape> etapes_;
};

// A main window with a data file of data/ loaded, option marks as at start.
std::unique_ptr<TFenetreMere> FenetreChargee(const std::string& fichier = "golfe.vsc");

} // namespace vasco::test
