// The desktop services on a real Qt session.
#include "forms/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QWidget>

namespace kavro {

void paintImageOnPrinter(QPrinter &printer, const QImage &image)
{
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = printer.resolution() / 96.0;
    QSizeF size(image.width() * scale, image.height() * scale);
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.width(), page.height(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(QPointF(0, 0), size), image);
}

void QtPlatform::showMessage(MessageIcon icon, const QString &title, const QString &text, QWidget *parent)
{
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatform::startProgram(const QString &program, const QStringList &arguments, std::function<void()> failed)
{
    // Without a parent the process object is not deleted when the program ends, so it does not
    // kill a viewer still open then. Its output is not read: the caller tells the user of a failure.
    auto *process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        // A crash also ends in finished(), which reports it.
        if (error != QProcess::FailedToStart)
            return;
        failed();
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failed();
                         process->deleteLater();
                     });
    process->start(program, arguments);
}

bool QtPlatform::printImage(const QImage &image, const QString &jobName)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return false;
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    paintImageOnPrinter(printer, image);
    return true;
}

void QtPlatform::end()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace kavro
