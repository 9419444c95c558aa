// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/shell_fixture.h"

#include <QObject>
#include <memory>

// A test class whose every test function gets a fresh program on the
// scripted platform, gone again after it.
class ShellTest : public QObject {
    Q_OBJECT
public:
    // Whether each test begins with the program started, its menu shown.
    explicit ShellTest(bool started = false)
        : m_started(started)
    {
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<ShellFixture>();
        m_platform = &m_fixture->platform;
        m_random = &m_fixture->random;
        m_shell = &m_fixture->shell;
        if (m_started)
            m_shell->start();
    }
    void cleanup() { m_fixture.reset(); }

protected:
    std::unique_ptr<ShellFixture> m_fixture;
    ScriptedPlatform *m_platform = nullptr;
    ScriptedRandom *m_random = nullptr;
    AppShell *m_shell = nullptr;

private:
    bool m_started;
};
