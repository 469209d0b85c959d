// The running program.
#include "app/application.h"

#include "app/register_navigation_forms.h"
#include "results/register_results_forms.h"

#include <QApplication>

namespace kavro {

Application::Application()
{
    // The window model decides when the program ends (Exit, or the last window closed); hiding
    // one window before showing the next must never look like the end to Qt.
    QApplication::setQuitOnLastWindowClosed(false);
    registerNavigationForms(m_forms);
    registerResultsForms(m_forms);
}

void Application::start()
{
    m_forms.form(FormId::Intro).Show();
}

} // namespace kavro
