// Where the program finds its case database and its manual. Fixed for the program;
// tests hand in their own.
#pragma once

#include <QDir>
#include <QString>

namespace kavro {

struct AppPaths
{
    QString database;
    QString manual;

    static AppPaths standard()
    {
        const QString folder = QDir::homePath() + QStringLiteral("/Kavro/");
        return {folder + QStringLiteral("kavro.db"), folder + QStringLiteral("kavro.html")};
    }
};

} // namespace kavro
