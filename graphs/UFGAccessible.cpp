#include "graphs/UFGAccessible.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

namespace vasco {

namespace {

QAccessibleInterface* Fabrique(const QString&, QObject* objet)
{
    auto* fenetre = qobject_cast<QWidget*>(objet);
    const auto* table = dynamic_cast<const TTableTexte*>(objet);
    if (fenetre && table)
        return new TFGAccessible(fenetre, table);
    return nullptr;
}

} // namespace

void InstallerAccessibiliteGraphes()
{
    static const bool installee = [] {
        QAccessible::installFactory(&Fabrique);
        return true;
    }();
    (void)installee;
}

TFGAccessible::TFGAccessible(QWidget* fenetre, const TTableTexte* table)
    : QAccessibleWidget(fenetre, QAccessible::Table), table_(table)
{
    version_ = table->VersionTexte();
}

TFGAccessible::~TFGAccessible()
{
    OublierCellules();
}

void TFGAccessible::OublierCellules() const
{
    // Taken out first: deleting a cell must not meet the map half cleared.
    const auto cellules = std::move(cellules_);
    cellules_.clear();
    for (const auto& [position, id] : cellules)
        QAccessible::deleteAccessibleInterface(id);
}

void TFGAccessible::Suivre() const
{
    const uint64_t version = Graphe()->VersionTexte();
    if (version == version_)
        return;
    OublierCellules();
    version_ = version;
}

void TFGAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    Suivre();
}

void* TFGAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int TFGAccessible::rowCount() const
{
    return Graphe()->LignesTexte();
}

int TFGAccessible::columnCount() const
{
    return Graphe()->ColonnesTexte();
}

int TFGAccessible::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* TFGAccessible::child(int index) const
{
    const int colonnes = columnCount();
    if (index < 0 || colonnes == 0)
        return nullptr;
    return cellAt(index / colonnes, index % colonnes);
}

int TFGAccessible::indexOfChild(const QAccessibleInterface* enfant) const
{
    // Only a cell of this table, made for the table as it is now, counts.
    Suivre();
    for (const auto& [position, id] : cellules_)
        if (QAccessible::accessibleInterface(id) == enfant)
            return position.first * columnCount() + position.second;
    return -1;
}

QAccessibleInterface* TFGAccessible::childAt(int x, int y) const
{
    const QPoint point = widget()->mapFromGlobal(QPoint(x, y));
    if (!widget()->rect().contains(point))
        return nullptr;
    for (int ligne = 0; ligne < rowCount(); ++ligne)
        if (Graphe()->ZoneLigne(ligne).contains(point))
            return cellAt(ligne, columnCount() > 1 ? 1 : 0);
    return nullptr;
}

QAccessibleInterface* TFGAccessible::cellAt(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= rowCount() || colonne < 0 || colonne >= columnCount())
        return nullptr;
    Suivre();
    const auto position = std::make_pair(ligne, colonne);
    const auto trouvee = cellules_.find(position);
    if (trouvee != cellules_.end())
        return QAccessible::accessibleInterface(trouvee->second);
    auto* cellule = new TCelluleFG(widget(), table_, ligne, colonne);
    cellules_[position] = QAccessible::registerAccessibleInterface(cellule);
    return cellule;
}

QString TFGAccessible::columnDescription(int colonne) const
{
    return Graphe()->EnTeteColonne(colonne);
}

QString TFGAccessible::rowDescription(int ligne) const
{
    return Graphe()->TexteCellule(ligne, 0);
}

TCelluleFG::TCelluleFG(QWidget* fenetre, const TTableTexte* table, int ligne, int colonne)
    : fenetre_(fenetre), table_(table), ligne_(ligne), colonne_(colonne)
{
}

bool TCelluleFG::isValid() const
{
    const TTableTexte* t = Table();
    return t && ligne_ < t->LignesTexte() && colonne_ < t->ColonnesTexte();
}

QWindow* TCelluleFG::window() const
{
    return fenetre_ ? fenetre_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TCelluleFG::parent() const
{
    return fenetre_ ? QAccessible::queryAccessibleInterface(fenetre_.data()) : nullptr;
}

QString TCelluleFG::text(QAccessible::Text quoi) const
{
    const TTableTexte* t = Table();
    if (!t)
        return {};
    switch (quoi) {
    case QAccessible::Name: return t->TexteCellule(ligne_, colonne_);
    case QAccessible::Description:
        //: A cell of a graph's table of values: its column's name, its value.
        return QCoreApplication::translate("vasco::TFG", "%1 : %2")
            .arg(t->EnTeteColonne(colonne_), t->TexteCellule(ligne_, colonne_));
    default: return {};
    }
}

QRect TCelluleFG::rect() const
{
    const TTableTexte* t = Table();
    if (!t)
        return {};
    const QRect zone = t->ZoneLigne(ligne_);
    return zone.isNull() ? QRect() : QRect(fenetre_->mapToGlobal(zone.topLeft()), zone.size());
}

QAccessible::State TCelluleFG::state() const
{
    QAccessible::State etat;
    etat.readOnly = true;
    if (!fenetre_ || !fenetre_->isVisible())
        etat.invisible = true;
    return etat;
}

void* TCelluleFG::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

} // namespace vasco
