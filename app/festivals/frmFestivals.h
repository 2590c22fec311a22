// The festivals and anniversaries window: the traditional festivals of one lunar year of the
// country, or the anniversaries of a lunar date, with their Common Era days; exported as an
// iCalendar file for another calendar program or copied as text.
#pragma once

#include <QIcon>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/platform/Platform.h"
#include "calendar/core/Settings.h"
#include "calendar/festivals/AnniversaryStart.h"
#include "calendar/festivals/LunarEvents.h"
#include "calendar/native/Language.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace orlun::app {

class SaveFileDialog;

// What the window reads from the main window at each listing.
struct FestivalsContext {
    CalendarSettings settings;
    double moment = 0; // the main window's moment (AJD)
    QIcon icon;
};

class frmFestivals : public QWidget {
    Q_OBJECT
public:
    frmFestivals(Platform& platform, std::function<FestivalsContext()> context, QWidget* parent = nullptr);

    // The festivals of the lunar year of the main window's moment.
    void ShowMomentsYear();
    void SetSaveFileDialog(SaveFileDialog& dialog) { saveDialog_ = &dialog; }
    // The days listed, in the order shown.
    const std::vector<LunarEvent>& Listed() const { return listed_; }

    QLabel* lblYear = nullptr;
    QLineEdit* txbYear = nullptr;
    QPushButton* cmdShowFestivals = nullptr;
    QPushButton* cmdPreviousYear = nullptr;
    QPushButton* cmdNextYear = nullptr;
    QLabel* lblLanguage = nullptr;
    QComboBox* cboLanguage = nullptr;
    QLabel* lblHeading = nullptr;
    QTreeWidget* lstDays = nullptr;
    QLabel* lblNote = nullptr;
    QLabel* lblLunarDate = nullptr;
    QLineEdit* txbLunarDate = nullptr;
    QPushButton* cmdMomentsLunarDate = nullptr;
    QLabel* lblTitle = nullptr;
    QLineEdit* txbTitle = nullptr;
    QLabel* lblYears = nullptr;
    QLineEdit* txbYears = nullptr;
    QPushButton* cmdListAnniversaries = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;

public slots:
    // The festivals of the year in the year field.
    void cmdShowFestivals_Click();
    void cmdPreviousOrNextYear_Click(int step);
    void cmdMomentsLunarDate_Click();
    void cmdListAnniversaries_Click();
    void cmdExport_Click();
    void cmdCopy_Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    enum class Listing { Festivals, Anniversaries };

    // The title of anniversaries the user gave none, in the user's language.
    static QString DefaultTitle();
    void LayOut();
    void Connect();
    FestivalsContext Context();
    Language ChosenLanguage() const;
    // The year field's year, or nullopt after a message saying what it takes.
    std::optional<int> TypedYear();
    void ListFestivals(int year);
    // The anniversary's date and first year, or nullopt after a message saying what it takes.
    std::optional<AnniversaryStart> TypedStart(const CalendarSettings& settings);
    std::optional<int> TypedYears();
    // Lists the anniversaries of the fields; false, after a message, when a field is refused.
    bool ListAnniversaries();
    void Show(std::vector<LunarEvent> events, const QString& heading, const QString& note);
    void Warn(const QString& text);

    Platform& platform_;
    std::function<FestivalsContext()> context_;
    SaveFileDialog* saveDialog_ = nullptr;
    CalendarSettings listedSettings_;
    Listing listing_ = Listing::Festivals;
    int listedYear_ = 0;
    std::vector<LunarEvent> listed_;
};

} // namespace orlun::app
