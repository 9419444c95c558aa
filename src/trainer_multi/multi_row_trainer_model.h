// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "trainer_frame/trainer_model.h"
#include "trainer_multi/multi_row_design.h"
#include "trainer_multi/multi_row_task.h"

#include <QHash>
#include <QString>
#include <QStringList>

// A two- or three-row trainer: task draws, the expected digit of every field,
// the row layout ("Treppe"/"Bündig"), the completion tests and the gap tasks.
// The window only mirrors this state and turns events into calls.
class MultiRowTrainerModel : public TrainerModel {
    Q_OBJECT
public:
    static inline const QString staircaseCaption = QStringLiteral("Treppe");
    static inline const QString flushCaption = QStringLiteral("Bündig");

    MultiRowTrainerModel(const MultiRowDesign &design, Platform &platform, RandomSource &random,
                         QObject *parent = nullptr);

    const MultiRowDesign &design() const { return m_design; }

    // Task operations.
    void newNormalTask() override; // a gap task while gap mode is on
    void clearNormalTask();
    void checkNormalTask();
    void newGapTask() override;
    void clearGapTask();
    void checkGapTask();
    // A digit tile dropped on a field: checked at once.
    void dropDigit(const QString &field, const QString &digit);
    QString expectedDigit(const QString &field) const;
    bool takesDrops(const QString &field) const;

    // Commands.
    void chooseNormal();    // "Normal"
    void chooseGaps();      // "Lücke"
    void toggleRowLayout(); // "Treppe" / "Bündig"

    // State.
    QString text(const QString &field) const { return m_texts.value(field); }
    // The zero fields follow the row layout; every other cell is shown in its view.
    bool isVisible(const QString &field) const;
    bool staircase() const { return m_staircase; }
    // The layout command offers the other layout.
    QString layoutCaption() const { return m_staircase ? flushCaption : staircaseCaption; }
    const MultiRowTask &task() const { return m_task; }
    QStringList keyListA() const override { return m_keyA; }
    QStringList keyListB() const override { return m_keyB; }

private:
    void clearView(MultiRowView view);
    void drawInto(MultiRowView view);
    // The texts of a row of the normal view, a hidden zero read as "0".
    QString enteredRow(int row) const;

    const MultiRowDesign &m_design;
    QHash<QString, QString> m_texts;
    MultiRowTask m_task;
    QStringList m_keyA;
    QStringList m_keyB;
    bool m_staircase = false;
};
