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

namespace {

// Qt tells why a printer refused a job only in its warnings, so they are caught while a page
// goes to the printer. The painter's own warning says no more than that the printer refused.
class PrinterWarnings
{
public:
    PrinterWarnings() : m_previous(qInstallMessageHandler(&PrinterWarnings::handle)) { s_current = this; }
    ~PrinterWarnings()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    PrinterWarnings(const PrinterWarnings &) = delete;
    PrinterWarnings &operator=(const PrinterWarnings &) = delete;

    QString text() const { return m_lines.join(QLatin1Char('\n')); }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_current && type != QtDebugMsg && type != QtInfoMsg && !message.startsWith(QLatin1String("QPainter::")))
            s_current->m_lines << message;
        if (s_current && s_current->m_previous)
            s_current->m_previous(type, context, message);
    }

    static inline PrinterWarnings *s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    QStringList m_lines;
};

} // namespace

PrintOutcome paintImageOnPrinter(QPrinter &printer, const QImage &image)
{
    const PrinterWarnings warnings;
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        const double scale = printer.resolution() / 96.0;
        QSizeF size(image.width() * scale, image.height() * scale);
        if (size.width() > page.width() || size.height() > page.height())
            size.scale(page.width(), page.height(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(QPointF(0, 0), size), image);
        printed = painter.end() && printer.printerState() != QPrinter::Error;
    }
    if (printed)
        return {};
    return {PrintOutcome::Status::Failed, warnings.text()};
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

PrintOutcome QtPlatform::printImage(const QImage &image, const QString &jobName)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return {PrintOutcome::Status::NoPrinter, {}};
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    return paintImageOnPrinter(printer, image);
}

void QtPlatform::end()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace kavro
