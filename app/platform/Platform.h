// The platform services the windows use, behind small interfaces so that tests can replace them:
// message boxes, the clock, the settings store, the application-data folder, the clipboard,
// window capture and letting pending events run.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "calendar/western/Clock.h"

class QWidget;

namespace orlun::app {

// Modal message boxes. A box without a title of its own bears the application title "Orlun".
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual void Warning(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void Information(QWidget* parent, const QString& title, const QString& text) = 0;
    // A box without an icon.
    virtual void Plain(QWidget* parent, const QString& title, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Question(QWidget* parent, const QString& title, const QString& text) = 0;
    // An OK/Cancel question; true for OK.
    virtual bool OkCancel(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The per-user settings store: text values under the key "Software\Velmor Systems" + suffix.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Writes one text value; true on success.
    virtual bool Save(const QString& keySuffix, const QString& name, const QString& value) = 0;
    // The value, or nullopt when the key or the name does not exist or cannot be read.
    virtual std::optional<QString> Restore(const QString& keySuffix, const QString& name) = 0;
};

// The per-user application-data folder (created on demand by the caller).
class AppDataFolder {
public:
    virtual ~AppDataFolder() = default;
    virtual QString Path() = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString& text) = 0;
    virtual QString Text() = 0;
    virtual void SetImage(const QImage& image) = 0;
};

class WindowCapture {
public:
    virtual ~WindowCapture() = default;
    virtual QImage Grab(QWidget* widget) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets pending window events run (inside long loops).
    virtual void ProcessEvents() = 0;
    // Sleeps until at least one window or timer event has come, and runs what has come (the
    // wait of a repeated move between its steps).
    virtual void WaitForEvents() = 0;
};

// The services one window works with. All pointers stay valid for the window's lifetime.
struct Platform {
    MessageService* messages = nullptr;
    orlun::Clock* clock = nullptr;
    SettingsStore* settings = nullptr;
    AppDataFolder* appData = nullptr;
    Clipboard* clipboard = nullptr;
    WindowCapture* capture = nullptr;
    EventPump* events = nullptr;
};

// The real services of the desktop (Qt message boxes, system clock, QSettings, ...).
Platform& DesktopPlatform();

// The application title used on message boxes without a title of their own.
QString ApplicationTitle();

} // namespace orlun::app
