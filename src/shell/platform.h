// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/drawn_document.h"

#include <QChar>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

// Everything a window asks of the desktop beyond drawing. The program runs on
// the Qt implementation; tests run on a scripted one that records each call.
enum class MessageButtons { Ok, YesNo };

// The carriage return (character 13) that breaks and ends every message text.
inline constexpr QChar CR = QChar(13);
enum class MessageIcon { None, Question, Stop };
enum class DefaultButton { First, Second };
enum class MessageAnswer { Ok, Yes, No };

// Lines first to first + count - 1 of a document, which stand together on one page.
struct LineRun {
    int first = 0;
    int count = 0;
};

// A document for the printer: one font, lines running down the page. A new
// page is begun only for a line with something on it, and early enough that
// each of the runs kept together stays on one page.
struct PrintDocument {
    QString fontFamily;
    int pointSize = 0;
    QStringList lines;
    QList<LineRun> keptTogether;
};

enum class PrintOutcome { Printed, Failed };

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box. Text and title are kept exactly; a carriage return
    // (character 13) breaks the line, trailing ones leave empty space.
    virtual MessageAnswer message(const QString &text, const QString &title,
                                  MessageButtons buttons, MessageIcon icon,
                                  DefaultButton defaultButton) = 0;
    // Boxes over the window of `area` stand beside it (a trainer's calculation,
    // so the digit being reported stays in sight, above all the field holding
    // the keyboard focus).
    virtual void showMessagesBeside(QWidget *area) = 0;
    // A window beside the pupil's working window (the info window): it never
    // asks, and no box is put over it.
    virtual void keepMessagesOff(QWidget *window) = 0;

    // One-line input dialog; the entered text, or the empty text when cancelled.
    virtual QString inputText(const QString &prompt, const QString &title,
                              const QString &defaultText) = 0;

    // Whether a real printer is installed to print on.
    virtual bool hasPrinter() = 0;
    // A file dialog asking where to save a PDF; empty when cancelled.
    virtual QString pdfFileName(const QString &title, const QString &suggestedName) = 0;
    // Prints on the default printer, or into the PDF file when one is named.
    virtual PrintOutcome print(const PrintDocument &document, const QString &pdfFile) = 0;
    virtual PrintOutcome print(const DrawnDocument &document, const QString &pdfFile) = 0;

    // Clears the clipboard, then puts the text on it as plain text.
    virtual void setClipboardText(const QString &text) = 0;

    // Seconds since midnight, with fraction.
    virtual double secondsSinceMidnight() = 0;
    // Available screen size in logical pixels.
    virtual QSize screenSize() = 0;
    // Ends the program at once.
    virtual void quit() = 0;
};

// Short forms of the message boxes the program shows.
inline void showInfo(Platform &platform, const QString &text, const QString &title)
{
    platform.message(text, title, MessageButtons::Ok, MessageIcon::None, DefaultButton::First);
}

inline bool askYesNo(Platform &platform, const QString &text, const QString &title,
                     MessageIcon icon, DefaultButton defaultButton)
{
    return platform.message(text, title, MessageButtons::YesNo, icon, defaultButton)
        == MessageAnswer::Yes;
}
