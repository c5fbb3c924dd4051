// The language of the program: French, its own, or English through Qt's
// translation system.  Until the user chooses, nothing is stored and the
// system locale decides (QLocale::system(), which reads LANGUAGE, LC_ALL,
// LC_MESSAGES, then LANG): an English locale gives English, every other
// gives French.  The choice of "Options | Langue / Language" is stored with
// QSettings and applies at the next start.
#pragma once

#include <QLocale>
#include <QString>

namespace vasco {

enum class TLangue : uint8_t { Systeme, Francais, Anglais };

// Whether a choice speaks English on a system of that locale.
bool EnAnglais(TLangue choix, const QLocale& systeme);

// The stored choice (Systeme when none is stored), and storing one.
TLangue LangueEnregistree();
void EnregistrerLangue(TLangue choix);

// Installs the translations of the program's texts, of the model's texts
// and of Qt's own dialogs for that language (French: the texts as written,
// Qt's dialogs in French when its translation is installed), and makes it
// the default locale (the decimals a listener hears).  False when
// English is asked and the translation cannot be loaded (the program then
// speaks French).
bool InstallerLangue(bool anglais);
// Whether the program speaks English now.
bool ProgrammeEnAnglais();

// The help file of the language spoken: Vasco.hlp or Vasco.en.hlp.
QString FichierAide();

} // namespace vasco
