#pragma once

#include <QColor>
#include <QEventLoop>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

class QLabel;

// The start-up window: a picture with progress messages over it. Each message stays on show for
// a while before start-up goes on; once start-up is over a key press or a click closes it.
class MySplash : public QWidget
{
    Q_OBJECT

public:
    MySplash(const QString &pixmapFile, Qt::Alignment alignment, const QColor &color, QWidget *parent = nullptr);

    void showMessage(const QString &text);
    void setDisplayMessageTime(int ms);
    int displayMessageTime() const { return m_displayMessageTime; }
    QString message() const;
    void activateUserAction();

signals:
    void workComplete();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QEventLoop m_loop;
    QPixmap m_pixmap;
    QLabel *m_pictureLabel;
    QLabel *m_messageLabel;
    QPalette m_palette;
    int m_displayMessageTime = 700;
};
