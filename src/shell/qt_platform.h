// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <functional>

class QDialog;
class QWidget;

// The platform on a real desktop: Qt's message boxes with German buttons,
// the input dialog, the printer, the clipboard and the clock.
class QtPlatform final : public Platform {
public:
    MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                          MessageIcon icon, DefaultButton defaultButton) override;
    void showMessagesBeside(QWidget *area) override;
    void keepMessagesOff(QWidget *window) override;
    QString inputText(const QString &prompt, const QString &title,
                      const QString &defaultText) override;
    bool hasPrinter() override;
    QString pdfFileName(const QString &title, const QString &suggestedName) override;
    PrintOutcome print(const PrintDocument &document, const QString &pdfFile) override;
    PrintOutcome print(const DrawnDocument &document, const QString &pdfFile) override;
    void setClipboardText(const QString &text) override;
    double secondsSinceMidnight() override;
    QSize screenSize() override;
    void quit() override;

    // Message texts break lines with carriage returns; a Qt label breaks them with line feeds.
    static QString displayText(const QString &text);

    // Where the PDF dialog opens: the documents folder, else the home folder, else
    // the working folder, else the folder for temporary files; never a folder
    // that is missing or cannot be written to, and never the file-system root.
    static QString pdfFolder();

    // The window a dialog stands over: the pupil's working window, which is the
    // one that asks, even when a window beside it was the last one active.
    QWidget *askingWindow() const;

private:
    // Whether the box is placed for good, or was written smaller to be sized anew.
    bool placeBesideKeptArea(QDialog &box, const std::function<void()> &fontChanged) const;

    QHash<const QWidget *, QPointer<QWidget>> m_keptAreas; // by window
    QSet<const QWidget *> m_asideWindows;
};
