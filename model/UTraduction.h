// Texts of the model that a person reads in the window program: graph titles
// and menu labels of the catalogue, measure refusals, read errors.  They are
// written in French and marked with QT_TRANSLATE_NOOP, which Qt's lupdate
// collects into the translation files; the model itself never includes Qt.
//
// A text shown as it stands is translated by the window where it shows it.
// A text the model composes from pieces (a read error naming the value it
// expected, a graph title followed by a species name) is translated piece
// by piece when it is composed, through the translator the window program
// installs.  vasco-batch installs none: its texts stay in French, as its
// output is read by programs.
#pragma once

#include <initializer_list>
#include <string>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace vasco {

// The translation context of the model's texts.
inline constexpr const char* ContexteModele = "Modele";

using TTraducteur = std::string (*)(const char* contexte, const char* texte);

// The text in the language of the program (as written without a
// translator).
std::string Traduire(const char* texte, const char* contexte = ContexteModele);

// The translated pattern with %1, %2... replaced by the arguments, in
// order (an argument is inserted as it is: translate it first if it is a
// marked text).
std::string Composer(const char* modele, std::initializer_list<std::string> arguments,
                     const char* contexte = ContexteModele);

// Installs the translator and returns the previous one (null: none).
TTraducteur InstallerTraducteur(TTraducteur traducteur);

} // namespace vasco
