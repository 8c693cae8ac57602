#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "myfolder.h"

class MySourceFile;
class QProcess;

// The folder of incoming files that the arrangement places into a box. Each listing computes the
// checksums and runs the metadata extractor once over the whole folder for the dates taken.
class MySrcFolder : public MyFolder
{
    Q_OBJECT

public:
    MySrcFolder(const QString &extractApp, const QString &name, MyUnit *parent);
    ~MySrcFolder() override;

    void setExtractApp(const QString &extractApp);
    QString command() const { return m_command; }
    QStringList arguments() const { return m_arguments; }

    void refresh();
    QList<MySourceFile *> getInConformityExt(const QSet<QString> &extensions) const;
    QList<MySourceFile *> sourceFiles() const;
    // The files of the last listing whose names cannot be decoded in the locale's encoding, so that
    // no path can name them; each shown with its bytes outside printable ASCII as \xNN.
    QStringList unreadableNames() const { return m_unreadableNames; }

public slots:
    void setDateAndTime();

private:
    void addFiles();
    void runExtractor();
    void findUnreadableNames();

    QString m_command;
    QStringList m_arguments;
    QString m_folderPath;
    QProcess *m_process;
    QStringList m_unreadableNames;
};
