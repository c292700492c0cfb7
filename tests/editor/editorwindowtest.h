#pragma once

#include "editor/tedition.h"
#include "tests/editor/fakehost.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <gtest/gtest.h>

#include <memory>

// An editor window's surroundings for a test: a scratch program directory, scripted
// answers to every dialog, and a stand-in main window.
class EditorWindowTest : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;

    // A new editor window on the file `name` of the scratch directory, not shown.
    std::unique_ptr<Tedition> open(const QString &name)
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->openFile(dir.file(name));
        return editor;
    }
};
