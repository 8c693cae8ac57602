#include "mainwindow.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QSocketNotifier>
#include <QTableWidgetItem>
#include <QTextStream>

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace folianto {

namespace {

const QString SET_OPTION = QStringLiteral("-set");
const QString LIST_OPTION = QStringLiteral("-list");
const QString DEFAULT_LIST = QStringLiteral("readlist");
const QString DEFAULT_VIEWER = QStringLiteral("default");
// A viewer is asked to end first; it is killed only when it has not ended by then.
const int END_GRACE_MS = 3000;
enum Column { NameColumn, AuthorColumn, DateColumn, FileColumn };

int sigTermFd[2] = {-1, -1};

void onSigTerm(int)
{
    const char byte = 1;
    const ssize_t written = ::write(sigTermFd[0], &byte, sizeof byte);
    Q_UNUSED(written)
}

// Name, author and date from the book's ".sub" file: exactly three non-empty lines, else nothing.
QStringList subData(const QString &book)
{
    const int dot = book.lastIndexOf(QLatin1Char('.'));
    QFile sub((dot < 0 ? book : book.left(dot)) + QStringLiteral(".sub"));
    QStringList lines;
    if (!sub.open(QIODevice::ReadOnly | QIODevice::Text))
        return {QString(), QString(), QString()};
    QTextStream in(&sub);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    if (lines.size() != 3)
        return {QString(), QString(), QString()};
    return lines;
}

} // namespace

MainWindow::MainWindow(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setupUi(this);
    QPalette look = palette();
    look.setBrush(backgroundRole(), QBrush(QPixmap(QStringLiteral(":/reader_back_s.png"))));
    setPalette(look);

    m_viewer = new QProcess(this);
    // Whatever a viewer prints is of no use here and would only pile up.
    m_viewer->setStandardOutputFile(QProcess::nullDevice());
    m_viewer->setStandardErrorFile(QProcess::nullDevice());
    // A viewer that cannot start is said in the window, under the books' title.
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("viewerProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: red"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    if (auto layout = qobject_cast<QBoxLayout *>(label_A->parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(label_A) + 1, m_problem);
    connect(m_viewer, &QProcess::errorOccurred, this, &MainWindow::viewerError);
    label_A->hide();
    books->hide();

    m_viewers.insert(DEFAULT_VIEWER, QStringLiteral("C:\\Program Files\\Notepad++\\notepad++.exe"));
    m_viewers.insert(QStringLiteral("pdf"),
                     QStringLiteral("C:\\Program Files\\Foxit Software\\Foxit Reader\\Foxit Reader.exe"));
    m_viewers.insert(QStringLiteral("fb2"), QStringLiteral("C:\\Program Files\\AlReader2\\AlReader2.exe"));
    m_viewers.insert(QStringLiteral("djv"), QStringLiteral("C:\\Program Files\\Djvu\\WinDjVew-0.5.exe"));
    m_viewers.insert(QStringLiteral("djvu"), QStringLiteral("C:\\Program Files\\Djvu\\WinDjVew-0.5.exe"));

    m_options = parseOptions(arguments);
    if (!m_options.value(SET_OPTION).isEmpty())
        readSetFile(m_options.value(SET_OPTION));

    m_listFile = m_options.value(LIST_OPTION);
    if (m_listFile.isEmpty())
        m_listFile = DEFAULT_LIST;
    QFile list(m_listFile);
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // The list comes in the system's 8-bit encoding, which is the stream's default.
        QTextStream in(&list);
        while (!in.atEnd())
            m_books.append(in.readLine().trimmed());
    }

    connect(quitButton, &QAbstractButton::clicked, this, &MainWindow::pressQuitButton);

    if (sigTermFd[1] >= 0) {
        m_sigTermNotifier = new QSocketNotifier(sigTermFd[1], QSocketNotifier::Read, this);
        connect(m_sigTermNotifier, &QSocketNotifier::activated, this, &MainWindow::handleSigTerm);
    }
    // An empty reader still watches its list, so that Tessary can stop it by deleting the list.
    m_listTimer = startTimer(200, Qt::CoarseTimer);

    if (m_books.isEmpty()) {
        openButton->setEnabled(false);
        closeButton->setEnabled(false);
        return;
    }

    label->hide();
    spaceFrame->hide();
    label_A->show();
    books->show();
    fillTable();
    connect(openButton, &QAbstractButton::clicked, this, &MainWindow::pressOpenButton);
    connect(closeButton, &QAbstractButton::clicked, this, &MainWindow::pressCloseButton);
    connect(m_viewer, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &MainWindow::pressCloseButton);
    if (m_books.size() == 1)
        pressOpenButton();
}

MainWindow::~MainWindow()
{
    // Whatever path ends the window, the viewer does not outlive it.
    m_viewer->disconnect(this);
    endViewer();
}

QMap<QString, QString> MainWindow::parseOptions(const QStringList &arguments)
{
    QMap<QString, QString> options;
    for (const QString &name : {SET_OPTION, LIST_OPTION}) {
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

void MainWindow::readSetFile(const QString &path)
{
    QFile set(path);
    if (!set.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&set);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(QLatin1Char('='));
        if (parts.size() == 2)
            m_viewers.insert(parts.at(0).trimmed().toLower(), parts.at(1).trimmed());
    }
}

void MainWindow::fillTable()
{
    books->setColumnWidth(NameColumn, 200);
    books->setColumnWidth(AuthorColumn, 100);
    books->setColumnWidth(DateColumn, 40);
    books->setSortingEnabled(false);
    books->setRowCount(m_books.size());
    for (int row = 0; row < m_books.size(); ++row) {
        const QStringList sub = subData(m_books.at(row));
        const QStringList texts = {sub.at(0), sub.at(1), sub.at(2), QDir::toNativeSeparators(m_books.at(row))};
        for (int column = 0; column < texts.size(); ++column) {
            auto *item = new QTableWidgetItem(texts.at(column));
            item->setToolTip(texts.at(column));
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (column == DateColumn)
                item->setTextAlignment(Qt::AlignCenter);
            books->setItem(row, column, item);
        }
    }
    books->sortItems(NameColumn, Qt::AscendingOrder);
    books->setSortingEnabled(true);
    books->resizeRowsToContents();
    books->setCurrentCell(0, 0);
    books->setFocus();
    books->installEventFilter(this);
}

void MainWindow::pressOpenButton()
{
    if (books->currentRow() < 0)
        return;
    books->setEnabled(false);
    openButton->setEnabled(false);
    closeButton->setEnabled(true);
    closeButton->setFocus();
    const QTableWidgetItem *cell = books->item(books->currentRow(), FileColumn);
    const QString file = cell ? cell->text() : QString();
    // A path without "." is its own extension, so it finds the default viewer.
    const QString extension = file.mid(file.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    m_program = m_viewers.value(extension, m_viewers.value(DEFAULT_VIEWER));
    m_problem->hide();
    m_viewer->start(m_program, {file}, QIODevice::ReadWrite);
}

// The table stays usable: another book, with another viewer, may open.
void MainWindow::viewerError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    m_problem->setText(tr("Cannot start ") + m_program);
    m_problem->show();
    pressCloseButton();
}

void MainWindow::pressCloseButton()
{
    closeButton->setEnabled(false);
    endViewer();
    openButton->setEnabled(true);
    books->setEnabled(true);
    books->setFocus();
}

void MainWindow::pressQuitButton()
{
    quitReader();
}

void MainWindow::quitReader()
{
    endViewer();
    close();
}

void MainWindow::endViewer()
{
    // A signal sent before the viewer has replaced the forked copy of this program would reach
    // that copy instead of the viewer.
    if (m_viewer->state() == QProcess::Starting)
        m_viewer->waitForStarted(END_GRACE_MS);
    if (m_viewer->state() == QProcess::NotRunning)
        return;
    m_viewer->terminate();
    if (!m_viewer->waitForFinished(END_GRACE_MS)) {
        m_viewer->kill();
        m_viewer->waitForFinished(END_GRACE_MS);
    }
}

void MainWindow::handleSigTerm()
{
    char byte = 0;
    const ssize_t got = ::read(sigTermFd[1], &byte, sizeof byte);
    Q_UNUSED(got)
    killTimer(m_listTimer);
    m_viewer->disconnect(this);
    endViewer();
    QCoreApplication::exit(0);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == books && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (openButton->isEnabled())
                pressOpenButton();
            return true;
        case Qt::Key_Up:
            return books->currentRow() == 0;
        case Qt::Key_Down:
            return books->currentRow() == books->rowCount() - 1;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    killTimer(m_listTimer);
    m_listTimer = 0;
    m_viewer->disconnect(this);
    endViewer();
    event->accept();
}

void MainWindow::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_listTimer || m_listTimer == 0) {
        QMainWindow::timerEvent(event);
        return;
    }
    if (!QFileInfo::exists(m_listFile))
        quitReader();
    else if (m_books.size() == 1 && m_viewer->state() == QProcess::NotRunning && m_problem->isHidden())
        quitReader();
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

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
    QMainWindow::changeEvent(event);
}

} // namespace folianto
