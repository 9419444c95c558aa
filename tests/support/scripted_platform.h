// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Records every call with its exact text and answers from a script.
class ScriptedPlatform final : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MessageButtons buttons;
        MessageIcon icon;
        DefaultButton defaultButton;
    };
    struct Input {
        QString prompt;
        QString title;
        QString defaultText;
    };
    struct PrintJob {
        PrintDocument document;
        QString pdfFile;
    };
    struct DrawnJob {
        DrawnDocument document;
        QString pdfFile;
    };

    // Scripted answers, taken in order. A Yes/No box without a scripted answer
    // gets its default button; an OK box always gets OK.
    QList<MessageAnswer> answers;
    QStringList inputs;
    QStringList pdfNames;
    bool printerInstalled = true;
    PrintOutcome printOutcome = PrintOutcome::Printed;
    double clock = 43200.0;
    QSize screen{1280, 1024};
    // Runs while a message box is "open", before it returns (to look at the screen then).
    std::function<void(const Message &)> whileMessageOpen;

    QList<QWidget *> areasBesideMessages;
    QList<QWidget *> windowsOffMessages;
    QList<Message> messages;
    QList<Input> inputRequests;
    QStringList pdfRequests;
    QList<PrintJob> printJobs;
    QList<DrawnJob> drawnJobs;
    QStringList clipboardWrites;
    int clipboardClears = 0;
    int quitCalls = 0;
    int unscriptedAnswers = 0;

    MessageAnswer message(const QString &text, const QString &title, MessageButtons buttons,
                          MessageIcon icon, DefaultButton defaultButton) override;
    void showMessagesBeside(QWidget *area) override { areasBesideMessages.append(area); }
    void keepMessagesOff(QWidget *window) override { windowsOffMessages.append(window); }
    QString inputText(const QString &prompt, const QString &title,
                      const QString &defaultText) override;
    bool hasPrinter() override { return printerInstalled; }
    QString pdfFileName(const QString &title, const QString &suggestedName) override;
    PrintOutcome print(const PrintDocument &document, const QString &pdfFile) override;
    PrintOutcome print(const DrawnDocument &document, const QString &pdfFile) override;
    void setClipboardText(const QString &text) override;
    double secondsSinceMidnight() override { return clock; }
    QSize screenSize() override { return screen; }
    void quit() override { ++quitCalls; }

    QString clipboard() const { return clipboardWrites.isEmpty() ? QString() : clipboardWrites.last(); }
    QStringList messageTexts() const;
    void clearRecords();
};
