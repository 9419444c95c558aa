// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer_frame/help_strip.h"

#include "shell/help_setting.h"
#include "shell/look.h"
#include "shell/twips.h"
#include "shell/window_placement.h"
#include "shell/window_setup.h"
#include "trainer_frame/answer_input.h"
#include "trainer_frame/frame_geometry.h"
#include "trainer_frame/trainer_model.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int commandTop = 180;
constexpr int hintLeft = 2520;
constexpr int hintTop = 60;
} // namespace

HelpStrip::HelpStrip(TrainerModel &model, AnswerInput &input, HelpSetting &setting, WindowPlacement &placement,
                     int top, QWidget *window)
    : QWidget(window)
    , m_model(model)
    , m_placement(placement)
    , m_windowSize(FrameGeometry::clientWidth, top)
{
    setObjectName(QStringLiteral("Bild7"));
    setGeometry(Twips::rect(0, top, FrameGeometry::clientWidth, height));
    WindowSetup::setBackground(this, Look::helpStrip);
    setAccessibleName(QStringLiteral("Hilfe beim Rechnen"));

    auto command = [this](const char *name, const QString &caption, int left, int width) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(Twips::rect(left, commandTop, width, FrameGeometry::commandHeight));
        button->setFont(WindowSetup::font(9.75, true));
        button->setFocusPolicy(Qt::TabFocus); // a click leaves the keys with their field
        m_placement.scale().fitText(button, {caption, false, 4 * Look::focusRingWidth});
        return button;
    };
    m_hintCommand = command("Befehl22", QStringLiteral("Tipp"), 120, FrameGeometry::barWidth);
    m_demonstrationCommand = command("Befehl23", QStringLiteral("Vormachen"), 960, 1455);
    m_hint = WindowSetup::label(this, QStringLiteral("Bezeichnung50"), QString(),
                                Twips::rect(hintLeft, hintTop, FrameGeometry::clientWidth - 120 - hintLeft,
                                            height - 2 * hintTop));
    m_hint->setFont(WindowSetup::font(9.75));
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    WindowSetup::setColours(m_hint, Look::ink, Look::helpStrip);
    m_hint->setAccessibleDescription(QStringLiteral("Tipp"));

    connect(m_hintCommand, &QPushButton::clicked, this, [this, &input] { m_model.tutor().askForHint(input.framedCell()); });
    connect(m_demonstrationCommand, &QPushButton::clicked, this, [this] {
        Tutor &tutor = m_model.tutor();
        tutor.demonstrating() ? tutor.stopDemonstration() : tutor.demonstrate();
    });
    connect(&setting, &HelpSetting::changed, this, &HelpStrip::follow);
    follow(setting.isOn());
}

// Help off gives the trainer back exactly: no strip, the window its own size.
void HelpStrip::follow(bool helpOn)
{
    m_model.tutor().setHelpShown(helpOn);
    setVisible(helpOn);
    m_placement.setLayoutSize(Twips::size(m_windowSize.width(), m_windowSize.height() + (helpOn ? height : 0)));
}

void HelpStrip::mirror()
{
    const Tutor &tutor = m_model.tutor();
    if (m_shownHint != tutor.hint()) {
        m_shownHint = tutor.hint();
        m_hint->setText(m_shownHint);
        m_hint->setAccessibleName(m_shownHint); // a changed name is announced
    }
    if (m_offered != tutor.offersDemonstration()) {
        m_offered = tutor.offersDemonstration();
        QPalette palette = m_demonstrationCommand->palette();
        palette.setColor(QPalette::Button, m_offered ? Look::offeredCommand : this->palette().color(QPalette::Button));
        m_demonstrationCommand->setPalette(palette);
    }
}
