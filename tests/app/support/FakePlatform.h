// Platform services for window tests: message boxes answered and recorded, a fixed clock, an
// in-memory settings store, a temporary application-data folder and a private clipboard.
#pragma once

#include <QList>
#include <QMap>
#include <QTemporaryDir>
#include <functional>

#include "app/platform/Platform.h"

namespace orlun::test {

struct RecordedMessage {
    QString kind; // "warning", "information", "plain", "question" or "okcancel"
    QString title;
    QString text;
};

class FakeMessages final : public app::MessageService {
public:
    void Warning(QWidget*, const QString& title, const QString& text) override;
    void Information(QWidget*, const QString& title, const QString& text) override;
    void Plain(QWidget*, const QString& title, const QString& text) override;
    bool Question(QWidget*, const QString& title, const QString& text) override;
    // Answered from the same queue: true for OK.
    bool OkCancel(QWidget*, const QString& title, const QString& text) override;

    QList<RecordedMessage> shown;
    QList<bool> answers; // answers to the next questions, in order; "No" when none is left
};

// A clock that reads the texts it is given.
class FakeClock final : public orlun::Clock {
public:
    std::string DateText() const override { return date; }
    std::string TimeText() const override { return time; }
    int32_t TimezoneSecondsWest() const override { return secondsWest; }

    std::string date = "02-10-2013";
    std::string time = "12:00:00";
    int32_t secondsWest = 0;
};

class FakeSettings final : public app::SettingsStore {
public:
    bool Save(const QString& keySuffix, const QString& name, const QString& value) override;
    std::optional<QString> Restore(const QString& keySuffix, const QString& name) override;

    QMap<QString, QString> values; // "suffix/name" -> value
    bool refuseWrites = false;     // as a store on a full disk
};

class FakeAppData final : public app::AppDataFolder {
public:
    QString Path() override { return dir.path(); }
    QTemporaryDir dir;
};

class FakeClipboard final : public app::Clipboard {
public:
    void SetText(const QString& t) override { text = t; }
    QString Text() override { return text; }
    void SetImage(const QImage& i) override { image = i; }

    QString text;
    QImage image;
};

class FakeCapture final : public app::WindowCapture {
public:
    QImage Grab(QWidget* widget) override;
};

// Pending events run at once. WaitForEvents plays the next scripted user or timer action
// instead of sleeping; with the script used up it runs whenIdle (a test ends its loops there)
// and fails the test after many idle waits rather than hang.
class FakeEvents final : public app::EventPump {
public:
    void ProcessEvents() override;
    void WaitForEvents() override;
    int calls = 0;
    int waits = 0;
    QList<std::function<void()>> script;
    std::function<void()> whenIdle;
};

// All fakes together, wired into one Platform value.
struct FakePlatform {
    FakePlatform();
    FakeMessages messages;
    FakeClock clock;
    FakeSettings settings;
    FakeAppData appData;
    FakeClipboard clipboard;
    FakeCapture capture;
    FakeEvents events;
    app::Platform platform;
};

} // namespace orlun::test
