#include "shell/UAide.h"

#include <QFile>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

namespace vasco {

namespace {

const QString SchemaAide = QStringLiteral("aide");

QUrl AdresseSujet(int contexte)
{
    return QUrl(SchemaAide + ':' + QString::number(contexte));
}

const char* const StyleAide = R"(
h1 { color: #0b2a52; font-size: x-large; }
h2 { color: #1d5fa0; font-size: large; }
a { color: #1d5fa0; }
td, th { padding: 2px 8px; }
th { background-color: #dfe9f5; text-align: left; }
.note { background-color: #fff6d6; }
)";

} // namespace

std::map<int, TSujetAide> LireFichierAide(const QString& chemin)
{
    std::map<int, TSujetAide> sujets;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return sujets;
    static const QRegularExpression entete(QStringLiteral(R"(^@sujet\s+(\d+)\s*(.*)$)"));
    TSujetAide* courant = nullptr;
    const QString texte = QString::fromUtf8(fichier.readAll());
    for (const QString& ligne : texte.split('\n')) {
        const auto trouve = entete.match(ligne);
        if (trouve.hasMatch()) {
            bool nombre = false;
            const int contexte = trouve.captured(1).toInt(&nombre);
            courant = nombre ? &sujets[contexte] : nullptr;
            if (courant)
                *courant = {trouve.captured(2).trimmed(), {}};
        } else if (courant) {
            courant->Html += ligne + '\n';
        }
    }
    return sujets;
}

QVariant TNavigateurAide::loadResource(int type, const QUrl& nom)
{
    if (nom.scheme() != SchemaAide)
        return QTextBrowser::loadResource(type, nom);
    bool nombre = false;
    const int contexte = nom.path().toInt(&nombre);
    const auto sujet = Sujets.find(nombre ? contexte : 0);
    if (sujet == Sujets.end())
        return QStringLiteral("<p>%1</p>").arg(TAide::tr("Cette rubrique de l'aide n'existe pas."));
    return QStringLiteral("<h1>%1</h1>\n%2").arg(sujet->second.Titre, sujet->second.Html);
}

TAide::TAide(QWidget* parent) : QWidget(parent, Qt::Window), navigateur_(new TNavigateurAide)
{
    setObjectName("Aide");
    setWindowTitle(tr("Aide de Vasco"));
    resize(720, 560);
    navigateur_->setObjectName("NavigateurAide");
    navigateur_->document()->setDefaultStyleSheet(QString::fromUtf8(StyleAide));

    auto* sommaire = new QToolButton;
    sommaire->setText(tr("&Sommaire"));
    precedent_ = new QToolButton;
    precedent_->setText(tr("< &Précédent"));
    suivant_ = new QToolButton;
    suivant_->setText(tr("Su&ivant >"));
    precedent_->setEnabled(false);
    suivant_->setEnabled(false);
    connect(sommaire, &QToolButton::clicked, this, [this] { Afficher(0); });
    connect(precedent_, &QToolButton::clicked, navigateur_, &QTextBrowser::backward);
    connect(suivant_, &QToolButton::clicked, navigateur_, &QTextBrowser::forward);
    connect(navigateur_, &QTextBrowser::backwardAvailable, precedent_, &QWidget::setEnabled);
    connect(navigateur_, &QTextBrowser::forwardAvailable, suivant_, &QWidget::setEnabled);
    connect(navigateur_, &QTextBrowser::sourceChanged, this, &TAide::SourceChangee);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(sommaire);
    boutons->addWidget(precedent_);
    boutons->addWidget(suivant_);
    boutons->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(boutons);
    colonne->addWidget(navigateur_);
}

bool TAide::Charger(const QString& chemin)
{
    navigateur_->Sujets = LireFichierAide(chemin);
    return Charge();
}

void TAide::Afficher(int contexte)
{
    if (navigateur_->Sujets.find(contexte) == navigateur_->Sujets.end())
        contexte = 0;
    if (contexte == contexte_)
        return;
    navigateur_->setSource(AdresseSujet(contexte), QTextDocument::HtmlResource);
}

void TAide::SourceChangee(const QUrl& source)
{
    bool nombre = false;
    const int contexte = source.path().toInt(&nombre);
    contexte_ = nombre ? contexte : 0;
    const auto sujet = navigateur_->Sujets.find(contexte_);
    setWindowTitle(sujet == navigateur_->Sujets.end()
                       ? tr("Aide de Vasco")
                       : tr("Aide de Vasco – %1").arg(sujet->second.Titre));
}

} // namespace vasco
