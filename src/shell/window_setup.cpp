// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_setup.h"

#include "shell/twips.h"

#include "shell/window_scale.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <limits>

namespace WindowSetup {

namespace {
const char *const besideWorkingWindow = "besideWorkingWindow";
const char *const keptFromMessages = "areaKeptFromMessages";
constexpr int messageGap = 8; // pixels between a box and the area it keeps clear of

// Keeps a window as large as the pupil chose and as fits the screen with its
// frame, and its corner where that centres it with its frame. Whenever the
// frame turns out other than the one the window was placed with (a window
// manager frames a window only after it is first shown, and may say so
// without moving it), the window is fitted and centred again. A window the
// pupil moves stays where it is put.
class Placement final : public QObject {
public:
    static Placement *of(QWidget *window)
    {
        for (QObject *child : window->children())
            if (auto *placement = dynamic_cast<Placement *>(child))
                return placement;
        return new Placement(window);
    }

    void centre(QSize screen, int verticalDivisor)
    {
        m_screen = screen;
        m_verticalDivisor = verticalDivisor;
        place();
    }

    void zoom(ZoomStep step)
    {
        const qreal shown = WindowScale::factorOf(m_window);
        const qreal largest = largestFitting();
        auto larger = std::find_if(std::begin(zoomSteps), std::end(zoomSteps),
                                   [shown](qreal z) { return z > shown + zoomTolerance; });
        auto smaller = std::find_if(std::rbegin(zoomSteps), std::rend(zoomSteps),
                                    [shown](qreal z) { return z < shown - zoomTolerance; });
        switch (step) {
        case ZoomStep::In:
            if (larger != std::end(zoomSteps) && std::min(*larger, largest) > shown + zoomTolerance)
                m_zoom = std::min(*larger, largest);
            break;
        case ZoomStep::Out:
            if (smaller != std::rend(zoomSteps))
                m_zoom = *smaller;
            break;
        case ZoomStep::Reset:
            m_zoom = 1;
            break;
        }
        place();
    }

    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom)
    {
        if (zoom == m_zoom)
            return;
        m_zoom = zoom;
        place();
    }

    // Ctrl with the wheel zooms wherever the pointer stands over the window.
    void watchWheel(QObject *watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::Paint:
            if (watched == m_window && !m_placing && framedSize() != m_frame)
                place();
            break;
        case QEvent::Wheel: {
            auto *wheel = static_cast<QWheelEvent *>(event);
            if (!(wheel->modifiers() & Qt::ControlModifier))
                break;
            m_wheelTurn += wheel->angleDelta().y();
            for (; m_wheelTurn >= wheelNotch; m_wheelTurn -= wheelNotch)
                zoom(ZoomStep::In);
            for (; m_wheelTurn <= -wheelNotch; m_wheelTurn += wheelNotch)
                zoom(ZoomStep::Out);
            return true;
        }
        default:
            break;
        }
        return false;
    }

private:
    explicit Placement(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

    // The largest scale at which the window with its frame fits the screen.
    qreal largestFitting() const
    {
        if (!m_screen.isValid())
            return std::numeric_limits<qreal>::max();
        const QSize frame = framedSize() - m_window->size();
        const QSize layout = WindowScale::of(m_window)->layoutSize();
        return std::min(qreal(m_screen.width() - frame.width()) / layout.width(),
                        qreal(m_screen.height() - frame.height()) / layout.height());
    }

    void place()
    {
        const QScopedValueRollback placing(m_placing, true);
        WindowScale::of(m_window)->setFactor(std::min(m_zoom, largestFitting()));
        if (!m_screen.isValid())
            return;
        m_frame = framedSize();
        const QPoint corner = Twips::centred(m_screen, m_frame, m_verticalDivisor);
        // A widget's move counts the frame it knew at its last move, perhaps
        // none yet: a shown window is placed by its inside, from the frame
        // the window system knows now.
        if (m_window->windowHandle()) {
            const QMargins frame = frameMargins();
            m_window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window->size()));
        } else {
            m_window->move(corner);
        }
    }

    // Asked of the window system each time: the widget's own frame geometry
    // is only brought up to date when the window moves.
    QSize framedSize() const
    {
        if (m_window->windowHandle())
            return m_window->size().grownBy(frameMargins());
        return m_window->frameGeometry().size();
    }

    // At a scale factor the frame's screen pixels come rounded to whole
    // pixels of the window: one more on each side keeps all of it on the screen.
    QMargins frameMargins() const
    {
        QMargins frame = m_window->windowHandle()->frameMargins();
        if (m_window->devicePixelRatioF() > 1 && !frame.isNull())
            frame += QMargins(1, 1, 1, 1);
        return frame;
    }

    static constexpr qreal zoomSteps[] = {0.5, 0.65, 0.8, 1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
    static constexpr qreal zoomTolerance = 0.01;
    static constexpr int wheelNotch = 120; // eighths of a degree

    QWidget *m_window;
    QSize m_screen;
    int m_verticalDivisor = 2;
    QSize m_frame;
    qreal m_zoom = 1;
    int m_wheelTurn = 0;
    bool m_placing = false;
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
    const WindowScale::TextFit fit{text, wrapped, extraWidth};
    widget->setFont(WindowScale::fitted(widget->font(), widget->size(), fit, WindowScale::smallestFittedPoints));
    WindowScale::of(widget->window())->keepFitted(widget, fit);
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
    Placement::of(window)->centre(screen, verticalDivisor);
}

void zoom(QWidget *window, ZoomStep step)
{
    Placement::of(window)->zoom(step);
}

qreal zoomOf(QWidget *window)
{
    return Placement::of(window)->zoom();
}

void setZoom(QWidget *window, qreal zoom)
{
    Placement::of(window)->setZoom(zoom);
}

void letPupilZoom(QWidget *window)
{
    using Keys = QList<QKeySequence>;
    const Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
    const std::pair<Keys, ZoomStep> shortcuts[] = {
        {Keys{Qt::ControlModifier | Qt::Key_Plus, keypad | Qt::Key_Plus}, ZoomStep::In},
        {Keys{Qt::ControlModifier | Qt::Key_Minus, keypad | Qt::Key_Minus}, ZoomStep::Out},
        {Keys{Qt::ControlModifier | Qt::Key_0, keypad | Qt::Key_0}, ZoomStep::Reset},
    };
    for (const auto &[keys, step] : shortcuts) {
        auto *shortcut = new QShortcut(window);
        shortcut->setKeys(keys);
        QObject::connect(shortcut, &QShortcut::activated, window, [window, step = step] { zoom(window, step); });
    }
    Placement *placement = Placement::of(window);
    const auto areas = window->findChildren<QAbstractScrollArea *>();
    for (QAbstractScrollArea *area : areas)
        placement->watchWheel(area->viewport());
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
