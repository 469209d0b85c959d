// The running program: the desktop services, the window model and the windows, started on the menu.
#pragma once

#include "app/register_forms.h"
#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "forms/qt_platform.h"

namespace kavro {

class Application
{
public:
    Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Shows the main menu; nothing else runs before the user acts.
    void start();

    Forms &forms() { return m_forms; }

private:
    QtPlatform m_platform;
    FormRuntime m_runtime{m_platform};
    Forms m_forms{m_runtime, RegionalNumbers(QLocale::system()), AppPaths::standard()};
};

} // namespace kavro
