#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include "app/platform/MessageBox.h"
#include "app/platform/Platform.h"
#include "app/platform/SettingsFiles.h"

namespace orlun::app {

namespace {

class QtMessages final : public MessageService {
public:
    void Warning(QWidget* parent, const QString& title, const QString& text) override
    {
        Ask(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
    }
    void Information(QWidget* parent, const QString& title, const QString& text) override
    {
        Ask(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
    }
    void Plain(QWidget* parent, const QString& title, const QString& text) override
    {
        Ask(parent, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    }
    bool Question(QWidget* parent, const QString& title, const QString& text) override
    {
        return Ask(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }
    bool OkCancel(QWidget* parent, const QString& title, const QString& text) override
    {
        return Ask(parent, QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel) ==
               QMessageBox::Ok;
    }

private:
    static int Ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                   QMessageBox::StandardButtons buttons)
    {
        QMessageBox box(parent);
        PrepareMessageBox(box, icon, title, text, buttons);
        return box.exec();
    }
};

// QSettings with organisation "Velmor Systems" and application "ORLUN": on Windows the registry
// key "Software\Velmor Systems\ORLUN" of the current user, elsewhere the platform's equivalent.
// A store whose files are not all plain files (a pipe in the place of one) is neither read nor
// written: QSettings would wait for ever in open().
class QtSettingsStore final : public SettingsStore {
public:
    bool Save(const QString& keySuffix, const QString& name, const QString& value) override
    {
        if (!Openable(keySuffix)) return false;
        QSettings s(kOrganisation, ApplicationOf(keySuffix));
        s.setValue(name, value);
        s.sync();
        return s.status() == QSettings::NoError && s.isWritable();
    }
    std::optional<QString> Restore(const QString& keySuffix, const QString& name) override
    {
        if (!Openable(keySuffix)) return std::nullopt;
        QSettings s(kOrganisation, ApplicationOf(keySuffix));
        if (s.status() != QSettings::NoError || !s.contains(name)) return std::nullopt;
        return s.value(name).toString();
    }

private:
    static inline const QString kOrganisation = QStringLiteral("Velmor Systems");

    static bool Openable(const QString& keySuffix)
    {
#ifdef Q_OS_UNIX
        return SettingsFilesOpenable(SettingsFilesOf(kOrganisation, ApplicationOf(keySuffix)));
#else
        return true; // the registry: no files
#endif
    }
    static QString ApplicationOf(const QString& keySuffix)
    {
        QString app = keySuffix;
        while (app.startsWith('\\')) app.remove(0, 1);
        return app;
    }
};

class QtAppData final : public AppDataFolder {
public:
    QString Path() override
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }
};

class QtClipboard final : public Clipboard {
public:
    void SetText(const QString& text) override { QApplication::clipboard()->setText(text); }
    QString Text() override { return QApplication::clipboard()->text(); }
    void SetImage(const QImage& image) override { QApplication::clipboard()->setImage(image); }
};

class QtCapture final : public WindowCapture {
public:
    QImage Grab(QWidget* widget) override { return widget->grab().toImage(); }
};

class QtEvents final : public EventPump {
public:
    void ProcessEvents() override { QCoreApplication::processEvents(); }
    void WaitForEvents() override
    {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
};

} // namespace

Platform& DesktopPlatform()
{
    static QtMessages messages;
    static orlun::SystemClock clock;
    static QtSettingsStore settings;
    static QtAppData appData;
    static QtClipboard clipboard;
    static QtCapture capture;
    static QtEvents events;
    static Platform platform{&messages, &clock, &settings, &appData, &clipboard, &capture, &events};
    return platform;
}

QString ApplicationTitle() { return QStringLiteral("Orlun"); }

} // namespace orlun::app
