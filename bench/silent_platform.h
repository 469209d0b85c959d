// A desktop that shows, starts and prints nothing: a message box would stop a benchmark's run.
#pragma once

#include "forms/platform.h"

namespace kavro {

class SilentPlatform : public Platform
{
public:
    void showMessage(MessageIcon, const QString &, const QString &, QWidget *) override {}
    void startProgram(const QString &, const QStringList &, std::function<void()>) override {}
    PrintOutcome printImage(const QImage &, const QString &) override { return {PrintOutcome::Status::NoPrinter, {}}; }
    void end() override {}
};

} // namespace kavro
