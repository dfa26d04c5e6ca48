#include "wizard/homepage_commands.h"

#include "core/insertion.h"
#include "wizard/f_hpwiz.h"

void runHomepageWizard(QWidget *parent, const std::function<TextInsertion *()> &newDocument)
{
    THPWiz wizard(parent);
    wizard.exec();
    TextInsertion *target = newDocument();
    if (!target)
        return;
    target->AppendLines(homepageLines(wizard.values(), regionalNow()));
}
