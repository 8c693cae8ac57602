#pragma once

#include <QWidget>

class AnyBox;
class BaseFolder;
class MySettings;
class MySrcFolder;

// The box set: builds the whole unit tree from the settings and keeps it for the run. It is never
// shown; it is a widget so that its messages have a translation context of their own.
class Tessary : public QWidget
{
    Q_OBJECT

public:
    explicit Tessary(MySettings *settings);
    ~Tessary() override;

    BaseFolder *baseFolder() const { return m_baseFolder; }
    bool initStatus(QString &status);
    void updateSettings();
    void setWelcomeLabels();

private:
    void readBoxSettings(AnyBox *box, const QString &group);

    MySettings *m_settings;
    BaseFolder *m_baseFolder = nullptr;
    AnyBox *m_photoBox = nullptr;
    AnyBox *m_bookBox = nullptr;
    AnyBox *m_clipBox = nullptr;
    AnyBox *m_musicBox = nullptr;
    MySrcFolder *m_srcFolder = nullptr;
};
