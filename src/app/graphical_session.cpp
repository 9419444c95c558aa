// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/graphical_session.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // Qt's own reason ("could not connect to display") came as a warning
        // just before; its long advice to reinstall does not fit here.
        std::fprintf(stderr, "%s\n", qUtf8Printable(GraphicalSession::missingMessage()));
        std::fflush(stderr);
        std::_Exit(GraphicalSession::failureStatus);
    }
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

} // namespace

namespace GraphicalSession {

QString missingMessage()
{
    return QStringLiteral("Rechenheft braucht eine grafische Arbeitsoberfläche mit Fenstern und kann "
                          "hier nicht starten. Bitte an einem Bildschirm mit Desktop aus dem Menü "
                          "starten.");
}

bool obviouslyMissing()
{
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void endGentlyIfUnreachable()
{
    qInstallMessageHandler(messageHandler);
}

void restoreMessages()
{
    qInstallMessageHandler(nullptr);
}

} // namespace GraphicalSession
