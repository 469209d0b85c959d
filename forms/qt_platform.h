// The desktop services on a real Qt session.
#pragma once

#include "forms/platform.h"

class QPrinter;

namespace kavro {

// Draws a page image on a printer at its physical size (15 twips, 1/96 inch, per pixel),
// shrunk to the printable area when it would not fit. Fails when the printer does not take the
// job or ends it in an error.
PrintOutcome paintImageOnPrinter(QPrinter &printer, const QImage &image);

class QtPlatform : public Platform
{
public:
    void showMessage(MessageIcon icon, const QString &title, const QString &text, QWidget *parent) override;
    void startProgram(const QString &program, const QStringList &arguments, std::function<void()> failed) override;
    PrintOutcome printImage(const QImage &image, const QString &jobName) override;
    void end() override;
};

} // namespace kavro
