#include "mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QSocketNotifier>
#include <QTextCodec>
#include <QTextStream>
#include <QTime>
#include <QTimer>

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cantrel {

namespace {

const QString UNKNOWN = QStringLiteral("- - -");
const QString LIST_OPTION = QStringLiteral("-list");
const QString MPLAYER_OPTION = QStringLiteral("-mplayer");
const QString SET_OPTION = QStringLiteral("-set");
const QString DEFAULT_LIST = QStringLiteral("playlist");
const QString DEFAULT_MPLAYER = QStringLiteral("c:\\Program Files\\MPlayer\\mplayer.exe");
const QString LABEL_FONT = QStringLiteral("DejaVu Sans Condensed");
const int FADE_INTERVAL = 75;
const int FADE_FLOOR = 32;
// MPlayer may save its state on "quit"; it is killed only when it has not ended by then.
const int QUIT_GRACE_MS = 2000;
// The least time between two starts of MPlayer that ended by themselves.
const int RESTART_PAUSE_MS = 1000;
// An MPlayer that ends by itself this soon after its start, this many times in a row, cannot play here.
const int QUICK_END_MS = 2000;
const int QUICK_ENDS = 3;

int sigTermFd[2] = {-1, -1};

void onSigTerm(int)
{
    const char byte = 1;
    const ssize_t written = ::write(sigTermFd[0], &byte, sizeof byte);
    Q_UNUSED(written)
}

// The names the information rotation shows, translated where they are shown.
const char *informationLabel(const QString &name)
{
    if (name == QLatin1String("Year"))
        return QT_TRANSLATE_NOOP("cantrel::MainWindow", "Year");
    if (name == QLatin1String("Album"))
        return QT_TRANSLATE_NOOP("cantrel::MainWindow", "Album");
    if (name == QLatin1String("Artist"))
        return QT_TRANSLATE_NOOP("cantrel::MainWindow", "Artist");
    return QT_TRANSLATE_NOOP("cantrel::MainWindow", "Title");
}

} // namespace

MainWindow::MainWindow(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setupUi(this);
    const QStringList codecNames = {QStringLiteral("UTF-8"), QStringLiteral("KOI8-R"),
                                    QStringLiteral("Windows-1251")};
    for (const QString &name : codecNames) {
        if (QTextCodec *codec = QTextCodec::codecForName(name.toLatin1()))
            m_codecs.append(codec);
    }
    m_codec = m_codecs.value(0, QTextCodec::codecForName("UTF-8"));

    QPalette look = palette();
    look.setBrush(backgroundRole(), QBrush(QPixmap(QStringLiteral(":/back_s.png"))));
    look.setColor(QPalette::WindowText, QColor(0xe8, 0xee, 0xf8));
    setPalette(look);
    setWindowOpacity(1);
    // The condensed face when it is installed; otherwise the labels keep the default font quietly.
    if (QFontDatabase().families().contains(LABEL_FONT)) {
        const QList<QLabel *> labels = findChildren<QLabel *>();
        for (QLabel *label : labels) {
            QFont font = label->font();
            font.setFamily(LABEL_FONT);
            label->setFont(font);
        }
    }

    m_informationNames = QStringList{QStringLiteral("Year"), QStringLiteral("Album"), QStringLiteral("Artist"),
                                     QStringLiteral("Title")};
    for (const QString &name : qAsConst(m_informationNames))
        m_information.insert(name, UNKNOWN);
    label_D->setText(tr("Title"));
    infoMelody->setText(UNKNOWN);

    m_options = parseOptions(arguments);
    m_listFile = m_options.value(LIST_OPTION);
    if (m_listFile.isEmpty())
        m_listFile = DEFAULT_LIST;
    QFile list(m_listFile);
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // The list comes in the system's 8-bit encoding, which is the stream's default.
        QTextStream in(&list);
        while (!in.atEnd())
            m_playlist.append(in.readLine().trimmed());
    }
    for (const QString &entry : qAsConst(m_playlist)) {
        QString title = UNKNOWN;
        QString artist = UNKNOWN;
        QString year = UNKNOWN;
        subData(entry, title, artist, year);
        m_titles.append(title);
        m_artists.append(artist);
        m_years.append(year);
    }

    m_mplayer = m_options.value(MPLAYER_OPTION);
    if (m_mplayer.isEmpty())
        m_mplayer = DEFAULT_MPLAYER;
    const QString quote = QStringLiteral("\"");
    m_command = quote + m_mplayer + quote;
    if (!m_options.value(SET_OPTION).isEmpty())
        m_command += QStringLiteral(" -include ") + m_options.value(SET_OPTION);
    m_command += QStringLiteral(" -slave \"%1\"");

    m_player = new QProcess(this);
    // Of MPlayer's error output only the last line is kept: it says why a player ended at once.
    connect(m_player, &QProcess::readyReadStandardError, this, &MainWindow::readErrors);
    m_graceTimer = new QTimer(this);
    m_graceTimer->setSingleShot(true);
    connect(m_graceTimer, &QTimer::timeout, this, &MainWindow::killPlayer);
    connect(m_player, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), m_graceTimer, &QTimer::stop);

    if (sigTermFd[1] >= 0) {
        m_sigTermNotifier = new QSocketNotifier(sigTermFd[1], QSocketNotifier::Read, this);
        connect(m_sigTermNotifier, &QSocketNotifier::activated, this, &MainWindow::handleSigTerm);
    }

    // An idle player still watches its list, so that Tessary can stop it by deleting the list.
    m_listTimer = startTimer(200, Qt::CoarseTimer);

    if (!fileExists(m_mplayer) || m_playlist.isEmpty()) {
        m_playing = false;
        if (!m_playlist.isEmpty())
            infoMelody->setText(tr("MPlayer not found: ") + m_mplayer);
        connect(buttonOff, &QAbstractButton::clicked, this, &QWidget::close);
        const QList<QToolButton *> buttons = {buttonEmpty_A, buttonPlay, buttonEmpty_B, buttonEmpty_C,
                                              buttonHome, buttonPrevious, buttonNext, buttonEnd};
        for (QToolButton *button : buttons)
            button->setEnabled(false);
        return;
    }

    m_playing = true;
    connect(m_player, &QProcess::started, this, &MainWindow::reqInfo);
    connect(m_player, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            stopTrying(tr("MPlayer not found: ") + m_mplayer);
    });
    connect(m_player, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &MainWindow::playMelody);
    connect(m_player, &QProcess::readyReadStandardOutput, this, &MainWindow::getInfo);
    connect(buttonOff, &QAbstractButton::clicked, this, &MainWindow::pressOff);
    connect(buttonNext, &QAbstractButton::clicked, this, &MainWindow::pressNext);
    connect(buttonNext, &QAbstractButton::clicked, this, &MainWindow::reqInfo);
    connect(buttonPrevious, &QAbstractButton::clicked, this, &MainWindow::pressPrev);
    connect(buttonPrevious, &QAbstractButton::clicked, this, &MainWindow::reqInfo);
    connect(buttonHome, &QAbstractButton::clicked, this, &MainWindow::pressHome);
    connect(buttonHome, &QAbstractButton::clicked, this, &MainWindow::reqInfo);
    connect(buttonEnd, &QAbstractButton::clicked, this, &MainWindow::pressEnd);
    connect(buttonEnd, &QAbstractButton::clicked, this, &MainWindow::reqInfo);
    connect(buttonPlay, &QAbstractButton::clicked, this, &MainWindow::pressPlay);
    startMelody();
    m_positionTimer = startTimer(1000, Qt::CoarseTimer);
    m_rotationTimer = startTimer(2000, Qt::CoarseTimer);
}

MainWindow::~MainWindow()
{
    // Whatever path ends the window, MPlayer does not outlive it.
    endPlayer();
}

// MPlayer is asked to quit and killed only when it has not after a grace period.
void MainWindow::endPlayer()
{
    m_player->disconnect(this);
    m_graceTimer->disconnect(this);
    if (m_player->state() == QProcess::NotRunning)
        return;
    quitPlayer();
    if (!m_player->waitForFinished(QUIT_GRACE_MS)) {
        killPlayer();
        m_player->waitForFinished(QUIT_GRACE_MS);
    }
}

// The one place MPlayer is killed: it did not quit within the grace period.
void MainWindow::killPlayer()
{
    if (m_player->state() != QProcess::NotRunning)
        m_player->kill();
}

QMap<QString, QString> MainWindow::parseOptions(const QStringList &arguments)
{
    QMap<QString, QString> options;
    for (const QString &name : {LIST_OPTION, MPLAYER_OPTION, SET_OPTION}) {
        options.insert(name, QString());
        for (int i = 0; i + 1 < arguments.size(); ++i) {
            const QString &value = arguments.at(i + 1);
            if (arguments.at(i) == name && !value.isEmpty() && !value.startsWith(QLatin1Char('-'))) {
                options.insert(name, value);
                break;
            }
        }
    }
    return options;
}

bool MainWindow::subData(const QString &file, QString &title, QString &artist, QString &year)
{
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    QFile sub((dot < 0 ? file : file.left(dot)) + QStringLiteral(".sub"));
    if (!sub.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&sub);
    in.setCodec("UTF-8");
    QStringList lines;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    if (lines.size() != 3)
        return false;
    title = lines.at(0);
    artist = lines.at(1);
    year = lines.at(2);
    return true;
}

bool MainWindow::fileExists(const QString &program)
{
    if (program.isEmpty())
        return false;
    if (QFileInfo(program).isAbsolute())
        return QFileInfo(program).isFile();
    const QStringList folders = QString::fromLocal8Bit(qgetenv("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &folder : folders) {
        if (QFileInfo(QDir(folder), program).isFile())
            return true;
    }
    return false;
}

void MainWindow::installSigTermHandler()
{
    if (sigTermFd[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sigTermFd) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onSigTerm;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

void MainWindow::pressPlay()
{
    if (m_player->state() == QProcess::NotRunning)
        return;
    m_player->write("pause\n");
    m_playing = !m_playing;
    showPlayState();
}

void MainWindow::showPlayState()
{
    if (m_playing) {
        buttonPlay->setIcon(QIcon(QStringLiteral(":/pl_pause_s.png")));
        label_G->setText(tr("Pause"));
    } else {
        buttonPlay->setIcon(QIcon(QStringLiteral(":/pl_play_s.png")));
        label_G->setText(tr("Play"));
    }
}

void MainWindow::navigate(int indexBeforeEnd)
{
    // A second request while the current file fades out or quits would skip entries.
    if (m_fading || m_closing || m_graceTimer->isActive())
        return;
    m_index = indexBeforeEnd;
    const bool running = m_player->state() != QProcess::NotRunning;
    volumeDownSoft();
    m_playing = true;
    showPlayState();
    // A player that never started sends no "finished"; the wanted entry starts at once then.
    if (!running)
        playMelody();
}

void MainWindow::pressNext()
{
    navigate(m_index);
}

void MainWindow::pressPrev()
{
    const int keep = m_index;
    changeCurrentMelody(false);
    changeCurrentMelody(false);
    const int wanted = m_index;
    m_index = keep;
    navigate(wanted);
}

void MainWindow::pressHome()
{
    navigate(m_playlist.size() - 1);
}

void MainWindow::pressEnd()
{
    const int keep = m_index;
    m_index = m_playlist.size() - 1;
    changeCurrentMelody(false);
    const int wanted = m_index;
    m_index = keep;
    navigate(wanted);
}

void MainWindow::pressOff()
{
    if (m_closing)
        return;
    m_closing = true;
    disconnect(m_player, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
               &MainWindow::playMelody);
    if (m_player->state() == QProcess::NotRunning) {
        close();
        return;
    }
    connect(m_player, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &QWidget::close);
    // A fade under way ends with "quit" by itself.
    if (!m_fading)
        volumeDownSoft();
}

void MainWindow::reqInfo()
{
    if (m_player->state() != QProcess::Running)
        return;
    m_player->write("get_meta_title\n");
    m_player->write("get_meta_artist\n");
    m_player->write("get_meta_album\n");
    m_player->write("get_meta_year\n");
    m_player->write("get_time_length\n");
    m_player->write("volume 100 1\n");
}

void MainWindow::getInfo()
{
    const QString entry = m_playlist.value(m_index);
    const QFileInfo info(entry);
    fileName->setText(QDir::toNativeSeparators(info.path()) + QLatin1Char('\n') + info.fileName());

    // Only whole lines are parsed; a line cut between two reads waits for its end.
    m_pending += m_player->readAllStandardOutput();
    const int end = m_pending.lastIndexOf('\n');
    if (end < 0)
        return;
    const QString text = m_codec->toUnicode(m_pending.left(end + 1));
    m_pending.remove(0, end + 1);

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int answer = line.indexOf(QLatin1String("ANS_"));
        if (answer < 0)
            continue;
        const QString rest = line.mid(answer).trimmed();
        const int first = rest.indexOf(QLatin1Char('\''));
        const int second = first < 0 ? -1 : rest.indexOf(QLatin1Char('\''), first + 1);
        const QString value = second < 0 ? QString() : rest.mid(first + 1, second - first - 1);
        const QString number = rest.section(QLatin1Char('='), 1).trimmed();
        if (rest.startsWith(QLatin1String("ANS_META_TITLE"))) {
            m_information[QStringLiteral("Title")] = value.isEmpty() ? m_titles.value(m_index, UNKNOWN) : value;
        } else if (rest.startsWith(QLatin1String("ANS_META_ARTIST"))) {
            m_information[QStringLiteral("Artist")] = value.isEmpty() ? m_artists.value(m_index, UNKNOWN) : value;
        } else if (rest.startsWith(QLatin1String("ANS_META_ALBUM"))) {
            m_information[QStringLiteral("Album")] = value.isEmpty() ? UNKNOWN : value;
        } else if (rest.startsWith(QLatin1String("ANS_META_YEAR"))) {
            m_information[QStringLiteral("Year")] = value.isEmpty() ? m_years.value(m_index, UNKNOWN) : value;
        } else if (rest.startsWith(QLatin1String("ANS_LENGTH="))) {
            bool ok = false;
            const double total = number.toDouble(&ok);
            if (ok) {
                m_total = total;
                totalTime->setText(timeText(m_total));
            }
        } else if (rest.startsWith(QLatin1String("ANS_TIME_POSITION="))) {
            bool ok = false;
            const double position = number.toDouble(&ok);
            if (ok) {
                m_position = position;
                m_remain = m_total - m_position;
                elapseTime->setText(timeText(m_position));
                remainTime->setText(timeText(m_remain));
                totalTime->setText(timeText(m_total));
            }
        }
    }
}

QString MainWindow::timeText(double seconds)
{
    return QTime(0, 0).addSecs(qMax(0, qRound(seconds))).toString(QStringLiteral("hh:mm:ss"));
}

void MainWindow::playMelody()
{
    if (m_closing)
        return;
    m_playing = true;
    m_volume = 100;
    m_rotation = -1;
    const bool endedAtOnce = !m_quitAsked && m_playerClock.isValid() && m_playerClock.elapsed() < QUICK_END_MS;
    m_quickEnds = endedAtOnce ? m_quickEnds + 1 : 0;
    if (m_quickEnds >= QUICK_ENDS) {
        readErrors();
        stopTrying(tr("MPlayer ended at once: ") + m_lastError);
        return;
    }
    changeCurrentMelody(true);
    if (!m_quitAsked && m_playerClock.isValid() && m_playerClock.elapsed() < RESTART_PAUSE_MS) {
        QTimer::singleShot(RESTART_PAUSE_MS, this, [this] {
            if (!m_closing && m_player->state() == QProcess::NotRunning)
                startMelody();
        });
        return;
    }
    startMelody();
}

void MainWindow::readErrors()
{
    const QList<QByteArray> lines = m_player->readAllStandardError().split('\n');
    for (const QByteArray &line : lines) {
        const QString text = QString::fromLocal8Bit(line).trimmed();
        if (!text.isEmpty())
            m_lastError = text;
    }
}

// Restarting would not help: the player stays idle with the reason shown, and Eject still closes it.
void MainWindow::stopTrying(const QString &reason)
{
    m_playing = false;
    m_stopped = true;
    m_rotation = -1;
    infoMelody->setText(reason);
    for (QToolButton *button : {buttonEmpty_A, buttonPlay, buttonEmpty_B, buttonEmpty_C, buttonHome, buttonPrevious,
                                buttonNext, buttonEnd})
        button->setEnabled(false);
}

void MainWindow::startMelody()
{
    if (m_stopped)
        return;
    m_lastError.clear();
    m_pending.clear();
    m_quitAsked = false;
    m_playerClock.start();
    QStringList arguments;
    if (!m_options.value(SET_OPTION).isEmpty())
        arguments << QStringLiteral("-include") << m_options.value(SET_OPTION);
    // The same words as the command template, handed over one by one so that blanks and quotes in
    // a path cannot split it.
    arguments << QStringLiteral("-slave") << m_playlist.value(m_index);
    m_player->start(m_mplayer, arguments, QIODevice::ReadWrite);
}

void MainWindow::quitPlayer()
{
    if (m_player->state() == QProcess::NotRunning)
        return;
    m_quitAsked = true;
    m_player->write("quit\n");
    m_graceTimer->start(QUIT_GRACE_MS);
}

void MainWindow::changeCurrentMelody(bool forward)
{
    m_index += forward ? 1 : -1;
    if (m_index >= m_playlist.size())
        m_index = 0;
    if (m_index < 0)
        m_index = m_playlist.size() - 1;
}

void MainWindow::volumeDownSoft()
{
    for (const QString &name : qAsConst(m_informationNames))
        m_information[name] = UNKNOWN;
    if (m_playing && m_player->state() == QProcess::Running) {
        m_fading = true;
        m_fadeTimer = startTimer(FADE_INTERVAL);
        QEventLoop loop;
        // The fade also ends when the player stops before the volume is low enough.
        const QMetaObject::Connection stopped =
            connect(m_player, &QProcess::stateChanged, &loop, [&loop](QProcess::ProcessState state) {
                if (state == QProcess::NotRunning)
                    loop.quit();
            });
        m_fadeLoop = &loop;
        loop.exec();
        m_fadeLoop = nullptr;
        disconnect(stopped);
        killTimer(m_fadeTimer);
        m_fadeTimer = 0;
        m_fading = false;
    }
    quitPlayer();
}

void MainWindow::handleSigTerm()
{
    char byte = 0;
    const ssize_t got = ::read(sigTermFd[1], &byte, sizeof byte);
    Q_UNUSED(got)
    m_closing = true;
    endPlayer();
    if (m_fadeLoop)
        m_fadeLoop->quit();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_player->state() != QProcess::NotRunning) {
        // The window goes when MPlayer has faded out and quit.
        event->ignore();
        pressOff();
        return;
    }
    m_closing = true;
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const bool active = !m_playlist.isEmpty() && buttonNext->isEnabled();
    if (event->key() == Qt::Key_Escape) {
        if (m_playlist.isEmpty())
            close();
        else
            pressOff();
    } else if (active && event->text() == QLatin1String("<")) {
        pressPrev();
        reqInfo();
    } else if (active && event->text() == QLatin1String(">")) {
        pressNext();
        reqInfo();
    } else if (active && event->key() == Qt::Key_Home) {
        pressHome();
        reqInfo();
    } else if (active && event->key() == Qt::Key_End) {
        pressEnd();
        reqInfo();
    } else if (event->key() == Qt::Key_C && !m_codecs.isEmpty()) {
        m_codecIndex = (m_codecIndex + 1) % m_codecs.size();
        m_codec = m_codecs.at(m_codecIndex);
        infoMelody->setText(tr("Use '%1' text codec").arg(QString::fromLatin1(m_codec->name())));
        reqInfo();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    setWindowOpacity(0.5);
    m_offset = event->globalPos() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    move(event->globalPos() - m_offset);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *)
{
    setWindowOpacity(1);
}

void MainWindow::timerEvent(QTimerEvent *event)
{
    const int id = event->timerId();
    if (id == m_fadeTimer) {
        if (m_playing && m_player->state() == QProcess::Running && m_volume > FADE_FLOOR) {
            m_player->write("volume -1\n");
            m_volume -= m_fadeStep;
        }
        if ((m_volume <= FADE_FLOOR || !m_playing || m_player->state() != QProcess::Running) && m_fadeLoop)
            m_fadeLoop->quit();
    } else if (id == m_positionTimer) {
        if (m_playing && m_player->state() == QProcess::Running)
            m_player->write("get_time_pos\n");
    } else if (id == m_rotationTimer) {
        // The reason the player stopped stays in view.
        if (m_stopped)
            return;
        m_rotation = (m_rotation + 1) % m_informationNames.size();
        showInformation();
    } else if (id == m_listTimer) {
        if (!QFileInfo::exists(m_listFile))
            pressOff();
    } else {
        QMainWindow::timerEvent(event);
    }
}

void MainWindow::showInformation()
{
    if (m_rotation < 0)
        return;
    const QString name = m_informationNames.at(m_rotation);
    label_D->setText(tr(informationLabel(name)));
    infoMelody->setText(m_information.value(name));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        if (buttonPlay->isEnabled())
            showPlayState();
        if (m_rotation < 0)
            label_D->setText(tr("Title"));
        else
            showInformation();
    }
    QMainWindow::changeEvent(event);
}

} // namespace cantrel
