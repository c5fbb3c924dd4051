#include "shell/ULangue.h"

#include "model/UTraduction.h"
#include "shell/UReglages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace vasco {

namespace {

constexpr const char* CleLangue = "Langue";

struct TTraductions {
    std::unique_ptr<QTranslator> Programme;
    std::unique_ptr<QTranslator> Qt;
    bool Anglais = false;
};

TTraductions& Traductions()
{
    static TTraductions t;
    return t;
}

// The model's texts go through the same translation as the windows'.
std::string TraduireModele(const char* contexte, const char* texte)
{
    return QCoreApplication::translate(contexte, texte).toStdString();
}

void Retirer(std::unique_ptr<QTranslator>& traducteur)
{
    if (traducteur)
        QCoreApplication::removeTranslator(traducteur.get());
    traducteur.reset();
}

} // namespace

bool EnAnglais(TLangue choix, const QLocale& systeme)
{
    switch (choix) {
    case TLangue::Francais: return false;
    case TLangue::Anglais: return true;
    case TLangue::Systeme: break;
    }
    return systeme.language() == QLocale::English;
}

TLangue LangueEnregistree()
{
    const QString valeur = Reglages().value(CleLangue).toString();
    return valeur == "fr"   ? TLangue::Francais
           : valeur == "en" ? TLangue::Anglais
                            : TLangue::Systeme;
}

void EnregistrerLangue(TLangue choix)
{
    QSettings reglages = Reglages();
    switch (choix) {
    case TLangue::Francais: reglages.setValue(CleLangue, "fr"); break;
    case TLangue::Anglais: reglages.setValue(CleLangue, "en"); break;
    case TLangue::Systeme: reglages.remove(CleLangue); break;
    }
}

bool InstallerLangue(bool anglais)
{
    TTraductions& t = Traductions();
    Retirer(t.Programme);
    Retirer(t.Qt);
    InstallerTraducteur(nullptr);
    t.Anglais = false;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    bool charge = true;
    if (anglais) {
        auto programme = std::make_unique<QTranslator>();
        charge = programme->load(":/traductions/vasco_en.qm");
        if (charge) {
            QCoreApplication::installTranslator(programme.get());
            t.Programme = std::move(programme);
            InstallerTraducteur(TraduireModele);
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
            t.Anglais = true;
        }
    }
    // Qt's own dialogs are written in English: French needs their
    // translation.
    if (!t.Anglais) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::French, QLocale::France), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            t.Qt = std::move(qt);
        }
    }
    return charge;
}

bool ProgrammeEnAnglais()
{
    return Traductions().Anglais;
}

QString FichierAide()
{
    return ProgrammeEnAnglais() ? QStringLiteral("Vasco.en.hlp") : QStringLiteral("Vasco.hlp");
}

} // namespace vasco
