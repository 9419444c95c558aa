// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Qt's own texts (the file dialog, the context menu of a text field) in German.
// Not loaded before the main menu's first frame: right after it (the help box has
// Qt's context menu), or with the first standard dialog should that come sooner.
namespace QtTranslation {
inline void ensureGerman()
{
    QCoreApplication *app = QCoreApplication::instance();
    const QString name = QStringLiteral("qtbaseGerman");
    if (!app || app->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *translator = new QTranslator(app); // kept as a marker even if the file is missing
    translator->setObjectName(name);
    if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
} // namespace QtTranslation
