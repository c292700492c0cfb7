#pragma once

#include "wizards/newpage.h"

#include <QColor>
#include <QDialog>

#include <array>

class EditorHost;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The new page wizard: the title, five page colours and a background picture, then the meta
// tags, then the page in a new editor window. One window serves the whole run and keeps its
// ticks, colours and picture; the title starts afresh with each new page.
class Tdebuthtm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kRowCount = 6; // the five colours, then the background picture

    explicit Tdebuthtm(QWidget *parent = nullptr);

    static Tdebuthtm &instance();
    static void createInstance(QWidget *parent);

    // Asks for a new page and, on OK and the meta tags' OK, opens it in a new window.
    void run(EditorHost &host);

    // Prepares the wizard for a new page: its texts from the dialog language file, and the
    // default title. Coming back from its own dialogs changes nothing.
    void FormActivate();

    // What the wizard holds now (the project directory is the current one).
    NewPageAnswers answers() const;

    QColor colour(int row) const { return m_colours[row]; }
    QString imagePath() const { return m_imagePath; }

private:
    void tick(int row, bool on);
    void chooseColour(int row);
    void chooseImage();
    void preview();

    QLabel *m_titleLabel;
    QLineEdit *m_title;
    std::array<QCheckBox *, kRowCount> m_boxes{};
    std::array<QPushButton *, kRowCount> m_buttons{};
    std::array<QColor, kPageColourCount> m_colours;
    QString m_imagePath;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    QPushButton *m_preview;
};
