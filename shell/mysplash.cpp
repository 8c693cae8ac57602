#include "mysplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

// Size of the splash picture; a missing picture is replaced by a plain one of this size so that
// the messages still have somewhere to go.
static const QSize FALLBACK_SIZE(420, 290);

MySplash::MySplash(const QString &pixmapFile, Qt::Alignment alignment, const QColor &color, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_pixmap(pixmapFile)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (m_pixmap.isNull()) {
        m_pixmap = QPixmap(FALLBACK_SIZE);
        m_pixmap.fill(Qt::darkGray);
    }

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setFixedSize(m_pixmap.size());
    move(screen.left() + (screen.width() - m_pixmap.width()) / 2,
         screen.top() + (screen.height() - m_pixmap.height()) / 2);

    m_pictureLabel = new QLabel(this);
    m_pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    m_pictureLabel->setGeometry(0, 0, m_pixmap.width(), m_pixmap.height());
    m_pictureLabel->setPixmap(m_pixmap);

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setGeometry(QRect(QPoint(5, 5), QPoint(m_pixmap.width() - 6, m_pixmap.height() - 6)));
    m_messageLabel->setAlignment(alignment);
    m_messageLabel->setWordWrap(true);
    m_palette = m_messageLabel->palette();
    m_palette.setColor(QPalette::All, QPalette::WindowText, color);
    m_messageLabel->setPalette(m_palette);
}

void MySplash::showMessage(const QString &text)
{
    m_messageLabel->setText(text);
    activateWindow();
    // Events keep flowing while the message is on show, so the splash repaints.
    QTimer::singleShot(m_displayMessageTime, &m_loop, &QEventLoop::quit);
    m_loop.exec();
}

void MySplash::setDisplayMessageTime(int ms)
{
    m_displayMessageTime = ms;
}

QString MySplash::message() const
{
    return m_messageLabel->text();
}

void MySplash::activateUserAction()
{
    connect(this, &MySplash::workComplete, this, &QWidget::close, Qt::UniqueConnection);
}

void MySplash::keyPressEvent(QKeyEvent *event)
{
    Q_UNUSED(event)
    emit workComplete();
}

void MySplash::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit workComplete();
}
