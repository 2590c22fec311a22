// The language choice: the line under the Chinese dates follows it at once; the windows' own
// texts follow it at the next start, when their translations are installed. The choice is kept in
// the settings store, not in the saved state.
#include <QComboBox>
#include <QLabel>

#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/platform/StdText.h"
#include "calendar/presentation/NativeDayTexts.h"
#include "draw/ScriptFont.h"

namespace orlun::app {

void frmMain::SetUpLanguage()
{
    {
        const QSignalBlocker block(cboLanguage);
        for (int i = 0; i < kLanguageChoiceCount; ++i)
            cboLanguage->addItem(LanguageChoiceText(LanguageChoiceAt(i)));
        languageChoice_ = RestoreLanguageChoice(*platform_.settings);
        cboLanguage->setCurrentIndex(IndexOfLanguageChoice(languageChoice_));
    }
    windowLanguage_ = CurrentLanguage();
    connect(cboLanguage, &QComboBox::activated, this, &frmMain::cboLanguage_Click);
    // The line copies itself, as the Moon lines do.
    connect(lblNativeDate, &ClickableLabel::clicked, this,
            [this] { platform_.clipboard->SetText(lblNativeDate->text()); });
    ShowNativeDate();
}

Language frmMain::CurrentLanguage() const
{
    return EffectiveLanguage(languageChoice_, QLocale::system());
}

void frmMain::cboLanguage_Click()
{
    const int index = cboLanguage->currentIndex();
    if (index < 0 || index >= kLanguageChoiceCount) return;
    languageChoice_ = LanguageChoiceAt(index);
    // A store that cannot be written costs only the choice of the next start.
    SaveLanguageChoice(*platform_.settings, languageChoice_);
    lblLanguageNote->setVisible(CurrentLanguage() != windowLanguage_);
    ShowNativeDate();
    SetTheFocus();
}

void frmMain::ShowNativeDate()
{
    const std::optional<NativeLanguage> native = NativeOf(CurrentLanguage());
    if (!native) {
        lblNativeDate->clear();
        lblNativeDate->hide();
        return;
    }
    const QFont font = draw::ScriptFont(lblChineseLunarDate[1]->font(), CurrentLanguage());
    if (lblNativeDate->font() != font) lblNativeDate->setFont(font);
    lblNativeDate->setText(Q(NativeDayTextsOf(*native, texts_).line));
    lblNativeDate->show();
}

} // namespace orlun::app
