// A desktop that records what the program asked of it instead of showing, starting or printing.
#pragma once

#include "forms/qt_platform.h"

#include <QList>
#include <QTimer>

namespace kavro {

struct RecordedMessage
{
    MessageIcon icon = MessageIcon::None;
    QString title;
    QString text;
};

class RecordingPlatform : public Platform
{
public:
    void showMessage(MessageIcon icon, const QString &title, const QString &text, QWidget *) override
    {
        messages.append({icon, title, text});
    }
    void startProgram(const QString &program, const QStringList &arguments, std::function<void()> failed) override
    {
        started.append(QStringList{program} + arguments);
        if (programsFail)
            QTimer::singleShot(0, std::move(failed));
    }
    PrintOutcome printImage(const QImage &image, const QString &) override
    {
        if (!printerInstalled)
            return {PrintOutcome::Status::NoPrinter, {}};
        const PrintOutcome outcome = printer ? paintImageOnPrinter(*printer, image) : PrintOutcome{};
        if (outcome.status == PrintOutcome::Status::Printed)
            printed.append(image);
        return outcome;
    }
    void end() override { ++endCount; }
    bool allShownAs(MessageIcon icon, const QString &title) const
    {
        return std::all_of(messages.begin(), messages.end(), [&](auto &m) { return m.icon == icon && m.title == title; });
    }

    QList<RecordedMessage> messages;
    QList<QStringList> started;     // program followed by its arguments
    QList<QImage> printed;
    int endCount = 0;

    // Each started program then reports its failure a moment later, as a viewer that finds no way
    // to show a file does.
    bool programsFail = false;
    bool printerInstalled = true;
    // When set, pages are painted on this printer as the desktop paints them, and recorded only
    // when it takes them.
    QPrinter *printer = nullptr;
};

} // namespace kavro
