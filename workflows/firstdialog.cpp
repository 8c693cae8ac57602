#include "firstdialog.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

#include "anybox.h"
#include "firststepsrun.h"
#include "frameatwork.h"
#include "mymessagebox.h"
#include "previewfollows.h"
#include "thumbnailloader.h"

static const char *const ICON_TICKED = ":img/checkMark.png";
static const char *const ICON_UNTICKED = ":img/checkMarkEmpty.png";
static const char *const ICON_UNUSABLE = ":img/checkMarkDash.png";
// An offered file's thumbnail and the tick drawn over its corner.
static const int THUMBNAIL_SIDE = 64;
static const int TICK_SIDE = 20;
// More candidates than this would only swamp the preview program.
static const int PREVIEW_LIMIT = 1000;

FirstDialog::FirstDialog(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
    , m_run(new FirstStepsRun(box, this))
{
    setupUi(this);
    setObjectName(QStringLiteral("FirstDialog"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    // Beside the title, so that the form below keeps its width.
    m_follows = new PreviewFollows(m_box->name(), this);
    gridLayout->removeWidget(title);
    auto header = new QHBoxLayout;
    header->addWidget(title, 1);
    header->addWidget(m_follows);
    gridLayout->addLayout(header, 0, 1);
    m_follows->watch(m_run->previewProcess());
    connect(m_follows, &QCheckBox::toggled, this, [this](bool follows) {
        if (m_stage != Stage::Files)
            return;
        if (follows)
            startPreview();
        else
            m_run->endPreview();
    });
    setShown({detectFrame, label_B, detectFiles, selectFrame, label_D, selectFiles, label_K, selectTotalSize, label_L,
             label_F, copyProgress, resultFrame}, false);
    detectList->setFocus();
    detectList->installEventFilter(this);
    selectList->installEventFilter(this);
    selectList->viewport()->installEventFilter(this);
    detecting();

    connect(detectNothingButton, &QPushButton::clicked, this, &FirstDialog::detectNothing);
    connect(detectSubstractButton, &QPushButton::clicked, this, &FirstDialog::detectSubstract);
    connect(detectAddButton, &QPushButton::clicked, this, &FirstDialog::detectAdd);
    connect(detectAllButton, &QPushButton::clicked, this, &FirstDialog::detectAll);
    connect(detectAgreeButton, &QPushButton::clicked, this, &FirstDialog::detectAgree);
    connect(detectList, &QListWidget::itemClicked, this, &FirstDialog::enableDetectAdd);
    connect(detectList, &QListWidget::itemClicked, this, &FirstDialog::enableDetectSubstract);
    connect(detectList, &QListWidget::currentItemChanged, this, &FirstDialog::enableDetectAdd);
    connect(detectList, &QListWidget::currentItemChanged, this, &FirstDialog::enableDetectSubstract);
    connect(selectNothingButton, &QPushButton::clicked, this, &FirstDialog::selectNothing);
    connect(selectSubstractButton, &QPushButton::clicked, this, &FirstDialog::selectSubstract);
    connect(selectAddButton, &QPushButton::clicked, this, &FirstDialog::selectAdd);
    connect(selectAllButton, &QPushButton::clicked, this, &FirstDialog::selectAll);
    connect(selectAgreeButton, &QPushButton::clicked, this, &FirstDialog::selectAgree);
    connect(selectList, &QListWidget::itemSelectionChanged, this, &FirstDialog::enableSelectAdd);
    connect(selectList, &QListWidget::itemSelectionChanged, this, &FirstDialog::enableSelectSubstract);
    retranslateThis();
}

// A running preview ends with the frame, and its list goes with it.
FirstDialog::~FirstDialog()
{
    m_run->endPreview();
}

void FirstDialog::detecting()
{
    for (const FirstStepsRun::Device &device : m_run->devices()) {
        if (device.path.isEmpty())
            continue;
        DeviceRecord record;
        record.path = device.path;
        record.toolTip = device.toolTip;
        record.count = m_run->countFiles(device.path);
        record.state = record.count > 0 ? 0 : -1;
        record.text = deviceText(record);
        auto item = new QListWidgetItem(QIcon(record.state < 0 ? ICON_UNUSABLE : ICON_UNTICKED), record.text);
        if (!record.toolTip.isEmpty())
            item->setToolTip(record.toolTip);
        detectList->addItem(item);
        set_D << record;
    }
    m_detected = true;
    label_A->setText(tr("Detect removable devices... complete"));
    detectFrame->show();
    label_B->show();
    detectFiles->setText(QString::number(m_preSelected));
    detectFiles->show();
    if (detectList->count() > 0)
        detectList->setCurrentRow(0);
    setModeDetect();
}

QString FirstDialog::deviceText(const DeviceRecord &device) const
{
    if (device.count < 0)
        return device.path + QStringLiteral("\t(!) ") + tr("device not detected...");
    if (device.count == 0)
        return device.path + QStringLiteral("\t(!) ") + tr("device is empty...");
    return device.path + QLatin1Char('\t') + QString::number(device.count) + QLatin1Char(' ') + tr("files");
}

void FirstDialog::setDeviceState(int row, int state)
{
    DeviceRecord &device = set_D[row];
    if (device.state < 0 || device.state == state)
        return;
    device.state = state;
    m_preSelected += state == 1 ? device.count : -device.count;
    detectList->item(row)->setIcon(QIcon(state == 1 ? ICON_TICKED : ICON_UNTICKED));
}

void FirstDialog::detectAdd()
{
    const int row = detectList->currentRow();
    if (row >= 0 && row < set_D.size())
        setDeviceState(row, 1);
    setModeDetect();
}

void FirstDialog::detectSubstract()
{
    const int row = detectList->currentRow();
    if (row >= 0 && row < set_D.size())
        setDeviceState(row, 0);
    setModeDetect();
}

void FirstDialog::detectAll()
{
    for (int row = 0; row < set_D.size(); ++row)
        setDeviceState(row, 1);
    setModeDetect();
}

void FirstDialog::detectNothing()
{
    for (int row = 0; row < set_D.size(); ++row)
        setDeviceState(row, 0);
    setModeDetect();
}

void FirstDialog::enableDetectAdd(QListWidgetItem *item)
{
    Q_UNUSED(item)
    setModeDetect();
}

void FirstDialog::enableDetectSubstract(QListWidgetItem *item)
{
    Q_UNUSED(item)
    setModeDetect();
}

void FirstDialog::setModeDetect()
{
    const int row = detectList->currentRow();
    const int current = row >= 0 && row < set_D.size() ? set_D.at(row).state : -1;
    bool someUnticked = false;
    bool someTicked = false;
    for (const DeviceRecord &device : set_D) {
        someUnticked = someUnticked || device.state == 0;
        someTicked = someTicked || device.state == 1;
    }
    detectAddButton->setEnabled(current == 0);
    detectSubstractButton->setEnabled(current == 1);
    detectAllButton->setEnabled(someUnticked);
    detectNothingButton->setEnabled(someTicked);
    detectAgreeButton->setEnabled(someTicked);
    detectFiles->setText(QString::number(m_preSelected));
}

void FirstDialog::detectAgree()
{
    if (m_stage != Stage::Devices || !detectAgreeButton->isEnabled())
        return;
    m_stage = Stage::Listing;
    detectFrame->hide();
    m_selected = 0;
    m_totalSize = 0;
    QFileInfoList infos;
    for (const DeviceRecord &device : qAsConst(set_D)) {
        if (device.state == 1)
            infos << m_run->listFiles(device.path);
    }
    // What is known of each file is settled before the list can be used; the window repaints meanwhile.
    {
        FrameAtWork atWork(this);
        label_F->setText(tr("Reading the files on the devices..."));
        label_F->show();
        copyProgress->setRange(0, qMax(1, infos.size()));
        copyProgress->setValue(0);
        copyProgress->show();
        const auto connection = connect(m_run, &FirstStepsRun::examineProgress, this, [this](int done, int total) {
            copyProgress->setRange(0, qMax(1, total));
            copyProgress->setValue(total > 0 ? done : 0);
        });
        m_offers = m_run->examine(infos);
        disconnect(connection);
        label_F->hide();
        copyProgress->hide();
        label_F->setText(tr("Copying selected files..."));
    }
    QStringList paths;
    if (!m_thumbnails) {
        m_thumbnails = new ThumbnailLoader(THUMBNAIL_SIDE, this);
        connect(m_thumbnails, &ThumbnailLoader::ready, this, &FirstDialog::thumbnailReady);
    }
    selectList->setIconSize(QSize(THUMBNAIL_SIDE, THUMBNAIL_SIDE));
    for (const SeenCheck::Offer &offer : qAsConst(m_offers)) {
        FileRecord file;
        file.path = QDir::toNativeSeparators(offer.path);
        file.size = offer.size;
        file.text = file.path + QStringLiteral(" (") + mebibytes(file.size) + QStringLiteral("Mb)");
        file.state = 0;
        file.seen = offer.state;
        m_inBox += offer.state == SeenCheck::InBox ? 1 : 0;
        m_rejectedBefore += offer.state == SeenCheck::RejectedBefore ? 1 : 0;
        set_F << file;
        const int row = set_F.size() - 1;
        auto item = new QListWidgetItem(fileIcon(row), fileText(row));
        m_rowOfPath.insert(offer.path, row);
        m_thumbnails->request(offer.path);
        // Greyed and out of reach of every button.
        if (!tickable(file))
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        selectList->addItem(item);
        // The preview shows what can still be ticked.
        if (tickable(file))
            paths << file.path;
    }
    selectFrame->show();
    if (paths.size() > PREVIEW_LIMIT)
        MyMessageBox::warning(this, tr("Warning"), tr("Selected list is very big. Displaying is restrict..."));
    m_previewPaths = paths;
    if (m_follows->isChecked())
        startPreview();
    setShown({label_D, selectFiles, label_K, selectTotalSize, label_L}, true);
    if (selectList->count() > 0)
        selectList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    selectList->setFocus();
    m_stage = Stage::Files;
    setModeSelect();
}

// The file's own text, followed by what is known of its content.
QString FirstDialog::fileText(int row) const
{
    const FileRecord &file = set_F.at(row);
    const SeenCheck::Offer &offer = m_offers.at(row);
    const QString date = offer.verdictDate.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    switch (file.seen) {
    case SeenCheck::InBox:
        return file.text + QLatin1Char('\t') + tr("in box as %1").arg(offer.remark);
    case SeenCheck::RejectedBefore:
        return file.text + QLatin1Char('\t') + tr("rejected before (%1)").arg(date);
    case SeenCheck::CopiedBefore:
        return file.text + QLatin1Char('\t') + tr("copied before (%1), not in box").arg(date);
    case SeenCheck::Unreadable:
        return file.text + QStringLiteral("\t(!) ") + tr("cannot be read...");
    case SeenCheck::New:
        break;
    }
    return file.text;
}

bool FirstDialog::tickable(const FileRecord &file)
{
    return file.seen != SeenCheck::InBox && file.seen != SeenCheck::Unreadable;
}

// A file rejected before is ticked only by hand.
bool FirstDialog::tickedByAll(const FileRecord &file)
{
    return file.seen == SeenCheck::New || file.seen == SeenCheck::CopiedBefore;
}

void FirstDialog::setFileState(int row, int state)
{
    FileRecord &file = set_F[row];
    if (file.state == state || (state == 1 && !tickable(file)))
        return;
    file.state = state;
    m_selected += state == 1 ? 1 : -1;
    m_totalSize += state == 1 ? file.size : -file.size;
    selectList->item(row)->setIcon(fileIcon(row));
}

// The preview is a help, not a condition: without it the files can still be ticked and copied.
void FirstDialog::startPreview()
{
    if (!m_run->writeList(m_previewPaths, PREVIEW_LIMIT)) {
        MyMessageBox::warning(this, tr("Warning"),
                              tr("The list for the preview cannot be written:\n%1")
                                  .arg(QDir::toNativeSeparators(m_run->listPath())));
    } else if (!m_run->startPreview()) {
        MyMessageBox::warning(this, tr("Warning"),
                              tr("The preview program cannot be started:\n%1").arg(m_box->execPreview()));
    }
}

QIcon FirstDialog::fileIcon(int row) const
{
    const FileRecord &file = set_F.at(row);
    const char *tick = !tickable(file) ? ICON_UNUSABLE : file.state == 1 ? ICON_TICKED : ICON_UNTICKED;
    QPixmap canvas(THUMBNAIL_SIDE, THUMBNAIL_SIDE);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    const QPixmap thumbnail = m_rowPixmaps.value(row, ThumbnailLoader::placeholder(THUMBNAIL_SIDE));
    painter.drawPixmap((THUMBNAIL_SIDE - thumbnail.width()) / 2, (THUMBNAIL_SIDE - thumbnail.height()) / 2,
                       thumbnail);
    painter.drawPixmap(0, 0, QIcon(QLatin1String(tick)).pixmap(TICK_SIDE, TICK_SIDE));
    painter.end();
    return QIcon(canvas);
}

void FirstDialog::thumbnailReady(const QString &path, const QImage &image)
{
    const auto found = m_rowOfPath.constFind(path);
    if (found == m_rowOfPath.constEnd() || found.value() >= selectList->count())
        return;
    const int row = found.value();
    m_rowPixmaps.insert(row, image.isNull() ? ThumbnailLoader::fallback(path, m_box->boxPixmap(), THUMBNAIL_SIDE)
                                            : QPixmap::fromImage(image));
    selectList->item(row)->setIcon(fileIcon(row));
}

void FirstDialog::selectAdd()
{
    for (QListWidgetItem *item : selectList->selectedItems())
        setFileState(selectList->row(item), 1);
    setModeSelect();
}

void FirstDialog::selectSubstract()
{
    for (QListWidgetItem *item : selectList->selectedItems())
        setFileState(selectList->row(item), 0);
    setModeSelect();
}

void FirstDialog::selectAll()
{
    for (int row = 0; row < set_F.size(); ++row) {
        if (tickedByAll(set_F.at(row)))
            setFileState(row, 1);
    }
    setModeSelect();
}

void FirstDialog::selectNothing()
{
    for (int row = 0; row < set_F.size(); ++row)
        setFileState(row, 0);
    setModeSelect();
}

void FirstDialog::enableSelectAdd()
{
    setModeSelect();
}

void FirstDialog::enableSelectSubstract()
{
    setModeSelect();
}

void FirstDialog::setModeSelect()
{
    bool selectedUnticked = false;
    bool selectedTicked = false;
    for (QListWidgetItem *item : selectList->selectedItems()) {
        const FileRecord &file = set_F.at(selectList->row(item));
        const int state = file.state;
        selectedUnticked = selectedUnticked || (state == 0 && tickable(file));
        selectedTicked = selectedTicked || state == 1;
    }
    bool someForAll = false;
    for (const FileRecord &file : qAsConst(set_F))
        someForAll = someForAll || (file.state == 0 && tickedByAll(file));
    selectAddButton->setEnabled(selectedUnticked);
    selectSubstractButton->setEnabled(selectedTicked);
    selectAllButton->setEnabled(someForAll);
    selectNothingButton->setEnabled(m_selected > 0);
    selectAgreeButton->setEnabled(m_selected > 0);
    showCounters();
}

void FirstDialog::showCounters()
{
    selectFiles->setText(QString::number(m_selected));
    selectTotalSize->setText(mebibytes(m_totalSize));
}

void FirstDialog::selectAgree()
{
    if (m_stage != Stage::Files || m_selected == 0)
        return;
    m_stage = Stage::Copying;
    FrameAtWork atWork(this);
    selectFrame->hide();
    label_F->show();
    copyProgress->setRange(0, m_selected);
    copyProgress->setValue(0);
    copyProgress->show();
    QStringList files;
    for (const FileRecord &file : qAsConst(set_F)) {
        if (file.state == 1)
            files << QDir::fromNativeSeparators(file.path);
    }
    // Bars repaint; clicks and keys wait, so no other command replaces the frame in the middle.
    connect(m_run, &FirstStepsRun::copyProgress, this, [this](int position) {
        copyProgress->setValue(position);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    const int failed = m_run->copyFiles(files);
    QList<bool> ticked;
    for (const FileRecord &file : qAsConst(set_F))
        ticked << (file.state == 1);
    const bool recorded = m_run->recordVerdicts(m_offers, ticked);
    detectFilesResult->setText(QString::number(m_preSelected));
    selectFilesResult->setText(QString::number(m_selected));
    copyFilesResult->setText(QString::number(m_selected - failed));
    inBoxResult->setText(QString::number(m_inBox));
    rejectedResult->setText(QString::number(m_rejectedBefore));
    resultFrame->show();
    m_stage = Stage::Done;
    // The copies are made; only the next listing would offer them as new again.
    if (!recorded) {
        MyMessageBox::warning(this, tr("Warning"),
                              tr("The list of files seen cannot be written:\n%1")
                                  .arg(QDir::toNativeSeparators(m_run->ledger().path())));
    }
}

// The Up key on the first row and the Down key on the last row go nowhere.
bool FirstDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == selectList->viewport() && tickIconClicked(event))
        return true;
    if ((watched == detectList || watched == selectList) && event->type() == QEvent::KeyPress) {
        auto list = static_cast<QListWidget *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up && list->currentRow() <= 0)
            return true;
        if (key == Qt::Key_Down && list->currentRow() >= list->count() - 1)
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

// A click on an item's tick icon ticks or unticks that file; a click elsewhere selects as usual.
bool FirstDialog::tickIconClicked(QEvent *event)
{
    if (m_stage != Stage::Files || event->type() != QEvent::MouseButtonRelease)
        return false;
    auto mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    QListWidgetItem *item = selectList->itemAt(mouse->pos());
    if (!item)
        return false;
    const int row = selectList->row(item);
    QStyleOptionViewItem option;
    option.initFrom(selectList);
    const int iconWidth = selectList->iconSize().isValid()
                              ? selectList->iconSize().width()
                              : selectList->style()->pixelMetric(QStyle::PM_SmallIconSize, &option, selectList);
    const int margin = selectList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, selectList) + 1;
    const QRect icon(selectList->visualItemRect(item).left(), selectList->visualItemRect(item).top(),
                     iconWidth + 2 * margin, selectList->visualItemRect(item).height());
    if (row < 0 || row >= set_F.size() || !icon.contains(mouse->pos()) || !tickable(set_F.at(row)))
        return false;
    setFileState(row, set_F.at(row).state == 1 ? 0 : 1);
    setModeSelect();
    return true;
}

void FirstDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateThis();
    QFrame::changeEvent(event);
}

void FirstDialog::retranslateThis()
{
    const QStringList results = {detectFilesResult->text(), selectFilesResult->text(), copyFilesResult->text(),
                                 inBoxResult->text(), rejectedResult->text()};
    retranslateUi(this);
    // Setting a button's text clears its shortcut, so the keys are given again after the texts.
    const QList<QPair<QPushButton *, const char *>> keys = {
        {detectNothingButton, "Ctrl+-"}, {detectSubstractButton, "-"}, {detectAddButton, "+"},
        {detectAllButton, "Ctrl++"}, {detectAgreeButton, "Ctrl+*"}, {selectNothingButton, "Ctrl+-"},
        {selectSubstractButton, "-"}, {selectAddButton, "+"}, {selectAllButton, "Ctrl++"},
        {selectAgreeButton, "Ctrl+*"}};
    for (const auto &key : keys)
        key.first->setShortcut(QKeySequence(QString::fromLatin1(key.second)));
    detectFilesResult->setText(results.at(0));
    selectFilesResult->setText(results.at(1));
    copyFilesResult->setText(results.at(2));
    inBoxResult->setText(results.at(3));
    rejectedResult->setText(results.at(4));
    for (int row = 0; row < set_F.size() && row < selectList->count(); ++row)
        selectList->item(row)->setText(fileText(row));
    if (m_detected)
        label_A->setText(tr("Detect removable devices... complete"));
    for (int row = 0; row < set_D.size(); ++row) {
        set_D[row].text = deviceText(set_D.at(row));
        detectList->item(row)->setText(set_D.at(row).text);
    }
    detectFiles->setText(QString::number(m_preSelected));
    showCounters();
}

QString FirstDialog::mebibytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1048576.0, 'f', 1);
}

void FirstDialog::setShown(const QList<QWidget *> &widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}
