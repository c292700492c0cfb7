// The main window's status bar panels, the save button's state and the clock.
#include "app/tecran.h"

#include "app/clocktext.h"
#include "settings/languagefiles.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTime>
#include <QToolButton>

void Tecran::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    static const int widths[] = {300, 160, 73, 35, 50};
    for (int i = 0; i < 5; ++i) {
        auto *panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        m_panels.append(panel);
        if (i == 0)
            bar->addWidget(panel, 1); // hints of menus and buttons show over this panel
        else
            bar->addPermanentWidget(panel);
    }
}

QString Tecran::statusPanelText(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels[panel]->text() : QString();
}

void Tecran::setStatusPanel(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_panels.size())
        m_panels[panel]->setText(text);
}

void Tecran::setSaveButtonEnabled(bool enabled)
{
    toolButton(QStringLiteral("ToolButton2"))->setEnabled(enabled);
}

void Tecran::refreshClock()
{
    m_freeSpace->setText(espaceLibreTexte(
        texteMenu1(600), QStorageInfo(QDir::currentPath()).bytesAvailable(), texteMenu1(604)));
    // The system's short date; a system without a language setting gets the French one.
    const QLocale system = QLocale::system();
    const QLocale locale = system.language() == QLocale::C ? QLocale(QLocale::French) : system;
    setStatusPanel(2, locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    setStatusPanel(3, heureMinute(QTime::currentTime()));
}
