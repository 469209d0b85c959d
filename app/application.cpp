// The running program.
#include "app/application.h"

#include "app/register_forms.h"

#include <QApplication>

namespace kavro {

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
