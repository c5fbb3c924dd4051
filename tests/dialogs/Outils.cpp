#include "tests/dialogs/Outils.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vasco::test {

namespace {

template <class T>
T* Controle(QDialog& dialogue, const char* nom)
{
    T* controle = dialogue.findChild<T*>(nom);
    if (!controle)
        throw std::runtime_error(std::string("contrôle absent : ") + nom);
    return controle;
}

int Presser(QDialog& dialogue, const char* bouton)
{
    QTest::mouseClick(Controle<QPushButton>(dialogue, bouton), Qt::LeftButton);
    return dialogue.result();
}

Affichage Observer(QDialog& dialogue)
{
    Affichage a;
    a.Titre = dialogue.windowTitle();
    if (QWidget* focus = dialogue.focusWidget())
        a.Focus = focus->objectName();
    for (QLineEdit* champ : dialogue.findChildren<QLineEdit*>()) {
        a.Textes[champ->objectName()] = champ->text();
        if (champ->isVisible())
            a.Visibles.push_back(champ->objectName());
    }
    for (QCheckBox* c : dialogue.findChildren<QCheckBox*>())
        a.Cases[c->objectName()] = c->isChecked();
    return a;
}

} // namespace

Etape Saisir(std::vector<std::pair<const char*, QString>> textes, const char* bouton)
{
    return Cocher({}, std::move(textes), bouton);
}

Etape Cocher(std::vector<const char*> cases, std::vector<std::pair<const char*, QString>> textes,
             const char* bouton)
{
    return [=](QDialog& dialogue) {
        for (const char* c : cases)
            QTest::mouseClick(Controle<QCheckBox>(dialogue, c), Qt::LeftButton, {},
                              QPoint(4, Controle<QCheckBox>(dialogue, c)->height() / 2));
        for (const auto& [nom, texte] : textes)
            Controle<QLineEdit>(dialogue, nom)->setText(texte);
        return Presser(dialogue, bouton);
    };
}

Etape Cliquer(const char* bouton)
{
    return [=](QDialog& dialogue) { return Presser(dialogue, bouton); };
}

void Script::Installer(TFenetreMere& fenetre)
{
    fenetre.Dialogues().Montrer = [this](QDialog& dialogue) {
        dialogue.setResult(0);
        dialogue.show();
        Vus.push_back(Observer(dialogue));
        if (etapes_.empty()) {
            ADD_FAILURE() << "dialogue imprévu : " << dialogue.windowTitle().toStdString();
            dialogue.hide();
            throw std::runtime_error("script épuisé");
        }
        const Etape etape = std::move(etapes_.front());
        etapes_.pop_front();
        const int resultat = etape(dialogue);
        dialogue.hide();
        return resultat;
    };
}

std::unique_ptr<TFenetreMere> FenetreChargee(const std::string& fichier)
{
    auto fenetre = std::make_unique<TFenetreMere>();
    EXPECT_TRUE(fenetre->ChargerFichier(QString::fromStdString(FichierDonnees(fichier))));
    return fenetre;
}

} // namespace vasco::test
