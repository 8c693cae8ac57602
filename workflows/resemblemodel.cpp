#include "resemblemodel.h"

#include <QFileInfo>
#include <QPainter>

#include "resemblerun.h"
#include "thumbnailloader.h"

namespace {

const int MARK_SIDE = 24;
// Thumbnails kept for rows seen lately: a few screens of rows.
const int KEPT_THUMBNAILS = 300;

} // namespace

ResembleModel::ResembleModel(ResembleRun *run, const QPixmap &boxPixmap, QObject *parent)
    : QAbstractListModel(parent)
    , m_run(run)
    , m_boxPixmap(boxPixmap)
    , m_loader(new ThumbnailLoader(ICON_SIDE, this))
    , m_thumbnails(KEPT_THUMBNAILS)
{
    m_normal.setWeight(50);
    m_bold.setWeight(75);
    m_marks[ResembleRun::InGroup] = QIcon(QStringLiteral(":img/nextStage.png")).pixmap(MARK_SIDE, MARK_SIDE);
    m_marks[ResembleRun::MadeUnique] = QIcon(QStringLiteral(":img/delStage.png")).pixmap(MARK_SIDE, MARK_SIDE);
    const QPixmap placeholder = ThumbnailLoader::placeholder(ICON_SIDE);
    for (int state = 0; state < 3; ++state)
        m_placeholders[state] = compose(placeholder, state);
    connect(m_loader, &ThumbnailLoader::ready, this, &ResembleModel::thumbnailReady);
}

int ResembleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_run->rowCount();
}

QVariant ResembleModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row >= m_run->rowCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole: {
        const QString remark = m_run->rowRemark(row);
        if (!m_run->isPrimeRow(row))
            return QString(QStringLiteral("... ") + remark);
        const int members = m_run->rowMembers(row);
        return members == 0 ? QString(remark + QStringLiteral(" ..."))
                            : QString(remark + QStringLiteral(" ...\t") + m_associate.arg(members));
    }
    case Qt::FontRole:
        return m_run->isCurrentPrimeRow(row) ? m_bold : m_normal;
    case Qt::DecorationRole:
        return iconOf(row);
    default:
        return QVariant();
    }
}

// The row's thumbnail with its state in the corner; until it is made, the shared placeholder. A row
// the view shows is asked for here, the first time; nothing is read while Apply writes the entries.
QIcon ResembleModel::iconOf(int row) const
{
    const int state = m_run->rowState(row);
    const int object = m_run->rowObject(row);
    if (Thumbnail *thumbnail = m_thumbnails.object(object)) {
        if (thumbnail->icons[state].isNull())
            thumbnail->icons[state] = compose(thumbnail->picture, state);
        return thumbnail->icons[state];
    }
    if (!m_run->busy()) {
        const QString path = m_run->rowObjectPath(row);
        if (!m_asked.contains(path)) {
            m_asked.insert(path, object);
            m_loader->requestFirst(path);
        }
    }
    return m_placeholders[state];
}

QIcon ResembleModel::compose(const QPixmap &picture, int state) const
{
    QPixmap canvas(ICON_SIDE, ICON_SIDE);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawPixmap((ICON_SIDE - picture.width()) / 2, (ICON_SIDE - picture.height()) / 2, picture);
    if (!m_marks[state].isNull())
        painter.drawPixmap(ICON_SIDE - MARK_SIDE, ICON_SIDE - MARK_SIDE, m_marks[state]);
    painter.end();
    return QIcon(canvas);
}

void ResembleModel::thumbnailReady(const QString &path, const QImage &image)
{
    const auto asked = m_asked.find(path);
    if (asked == m_asked.end())
        return;
    const int object = asked.value();
    m_asked.erase(asked);
    auto thumbnail = new Thumbnail;
    if (!image.isNull()) {
        thumbnail->picture = QPixmap::fromImage(image);
    } else {
        // What cannot be decoded shows its type's picture, made once per extension.
        const QString suffix = QFileInfo(path).suffix().toLower();
        auto fallback = m_fallbacks.find(suffix);
        if (fallback == m_fallbacks.end())
            fallback = m_fallbacks.insert(suffix, ThumbnailLoader::fallback(path, m_boxPixmap, ICON_SIDE));
        thumbnail->picture = fallback.value();
    }
    m_thumbnails.insert(object, thumbnail);
    const int row = m_run->objectRow(object);
    if (row >= 0)
        emit dataChanged(index(row), index(row), {Qt::DecorationRole});
}

void ResembleModel::setAssociate(const QString &text)
{
    if (text == m_associate)
        return;
    m_associate = text;
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

void ResembleModel::showChanges()
{
    const QVector<QPair<int, int>> rows = m_run->takeChangedRows();
    for (const auto &range : rows)
        emit dataChanged(index(range.first), index(range.second));
}

void ResembleModel::dropWaiting()
{
    m_loader->cancel();
    m_asked.clear();
}
