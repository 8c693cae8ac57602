#include "selectionuisupport.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <QTemporaryDir>

#include "anybox.h"
#include "arrangementsupport.h"
#include "basefolder.h"
#include "constants.h"
#include "entry.h"
#include "mysettings.h"
#include "remark.h"
#include "storagesupport.h"
#include "tessary.h"
#include "testsupport.h"

namespace SelectionUiSupport {

BoxSet openPhotoBox(const QTemporaryDir &dir, const QMap<QString, QStringList> &catalogue,
                    const QByteArray &vocabulary, const QByteArray &sessions)
{
    BoxSet set;
    set.settings = TestSupport::makeSettings(dir);
    const QString base = TestSupport::baseDir(dir);
    const QString boxPath = base + QLatin1Char('/') + NAME_PHOTO;
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        if (!ArrangementSupport::writeEntries(boxPath, it.key(), it.value()))
            return set;
    }
    if (!TestSupport::writeFile(base + QLatin1Char('/') + NAME_WRD_FILE, vocabulary)
        || !TestSupport::writeFile(base + QLatin1Char('/') + NAME_SSS_FILE, sessions))
        return set;
    set.settings->setValue(KEY_PHOTO + KEY_PREVIEW_APP,
                           QLatin1Char('"') + StorageSupport::fake(QStringLiteral("fake_viewer.sh")) + "\" %1");
    set.settings->sync();
    set.tessary = new Tessary(set.settings);
    QString status;
    if (!set.tessary->initStatus(status))
        return set;
    set.photo = dynamic_cast<AnyBox *>(set.tessary->baseFolder()->unit(NAME_PHOTO));
    return set;
}

QSet<QString> markedRemarks(const AnyBox *box, int i)
{
    QSet<QString> remarks;
    for (const Entry *entry : (i < 0 ? box->markedEntries() : box->markedEntries(i)))
        remarks.insert(entry->getField(1));
    return remarks;
}

QString objectPath(const AnyBox *box, const QString &remark)
{
    const Remark r(remark);
    return box->completeName() + QDir::separator() + r.re() + QDir::separator() + r.ma() + QDir::separator() + r.rk()
           + QStringLiteral(".JPG");
}

QStringList fileLines(const QString &path)
{
    return ArrangementSupport::lines(path);
}

void reveal(QWidget *widget)
{
    // A completer's list left open would take the click to close itself.
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    for (QWidget *w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        if (auto tabs = qobject_cast<QTabWidget *>(w->parentWidget()->parentWidget())) {
            const int index = tabs->indexOf(w);
            if (index >= 0)
                tabs->setCurrentIndex(index);
        }
    }
    // A page that has just become current gets its layout from the event loop.
    QCoreApplication::processEvents();
}

void click(QObject *parent, const char *name)
{
    auto button = parent ? parent->findChild<QPushButton *>(QString::fromLatin1(name)) : nullptr;
    QVERIFY2(button, name);
    reveal(button);
    QVERIFY2(button->isVisible(), name);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QObject *parent, const char *name, const QString &text)
{
    auto edit = parent ? parent->findChild<QLineEdit *>(QString::fromLatin1(name)) : nullptr;
    QVERIFY2(edit, name);
    reveal(edit);
    edit->clear();
    // Key clicks know only Latin-1 letters; other letters arrive as the text of unknown keys.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace SelectionUiSupport
