#include "boxinfo.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QProgressBar>

#include "anybox.h"
#include "boxinforun.h"
#include "constants.h"
#include "mysssfile.h"
#include "sessioncolumns.h"

BoxInfo::BoxInfo(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_run(new BoxInfoRun(box, this))
{
    setupUi(this);
    setObjectName(QStringLiteral("BoxInfo"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    boxName->setText(m_box->objectName());
    content->hide();
    sessionTable->installEventFilter(this);
    // The frame shows at once; the figures follow the pass over every entry, read behind the window.
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("infoProgress"));
    m_progress->setTextVisible(false);
    headerLayout->insertWidget(headerLayout->indexOf(label_A) + 1, m_progress);
    connect(m_run, &BoxInfoRun::progress, this, [this](int done, int all) {
        m_progress->setMaximum(all);
        m_progress->setValue(done);
    });
    connect(m_run, &BoxInfoRun::finished, this, &BoxInfo::showResult);
    m_run->start();
}

void BoxInfo::showResult()
{
    if (m_run->sessions().isEmpty())
        showEmpty();
    else
        showFigures();
    label_A->hide();
    m_progress->hide();
    content->show();
}

void BoxInfo::showEmpty()
{
    for (QLabel *value : {sessionNum, sessionLast, remarkNum, dateBegin, templateNum, albumNum, outCategory,
                          outKeyword, outTitle})
        value->setText(QStringLiteral("-"));
    for (QWidget *dependent : {static_cast<QWidget *>(dateLast), static_cast<QWidget *>(label_GA),
                               static_cast<QWidget *>(dateEnd), static_cast<QWidget *>(label_IA),
                               static_cast<QWidget *>(pOutCategory), static_cast<QWidget *>(label_IB),
                               static_cast<QWidget *>(label_JA), static_cast<QWidget *>(pOutKeyword),
                               static_cast<QWidget *>(label_JB), static_cast<QWidget *>(label_KA),
                               static_cast<QWidget *>(pOutTitle), static_cast<QWidget *>(label_KB)})
        dependent->hide();
    sessionTable->setRowCount(0);
}

void BoxInfo::showFigures()
{
    const auto sssFile = dynamic_cast<MySssFile *>(m_box->unit(NAME_SSS_FILE));
    sessionNum->setText(QString::number(m_run->sessions().size()));
    const unsigned last = m_run->lastSession();
    sessionLast->setText(QString::number(last));
    const QString created = sssFile ? sssFile->sessionDateCreation(last) : QString();
    dateLast->setText(created);
    dateLast->setVisible(!created.isEmpty());
    remarkNum->setText(QString::number(m_run->remarkCount()));
    const QString format = m_box->dateFormat();
    const bool dated = m_run->firstDate().isValid();
    dateBegin->setText(dated ? m_run->firstDate().toString(format) : QStringLiteral("-"));
    dateEnd->setText(dated ? m_run->lastDate().toString(format) : QString());
    label_GA->setVisible(dated);
    dateEnd->setVisible(dated);
    templateNum->setText(QString::number(m_run->templateCount()));
    albumNum->setText(QString::number(m_run->albumCount()));
    outCategory->setText(QString::number(m_run->withoutCategory()));
    pOutCategory->setText(m_run->actuality(m_run->withoutCategory()));
    outKeyword->setText(QString::number(m_run->withoutKeywords()));
    pOutKeyword->setText(m_run->actuality(m_run->withoutKeywords()));
    outTitle->setText(QString::number(m_run->withoutCaption()));
    pOutTitle->setText(m_run->actuality(m_run->withoutCaption()));
    fillSessionTable();
}

void BoxInfo::fillSessionTable()
{
    const auto sssFile = dynamic_cast<MySssFile *>(m_box->unit(NAME_SSS_FILE));
    const QMap<unsigned, BoxInfoRun::Session> &sessions = m_run->sessions();
    sessionTable->setRowCount(sessions.size());
    SessionColumns::setWidths(sessionTable);
    int row = 0;
    for (auto it = sessions.cbegin(); it != sessions.cend(); ++it, ++row) {
        const auto cell = [this, row](int column, const QString &text, Qt::Alignment alignment) {
            auto item = new QTableWidgetItem(text);
            item->setTextAlignment(alignment | Qt::AlignVCenter);
            sessionTable->setItem(row, column, item);
        };
        cell(0, QString::number(it.key()), Qt::AlignRight);
        cell(1, sssFile ? sssFile->sessionDateCreation(it.key()) : QString(), Qt::AlignHCenter);
        cell(2, QString::number(it.value().count), Qt::AlignRight);
        cell(3, m_run->spanText(it.value().earliest, it.value().latest), Qt::AlignHCenter);
        cell(4, sssFile ? sssFile->sessionAnnotation(it.key()) : QString(), Qt::AlignLeft);
    }
    sessionTable->resizeRowsToContents();
    sessionTable->setCurrentCell(0, 0);
}

// Up and Down stop at the ends of the table.
bool BoxInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == sessionTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int row = sessionTable->currentRow();
        if ((key == Qt::Key_Up && row == 0) || (key == Qt::Key_Down && row == sessionTable->rowCount() - 1))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

void BoxInfo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
    QFrame::changeEvent(event);
}
