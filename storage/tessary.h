#pragma once

#include <QWidget>

class BaseFolder;
class CatalogueAhead;
class MySettings;
class UnitTree;

// The box set: the unit tree of the run, owned for the main window. It is never shown; it is a widget
// so that its messages have a translation context of their own.
class Tessary : public QWidget
{
    Q_OBJECT

public:
    // ahead: the catalogue reading to take the boxes from, when start-up began one.
    explicit Tessary(MySettings *settings, CatalogueAhead *ahead = nullptr);
    ~Tessary() override;

    UnitTree *unitTree() const { return m_tree; }
    BaseFolder *baseFolder() const;
    bool initStatus(QString &status);
    void updateSettings();
    void setWelcomeLabels();

private:
    UnitTree *m_tree;
};
