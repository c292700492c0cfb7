#pragma once

#include "platform/modals.h"
#include "wizards/chooserdialog.h"
#include "wizards/dialogparts.h"

#include <memory>

class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The media viewer: plays the file named in `Edit1` with Play and Stop. Every click sets
// the player's file again; a file that cannot be played gives one "Code erreur" box per
// click, and the player stays usable. Closing the viewer stops the playback.
class Tmultimedia : public QDialog, public SharedInstance<Tmultimedia>
{
    Q_OBJECT

public:
    explicit Tmultimedia(QWidget *parent = nullptr);
    ~Tmultimedia() override;

    void setFile(const QString &path);
    QString file() const;

    void FormActivate();
    void playClick();
    void stopClick();

    void done(int result) override;

private:
    void ensurePlayer();
    void playerError(int code, const QString &text);

    QLabel *m_label;
    QLineEdit *m_edit;
    QPushButton *m_play;
    QPushButton *m_stop;
    QPushButton *m_ok;
    QVBoxLayout *m_layout;
    std::unique_ptr<MediaPlayer> m_player;
    bool m_errorShown = false;
};

// Background sound (BGSOUND).
class Tchson : public ChooserDialog, public SharedInstance<Tchson>
{
    Q_OBJECT
public:
    explicit Tchson(QWidget *parent = nullptr);
    // Captions, the loop count back to "1", the lists read again.
    void FormActivate() override;
};

// Embedded media (EMBED).
class Tchoix_son : public ChooserDialog, public SharedInstance<Tchoix_son>
{
    Q_OBJECT
public:
    explicit Tchoix_son(QWidget *parent = nullptr);
};

// Java applet; captions set when made.
class Tapplet : public ChooserDialog, public SharedInstance<Tapplet>
{
    Q_OBJECT
public:
    explicit Tapplet(QWidget *parent = nullptr);
};

// Shows `name` of `directory` in the media viewer (the file's own spelling when the name
// differs from it only in case).
void previewMedia(const QString &directory, const QString &name);
