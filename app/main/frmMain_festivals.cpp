// The main window's button that opens the festivals and anniversaries window, which reads the
// main window's settings and moment whenever it lists.
#include <QComboBox>
#include <algorithm>

#include "app/festivals/frmFestivals.h"
#include "app/main/frmMain.h"

namespace orlun::app {

void frmMain::cmdFestivals_Click()
{
    if (!frmFestivals_) {
        frmFestivals_ = new frmFestivals(platform_, [this] {
            const MainState state = State();
            return FestivalsContext{state.settings, state.moment, windowIcon()};
        }, this);
        // Its names start in the language the windows speak.
        const auto at = std::find(kLanguages.begin(), kLanguages.end(), windowLanguage_);
        if (at != kLanguages.end()) frmFestivals_->cboLanguage->setCurrentIndex(int(at - kLanguages.begin()));
    }
    frmFestivals_->ShowMomentsYear();
    if (frmFestivals_->isMinimized()) frmFestivals_->showNormal();
    frmFestivals_->show();
    frmFestivals_->raise();
    frmFestivals_->activateWindow();
}

} // namespace orlun::app
