#include "support/FakePlatform.h"

#include <QCoreApplication>
#include <QWidget>

namespace orlun::test {

void FakeMessages::Warning(QWidget*, const QString& title, const QString& text)
{
    shown.append({"warning", title, text});
}

void FakeMessages::Information(QWidget*, const QString& title, const QString& text)
{
    shown.append({"information", title, text});
}

void FakeMessages::Plain(QWidget*, const QString& title, const QString& text)
{
    shown.append({"plain", title, text});
}

bool FakeMessages::Question(QWidget*, const QString& title, const QString& text)
{
    shown.append({"question", title, text});
    return answers.isEmpty() ? false : answers.takeFirst();
}

bool FakeMessages::OkCancel(QWidget*, const QString& title, const QString& text)
{
    shown.append({"okcancel", title, text});
    return answers.isEmpty() ? false : answers.takeFirst();
}

bool FakeSettings::Save(const QString& keySuffix, const QString& name, const QString& value)
{
    if (refuseWrites) return false;
    values.insert(keySuffix + "/" + name, value);
    return true;
}

std::optional<QString> FakeSettings::Restore(const QString& keySuffix, const QString& name)
{
    const QString key = keySuffix + "/" + name;
    if (!values.contains(key)) return std::nullopt;
    return values.value(key);
}

QImage FakeCapture::Grab(QWidget* widget) { return widget->grab().toImage(); }

void FakeEvents::ProcessEvents()
{
    ++calls;
    QCoreApplication::processEvents();
}

void FakeEvents::WaitForEvents()
{
    constexpr int kMaxIdleWaits = 1000;
    ++waits;
    QCoreApplication::processEvents();
    if (!script.isEmpty()) {
        script.takeFirst()();
        return;
    }
    if (whenIdle) whenIdle();
    if (waits > kMaxIdleWaits) qFatal("a loop waited for events that never came");
}

FakePlatform::FakePlatform()
    : platform{&messages, &clock, &settings, &appData, &clipboard, &capture, &events}
{
}

} // namespace orlun::test
