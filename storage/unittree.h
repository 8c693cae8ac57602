#pragma once

#include <QObject>
#include <QStringList>

class AnyBox;
class BaseFolder;
class CatalogueAhead;
class MySettings;
class MySrcFolder;

// The whole unit tree built from the settings and kept for the run: the base folder, the four boxes and
// the shared folders and files. It needs no widget, so the core's tests and the benchmarks build the
// same tree the program does; the box set `Tessary` wraps it for the main window.
class UnitTree : public QObject
{
    Q_OBJECT

public:
    // The boxes take their catalogues from ahead when it read them, else from a reading of their own
    // that runs while the rest of the tree is built.
    explicit UnitTree(MySettings *settings, QObject *parent = nullptr, CatalogueAhead *ahead = nullptr);
    ~UnitTree() override;

    BaseFolder *baseFolder() const { return m_baseFolder; }
    bool initStatus(QString &status);
    void updateSettings();
    void setWelcomeLabels();
    // Every box's category labels and the welcome texts, in the language now installed.
    void retranslate();

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The folders of the four boxes the settings name, for a reading started before the tree is built.
    static QStringList boxPaths(const MySettings *settings);

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
