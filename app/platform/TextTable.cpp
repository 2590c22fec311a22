#include "app/platform/TextTable.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

// The table is compiled into the library; a static library must register its resources by hand.
static void InitTextResources() { Q_INIT_RESOURCE(resources); }

namespace orlun::app {

namespace {

QHash<int, QString> LoadTable()
{
    InitTextResources();
    QHash<int, QString> table;
    QFile file(":/texts/orlun.txt");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return table;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#')) continue;
        const int tab = line.indexOf('\t');
        bool ok = false;
        const int number = line.left(tab).toInt(&ok);
        if (tab > 0 && ok) table.insert(number, line.mid(tab + 1));
    }
    return table;
}

} // namespace

QString ProgramText(int n)
{
    static const QHash<int, QString> table = LoadTable();
    return table.value(n);
}

QString ProgramTitle() { return ProgramText(1) + " " + ProgramText(2); }

} // namespace orlun::app
