// What the windows ask of the desktop: message boxes, starting programs, printing and ending.
// Tests replace it with a recorder so nothing modal blocks them.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace kavro {

enum class MessageIcon { None, Stop };

// The program's own title, shown on message boxes that do not set one.
inline const QString kProgramTitle = QStringLiteral("Kavro");

// What became of a page sent to the printer.
struct PrintOutcome
{
    enum class Status { Printed, NoPrinter, Failed };
    Status status = Status::Printed;
    QString reason; // on a failure, Qt's own words for it when it gave any
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Modal; returns once the user has closed the box.
    virtual void showMessage(MessageIcon icon, const QString &title, const QString &text, QWidget *parent) = 0;
    // Starts a program and returns at once. `failed` runs later, from the event loop, when the
    // program could not be started or ended with a non-zero exit status or a crash.
    virtual void startProgram(const QString &program, const QStringList &arguments,
                              std::function<void()> failed) = 0;
    // Prints one page image on the default printer.
    virtual PrintOutcome printImage(const QImage &image, const QString &jobName) = 0;
    // Ends the program at once.
    virtual void end() = 0;
};

} // namespace kavro
