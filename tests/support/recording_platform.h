// A desktop that records what the program asked of it instead of showing, starting or printing.
#pragma once

#include "forms/platform.h"

#include <QList>

class QPrinter;

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
    void showMessage(MessageIcon icon, const QString &title, const QString &text, QWidget *parent) override;
    void startProgram(const QString &program, const QStringList &arguments, std::function<void()> failed) override;
    PrintOutcome printImage(const QImage &image, const QString &jobName) override;
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
