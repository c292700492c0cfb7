#pragma once

#include "platform/ioerror.h"
#include "platform/modals.h"

#include <exception>
#include <utility>

// Runs one command; a failing file operation inside it is shown to the user in an error box
// and the rest of the command is skipped. Returns false when the command failed.
template <typename Command> bool guarded(QWidget *parent, Command &&command)
{
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const IoError &error) {
        showError(parent, error.message());
    } catch (const std::exception &error) {
        showError(parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

// The steps of a window's creation: each step stands alone, so a failing file operation is
// shown once, for the first step that fails, and the other steps still run.
class CreationSteps
{
public:
    explicit CreationSteps(QWidget *parent) : m_parent(parent) {}

    template <typename Step> void run(Step &&step)
    {
        try {
            std::forward<Step>(step)();
        } catch (const IoError &error) {
            if (!m_reported)
                showError(m_parent, error.message());
            m_reported = true;
        }
    }

private:
    QWidget *m_parent;
    bool m_reported = false;
};
