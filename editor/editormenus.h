#pragma once

#include <QList>
#include <QString>

#include <optional>

class QAction;
class QMenu;
class QWidget;

// The menus of one editor window: the menu bar (which takes the main window's place while
// the window is active) and the text's context menu `popopmenu`. Every item and submenu
// carries its component name as objectName.
struct EditorMenus {
    QList<QMenu *> bar; // Fichier1, Edition1, Html1, Script1, Commandes1, Fentres1, Options1,
                        // Format1, Aide1
    QMenu *popup = nullptr;

    // The item of that name; for a submenu, its menu action. nullptr when there is none.
    QAction *action(const QString &name) const;
    // The submenu (or top-level menu) of that name, or nullptr.
    QMenu *menu(const QString &name) const;
    // Every named item that runs a command (no separators, no submenus), in menu order.
    QList<QAction *> commandItems() const;
};

// Builds the full menu tree with its design captions and shortcuts. The top-level menus and
// the context menu are owned by `owner`, each submenu by the menu that holds it.
EditorMenus buildEditorMenus(QWidget *owner);

// Relabels the captions from the editor language file (texteMenu2) and sets the check marks
// of `Visible1`, `Transformationautomatique1`, `Colorationsyntaxique1` and `Numrosdeligne1`
// from the settings file (only an explicit "0" clears a mark). When a file cannot be read,
// the affected items keep their design captions or marks and the failure's message is
// returned for the caller to show once.
std::optional<QString> Tedition_creationmenu(const EditorMenus &menus);
