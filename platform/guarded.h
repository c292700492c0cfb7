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
