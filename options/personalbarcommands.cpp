#include "options/personalbarcommands.h"

#include "editor/editorhost.h"
#include "options/personaltexts.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QAction>

QString personalButtonCommand(int number)
{
    return QStringLiteral("Bouton") + QString::number(number) + QLatin1Char('1');
}

void addPersonalBarCommands(Tedition::CommandTable &t)
{
    t.insert(QStringLiteral("Modification1"), [](Tedition &e) { e.host().optionsCommand(&e); });

    t.insert(QStringLiteral("Visible1"), [](Tedition &e) {
        // The item is checkable: choosing it has already toggled this window's own mark,
        // so the mark now says what the bar becomes.
        QAction *item = e.command(QStringLiteral("Visible1"));
        const bool show = item && item->isChecked();
        try {
            ecrireparametre(show ? QStringLiteral("1") : QStringLiteral("0"),
                            QStringLiteral("barrevisible"), settingsFile());
        } catch (...) {
            if (item)
                item->setChecked(!show); // nothing changed: the mark says so too
            throw;
        }
        e.host().setPersonalBarVisible(show);
    });

    for (int number = 1; number <= kPersonalButtons; ++number) {
        t.insert(personalButtonCommand(number), [number](Tedition &e) {
            insertPersonalText(e.control(), number, settingsFile());
        });
    }
}
