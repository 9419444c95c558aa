// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt_platform.h"

#include "shell/message_placement.h"
#include "shell/printer_module.h"
#include "shell/qt_translation.h"

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

// A box takes its place once it knows its size: Qt sizes a message box only as it shows it.
class PlacedBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    // Places the box and says so, or writes it smaller to be sized anew.
    std::function<bool()> placeOrShrink;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        for (int round = 0; placeOrShrink && !placeOrShrink() && round < 8; ++round)
            QMessageBox::showEvent(event);
    }
};
} // namespace

MessageAnswer QtPlatform::message(const QString &text, const QString &title, MessageButtons buttons,
                                  MessageIcon icon, DefaultButton defaultButton)
{
    PlacedBox box(askingWindow());
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
    QSpacerItem *titleRow = nullptr;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        titleRow = new QSpacerItem(widthForTitle(box, title), 0);
        grid->addItem(titleRow, grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.placeOrShrink = [&] {
        return placeBesideKeptArea(box, [&] {
            if (titleRow)
                titleRow->changeSize(widthForTitle(box, title), 0);
        });
    };
    box.exec();
    if (!yes)
        return MessageAnswer::Ok;
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::showMessagesBeside(QWidget *area)
{
    QWidget *window = area->window();
    m_keptAreas.insert(window, area);
    QObject::connect(window, &QObject::destroyed, window, [this, window] { m_keptAreas.remove(window); });
}

void QtPlatform::keepMessagesOff(QWidget *window)
{
    m_asideWindows.insert(window);
    QObject::connect(window, &QObject::destroyed, window, [this, window] { m_asideWindows.remove(window); });
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

QWidget *QtPlatform::askingWindow() const
{
    const auto isWorkingWindow = [this](const QWidget *window) {
        return window->windowType() == Qt::Window && !m_asideWindows.contains(window);
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
// the asking window's. On a screen too small for that (a large scale) the box
// is written smaller, down to two thirds, until the field being reported stays free.
bool QtPlatform::placeBesideKeptArea(QDialog &box, const std::function<void()> &fontChanged) const
{
    const QWidget *window = box.parentWidget();
    const QWidget *area = window ? m_keptAreas.value(window).data() : nullptr;
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!area || !area->isVisible() || !screen)
        return true;
    QMargins frame;
    if (const QWindow *handle = window->windowHandle())
        frame = handle->frameMargins();
    const QRect kept(area->mapToGlobal(QPoint()), area->size());
    const QWidget *focus = window->focusWidget();
    const QRect field = focus ? QRect(focus->mapToGlobal(QPoint()), focus->size()) : QRect();
    const QSize size = box.size().grownBy(frame);
    const QPoint corner = messageBesideArea(kept, field, size, screen->availableGeometry());
    QFont font = box.font();
    if (!QRect(corner, size).intersects(field) || font.pointSizeF() * 0.9 < QApplication::font().pointSizeF() * 2 / 3) {
        box.move(corner);
        return true;
    }
    font.setPointSizeF(font.pointSizeF() * 0.9);
    box.setFont(font);
    fontChanged();
    return false;
}

QString QtPlatform::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
