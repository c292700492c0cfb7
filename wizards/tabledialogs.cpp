#include "wizards/tabledialogs.h"

#include "platform/guarded.h"
#include "platform/modals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace dialogparts;

Tremplitableau::Tremplitableau(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tremplitableau"));
    setWindowTitle(QStringLiteral("Remplissage du tableau"));
    resize(560, 380);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("tableau"));
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->setTabKeyNavigation(true);
    m_grid->setShowGrid(true);
    connect(m_grid, &QTableWidget::itemChanged, this, &Tremplitableau::cellChanged);

    m_label1 = label(this, "Label1", QStringLiteral("Ligne(s):"));
    m_label2 = label(this, "Label2", QString());
    m_label3 = label(this, "Label3", QStringLiteral("Colonne(s):"));
    m_label4 = label(this, "Label4", QString());
    m_clear = button(this, "BitBtn1", QStringLiteral("Effacer"));
    connect(m_clear, &QPushButton::clicked, this, &Tremplitableau::BitBtn1Click);
    m_ok = button(this, "OKBtn", QStringLiteral("OK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *counts = new QHBoxLayout;
    counts->addWidget(m_label1);
    counts->addWidget(m_label2);
    counts->addSpacing(20);
    counts->addWidget(m_label3);
    counts->addWidget(m_label4);
    counts->addStretch();
    counts->addWidget(m_clear);
    counts->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(counts);
    m_ok->setFocus();
}

void Tremplitableau::prepare(int rows, int columns, const QString &rowsText,
                             const QString &columnsText)
{
    m_filling = true;
    m_grid->clear();
    m_grid->setRowCount(rows);
    m_grid->setColumnCount(columns);
    QStringList rowTitles;
    for (int r = 1; r <= rows; ++r)
        rowTitles << QStringLiteral("Ligne %1").arg(r);
    QStringList columnTitles;
    for (int c = 1; c <= columns; ++c)
        columnTitles << QStringLiteral("Colonne %1").arg(c);
    m_grid->setVerticalHeaderLabels(rowTitles);
    m_grid->setHorizontalHeaderLabels(columnTitles);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const QString text = m_cells.text(c, r);
            if (!text.isEmpty())
                m_grid->setItem(r - 1, c - 1, new QTableWidgetItem(text));
        }
    }
    m_filling = false;
    m_label2->setText(rowsText);
    m_label4->setText(columnsText);
}

void Tremplitableau::cellChanged(QTableWidgetItem *item)
{
    if (!m_filling)
        m_cells.setText(item->column() + 1, item->row() + 1, item->text());
}

void Tremplitableau::BitBtn1Click()
{
    m_cells.clear(m_grid->columnCount(), m_grid->rowCount());
    m_filling = true;
    m_grid->clearContents();
    m_filling = false;
}

void Tremplitableau::FormActivate()
{
    guarded(this, [this] {
        setWindowTitle(dialogText(1600));
        m_label1->setText(dialogText(1601));
        m_label3->setText(dialogText(1602));
        m_clear->setText(dialogText(1603));
        m_ok->setText(dialogText(1));
    });
}

TTab::TTab(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TTab"));
    setWindowTitle(QStringLiteral("Tableau"));
    const QStringList widths = {QStringLiteral("aucune"), QStringLiteral("10%"),
                                QStringLiteral("20%"),    QStringLiteral("40%"),
                                QStringLiteral("60%"),    QStringLiteral("80%"),
                                QStringLiteral("100%")};
    m_rows = comboBox(this, "ligne", numbers(12), QStringLiteral("2"));
    m_columns = comboBox(this, "col", numbers(12), QStringLiteral("2"));
    m_width = comboBox(this, "ComboBox1", widths, QStringLiteral("60%"));
    m_height = comboBox(this, "ComboBox2", widths, QStringLiteral("aucune"));
    m_border = edit(this, "Edit1", QStringLiteral("3"));
    m_padding = edit(this, "Edit2");
    m_spacing = edit(this, "Edit3");
    m_align = comboBox(this, "ComboBox3",
                       {QStringLiteral("center"), QStringLiteral("left"), QStringLiteral("right")},
                       QStringLiteral("center"));
    m_background = new QCheckBox(this);
    m_background->setObjectName(QStringLiteral("CheckBox1"));
    connect(m_background, &QCheckBox::clicked, this, &TTab::CheckBox1Click);
    m_colourButton = button(this, "Button1", QStringLiteral("Couleur de fond"));
    m_colourButton->setEnabled(false);
    connect(m_colourButton, &QPushButton::clicked, this, &TTab::Button1Click);
    m_gridButton = button(this, "BitBtn1", QStringLiteral("Editeur de tableau"));
    connect(m_gridButton, &QPushButton::clicked, this, &TTab::BitBtn1Click);
    const OkCancel buttons = okCancel(this);
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;

    const char *names[8] = {"Label1", "Label2", "Label3", "Label4",
                            "Label5", "Label6", "Label7", "Label8"};
    const QString texts[8] = {
        QStringLiteral("Nombre de lignes:"), QStringLiteral("Nombre de colonnes:"),
        QStringLiteral("Largeur:"),          QStringLiteral("Epaisseur:"),
        QStringLiteral("Cellpadding"),       QStringLiteral("Cellspacing"),
        QStringLiteral("Hauteur:"),          QStringLiteral("Align")};
    for (int i = 0; i < 8; ++i)
        m_labels[i] = label(this, names[i], texts[i]);

    auto *grid = new QGridLayout;
    const std::pair<QLabel *, QWidget *> rows[] = {
        {m_labels[0], m_rows},    {m_labels[1], m_columns}, {m_labels[2], m_width},
        {m_labels[6], m_height},  {m_labels[3], m_border},  {m_labels[4], m_padding},
        {m_labels[5], m_spacing}, {m_labels[7], m_align},
    };
    int row = 0;
    for (const auto &[text, field] : rows) {
        grid->addWidget(text, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    auto *colour = new QHBoxLayout;
    colour->addWidget(m_background);
    colour->addWidget(m_colourButton, 1);
    grid->addLayout(colour, row++, 0, 1, 2);
    grid->addWidget(m_gridButton, row++, 0, 1, 2);

    auto *side = new QVBoxLayout;
    side->addWidget(m_ok);
    side->addWidget(m_cancel);
    side->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(side);
    m_ok->setFocus();
}

QString TTab::rowsText() const
{
    return m_rows->currentText();
}

QString TTab::columnsText() const
{
    return m_columns->currentText();
}

tablemarkup::Table TTab::answers() const
{
    tablemarkup::Table table;
    table.width = m_width->currentText();
    table.height = m_height->currentText();
    table.border = m_border->text();
    table.cellpadding = m_padding->text();
    table.cellspacing = m_spacing->text();
    table.align = m_align->currentText();
    table.background = m_background->isChecked();
    table.colour = colourValue(m_colour);
    return table;
}

void TTab::FormActivate()
{
    guarded(this, [this] {
        m_ok->setText(dialogText(1));
        m_cancel->setText(dialogText(2));
        setWindowTitle(dialogText(2300));
        const std::pair<int, int> labels[] = {{0, 2301}, {1, 2302}, {2, 2305}, {3, 2307},
                                              {4, 2303}, {5, 2304}, {6, 2306}};
        for (const auto &[index, number] : labels)
            m_labels[index]->setText(dialogText(number));
        m_gridButton->setText(dialogText(2308));
        m_colourButton->setText(dialogText(2309));
    });
}

void TTab::CheckBox1Click()
{
    m_colourButton->setEnabled(m_background->isChecked());
}

void TTab::Button1Click()
{
    if (const std::optional<QColor> chosen = modals().color(this, m_colour))
        m_colour = *chosen;
}

void TTab::BitBtn1Click()
{
    const tablemarkup::Size size = tablemarkup::readSize(rowsText(), columnsText());
    if (!size.error.isEmpty()) {
        showError(this, size.error);
        return;
    }
    if (!size.insertsSomething())
        return;
    Tremplitableau &grid = Tremplitableau::instance();
    grid.prepare(size.rows, size.columns, rowsText(), columnsText());
    grid.FormActivate();
    modals().execDialog(grid);
}
