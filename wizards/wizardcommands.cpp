#include "wizards/wizardcommands.h"

#include "editor/insertion.h"
#include "wizards/tmeta.h"

void addWizardCommands(Tedition::CommandTable &t)
{
    // One META element; the caret ends after it.
    t.insert(QStringLiteral("META1"), [](Tedition &e) {
        if (const std::optional<QString> tag = Tmeta2::instance().askTag())
            insertSimple(e.control(), *tag, std::nullopt);
    });
}
