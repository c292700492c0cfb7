#pragma once

#include <QString>

// A hint "short|long": the tool tip shows the short part, the status bar the long part.
// A hint without "|" serves for both.
struct Hint {
    QString tip;
    QString status;
};

Hint splitHint(const QString &hint);
