#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "myfolder.h"

class MySourceFile;
class HelperProgram;
class QProcess;

// The folder of incoming files that the arrangement places into a box. Each listing runs the metadata
// extractor once over the whole folder for the dates taken; the extractor runs beside the window, which
// keeps serving its events. Checksums are computed when they are first needed, on the work pool, so
// that files waiting in the folder do not hold up the start of the program.
class MySrcFolder : public MyFolder
{
    Q_OBJECT

public:
    MySrcFolder(const QString &extractApp, const QString &name, MyUnit *parent);
    ~MySrcFolder() override;

    void setExtractApp(const QString &extractApp);
    QString command() const { return m_command; }
    QStringList arguments() const { return m_arguments; }

    // Lists the folder again and starts the extractor; with waitForDates the dates are in when it returns.
    void refresh(bool waitForDates = true);
    // Waits (serving events) until the extractor of the last listing has finished and its dates are set.
    void waitForExtractor();
    bool extractorRunning() const;
    // Computes on the work pool the checksums of those files that have none yet.
    void computeCheckSums(const QList<MySourceFile *> &files);
    QList<MySourceFile *> getInConformityExt(const QSet<QString> &extensions) const;
    QList<MySourceFile *> sourceFiles() const;
    // The files of the last listing whose names cannot be decoded in the locale's encoding, so that
    // no path can name them; each shown with its bytes outside printable ASCII as \xNN.
    QStringList unreadableNames() const { return m_unreadableNames; }

signals:
    // done of total checksums computed by computeCheckSums.
    void checkSumProgress(int done, int total);

public slots:
    void setDateAndTime();

private:
    void addFiles();
    void startExtractor();
    void stopExtractor();
    void findUnreadableNames();

    QString m_command;
    QStringList m_arguments;
    QString m_folderPath;
    HelperProgram *m_extractor;
    QProcess *m_process;
    QStringList m_unreadableNames;
};
