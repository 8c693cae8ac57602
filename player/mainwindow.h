#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPoint>
#include <QStringList>

#include "ui_cantrel.h"

class QEventLoop;
class QProcess;
class QSocketNotifier;
class QTextCodec;
class QTimer;

namespace cantrel {

// Cantrel's frameless window: plays the files of a list one after another through MPlayer in
// slave mode, showing what MPlayer reports about the current file.
class MainWindow : public QMainWindow, private Ui::Cantrel
{
    Q_OBJECT

public:
    // arguments: the program's arguments after its name.
    explicit MainWindow(const QStringList &arguments, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The values of "-list", "-mplayer" and "-set": for each name, the argument after its first
    // occurrence that is followed by a value not beginning with "-"; empty when there is none.
    static QMap<QString, QString> parseOptions(const QStringList &arguments);
    // Reads the companion ".sub" file of a media file: exactly three non-empty lines give title,
    // artist and year; otherwise the three are left as they are and false is returned.
    static bool subData(const QString &file, QString &title, QString &artist, QString &year);
    // An absolute path is tested directly, a relative one in every folder of PATH.
    static bool fileExists(const QString &program);
    // Catches SIGTERM for this process and hands it to handleSigTerm() of the windows that exist.
    static void installSigTermHandler();

    bool isPlaying() const { return m_playing; }
    int currentIndex() const { return m_index; }
    QStringList playlist() const { return m_playlist; }
    QString command() const { return m_command; }
    QProcess *player() const { return m_player; }

public slots:
    void pressPlay();
    void pressNext();
    void pressPrev();
    void pressHome();
    void pressEnd();
    void pressOff();
    void reqInfo();
    void getInfo();
    void playMelody();
    // Tessary stops a companion by terminating it and waiting for it, so SIGTERM ends MPlayer and
    // the program at once, without the fade.
    void handleSigTerm();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void changeCurrentMelody(bool forward);
    void volumeDownSoft();
    void startMelody();
    void readErrors();
    void stopTrying(const QString &reason);
    // Asks MPlayer to quit and kills it when it has not ended after a short grace period.
    void quitPlayer();
    void killPlayer();
    // Ends MPlayer before the window goes, waiting at most two grace periods.
    void endPlayer();
    void navigate(int indexBeforeEnd);
    void showInformation();
    void showPlayState();
    static QString timeText(double seconds);

    QMap<QString, QString> m_options;
    QString m_listFile;
    QString m_mplayer;
    QStringList m_playlist;
    QStringList m_titles;
    QStringList m_artists;
    QStringList m_years;
    QList<QTextCodec *> m_codecs;
    int m_codecIndex = 0;
    QTextCodec *m_codec = nullptr;
    QString m_command;
    QProcess *m_player = nullptr;
    QTimer *m_graceTimer = nullptr;
    QEventLoop *m_fadeLoop = nullptr;
    int m_index = 0;
    bool m_playing = false;
    bool m_fading = false;
    bool m_closing = false;
    // Whether the running MPlayer was asked to quit, and how long it has run: one that ends by itself
    // at once (a file it cannot play) is followed after a pause, so the list never spins.
    bool m_quitAsked = false;
    QElapsedTimer m_playerClock;
    // Ends at once in a row, and the last line MPlayer wrote on its error output.
    int m_quickEnds = 0;
    QString m_lastError;
    bool m_stopped = false;
    int m_volume = 100;
    int m_fadeStep = 3;
    QMap<QString, QString> m_information;
    QStringList m_informationNames;
    int m_rotation = -1;
    double m_total = 0;
    double m_position = 0;
    double m_remain = 0;
    int m_fadeTimer = 0;
    int m_positionTimer = 0;
    int m_rotationTimer = 0;
    int m_listTimer = 0;
    QByteArray m_pending;
    QPoint m_offset;
    QSocketNotifier *m_sigTermNotifier = nullptr;
};

} // namespace cantrel
