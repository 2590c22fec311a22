// The toolkit's dialogs speak the window's language: no text of a message box or of the save-file
// dialog is left as the English one, in any of the four languages (Qt ships nothing for
// Vietnamese, and its other files lack a few of the file dialog's texts). A message box is as
// wide as its title.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "app/month/SaveFileDialog.h"
#include "app/platform/MessageBox.h"
#include "app/platform/Translations.h"

using namespace orlun::app;
using orlun::Language;

namespace {

// Installed before the translations, so asked after them: every Qt text none of them knows.
class UntranslatedQtTexts final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation, int) const override
    {
        const QString where = QString::fromLatin1(context);
        // Key names are read and written for shortcuts, which these dialogs do not show; the
        // layout direction is asked again each time a translation comes or goes.
        if (!where.startsWith("orlun") && where != "QShortcut" && where != "QGuiApplication") {
            QString entry = where + " | " + QString::fromUtf8(source);
            if (disambiguation && *disambiguation) entry += " | " + QString::fromUtf8(disambiguation);
            missed.insert(entry);
        }
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> missed;
};

void AddText(QSet<QString>& texts, QString text)
{
    text.remove('&');
    if (text.contains(QRegularExpression("[A-Za-z]"))) texts.insert(text);
}

// The texts of the visible widgets: titles, captions, tips, list items and column names.
QSet<QString> ShownTexts(const QWidget& dialog)
{
    QSet<QString> texts;
    AddText(texts, dialog.windowTitle());
    for (const QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&dialog)) continue;
        AddText(texts, w->toolTip());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) AddText(texts, button->text());
        if (const auto* label = qobject_cast<const QLabel*>(w)) AddText(texts, label->text());
        if (const auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i) AddText(texts, list->itemText(i));
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel& model = *view->model();
            for (int c = 0; c < model.columnCount(view->rootIndex()); ++c) {
                AddText(texts, model.headerData(c, Qt::Horizontal).toString());
                // The first column names files and folders; the last gives dates in the system's locale.
                if (c == 0 && model.columnCount(view->rootIndex()) > 1) continue;
                if (c == 3) continue;
                for (int r = 0; r < model.rowCount(view->rootIndex()); ++r)
                    AddText(texts, model.index(r, c, view->rootIndex()).data().toString());
            }
        }
    }
    // The places beside the files are named by their folders.
    texts.remove(QDir::home().dirName());
    return texts;
}

// The save dialog as the month window opens it, over a folder with one folder in it, in detail
// view; its folder list loaded.
// The texts the program gives the dialogs (in the window's language already).
const QString kTitle = QString::fromUtf8("Lưu ảnh");
const QString kFilter = QString::fromUtf8("Ảnh PNG (*.png)");
const QString kQuestionTitle = QString::fromUtf8("Câu hỏi");
const QString kQuestion = QString::fromUtf8("Lưu?");

QSet<QString> SaveDialogTexts(const QString& folder)
{
    QFileDialog dialog;
    PrepareSaveFileDialog(dialog, kTitle, kFilter);
    dialog.setDirectory(folder);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    auto* files = dialog.findChild<QAbstractItemView*>("treeView");
    if (!files || !QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) > 0; }, 5000))
        return {"the folder list did not load"};
    return ShownTexts(dialog);
}

QSet<QString> MessageBoxTexts(QMessageBox::StandardButtons buttons)
{
    QMessageBox box;
    PrepareMessageBox(box, QMessageBox::Question, kQuestionTitle, kQuestion, buttons);
    box.show();
    return ShownTexts(box);
}

QSet<QString> AllDialogTexts(const QString& folder)
{
    QSet<QString> texts = SaveDialogTexts(folder);
    for (auto buttons : {QMessageBox::StandardButtons(QMessageBox::Ok), QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::Ok | QMessageBox::Cancel})
        texts += MessageBoxTexts(buttons);
    // The folder shown in "Look in".
    texts.remove(QDir::toNativeSeparators(folder));
    return texts - QSet<QString>{kTitle, kFilter, kQuestionTitle, kQuestion};
}

QStringList Sorted(const QSet<QString>& set)
{
    QStringList list(set.begin(), set.end());
    list.sort();
    return list;
}

} // namespace

class TestDialogTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        QVERIFY(QDir(folder_.path()).mkdir("images"));
        english_ = AllDialogTexts(folder_.path());
        // The check sees what it is for: the English texts are found.
        QVERIFY2(english_.contains("Cancel") && english_.contains("Yes") && english_.contains("Look in:") &&
                     english_.contains("Folder") && english_.contains("Date Modified"),
                 qPrintable(Sorted(english_).join(" / ")));
    }

    void noEnglishLeft_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("ownWords"); // the language writes them as English does
        QTest::newRow("vi") << Language::Vietnamese << QStringList();
        QTest::newRow("zh_CN") << Language::ChineseSimplified << QStringList();
        QTest::newRow("zh_TW") << Language::ChineseTraditional << QStringList();
        QTest::newRow("ja") << Language::Japanese << QStringList{"OK"};
    }

    void noEnglishLeft()
    {
        QFETCH(Language, language);
        QFETCH(QStringList, ownWords);
        UntranslatedQtTexts untranslated;
        QVERIFY(QCoreApplication::installTranslator(&untranslated));
        {
            const InstalledTranslations translations(*QCoreApplication::instance(), language);
            QVERIFY(translations.ok());
            const QSet<QString> shown = AllDialogTexts(folder_.path());
            const QSet<QString> english = (shown & english_) - QSet<QString>(ownWords.begin(), ownWords.end());
            QVERIFY2(english.isEmpty(), qPrintable("English left: " + Sorted(english).join(" / ")));
        }
        QCoreApplication::removeTranslator(&untranslated);
        QVERIFY2(untranslated.missed.isEmpty(), qPrintable("untranslated: " + Sorted(untranslated.missed).join(" / ")));
    }

    void aMessageBoxHoldsItsTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("en") << "Invalid date or time entry";
        QTest::newRow("zh_CN") << QString::fromUtf8("日期或时间输入无效");
        QTest::newRow("vi") << QString::fromUtf8("Mục nhập ngày hoặc giờ không hợp lệ");
    }

    void aMessageBoxHoldsItsTitle()
    {
        QFETCH(QString, title);
        QMessageBox box;
        PrepareMessageBox(box, QMessageBox::Warning, title, "OK?", QMessageBox::Ok);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
        QVERIFY(box.width() >= WidthForTitle(title));
        QVERIFY(box.width() > metrics.horizontalAdvance(title) + 4 * metrics.height());
        // A short title leaves the box as its text makes it.
        QMessageBox small;
        PrepareMessageBox(small, QMessageBox::Warning, "Orlun", "OK?", QMessageBox::Ok);
        small.show();
        QVERIFY(small.width() < box.width());
    }

    // With ORLUN_SCREENSHOT_DIR set (under a window manager): the screen with the save dialog, and
    // with a warning and a question, in each language, to be looked at.
    void screenshots_data() { noEnglishLeft_data(); QTest::newRow("en") << Language::English << QStringList(); }
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("ORLUN_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("ORLUN_SCREENSHOT_DIR not set");
        QFETCH(Language, language);
        const InstalledTranslations translations(*QCoreApplication::instance(), language);
        const QString name = dir + "/dialog_" + QTest::currentDataTag();
        QFileDialog dialog;
        PrepareSaveFileDialog(dialog, QCoreApplication::translate("orlun::app::frmCalendar", "Save image of this calendar month as a PNG file"),
                              QCoreApplication::translate("orlun::app::frmCalendar", "PNG graphics file (*.png)"));
        dialog.setDirectory(folder_.path());
        dialog.show();
        QTest::qWait(1500);
        QVERIFY(dialog.screen()->grabWindow(0).save(name + "_save.png"));
        dialog.hide();
        QMessageBox warning;
        PrepareMessageBox(warning, QMessageBox::Warning,
                          QCoreApplication::translate("orlun::CalendarTexts", "Invalid date or time entry"), "2013-02-30",
                          QMessageBox::Ok);
        warning.move(100, 100);
        warning.show();
        QMessageBox question;
        PrepareMessageBox(question, QMessageBox::Question, QString(), "?", QMessageBox::Yes | QMessageBox::No);
        question.move(100, 400);
        question.show();
        QTest::qWait(1500);
        QVERIFY(warning.screen()->grabWindow(0).save(name + "_boxes.png"));
    }

private:
    QTemporaryDir folder_;
    QSet<QString> english_;
};

QTEST_MAIN(TestDialogTexts)
#include "test_dialog_texts.moc"
