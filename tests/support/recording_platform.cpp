// A desktop that records instead of acting.
#include "support/recording_platform.h"

#include "forms/qt_platform.h"

#include <QPrinter>
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

bool RecordingPlatform::printImage(const QImage &image, const QString &jobName)
{
    if (!printerInstalled)
        return false;
    printed.append(image);
    if (!pdfPath.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setDocName(jobName);
        printer.setPageOrientation(QPageLayout::Landscape);
        paintImageOnPrinter(printer, image);
    }
    return true;
}

} // namespace kavro
