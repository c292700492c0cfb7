#pragma once

#include "editor/editorhost.h"

#include <QStringList>

// Records what an editor window asks of its main window.
class FakeHost final : public EditorHost
{
public:
    QString panels[5];
    bool saveButton = false;
    QStringList calls;

    void setStatusPanel(int panel, const QString &text) override { panels[panel] = text; }
    void setSaveButtonEnabled(bool enabled) override { saveButton = enabled; }
    void openFileCommand() override { calls << "open"; }
    void newFileCommand() override { calls << "new"; }
    Tedition *newUntitledDocument(const QString &caption) override
    {
        calls << "untitled " + caption;
        return nullptr;
    }
    void quitCommand() override { calls << "quit"; }
    void tileHorizontalCommand() override { calls << "tileHorizontal"; }
    void tileVerticalCommand() override { calls << "tileVertical"; }
    void cascadeCommand() override { calls << "cascade"; }
    void arrangeIconsCommand() override { calls << "arrangeIcons"; }
    void closeAllCommand() override { calls << "closeAll"; }
    void openProjectCommand() override { calls << "openProject"; }
    void newSiteCommand() override { calls << "newSite"; }
    void closeProjectCommand() override { calls << "closeProject"; }
    void visitSiteCommand() override { calls << "site"; }
    void writeMailCommand() override { calls << "mail"; }
    void aboutCommand(QWidget *) override { calls << "about"; }
    void fillWindowList(QMenu *) override {}
    void setPersonalBarVisible(bool visible) override
    {
        calls << (visible ? "showPersonalBar" : "hidePersonalBar");
    }
    void optionsCommand(QWidget *) override { calls << "options"; }
};
