// The main window's personal bar and its way to the options dialog.

#include "app/tecran.h"

#include "options/personalbar.h"
#include "options/personalbarcommands.h"
#include "options/toptions.h"

void Tecran::buildPersonalBar()
{
    m_personalBar = new PersonalBar(this);
    connect(m_personalBar, &PersonalBar::personalButtonClicked, this,
            [this](int number) { runOnActiveEditor(personalButtonCommand(number)); });
    connect(m_personalBar, &PersonalBar::optionsClicked, this, [this] { optionsCommand(this); });
}

void Tecran::setPersonalBarVisible(bool visible)
{
    m_personalBar->setVisible(visible);
}

void Tecran::optionsCommand(QWidget *)
{
    Toptions::instance().execute();
}
