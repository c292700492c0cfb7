#pragma once

#include "wizards/fielddialog.h"

class FileChooser;
class QGridLayout;
class QLabel;
class QLineEdit;

// A wizard dialog built around the file-choosing controls: the volume list, the directory
// tree with its label, the file list with its filters, and the file-name field `Edit1`,
// which starts as the mask and receives the chosen file's name. Each activation reads the
// lists again from disk.
class ChooserDialog : public FieldDialog
{
    Q_OBJECT

public:
    FileChooser *chooser() const { return m_chooser; }
    QLineEdit *fileEdit() const { return m_edit; }

    // Captions, then the lists read again.
    void FormActivate() override;

protected:
    // `labelName`/`labelText`: the caption above the directory label, whose object name is
    // `directoryName`. `filter` in the pipe form; its first entry sets the mask.
    ChooserDialog(QWidget *parent, const char *name, const QString &title, const char *labelName,
                  const QString &labelText, const char *directoryName, const QString &filter);

    // Shows the chosen file's name in the case of the file-name setting, as the list changes.
    void followNameCase();

    QLabel *directoryCaption() const { return m_caption; }

private:
    FileChooser *m_chooser;
    QLineEdit *m_edit;
    QLabel *m_caption;
};
