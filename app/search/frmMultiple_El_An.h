// The multiple element-animal search window: element and animal lists for the day, the month and
// the year, how far to look, and Search/Stop. The main window shows it modally and reads lngCJDN
// unless blnCancel is set.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "app/platform/Platform.h"
#include "calendar/core/Settings.h"
#include "calendar/search/MultipleSearch.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace orlun::app {

// What the window reads from the main window when it is opened.
struct MultipleSearchContext {
    double currentAJD = 0;          // dblCurrentAJDate
    bool next = true;               // optNext
    CalendarSettings settings;      // epoch, meridian, animal names
    // Shows a text on the main window's search label; an empty text hides it.
    std::function<void(const QString&)> showSearching;
};

class frmMultiple_El_An : public QDialog {
    Q_OBJECT
public:
    explicit frmMultiple_El_An(Platform& platform, QWidget* parent = nullptr);

    // Takes the main window's moment, direction and settings; titles the window and clears
    // blnCancel. Call before exec().
    void Activate(const MultipleSearchContext& context);
    // Places the window to the right of the main window's element list (its rectangle in screen
    // coordinates), level with its top and within the free area of the screen.
    void PlaceBeside(const QRect& list, const QRect& screenArea);
    MultipleCriteria Criteria() const;
    void SetCriteria(const MultipleCriteria& criteria);
    // The criteria in words, for the log.
    std::string MultipleElementAnimalStr() const;

    int32_t lngCJDN = 0;
    bool blnCancel = true;
    bool blnStop = false;

    std::array<QLabel*, kMultipleRowCount> lblRow{};
    std::array<QComboBox*, kMultipleRowCount> cboElement{};
    std::array<QComboBox*, kMultipleRowCount> cboAnimal{};
    QComboBox* cboWithin = nullptr;
    QCheckBox* chkStartingFromToday = nullptr;
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdClose = nullptr;

public slots:
    void cmdSearch_Click();
    void cmdClear_Click();
    void cmdClose_Click();
    void reject() override;

private:
    void LayOut();
    void FillLists();
    // The month and year element lists read "in a" or "in an" by the row's animal.
    void RefreshElementTexts(int row);
    void RunSearch();
    void SetSearching(bool searching);
    void ShowSearching(const QString& text);

    Platform& platform_;
    MultipleSearchContext context_;
    bool searching_ = false;
};

} // namespace orlun::app
