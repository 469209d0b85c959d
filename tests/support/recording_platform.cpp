// A desktop that records instead of acting.
#include "support/recording_platform.h"

#include "forms/qt_platform.h"

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

PrintOutcome RecordingPlatform::printImage(const QImage &image, const QString &)
{
    if (!printerInstalled)
        return {PrintOutcome::Status::NoPrinter, {}};
    const PrintOutcome outcome = printer ? paintImageOnPrinter(*printer, image) : PrintOutcome{};
    if (outcome.status == PrintOutcome::Status::Printed)
        printed.append(image);
    return outcome;
}

} // namespace kavro
