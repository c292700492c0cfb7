#pragma once

#include <QString>

class QComboBox;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

// Pieces the link and frame dialogs share.
namespace wizards
{

// The editable TARGET list: text "aucun" and the four frame names.
QComboBox *newTargetList(QWidget *parent, const QString &objectName);

// An OK or cancel button that closes `dialog` with its result; OK is the default button.
QPushButton *newOkButton(QDialog *dialog, const QString &objectName);
QPushButton *newCancelButton(QDialog *dialog, const QString &objectName);

// A help button that shows the main help page at `anchor`.
QPushButton *newHelpButton(QDialog *dialog, const QString &objectName, const QString &anchor);

} // namespace wizards
