// The graph windows as assistive technology sees them: a table of the
// values drawn, one row per column of the graph (its X label, then each
// series' value as the read-out rounds it), named and described by the
// window (see TFG::Decrire).  Any widget that offers its values as a table
// of words (TTableTexte) gets the same: the graph windows and the
// bio-economic diagram.
//
// Qt caches the table's interface and deletes it with the window.  Its
// cells are not objects: the table makes them when they are first asked
// for, registers them with Qt, and deletes them when the window draws a
// new picture or dies, so that no cell outlives what it reads.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>
#include <map>
#include <utility>

namespace vasco {

// What a window draws, as a table of words: rows of its points, a first
// column of their X labels, then one column per series.
class TTableTexte {
public:
    virtual ~TTableTexte() = default;
    virtual int LignesTexte() const = 0;
    virtual int ColonnesTexte() const = 0;
    virtual QString TexteCellule(int ligne, int colonne) const = 0;
    virtual QString EnTeteColonne(int colonne) const = 0;
    // Changes each time the table may have changed.
    virtual uint64_t VersionTexte() const = 0;
    // Where a row is drawn, in the widget's coordinates.
    virtual QRect ZoneLigne(int ligne) const = 0;
};

// Installs, once, the factory that gives each widget that is a TTableTexte
// its table.
void InstallerAccessibiliteGraphes();

class TFGAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    TFGAccessible(QWidget* fenetre, const TTableTexte* table);
    ~TFGAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* enfant) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int ligne, int colonne) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int colonne) const override;
    QString rowDescription(int ligne) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* evenement) override;

private:
    const TTableTexte* Graphe() const { return table_; }
    const TTableTexte* table_;
    // Drops the cells when the window's table is no longer the one they
    // were made for.
    void Suivre() const;
    void OublierCellules() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> cellules_;
    mutable uint64_t version_ = 0;
};

// One value of the table.  It reads the window through a guarded pointer,
// so a cell that a client still holds answers nothing once the window is
// gone.
class TCelluleFG : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TCelluleFG(QWidget* fenetre, const TTableTexte* table, int ligne, int colonne);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text quoi) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return colonne_; }
    int rowIndex() const override { return ligne_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    // The table, while its widget lives.
    const TTableTexte* Table() const { return fenetre_ ? table_ : nullptr; }
    QPointer<QWidget> fenetre_;
    const TTableTexte* table_;
    int ligne_, colonne_;
};

} // namespace vasco
