// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scripted_platform.h"

MessageAnswer ScriptedPlatform::message(const QString &text, const QString &title,
                                        MessageButtons buttons, MessageIcon icon,
                                        DefaultButton defaultButton)
{
    const Message record{text, title, buttons, icon, defaultButton};
    messages.append(record);
    if (whileMessageOpen)
        whileMessageOpen(record);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (!answers.isEmpty())
        return answers.takeFirst();
    ++unscriptedAnswers;
    return defaultButton == DefaultButton::First ? MessageAnswer::Yes : MessageAnswer::No;
}

QString ScriptedPlatform::inputText(const QString &prompt, const QString &title,
                                    const QString &defaultText)
{
    inputRequests.append({prompt, title, defaultText});
    return inputs.isEmpty() ? QString() : inputs.takeFirst();
}

QString ScriptedPlatform::pdfFileName(const QString &title, const QString &suggestedName)
{
    pdfRequests.append(title + QLatin1Char('|') + suggestedName);
    return pdfNames.isEmpty() ? QString() : pdfNames.takeFirst();
}

PrintOutcome ScriptedPlatform::print(const PrintDocument &document, const QString &pdfFile)
{
    printJobs.append({document, pdfFile});
    return printOutcome;
}

PrintOutcome ScriptedPlatform::print(const DrawnDocument &document, const QString &pdfFile)
{
    drawnJobs.append({document, pdfFile});
    return printOutcome;
}

void ScriptedPlatform::setClipboardText(const QString &text)
{
    ++clipboardClears;
    clipboardWrites.append(text);
}

QStringList ScriptedPlatform::messageTexts() const
{
    QStringList texts;
    for (const Message &m : messages)
        texts.append(m.text);
    return texts;
}

void ScriptedPlatform::clearRecords()
{
    messages.clear();
    inputRequests.clear();
    pdfRequests.clear();
    printJobs.clear();
    drawnJobs.clear();
    clipboardWrites.clear();
    clipboardClears = 0;
    quitCalls = 0;
    unscriptedAnswers = 0;
}
