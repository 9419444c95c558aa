#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Qt's own texts (the file dialog, the context menu of a text field) in German.
// Loaded when the first standard dialog opens, not at start: the menu needs none.
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
