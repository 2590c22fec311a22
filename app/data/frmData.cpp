#include "app/data/frmData.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <utility>

#include "app/platform/ControlNames.h"
#include "app/platform/TranslatedText.h"
#include "app/platform/WindowKeys.h"
#include "draw/ScriptFont.h"
#include "calendar/tables/YearData.h"

namespace orlun::app {

namespace {

template <typename W, typename... Args>
W* Make(QWidget* parent, const char* name, Args&&... args)
{
    W* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    return w;
}

// The text box keeps lines apart by blocks; the window's text and the clipboard use CR LF.
QString WithCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    text.replace(QChar::LineSeparator, QChar('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QString ForTextBox(const std::string& text)
{
    QString q = QString::fromStdString(text);
    q.remove(QChar('\r'));
    return q;
}

} // namespace

frmData::frmData(Platform& platform, std::function<MainState()> mainState, QWidget* parent)
    : QWidget(parent), platform_(platform), mainState_(std::move(mainState))
{
    setObjectName("frmData");
    setWindowFlags(Qt::Window);
    LayOut();
    optCE->setChecked(true);
    // The year data opens with the major terms only, without their names.
    chkIncludeMajorSolarTerms->setChecked(true);
    chkIncludeMinorSolarTerms->setChecked(false);
    chkDisplaySolarTermNames->setChecked(false);
}

QString frmData::CloseCaption() { return tr("Close"); }
QString frmData::CopyAllCaption() { return tr("Copy to clipboard"); }
QString frmData::CopySelectionCaption() { return tr("Copy selected text to clipboard"); }

void frmData::LayOut()
{
    txbText = Make<QPlainTextEdit>(this, "txbText");
    txbText->setReadOnly(true);
    txbText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
    cmdCopyToClipboard = Make<QPushButton>(this, "cmdCopyToClipboard", CopySelectionCaption());
    cmdClose = Make<QPushButton>(this, "cmdClose", CloseCaption());
    chkIncludeMajorSolarTerms =
        Make<QCheckBox>(this, "chkIncludeMajorSolarTerms", tr("Include major solar terms (the Zs)"));
    chkIncludeMinorSolarTerms =
        Make<QCheckBox>(this, "chkIncludeMinorSolarTerms", tr("Include minor solar terms (the Js)"));
    chkDisplaySolarTermNames = Make<QCheckBox>(this, "chkDisplaySolarTermNames", tr("Display solar term names"));
    chkLargeWindow = Make<QCheckBox>(this, "chkLargeWindow", tr("Large window"));
    fraEuroCal = Make<QGroupBox>(this, "fraEuroCal", tr("European calendar:"));
    optCE = Make<QRadioButton>(fraEuroCal, "optCE", tr("CE", "the Common Era calendar"));
    optJC = Make<QRadioButton>(fraEuroCal, "optJC", tr("JC", "the Julian calendar"));
    txbNumYears = Make<QLineEdit>(this, "txbNumYears");
    txbNumYears->setFixedWidth(60);
    lblYears = Make<QLabel>(this, "lblYears", tr("years"));
    chkLeapMonthsOnly = Make<QCheckBox>(this, "chkLeapMonthsOnly", tr("Leap months only"));
    chkOmitInvalidDates = Make<QCheckBox>(this, "chkOmitInvalidDates", tr("Omit invalid dates"));
    //: A button: make the list of the years asked for.
    cmdList = Make<QPushButton>(this, "cmdList", tr("List"));
    cmdStop = Make<QPushButton>(this, "cmdStop", tr("Stop"));
    txbStart = Make<QLineEdit>(this, "txbStart");
    txbEnd = Make<QLineEdit>(this, "txbEnd");
    // The date fields keep room for a long date however long their labels are.
    for (QLineEdit* field : {txbStart, txbEnd})
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance("-2999-12-31 CHL") + 16);
    lblStart = Make<QLabel>(this, "lblStart", tr("Start date:"));
    lblStart->setBuddy(txbStart);
    lblEnd = Make<QLabel>(this, "lblEnd", tr("End date:"));
    lblEnd->setBuddy(txbEnd);
    prgList = Make<QProgressBar>(this, "prgList");
    prgList->hide();

    auto* euro = new QHBoxLayout(fraEuroCal);
    euro->addWidget(optCE);
    euro->addWidget(optJC);

    // Every control keeps its own place: showing or hiding one never moves another.
    auto* options = new QGridLayout;
    options->addWidget(chkIncludeMajorSolarTerms, 0, 0);
    options->addWidget(chkIncludeMinorSolarTerms, 1, 0);
    options->addWidget(chkDisplaySolarTermNames, 0, 1);
    options->addWidget(txbNumYears, 0, 2);
    options->addWidget(lblYears, 0, 3);
    options->addWidget(chkLeapMonthsOnly, 0, 4);
    options->addWidget(chkOmitInvalidDates, 1, 4);
    options->addWidget(cmdList, 0, 5);
    auto* start = new QHBoxLayout;
    start->addWidget(lblStart);
    start->addWidget(txbStart, 1);
    options->addLayout(start, 1, 1);
    auto* end = new QHBoxLayout;
    end->addWidget(lblEnd);
    end->addWidget(txbEnd, 1);
    options->addLayout(end, 1, 2, 1, 2);
    options->addWidget(cmdStop, 1, 5);
    options->setColumnStretch(6, 1);
    options->addWidget(fraEuroCal, 0, 7, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkLargeWindow);
    buttons->addWidget(prgList, 1);
    buttons->addStretch();
    buttons->addWidget(cmdCopyToClipboard);
    buttons->addWidget(cmdClose);

    auto* page = new QVBoxLayout(this);
    page->addLayout(options);
    page->addLayout(buttons);
    page->addWidget(txbText, 1);

    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmData::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmData::cmdClose_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmData::cmdStop_Click);
    connect(cmdList, &QPushButton::clicked, this, &frmData::cmdList_Click);
    connect(txbNumYears, &QLineEdit::returnPressed, this, &frmData::cmdList_Click);
    connect(txbStart, &QLineEdit::returnPressed, this, &frmData::DoTest);
    connect(txbEnd, &QLineEdit::returnPressed, this, &frmData::DoTest);
    connect(txbText, &QPlainTextEdit::selectionChanged, this, &frmData::UpdateCopyCaption);
    for (QCheckBox* box : {chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames})
        connect(box, &QCheckBox::clicked, this, [this] {
            if (!mainState_().initializing && !running_) DisplayYearData();
        });
    connect(optCE, &QRadioButton::clicked, this, &frmData::EuroCalendarClicked);
    connect(optJC, &QRadioButton::clicked, this, &frmData::EuroCalendarClicked);
    connect(chkLargeWindow, &QCheckBox::clicked, this, [this] {
        if (!isVisible()) return;
        SetWindowSize();
        cmdClose->setFocus();
    });

    // Enter lists; Escape and Ctrl+W act as Close (which first stops a running list).
    InstallWindowKeys(*this, {cmdList, [this] { cmdClose->click(); }});
    LabelControl(*lblYears, *txbNumYears);
    //: What a screen reader calls the window's text box.
    NameControl(*txbText, tr("Data"));
    LabelControl(*lblStart, *txbStart);
    LabelControl(*lblEnd, *txbEnd);
}

bool frmData::Julian() const { return optJC->isChecked(); }

void frmData::EuroCalendarClicked()
{
    if (intWindow == DataMode::YearData && !running_) DisplayYearData();
    else cmdClose->setFocus();
}

void frmData::ShowInFront()
{
    show();
    raise();
    activateWindow();
}

void frmData::ShowLanguage(Language language)
{
    txbText->setFont(draw::ScriptFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), language));
}

void frmData::SetText(const std::string& text)
{
    text_ = text;
    txbText->setPlainText(ForTextBox(text));
}

void frmData::AppendText(const std::string& text)
{
    if (text.empty()) return;
    text_ += text;
    QTextCursor end = txbText->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(ForTextBox(text));
    txbText->setTextCursor(end);
}

void frmData::UpdateCopyCaption()
{
    if (!cmdCopyToClipboard->isEnabled()) return;
    cmdCopyToClipboard->setText(txbText->textCursor().hasSelection() ? CopySelectionCaption() : CopyAllCaption());
}

void frmData::cmdCopyToClipboard_Click()
{
    if (!text_.empty()) {
        const QTextCursor cursor = txbText->textCursor();
        platform_.clipboard->SetText(cursor.hasSelection() ? WithCrLf(cursor.selectedText())
                                                           : QString::fromStdString(text_));
    }
    cmdCopyToClipboard->setText(CopyAllCaption());
    cmdClose->setFocus();
}

void frmData::cmdClose_Click()
{
    blnStop = true;
    chkLargeWindow->setChecked(false);
    if (cmdClose->text() != CloseCaption()) {
        cmdClose->setText(CloseCaption());
        cmdClose->setFocus();
        return;
    }
    hide();
    txbNumYears->clear();
    emit closed();
}

void frmData::closeEvent(QCloseEvent* event)
{
    // The close box stops a running list and hides the window; the window itself lives on.
    cmdClose->setText(CloseCaption());
    cmdClose_Click();
    event->accept();
}

void frmData::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (running_) return;
    blnStop = false;
    txbStart->clear();
    txbEnd->clear();
    if (intWindow == DataMode::LunarNewYears || intWindow == DataMode::MonthStarts)
        chkLargeWindow->setChecked(false);
    if (!optCE->isChecked() && !optJC->isChecked())
        (intWindow == DataMode::EuroNewYears ? optJC : optCE)->setChecked(true);
    cmdClose->setFocus();
}

void frmData::ShowControlsOf(DataMode mode)
{
    const bool yearData = mode == DataMode::YearData;
    const bool list = mode == DataMode::LunarNewYears || mode == DataMode::MonthStarts ||
                      mode == DataMode::EuroNewYears;
    const bool test = mode == DataMode::SelfTest;
    for (QWidget* w : std::initializer_list<QWidget*>{chkIncludeMajorSolarTerms,
                                                     chkIncludeMinorSolarTerms, chkDisplaySolarTermNames})
        w->setVisible(yearData);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdList, txbNumYears, lblYears}) w->setVisible(list);
    chkLeapMonthsOnly->setVisible(mode == DataMode::MonthStarts);
    chkOmitInvalidDates->setVisible(mode == DataMode::LunarNewYears);
    for (QWidget* w : std::initializer_list<QWidget*>{lblStart, txbStart, lblEnd, txbEnd, cmdStop})
        w->setVisible(test);
    // The self-test's marks form one long line: wrapped, it stays in view with its heading.
    txbText->setLineWrapMode(test ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void frmData::DisplayYearData()
{
    intWindow = DataMode::YearData;
    SetWindowSize();
    SetText("");
    cmdCopyToClipboard->setText(CopyAllCaption());
    ShowControlsOf(DataMode::YearData);
    setWindowTitle(TrText(kYearDataCaption));
    ShowInFront();
    YearDataOptions o;
    o.majorTerms = chkIncludeMajorSolarTerms->isChecked();
    o.minorTerms = chkIncludeMinorSolarTerms->isChecked();
    o.termNames = chkDisplaySolarTermNames->isChecked();
    o.julian = Julian();
    const MainState state = mainState_();
    o.language = state.language;
    ShowLanguage(state.language);
    SetText(YearDataText(Moment(state.moment), o, state.settings));
    if (isVisible()) cmdClose->setFocus();
}

} // namespace orlun::app
