#pragma once

#include <QDialog>

// The about box: the program's picture and an OK button.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
