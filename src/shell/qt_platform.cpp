// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt_platform.h"

#include "shell/printer_module.h"
#include "shell/qt_translation.h"
#include "shell/window_setup.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QTime>
#include <QWindow>

#include <algorithm>

namespace {
// The window manager writes a title in bold beside its icon and buttons; a box
// only as wide as its text would have it cut short.
int widthForTitle(const QWidget &box, const QString &title)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}
} // namespace

MessageAnswer QtPlatform::message(const QString &text, const QString &title, MessageButtons buttons,
                                  MessageIcon icon, DefaultButton defaultButton)
{
    QMessageBox box(askingWindow());
    box.setWindowTitle(title);
    box.setText(displayText(text));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    }
    QPushButton *yes = nullptr;
    if (buttons == MessageButtons::Ok) {
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    } else {
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(defaultButton == DefaultButton::First ? yes : no);
        box.setEscapeButton(no);
    }
    // The box sizes itself to its layout when shown: a row as wide as the title keeps it whole.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(box, title), 0), grid->rowCount(), 0, 1, grid->columnCount());
    placeBesideKeptArea(box);
    box.exec();
    if (!yes)
        return MessageAnswer::Ok;
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::inputText(const QString &prompt, const QString &title, const QString &defaultText)
{
    QtTranslation::ensureGerman();
    QInputDialog dialog(askingWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    const QSize fitting = dialog.sizeHint();
    dialog.resize(std::max(fitting.width(), widthForTitle(dialog, title)), fitting.height());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

bool QtPlatform::hasPrinter()
{
    return PrinterModule::hasPrinter();
}

QString QtPlatform::pdfFileName(const QString &title, const QString &suggestedName)
{
    QtTranslation::ensureGerman();
    QFileDialog dialog(QApplication::activeWindow(), title, QDir(pdfFolder()).filePath(suggestedName),
                       QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog itself adds ".pdf" to a bare name, so it asks before replacing
    // the very file that will be written.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::pdfFolder()
{
    const QStringList folders{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                              QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                              QDir::currentPath()};
    for (const QString &folder : folders) {
        const QFileInfo info(folder);
        if (info.isDir() && info.isWritable() && !QDir(folder).isRoot())
            return info.absoluteFilePath();
    }
    return QDir::tempPath();
}

PrintOutcome QtPlatform::print(const PrintDocument &document, const QString &pdfFile)
{
    return PrinterModule::print(document, pdfFile);
}

PrintOutcome QtPlatform::print(const DrawnDocument &document, const QString &pdfFile)
{
    return PrinterModule::print(document, pdfFile);
}

void QtPlatform::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

double QtPlatform::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

QSize QtPlatform::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

void QtPlatform::quit()
{
    // Nothing may run after the end: every window goes, every event loop ends.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

QWidget *QtPlatform::askingWindow()
{
    const auto isWorkingWindow = [](const QWidget *window) {
        return window->windowType() == Qt::Window && !WindowSetup::standsBesideWorkingWindow(window);
    };
    QWidget *active = QApplication::activeWindow();
    if (active && isWorkingWindow(active))
        return active;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && isWorkingWindow(window))
            return window;
    }
    return active;
}

// A window may keep part of itself in sight of its boxes (a trainer its
// calculation): the box then stands beside that part, its frame counted as
// the asking window's.
void QtPlatform::placeBesideKeptArea(QDialog &box)
{
    const QWidget *window = box.parentWidget();
    const QWidget *area = window ? WindowSetup::areaKeptFromMessages(window) : nullptr;
    if (!area || !area->isVisible())
        return;
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    box.adjustSize();
    QMargins frame;
    if (const QWindow *handle = window->windowHandle())
        frame = handle->frameMargins();
    const QRect kept(area->mapToGlobal(QPoint()), area->size());
    box.move(WindowSetup::besideArea(kept, box.size().grownBy(frame), screen->availableGeometry()));
}

QString QtPlatform::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
