// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_setup.h"

#include "shell/twips.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace WindowSetup {

namespace {
const char *const besideWorkingWindow = "besideWorkingWindow";
const char *const keptFromMessages = "areaKeptFromMessages";
constexpr int messageGap = 8; // pixels between a box and the area it keeps clear of

// Keeps the corner of a window where it centres the window with its frame:
// whenever the frame turns out other than the one the window was centred
// with (a window manager frames a window only after it is first shown, and
// may say so without moving it), the window is centred again. A window the
// pupil moves stays where it is put.
class FrameCentring final : public QObject {
public:
    explicit FrameCentring(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

    void centre(QSize screen, int verticalDivisor)
    {
        m_screen = screen;
        m_verticalDivisor = verticalDivisor;
        m_frame = framedSize();
        const QPoint corner = Twips::centred(m_screen, m_frame, m_verticalDivisor);
        // A widget's move counts the frame it knew at its last move, perhaps
        // none yet: a shown window is placed by its inside, from the frame
        // the window system knows now.
        if (const QWindow *handle = m_window->windowHandle()) {
            const QMargins frame = handle->frameMargins();
            m_window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window->size()));
        } else {
            m_window->move(corner);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::Paint:
            if (watched == m_window && framedSize() != m_frame)
                centre(m_screen, m_verticalDivisor);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Asked of the window system each time: the widget's own frame geometry
    // is only brought up to date when the window moves.
    QSize framedSize() const
    {
        if (const QWindow *handle = m_window->windowHandle())
            return m_window->size().grownBy(handle->frameMargins());
        return m_window->frameGeometry().size();
    }

    QWidget *m_window;
    QSize m_screen;
    int m_verticalDivisor = 2;
    QSize m_frame;
};
} // namespace

void fixedWindow(QWidget *window, const QString &objectName, const QString &caption, int widthTwips,
                 int heightTwips)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(Twips::size(widthTwips, heightTwips));
}

void keepStrayKeysOffButtons(QWidget *window)
{
    window->setFocusPolicy(Qt::StrongFocus);
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocusPolicy(Qt::TabFocus);
}

void setBackground(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setColours(QWidget *widget, QColor text, QColor background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont font(qreal points, bool bold, bool italic, bool underline)
{
    QFont f(windowFontFamily);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

void fitText(QWidget *widget, const QString &text, bool wrapped, int extraWidth)
{
    QFont f = widget->font();
    const int room = widget->width() - extraWidth - 4;
    while (f.pointSizeF() > 6) {
        const QFontMetrics metrics(f);
        const bool fits = wrapped
            ? metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text).height()
                  <= widget->height() - 4
            : metrics.horizontalAdvance(text) <= room;
        if (fits)
            break;
        f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    widget->setFont(f);
}

QLabel *label(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(objectName);
    l->setGeometry(geometry);
    return l;
}

QFrame *shape(QWidget *parent, const QString &objectName, const QRect &geometry, QColor fill,
              QColor border)
{
    auto *f = new QFrame(parent);
    f->setObjectName(objectName);
    f->setGeometry(geometry);
    setBackground(f, fill);
    if (border.isValid()) {
        f->setFrameShape(QFrame::Box);
        QPalette palette = f->palette();
        palette.setColor(QPalette::WindowText, border);
        f->setPalette(palette);
    }
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

QFrame *horizontalLine(QWidget *parent, const QString &objectName, int x1Twips, int x2Twips,
                       int yTwips, int widthPixels, QColor colour)
{
    return shape(parent, objectName,
                 QRect(Twips::toPixels(x1Twips), Twips::toPixels(yTwips) - widthPixels / 2,
                       Twips::toPixels(x2Twips) - Twips::toPixels(x1Twips), widthPixels),
                 colour);
}

void centreOnScreen(QWidget *window, QSize screen, int verticalDivisor)
{
    FrameCentring *centring = nullptr;
    for (QObject *child : window->children()) {
        if ((centring = dynamic_cast<FrameCentring *>(child)))
            break;
    }
    if (!centring)
        centring = new FrameCentring(window);
    centring->centre(screen, verticalDivisor);
}

void standBesideWorkingWindow(QWidget *window)
{
    window->setProperty(besideWorkingWindow, true);
}

bool standsBesideWorkingWindow(const QWidget *window)
{
    return window->property(besideWorkingWindow).toBool();
}

void keepMessagesOff(QWidget *area)
{
    area->window()->setProperty(keptFromMessages, QVariant::fromValue(static_cast<QObject *>(area)));
}

QWidget *areaKeptFromMessages(const QWidget *window)
{
    return qobject_cast<QWidget *>(window->property(keptFromMessages).value<QObject *>());
}

QPoint besideArea(const QRect &area, QSize size, const QRect &screen)
{
    const int middleX = area.center().x() - size.width() / 2;
    const int middleY = area.center().y() - size.height() / 2;
    const QPoint candidates[] = {
        {area.right() + 1 + messageGap, middleY},
        {area.left() - messageGap - size.width(), middleY},
        {middleX, area.bottom() + 1 + messageGap},
        {middleX, area.top() - messageGap - size.height()},
    };
    QPoint best;
    qint64 leastCovered = -1;
    for (QPoint corner : candidates) {
        // Kept on the screen; a box larger than the screen keeps its top left corner there.
        corner.setX(std::max(screen.left(), std::min(corner.x(), screen.right() + 1 - size.width())));
        corner.setY(std::max(screen.top(), std::min(corner.y(), screen.bottom() + 1 - size.height())));
        const QRect covered = QRect(corner, size).intersected(area);
        const qint64 coveredPixels = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || coveredPixels < leastCovered) {
            best = corner;
            leastCovered = coveredPixels;
        }
        if (coveredPixels == 0)
            break;
    }
    return best;
}

} // namespace WindowSetup
