#pragma once

#include "worksheet/sheet_kind.h"

#include <QObject>
#include <QStringList>
#include <functional>

class Platform;
class RandomSource;
class QWidget;

// The worksheet strip ("Abbruch", "Aufgaben drucken", "Lösungen drucken",
// "Kopieren") and the list of rows, placed on a trainer window. Both stand
// outside the window until "Blatt" builds a sheet.
class WorksheetView : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> printerLocked;   // the info window's lock
        std::function<QString()> pointsText;   // the trainer's points display, read when printing
        std::function<bool()> staircase;       // multi-row trainers: staircase layout chosen
    };

    WorksheetView(QWidget *window, SheetKind kind, Platform &platform, RandomSource &random,
                  Hooks hooks);

    void build(); // "Blatt"
    void close(); // "Abbruch"
    bool isShown() const;
    QStringList rows() const;
};
