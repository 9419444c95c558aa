// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_menu_texts.h"

#include "shell/platform.h"

#include <QStringList>

namespace MainMenuTexts {

QString caption()
{
    return QStringLiteral("Schriftliche Multiplikation");
}

QString helpText()
{
    const QStringList lines = {
        QStringLiteral("Mit diesem Programm kann die schriftliche einreihige Multiplikation trainiert werden. Das Ausdrucken von Übungsblättern ist ebenfalls möglich."),
        QString(),
        QStringLiteral("Das Programm besteht aus drei Teilen: Multiplikation mit Einerzahlen, Zehnerzahlen und Hunderterzahlen."),
        QString(),
        QStringLiteral("In jedem Modul kann die jeweilige Rechenart in zwei Formen geübt werden: Einzelaufgaben und Lückenaufgaben."),
        QStringLiteral("Bei den Lückenaufgaben wird immer die Rechenart verwendet, welche zuletzt eingestellt war."),
        QString(),
        QStringLiteral("Zum Üben kann ein Arbeitsblatt ausgedruckt werden."),
        QStringLiteral("Innerhalb der Übungsreihen gibt es zur Entspannung kleine Belohnungsspiele."),
        QString(),
        QStringLiteral("Die Bedienung erfolgt mit der Maus über Drag&Drop der angezeigten Zifferntasten."),
        QStringLiteral("Fehler werden sofort angezeigt und können unmittelbar verbessert werden."),
        QString(),
        QStringLiteral("Der Drucker wird im Infofenster aktiviert bzw. deaktiviert. Wurde das vor dem Druckbefehl vergessen, so kann man mit einem Kennwort die Sperre aufheben."),
        QStringLiteral("Das Passwort zum Aufheben der Druckersperre entspricht der in diesem Moment angezeigten Anzahl der richtigen Punkte."),
    };
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString exitQuestion()
{
    return QStringLiteral("Dieses Programm jetzt beenden?") + CR + CR + CR;
}

} // namespace MainMenuTexts
