// The running program.
#include "app/application.h"

#include "app/register_navigation_forms.h"
#include "results/register_results_forms.h"

#include <QApplication>

namespace kavro {

void registerProgramForms(Forms &forms)
{
    registerNavigationForms(forms);
    registerResultsForms(forms);
}

Application::Application()
{
    // The window model decides when the program ends (Exit, or the last window closed); hiding
    // one window before showing the next must never look like the end to Qt.
    QApplication::setQuitOnLastWindowClosed(false);
    registerProgramForms(m_forms);
}

void Application::start()
{
    m_forms.form(FormId::Intro).Show();
}

} // namespace kavro
