// A desktop that records instead of acting.
#include "support/recording_platform.h"

#include <QTimer>

namespace kavro {

void RecordingPlatform::showMessage(MessageIcon icon, const QString &title, const QString &text, QWidget *)
{
    messages.append({icon, title, text});
}

void RecordingPlatform::startProgram(const QString &program, const QStringList &arguments,
                                     std::function<void()> failed)
{
    started.append(QStringList{program} + arguments);
    if (programsFail)
        QTimer::singleShot(0, std::move(failed));
}

bool RecordingPlatform::printImage(const QImage &image, const QString &)
{
    if (printerInstalled)
        printed.append(image);
    return printerInstalled;
}

} // namespace kavro
