// The log window (entries, copying, clearing, closing, layout) and the log preferences window.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCursor>
#include <QtTest>

#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "support/FakePlatform.h"

using orlun::LogPreferences;
using orlun::app::frmLog;
using orlun::app::frmLogPreferences;
using orlun::test::FakePlatform;

namespace {

const QString kEntry = "Orlun 1.00\r\n\r\nNow\r\n---\r\n2013-02-10 CE 12:00 GMT\r\n\r\n";

void Select(frmLog& log, int from, int to)
{
    QTextCursor cursor = log.txbText->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    log.txbText->setTextCursor(cursor);
}

QString Describe(const QList<orlun::test::RecordedMessage>& shown)
{
    QStringList parts;
    for (const auto& m : shown) parts << m.kind + " [" + m.title + "] " + m.text;
    return parts.join(" | ");
}

} // namespace

class TestLogWindows : public QObject {
    Q_OBJECT

private slots:
    void entriesKeepTheirLineEnds()
    {
        FakePlatform fake;
        frmLog log(fake.platform);
        QSignalSpy hasText(&log, &frmLog::logHasTextChanged);
        QVERIFY(log.IsEmpty());
        QCOMPARE(log.windowTitle(), QString("Log for Orlun 1.00"));
        QCOMPARE(log.Underline(), QString(255, '-'));
        QVERIFY(!log.txbText->isReadOnly());

        log.AddToLog(kEntry);
        log.Append("Plus 1 day\r\n");
        QCOMPARE(log.Text(), kEntry + "Plus 1 day\r\n");
        QVERIFY(!log.IsEmpty());
        QCOMPARE(log.txbText->textCursor().position(), log.txbText->document()->characterCount() - 1);
        // Only the change from empty to holding text is reported.
        QCOMPARE(hasText.count(), 1);
        QCOMPARE(hasText.at(0).at(0).toBool(), true);

        // Typing into the log counts like an entry; emptying it by hand is reported too.
        log.txbText->selectAll();
        log.txbText->textCursor().removeSelectedText();
        QVERIFY(log.IsEmpty());
        QCOMPARE(hasText.count(), 2);
        QCOMPARE(hasText.at(1).at(0).toBool(), false);
    }

    void copiesTheSelectionOrTheWholeLog()
    {
        FakePlatform fake;
        frmLog log(fake.platform);

        // An empty log puts nothing on the clipboard.
        fake.clipboard.text = "before";
        log.Copy();
        QCOMPARE(fake.clipboard.text, QString("before"));
        QCOMPARE(log.focusWidget(), log.cmdClose);

        log.AddToLog(kEntry);
        log.Form_Activate();
        QCOMPARE(log.cmdCopyToClipboard->text(), QString("Copy to clipboard"));
        QCOMPARE(log.cmdCopyToClipboard->width(), 218);
        log.Copy();
        QCOMPARE(fake.clipboard.text, kEntry);

        // A selection across lines is copied with CR LF line ends.
        const int from = QString("Orlun 1.00\n\n").size();
        Select(log, from, from + QString("Now\n---").size());
        QCOMPARE(log.cmdCopyToClipboard->text(), QString("Copy selected text to clipboard"));
        QCOMPARE(log.cmdCopyToClipboard->width(), 295);
        log.Copy();
        QCOMPARE(fake.clipboard.text, QString("Now\r\n---"));
        QCOMPARE(log.focusWidget(), log.cmdClose);

        // Without a selection the button offers the whole log again.
        Select(log, 3, 3);
        QCOMPARE(log.cmdCopyToClipboard->text(), QString("Copy to clipboard"));
        QCOMPARE(log.cmdCopyToClipboard->width(), 218);
        log.Copy();
        QCOMPARE(fake.clipboard.text, kEntry);
        QVERIFY2(fake.messages.shown.isEmpty(), qPrintable(Describe(fake.messages.shown)));
    }

    void clearLogAsksFirst()
    {
        FakePlatform fake;
        frmLog log(fake.platform);
        QSignalSpy closed(&log, &frmLog::closed);
        QSignalSpy hasText(&log, &frmLog::logHasTextChanged);
        log.AddToLog(kEntry);
        log.show();

        fake.messages.answers = {false}; // Cancel
        QVERIFY(!log.ConfirmClear());
        QCOMPARE(log.Text(), kEntry);
        QVERIFY(log.isVisible());
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].kind, QString("okcancel"));
        QCOMPARE(fake.messages.shown[0].title, QString("Clear log"));
        QCOMPARE(fake.messages.shown[0].text, QString("Erase all data in the log?"));

        fake.messages.answers = {true}; // OK
        log.cmdClear->click();
        QVERIFY(log.IsEmpty());
        QVERIFY(!log.isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(hasText.count(), 2);
        QCOMPARE(hasText.last().at(0).toBool(), false);

        // From the main window, with the log window hidden: cleared, nothing to hide.
        log.AddToLog(kEntry);
        fake.messages.answers = {true};
        QVERIFY(log.ConfirmClear());
        QVERIFY(log.IsEmpty());
        QCOMPARE(closed.count(), 1);
    }

    void closeKeepsTheTextAndTheCloseBoxLosesIt()
    {
        FakePlatform fake;
        QWidget main;
        main.resize(900, 700);
        frmLog log(fake.platform, &main);
        QSignalSpy closed(&log, &frmLog::closed);
        QSignalSpy hasText(&log, &frmLog::logHasTextChanged);

        log.AddToLog(kEntry);
        QVERIFY(log.View(main));
        QVERIFY(log.isVisible());
        log.cmdClose->click();
        QVERIFY(!log.isVisible());
        QCOMPARE(log.Text(), kEntry);
        QCOMPARE(closed.count(), 1);

        QVERIFY(log.View(main));
        QVERIFY(log.close()); // the close box
        QVERIFY(!log.isVisible());
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].kind, QString("warning"));
        QCOMPARE(fake.messages.shown[0].title, QString("X"));
        QCOMPARE(fake.messages.shown[0].text,
                 QString("Closing the log window in this way\n causes its contents to be lost.\n"
                         "\nTo preserve the contents\nuse the 'Close' button."));
        QVERIFY(log.IsEmpty());
        QCOMPARE(hasText.last().at(0).toBool(), false);

        // View log again: the log is empty.
        QVERIFY(!log.View(main));
        QVERIFY(!log.isVisible());
        QCOMPARE(fake.messages.shown.size(), 2);
        QCOMPARE(fake.messages.shown[1].kind, QString("information"));
        QCOMPARE(fake.messages.shown[1].title, QString("View Log"));
        QCOMPARE(fake.messages.shown[1].text, QString("Log is empty"));
    }

    void quittingTheProgramIsNoCloseBox()
    {
        FakePlatform fake;
        frmLog log(fake.platform);
        log.AddToLog(kEntry);
        log.show();
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        log.close();
        QVERIFY2(fake.messages.shown.isEmpty(), qPrintable(Describe(fake.messages.shown)));
    }

    void viewPlacesTheWindowBelowTheMainWindowsTop()
    {
        FakePlatform fake;
        QWidget main;
        main.setGeometry(100, 100, 900, 700);
        frmLog log(fake.platform, &main);
        log.AddToLog(kEntry);
        QVERIFY(log.View(main));
        QCOMPARE(log.width(), 900);
        QCOMPARE(log.height(), 700 - 67);
        QCOMPARE(log.frameGeometry().topLeft(), main.frameGeometry().topLeft() + QPoint(0, 52));
        QCOMPARE(log.focusWidget(), log.cmdClose);
    }

    void layoutFollowsTheWindowSize()
    {
        FakePlatform fake;
        frmLog log(fake.platform);
        log.AddToLog(kEntry);
        log.show();
        for (const QSize size : {QSize(800, 500), QSize(640, 300)}) {
            log.resize(size);
            const QRect copy = log.cmdCopyToClipboard->geometry();
            const QRect clear = log.cmdClear->geometry();
            const QRect close = log.cmdClose->geometry();
            const QString at = QString("window %1x%2").arg(size.width()).arg(size.height());
            QVERIFY2(close.right() + 1 == size.width() - 14, qPrintable(at));
            QVERIFY2(qAbs((clear.left() - copy.right()) - (close.left() - clear.right())) <= 1,
                     qPrintable(at + ": Clear log not centred between the other buttons"));
            QVERIFY2(log.txbText->geometry().bottom() < close.top(), qPrintable(at));
            QCOMPARE(log.txbText->width(), size.width() - 20);
        }
        // Never lower than 200 pixels, never narrower than the buttons with room beside them.
        log.resize(100, 100);
        QVERIFY(log.height() >= 200);
        const int buttons = log.cmdCopyToClipboard->width() + log.cmdClear->width() +
                            log.cmdClose->width();
        QVERIFY2(log.width() >= buttons + 40,
                 qPrintable(QString("width %1 for buttons of %2").arg(log.width()).arg(buttons)));
    }

    void preferenceCaptionsAndFrames()
    {
        frmLogPreferences p;
        QCOMPARE(p.windowTitle(), QString("Configure log entries"));
        QCOMPARE(p.findChild<QLabel*>("lblInclude")->text(), QString("Include in log entries:"));
        struct Box {
            const char* name;
            const char* caption;
            const char* frame; // "" for the boxes outside the frames
        };
        const Box boxes[] = {
            {"chkIncludeChL", "ChL (Chinese Lunar Calendar)", "fraChinese"},
            {"chkIncludeChS", "ChS (Chinese Solar Calendar)", "fraChinese"},
            {"chkIncludeCJDC", "CJDC (Chronological Julian Date, China)", "fraChinese"},
            {"chkEpochEtc", "Epoch, method, longitude", "fraChinese"},
            {"chkIncludeCE", "CE (Common Era Calendar)", "fraWestern"},
            {"chkIncludeJC", "JC (Julian Calendar)", "fraWestern"},
            {"chkIncludeCJDL", "CJDL (Chronological Julian Date, London)", "fraWestern"},
            {"chkIncludeAJD", "AJD (Astronomical Julian Date)", "fraAstronomical"},
            {"chkIncludePhaseOfMoonAndIllumination", "Phase of Moon and illumination",
             "fraAstronomical"},
            {"chkIncludeLunationAndAgeOfMoon", "Lunation and age of Moon", "fraAstronomical"},
            {"chkVerbose", "Expanded log entries", ""},
            {"chkIncludeGanzhi", "Include Chinese terms", ""},
            {"chkViewLogWhenAdd", "View log after adding an entry", ""},
        };
        for (const Box& b : boxes) {
            auto* box = p.findChild<QCheckBox*>(b.name);
            QVERIFY2(box, b.name);
            QCOMPARE(box->text(), QString(b.caption));
            const QString parent = box->parentWidget()->objectName();
            QVERIFY2(QString(b.frame).isEmpty() ? parent == "frmLogPreferences" : parent == b.frame,
                     qPrintable(QString("%1 is in %2, expected %3").arg(b.name, parent, b.frame)));
            QVERIFY2(!box->font().bold(), b.name);
        }
        QCOMPARE(p.fraChinese->title(), QString("Chinese"));
        QCOMPARE(p.fraWestern->title(), QString("Western"));
        QCOMPARE(p.fraAstronomical->title(), QString("Astronomical"));
        QCOMPARE(p.cmdClose->text(), QString("Close"));
        QCOMPARE(p.font().family(), QString("Arial"));
    }

    void setAllClearAllAndClose()
    {
        frmLogPreferences p;
        QSignalSpy closed(&p, &frmLogPreferences::closed);
        QCOMPARE(p.Values(), LogPreferences{});
        QCOMPARE(p.cmdSetClear->text(), QString("Set all"));

        p.cmdSetClear->click();
        for (bool v : p.Values().ToArray()) QVERIFY(v);
        QVERIFY(p.chkIncludeGanzhi->isEnabled());
        QCOMPARE(p.cmdSetClear->text(), QString("Clear all"));

        p.show();
        p.cmdSetClear->click();
        for (bool v : p.Values().ToArray()) QVERIFY(!v);
        QVERIFY(!p.chkIncludeGanzhi->isEnabled());
        QCOMPARE(p.cmdSetClear->text(), QString("Set all"));

        // Closing with nothing checked leaves ChL alone checked.
        p.cmdClose->click();
        QVERIFY(!p.isVisible());
        QCOMPARE(closed.count(), 1);
        LogPreferences onlyChL = LogPreferences::FromArray({});
        onlyChL.chl = true;
        QCOMPARE(p.Values(), onlyChL);

        // With one box checked, Close changes nothing; the close box closes alike.
        LogPreferences onlyVerbose = LogPreferences::FromArray({});
        onlyVerbose.verbose = true;
        p.SetValues(onlyVerbose);
        p.show();
        QVERIFY(p.close());
        QCOMPARE(closed.count(), 2);
        QCOMPARE(p.Values(), onlyVerbose);
        p.SetValues(LogPreferences::FromArray({}));
        p.show();
        QVERIFY(p.close());
        QCOMPARE(p.Values(), onlyChL);
    }

    void expandedEntriesEnableChineseTerms()
    {
        frmLogPreferences p;
        QVERIFY(p.chkIncludeGanzhi->isEnabled());
        p.chkVerbose->click();
        QVERIFY(!p.chkVerbose->isChecked());
        QVERIFY(!p.chkIncludeGanzhi->isEnabled());
        QVERIFY(p.chkIncludeGanzhi->isChecked()); // the value stays; it matters only when expanded
        p.chkVerbose->click();
        QVERIFY(p.chkIncludeGanzhi->isEnabled());

        LogPreferences compact;
        compact.verbose = false;
        p.SetValues(compact);
        QVERIFY(!p.chkIncludeGanzhi->isEnabled());
    }

    void valuesRoundTrip()
    {
        frmLogPreferences p;
        // Each box alone, so that a mix-up of two boxes shows.
        for (int i = 0; i < orlun::kLogPreferenceCount; ++i) {
            std::array<bool, orlun::kLogPreferenceCount> one{};
            one[i] = true;
            p.SetValues(LogPreferences::FromArray(one));
            QVERIFY2(p.Values().ToArray() == one, qPrintable(QString("only box %1").arg(i)));
        }
        QCOMPARE(p.findChild<QCheckBox*>("chkIncludeLunationAndAgeOfMoon")->isChecked(), true);

        p.SetDefaultLogConfiguration(true);
        QCOMPARE(p.Values(), orlun::DefaultLogPreferences(true));
        QVERIFY(p.chkIncludeCJDC->isChecked() && p.chkIncludeCJDL->isChecked() &&
                p.chkIncludeAJD->isChecked());
        QVERIFY(p.chkIncludeGanzhi->isEnabled());
        p.SetDefaultLogConfiguration(false);
        QCOMPARE(p.Values(), LogPreferences{});
    }

    void preferencesSitInTheMainWindowsCorner()
    {
        QWidget main;
        main.setGeometry(100, 100, 900, 700);
        frmLogPreferences p(&main);
        p.ShowFor(main);
        QVERIFY(p.isVisible());
        const QRect m = main.frameGeometry();
        const QRect own = p.frameGeometry();
        QCOMPARE(own.bottom(), m.bottom());
        QCOMPARE(own.right(), m.right() - 5);
        QCOMPARE(p.focusWidget(), p.cmdClose);
    }
};

QTEST_MAIN(TestLogWindows)
#include "test_log_windows.moc"
