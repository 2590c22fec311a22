// The data window: one text box whose content depends on the mode (intWindow): the year data,
// one of three lists built year by year, or the self-test. It reads the main window's moment,
// settings, displayed dates and place from the state the main window hands it.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "app/platform/Platform.h"
#include "app/shared/MainState.h"
#include "calendar/tables/DataMode.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace orlun {
class YearList;
}

namespace orlun::app {

class frmData : public QWidget {
    Q_OBJECT
public:
    // mainState gives the main window's state whenever the window needs it; parent is the
    // main window.
    frmData(Platform& platform, std::function<MainState()> mainState, QWidget* parent);

    // Mode 3: the year data of the main window's moment, shown at once.
    void DisplayYearData();
    // Prepares the window for the list of intWindow (1, 2 or 5) and runs it.
    void cmdList_Click();
    // Mode 4: the self-test of 1000 random pairs, or of the date in txbStart.
    void DoTest();
    void SetWindowSize();
    void cmdCopyToClipboard_Click();
    void cmdClose_Click();
    void cmdStop_Click() { blnStop = true; }
    // The text with CR LF line ends, as it is copied.
    const std::string& Text() const { return text_; }
    bool ListRunning() const { return running_; }

    DataMode intWindow = DataMode::YearData;
    bool blnStop = false;

    QPlainTextEdit* txbText = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdClose = nullptr;
    QCheckBox* chkIncludeMajorSolarTerms = nullptr;
    QCheckBox* chkIncludeMinorSolarTerms = nullptr;
    QCheckBox* chkDisplaySolarTermNames = nullptr;
    QCheckBox* chkLargeWindow = nullptr;
    QGroupBox* fraEuroCal = nullptr;
    QRadioButton* optCE = nullptr;
    QRadioButton* optJC = nullptr;
    QLineEdit* txbNumYears = nullptr;
    QLabel* lblYears = nullptr;
    QCheckBox* chkLeapMonthsOnly = nullptr;
    QCheckBox* chkOmitInvalidDates = nullptr;
    QPushButton* cmdList = nullptr;
    QPushButton* cmdStop = nullptr;
    QLabel* lblStart = nullptr;
    QLineEdit* txbStart = nullptr;
    QLabel* lblEnd = nullptr;
    QLineEdit* txbEnd = nullptr;
    QProgressBar* prgList = nullptr; // how far a running list has come

signals:
    // The window was hidden by Close: the main window takes the focus back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The captions that Close and the copy button change between.
    static QString CloseCaption();
    static QString CopyAllCaption();
    static QString CopySelectionCaption();
    void LayOut();
    // Shows the window in front of the main window, with the keyboard.
    void ShowInFront();
    void ShowControlsOf(DataMode mode);
    int YearsForMode();
    // The text box's font takes the Han forms of the language.
    void ShowLanguage(Language language);
    void SetText(const std::string& text);
    void AppendText(const std::string& text);
    // Runs a list to its end, its stop or a full text, letting events run between years.
    void RunList(YearList& list, const QString& busyCaption, bool closeStops);
    // Why a list ended before its number of years (the range end, a full text), in a box.
    void ReportEarlyEnd(const YearList& list);
    void RunRandomTest();
    void RunSingleTest(const QString& date);
    void UpdateCopyCaption();
    void EuroCalendarClicked();
    bool Julian() const;

    Platform& platform_;
    std::function<MainState()> mainState_;
    std::string text_;
    int rememberedYears_[6] = {0, 0, 0, 0, 0, 0}; // by mode 1..5
    bool running_ = false;
    int designWidth_ = 0;
};

} // namespace orlun::app
