#include "app/appstate.h"

#include "app/projectpaths.h"

AppState &appState()
{
    static AppState state;
    return state;
}

QString AppState::browserDirectory() const
{
    return m_browserDirectory.isEmpty() ? normaliseDirectory(projectDirectory) : m_browserDirectory;
}
