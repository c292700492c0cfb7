#pragma once

#include <QWidget>

// The splash window shown while the program starts.
class Tlogo : public QWidget
{
    Q_OBJECT

public:
    Tlogo();
};
