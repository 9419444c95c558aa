// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "worksheet/sheet_kind.h"
#include "worksheet/worksheet_commands.h"

#include <QObject>
#include <QStringList>
#include <functional>

class KaroblattWindow;
class Platform;
class RandomSource;
class QListWidget;
class QPushButton;
class QWidget;

// The worksheet strip ("Abbruch", "Aufgaben drucken", "Lösungen drucken",
// "Kopieren") and the list of rows, placed on a trainer window. Both are
// hidden until "Blatt" builds a sheet; the list shows the sheet's rows. Along
// the list's bottom "Karoblatt" opens the trainer's squared-paper sheet in a
// window of its own.
class WorksheetView : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> printerLocked; // the info window's lock
        std::function<int()> points;         // the trainer's points, the password when printing
        std::function<bool()> staircase;     // multi-row trainers: staircase layout chosen, read at "Blatt"
    };

    WorksheetView(QWidget *window, SheetKind kind, Platform &platform, RandomSource &random,
                  Hooks hooks);

    void build(); // "Blatt"
    void close(); // "Abbruch"
    bool isShown() const;
    const QStringList &rows() const { return m_rows; }
    void openKaroblatt(); // "Karoblatt"
    // Null until "Karoblatt" first opened it; kept until the program ends.
    KaroblattWindow *karoblattWindow() const { return m_karoblatt; }

    static inline const QString panelName = QStringLiteral("Bild3");
    static inline const QString listName = QStringLiteral("Liste5");
    static inline const QString cancelButtonName = QStringLiteral("Befehl16");
    static inline const QString printTasksButtonName = QStringLiteral("Befehl17");
    static inline const QString printSolutionsButtonName = QStringLiteral("Befehl18");
    static inline const QString copyButtonName = QStringLiteral("Befehl19");
    static inline const QString karoblattButtonName = QStringLiteral("Befehl24");

signals:
    void closed(); // "Abbruch" took the sheet away

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *addButton(const QString &name, const QString &caption, int left, int width);
    void fitRows();

    SheetKind m_kind;
    QWidget *m_window;
    Platform &m_platform;
    RandomSource &m_random;
    Hooks m_hooks;
    WorksheetCommands m_commands;
    QStringList m_rows;
    QWidget *m_panel = nullptr;
    QListWidget *m_list = nullptr;
    KaroblattWindow *m_karoblatt = nullptr;
};
