// SPDX-FileCopyrightText: 2026 Rechenheft contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt_platform.h"
#include "shell/message_placement.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

using namespace Qt::StringLiterals;

// The real message boxes, answered by a timer while they are open.
class TestQtPlatform : public QObject {
    Q_OBJECT
private slots:
    // First: it needs a program that has not opened a standard dialog yet.
    void qtTextsTurnGermanWithTheFirstStandardDialog();
    void carriageReturnsBecomeLineBreaks();
    void yesNoBoxSpeaksGermanAndDefaultsToNo();
    void inputDialogReturnsEmptyWhenCancelled();
    void boxStandsOverTheWindowThatAsks();
    void boxStandsBesideTheAreaItKeepsInSight_data();
    void boxStandsBesideTheAreaItKeepsInSight();
    void pdfDialogAsksBeforeReplacingTheFileItWrites_data();
    void pdfDialogAsksBeforeReplacingTheFileItWrites();
    void pdfDialogOpensInAFolderToWriteToNeverTheRoot_data();
    void pdfDialogOpensInAFolderToWriteToNeverTheRoot();

private:
    template <typename Dialog, typename Check>
    void whenOpen(Check check)
    {
        QTimer::singleShot(50, this, [check] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<Dialog *>(w); dialog && dialog->isVisible()) {
                    check(dialog);
                    return;
                }
            }
            QFAIL("no dialog open");
        });
    }
};

void TestQtPlatform::qtTextsTurnGermanWithTheFirstStandardDialog()
{
    const auto copy = [] { return QCoreApplication::translate("QLineEdit", "&Copy"); };
    QCOMPARE(copy(), QStringLiteral("&Copy")); // nothing loaded for the menu
    QtPlatform platform;
    QString shownWhileOpen;
    whenOpen<QInputDialog>([&](QInputDialog *dialog) {
        shownWhileOpen = copy();
        dialog->reject();
    });
    platform.inputText(QStringLiteral("Kennwort eingeben:"), QStringLiteral("Titel"), QString());
    QCOMPARE(shownWhileOpen, QStringLiteral("&Kopieren"));
}

void TestQtPlatform::carriageReturnsBecomeLineBreaks()
{
    QCOMPARE(QtPlatform::displayText(QStringLiteral("a\rb\r\r")), QStringLiteral("a\nb\n\n"));
    QCOMPARE(QtPlatform::displayText(QStringLiteral("a\r\nb\r\n")), QStringLiteral("a\nb\n"));
}

void TestQtPlatform::yesNoBoxSpeaksGermanAndDefaultsToNo()
{
    QtPlatform platform;
    QStringList captions;
    QString defaultCaption;
    QString shownText;
    bool titleFits = false;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        for (QAbstractButton *b : box->buttons())
            captions << b->text();
        QFont bold = box->font(); // the title as wide as the input dialog's below
        bold.setBold(true);
        titleFits = box->width() > QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 5 * 20;
        defaultCaption = box->defaultButton()->text();
        shownText = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    const MessageAnswer answer = platform.message(QStringLiteral("Frage?\r\r"), QStringLiteral("Schriftliche Multiplikation"),
                                                  MessageButtons::YesNo, MessageIcon::Question,
                                                  DefaultButton::Second);
    captions.sort();
    QCOMPARE(captions, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    QCOMPARE(defaultCaption, QStringLiteral("Nein"));
    QCOMPARE(shownText, QStringLiteral("Frage?\n\n"));
    QVERIFY(titleFits);
    QCOMPARE(answer, MessageAnswer::No);
}

void TestQtPlatform::inputDialogReturnsEmptyWhenCancelled()
{
    QtPlatform platform;
    whenOpen<QInputDialog>([](QInputDialog *dialog) {
        QCOMPARE(dialog->textValue(), QStringLiteral("Passwort"));
        dialog->reject();
        // Wide enough for the title in bold beside a title bar's icon, three buttons and their
        // spacing, some 20 px each (openbox cut it short at 249 px and showed it whole at 265).
        QFont bold = dialog->font();
        bold.setBold(true);
        QVERIFY(dialog->width() > QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 5 * 20);
    });
    QCOMPARE(platform.inputText(QStringLiteral("Kennwort eingeben:"), QStringLiteral("Druckersperre aufheben"),
                                QStringLiteral("Passwort")),
             QString());
    whenOpen<QInputDialog>([](QInputDialog *dialog) {
        dialog->setTextValue(QStringLiteral("17"));
        dialog->accept();
    });
    QCOMPARE(platform.inputText(QStringLiteral("Kennwort eingeben:"), QStringLiteral("Druckersperre aufheben"),
                                QStringLiteral("Passwort")),
             QStringLiteral("17"));
}

void TestQtPlatform::pdfDialogAsksBeforeReplacingTheFileItWrites_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("No keeps the dialog open and returns nothing") << false;
    QTest::newRow("Yes returns the name with .pdf") << true;
}

// A teacher's folder already holds "blatt.pdf"; the teacher types "blatt"
// into the real dialog and presses Enter.
void TestQtPlatform::pdfDialogAsksBeforeReplacingTheFileItWrites()
{
    QFETCH(bool, replace);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto restoreHome = qScopeGuard([&oldHome] { qputenv("HOME", oldHome); });
    QFile existing(home.filePath(QStringLiteral("blatt.pdf")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    QtPlatform platform;
    bool asked = false;
    bool stayedOpen = false;
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        // The question blocks inside the Enter key, so its answer is queued before.
        QTimer::singleShot(100, dialog, [&, dialog] {
            auto *question = dialog->findChild<QMessageBox *>();
            asked = question && question->isVisible();
            if (!asked) {
                dialog->reject();
                return;
            }
            question->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            QTimer::singleShot(50, dialog, [&, dialog] {
                stayedOpen = dialog->isVisible();
                if (stayedOpen)
                    QTest::keyClick(dialog, Qt::Key_Escape);
            });
        });
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        // The teacher types into the name field; while it has the focus, the dialog
        // does not replace the typed name with the file it selects as matching.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, QStringLiteral("blatt"));
        QCOMPARE(name->text(), QStringLiteral("blatt"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const QString file = platform.pdfFileName(QStringLiteral("Aufgabenblatt speichern"),
                                              QStringLiteral("Aufgabenblatt.pdf"));
    QVERIFY(asked);
    QCOMPARE(stayedOpen, !replace);
    QCOMPARE(file, replace ? home.filePath(QStringLiteral("blatt.pdf")) : QString());
}

void TestQtPlatform::pdfDialogOpensInAFolderToWriteToNeverTheRoot_data()
{
    // Folders without a leading slash lie in a scratch folder; an empty HOME is unset.
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("workingFolder");
    QTest::addColumn<QString>("expected"); // empty: the folder for temporary files
    QTest::newRow("the documents folder") << u"home"_s << u"work"_s << u"home/Documents"_s;
    QTest::newRow("the working folder without HOME") << QString() << u"work"_s << u"work"_s;
    QTest::newRow("the working folder when HOME is missing") << u"/nonexistent"_s << u"work"_s << u"work"_s;
    QTest::newRow("started in the root without HOME") << QString() << u"/"_s << QString();
}

void TestQtPlatform::pdfDialogOpensInAFolderToWriteToNeverTheRoot()
{
    QFETCH(QString, home);
    QFETCH(QString, workingFolder);
    QFETCH(QString, expected);
    QTemporaryDir scratch;
    const auto place = [&](const QString &path) { return path.startsWith(u'/') ? path : scratch.filePath(path); };
    QVERIFY(QDir().mkpath(place(u"home/Documents"_s)) && QDir().mkpath(place(u"work"_s)));
    const QByteArray oldHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&, oldWorkingFolder = QDir::currentPath()] {
        qputenv("HOME", oldHome);
        QDir::setCurrent(oldWorkingFolder);
    });
    home.isEmpty() ? qunsetenv("HOME") : qputenv("HOME", QFile::encodeName(place(home)));
    QVERIFY(QDir::setCurrent(place(workingFolder)));
    QCOMPARE(QtPlatform::pdfFolder(), expected.isEmpty() ? QDir::tempPath() : place(expected));
}

// The info window beside the menu was active last; the menu asks.
void TestQtPlatform::boxStandsBesideTheAreaItKeepsInSight_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("field");
    QTest::addColumn<QPoint>("corner");
    QTest::newRow("room on the right") << QRect(300, 200, 400, 240) << QRect() << QPoint(708, 219);
    QTest::newRow("the screen ends: left") << QRect(600, 200, 400, 240) << QRect() << QPoint(292, 219);
    QTest::newRow("wide area: below") << QRect(50, 100, 900, 240) << QRect() << QPoint(349, 348);
    QTest::newRow("tall and wide: above") << QRect(50, 300, 900, 460) << QRect() << QPoint(349, 92);
    QTest::newRow("no room at all: it covers least, in a corner of the screen")
        << QRect(10, 10, 1000, 740) << QRect() << QPoint(724, 568);
    QTest::newRow("no room at all: the reported field stays free")
        << QRect(10, 10, 1000, 740) << QRect(900, 600, 33, 33) << QPoint(0, 568);
}

void TestQtPlatform::boxStandsBesideTheAreaItKeepsInSight()
{
    QFETCH(QRect, area);
    QFETCH(QRect, field);
    QTEST(messageBesideArea(area, field, QSize(300, 200), QRect(0, 0, 1024, 768)), "corner");
}

void TestQtPlatform::boxStandsOverTheWindowThatAsks()
{
    QtPlatform platform;
    QWidget working;
    working.setGeometry(100, 100, 400, 300);
    QWidget beside;
    platform.keepMessagesOff(&beside);
    beside.setGeometry(800, 500, 200, 200);
    working.show();
    beside.show();
    beside.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&beside));

    QWidget *parent = nullptr;
    QPoint centre;
    whenOpen<QMessageBox>([&](QMessageBox *box) {
        parent = box->parentWidget();
        centre = box->frameGeometry().center();
        QTest::keyClick(box, Qt::Key_Return);
    });
    platform.message(QStringLiteral("Dieses Programm jetzt beenden?\r\r\r"), QStringLiteral("Schriftliche Multiplikation"),
                     MessageButtons::YesNo, MessageIcon::Stop, DefaultButton::Second);
    QCOMPARE(parent, &working);
    QVERIFY2(working.frameGeometry().contains(centre), qPrintable(QStringLiteral("box centred at %1, %2")
                                                                      .arg(centre.x()).arg(centre.y())));
}

QTEST_MAIN(TestQtPlatform)
#include "test_qt_platform.moc"
