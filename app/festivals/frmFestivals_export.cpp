// The listed days leave the window as an iCalendar file (through the checked write: whole or not
// at all) or as lines of text on the clipboard.
#include <QFile>
#include <QPushButton>
#include <ctime>

#include "app/festivals/frmFestivals.h"
#include "app/month/SaveFileDialog.h"
#include "calendar/festivals/EventCalendar.h"
#include "calendar/festivals/EventText.h"
#include "io/CheckedWrite.h"

namespace orlun::app {

namespace {

// The dialog leaves the suffix to the user; calendar programs look for ".ics".
QString WithIcsSuffix(const QString& path)
{
    return path.endsWith(".ics", Qt::CaseInsensitive) ? path : path + ".ics";
}

} // namespace

void frmFestivals::cmdExport_Click()
{
    if (listed_.empty()) return;
    const QString chosen = saveDialog_->Ask(this, tr("Export to iCalendar"), tr("iCalendar file (*.ics)"));
    if (chosen.isEmpty()) return;
    const QString path = WithIcsSuffix(chosen);
    const std::string document = EventCalendar(listed_, std::time(nullptr));
    if (const auto failure = io::ReplaceFileContents(QFile::encodeName(path).toStdString(), document)) {
        platform_.messages->Warning(
            this, tr("Export to iCalendar"),
            tr("Nothing was saved.\n%1").arg(QString::fromLocal8Bit(io::Describe(*failure).c_str())));
        return;
    }
    const QString saved = listed_.size() == 1
                              ? tr("1 event has been saved in the iCalendar file\n%1").arg(path)
                              : tr("%1 events have been saved in the iCalendar file\n%2")
                                    .arg(QString::number(listed_.size()), path);
    platform_.messages->Information(this, tr("Export to iCalendar"), saved);
}

void frmFestivals::cmdCopy_Click()
{
    if (listed_.empty()) return;
    platform_.clipboard->SetText(QString::fromStdString(EventLines(listed_, ChosenLanguage())));
}

} // namespace orlun::app
