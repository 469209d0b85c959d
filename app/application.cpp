// The running program.
#include "app/application.h"

#include "app/register_forms.h"

#include <QApplication>
#include <QFontDatabase>
#include <QThreadPool>

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
    // The first text drawn reads the desktop's whole font configuration, which takes longer than
    // building the menu. Read beside the window system's showing of the menu, it holds up the
    // menu's first paint the less; Qt's font database is safe across threads.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
}

} // namespace kavro
