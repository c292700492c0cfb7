#pragma once

#include "wizards/dialogparts.h"
#include "wizards/tablemarkup.h"

#include <QColor>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The cell grid: one row of column titles and one column of row titles (the table's
// header labels), and a cell per table cell. What is typed lives in a store of its own, so
// it outlives any one size of the grid.
class Tremplitableau : public QDialog, public SharedInstance<Tremplitableau>
{
    Q_OBJECT

public:
    explicit Tremplitableau(QWidget *parent = nullptr);

    // Sizes the grid to `rows` x `columns` cells, titles them and shows the counts' texts.
    void prepare(int rows, int columns, const QString &rowsText, const QString &columnsText);

    const tablemarkup::CellTexts &cells() const { return m_cells; }
    QTableWidget *grid() const { return m_grid; }

    void FormActivate();
    // "Effacer": empties the cells of the grid's current size.
    void BitBtn1Click();

private:
    void cellChanged(QTableWidgetItem *item);

    tablemarkup::CellTexts m_cells;
    QTableWidget *m_grid;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QLabel *m_label4;
    QPushButton *m_clear;
    QPushButton *m_ok;
    bool m_filling = false;
};

// The table dialog: the table's size and attributes.
class TTab : public QDialog, public SharedInstance<TTab>
{
    Q_OBJECT

public:
    explicit TTab(QWidget *parent = nullptr);

    QString rowsText() const;
    QString columnsText() const;
    tablemarkup::Table answers() const;

    void FormActivate();
    void CheckBox1Click();
    void Button1Click();
    // "Editeur de tableau".
    void BitBtn1Click();

private:
    QComboBox *m_rows;
    QComboBox *m_columns;
    QComboBox *m_width;
    QComboBox *m_height;
    QLineEdit *m_border;
    QLineEdit *m_padding;
    QLineEdit *m_spacing;
    QComboBox *m_align;
    QCheckBox *m_background;
    QPushButton *m_colourButton;
    QPushButton *m_gridButton;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QLabel *m_labels[8];
    QColor m_colour = Qt::black;
};
