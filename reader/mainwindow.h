#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPoint>
#include <QProcess>
#include <QStringList>

#include "ui_folianto.h"

class QSocketNotifier;

namespace folianto {

// Folianto's frameless window: a table of the books of a list, each opened in the viewer that the
// set file names for its extension.
class MainWindow : public QMainWindow, private Ui::Folianto
{
    Q_OBJECT

public:
    // arguments: the program's arguments after its name.
    explicit MainWindow(const QStringList &arguments, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The values of "-set" and "-list": for each name, the argument after its first occurrence
    // that is followed by a value not beginning with "-"; empty when there is none.
    static QMap<QString, QString> parseOptions(const QStringList &arguments);
    // Catches SIGTERM for this process and hands it to handleSigTerm() of the windows that exist.
    static void installSigTermHandler();

    QMap<QString, QString> viewers() const { return m_viewers; }
    QStringList bookPaths() const { return m_books; }
    QProcess *viewer() const { return m_viewer; }

public slots:
    void pressOpenButton();
    void pressCloseButton();
    void pressQuitButton();
    void quitReader();
    // Tessary stops a companion by terminating it and waiting for it, so SIGTERM ends the viewer
    // and the program at once.
    void handleSigTerm();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void readSetFile(const QString &path);
    void fillTable();
    // Asks the viewer to end, so it can keep its state, and kills it after a short grace period.
    void endViewer();
    void viewerError(QProcess::ProcessError error);

    QMap<QString, QString> m_options;
    QString m_listFile;
    QStringList m_books;
    QMap<QString, QString> m_viewers;
    QProcess *m_viewer = nullptr;
    // The program last started as viewer, and the line that says it could not start.
    QString m_program;
    QLabel *m_problem = nullptr;
    int m_listTimer = 0;
    QPoint m_offset;
    QSocketNotifier *m_sigTermNotifier = nullptr;
};

} // namespace folianto
