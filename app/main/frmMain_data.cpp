// The main window's buttons of the data window: the year data, the three lists and the hidden
// self-test, which Ctrl+Shift+T also starts.
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "app/data/frmData.h"
#include "app/main/frmMain.h"

namespace orlun::app {

void frmMain::MakeDataWindow()
{
    frmData_ = new frmData(platform_, [this] { return State(); }, this);
    connect(frmData_, &frmData::closed, this, [this] { SetTheFocus(); });
    connect(cmdDisplayYearData, &QPushButton::clicked, this, &frmMain::cmdDisplayYearData_Click);
    connect(cmdListLunarNewYears, &QPushButton::clicked, this, &frmMain::cmdListLunarNewYears_Click);
    connect(cmdListLeapMonths, &QPushButton::clicked, this, &frmMain::cmdListLeapMonths_Click);
    connect(cmdListJulianCENewYears, &QPushButton::clicked, this, &frmMain::cmdListJulianCENewYears_Click);
    connect(cmdTest, &QPushButton::clicked, this, &frmMain::cmdTest_Click);
    auto* test = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), this);
    test->setObjectName("shortcutTest");
    connect(test, &QShortcut::activated, this, &frmMain::cmdTest_Click);
}

void frmMain::cmdDisplayYearData_Click()
{
    if (!frmData_->ListRunning()) frmData_->DisplayYearData();
}

void frmMain::cmdListLunarNewYears_Click()
{
    if (frmData_->ListRunning()) return;
    frmData_->intWindow = DataMode::LunarNewYears;
    frmData_->cmdList_Click();
}

void frmMain::cmdListLeapMonths_Click()
{
    if (frmData_->ListRunning()) return;
    frmData_->intWindow = DataMode::MonthStarts;
    frmData_->cmdList_Click();
}

void frmMain::cmdListJulianCENewYears_Click()
{
    if (frmData_->ListRunning()) return;
    frmData_->intWindow = DataMode::EuroNewYears;
    frmData_->cmdList_Click();
}

void frmMain::cmdTest_Click() { frmData_->DoTest(); }

} // namespace orlun::app
