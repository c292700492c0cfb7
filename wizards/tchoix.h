#pragma once

#include <QDialog>

class EditorHost;
class QListView;
class QPushButton;
class QStandardItemModel;

// The new-file chooser: seven kinds of new file as a list of pictures. A click on an item,
// or OK with an item selected, makes that kind of file. One window serves the whole run.
class Tchoix : public QDialog
{
    Q_OBJECT

public:
    // The items, in their order in the list.
    enum Item { HtmlPage, FramesPage, Script, StyleSheet, Channel, Site, Text, ItemCount };

    explicit Tchoix(QWidget *parent = nullptr);

    static Tchoix &instance();
    static void createInstance(QWidget *parent);

    // Shows the chooser and makes the chosen kind of file.
    void run(EditorHost &host);

    // Sets the window's texts from the dialog language file.
    void FormActivate();

    // The item chosen when the chooser last closed; -1 for none.
    int chosenItem() const { return m_chosen; }

private:
    void choose(int item);
    void act(EditorHost &host, int item);

    QListView *m_list;
    QStandardItemModel *m_items;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    int m_chosen = -1;
};
