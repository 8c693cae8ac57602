#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

class AnyBox;
class QObject;
class QWidget;
class MySettings;
class QTemporaryDir;
class Tessary;

// Helpers for the tests of the selection frames: a box set whose photo box holds chosen entries, with
// the vocabulary, the sessions and a fake preview program that records the list it is given.
namespace SelectionUiSupport {

struct BoxSet
{
    MySettings *settings = nullptr;
    Tessary *tessary = nullptr;
    AnyBox *photo = nullptr;
};

// Writes the catalogue lines (per rema), the vocabulary and the session file into the base folder,
// then opens the box set with the fake viewer as the photo preview. The caller owns settings and
// tessary (delete tessary first). photo is null when something failed.
BoxSet openPhotoBox(const QTemporaryDir &dir, const QMap<QString, QStringList> &catalogue,
                    const QByteArray &vocabulary = QByteArray(), const QByteArray &sessions = QByteArray());

// The remarks of the entries marked in subset i of the box (all subsets for i = -1).
QSet<QString> markedRemarks(const AnyBox *box, int i = -1);

// The full path of an object as the list files name it: box/re/ma/rk.JPG for the test entries.
QString objectPath(const AnyBox *box, const QString &remark);

// The lines of a list file or a template file, without line ends.
QStringList fileLines(const QString &path);

// As the user does before using a control: an open completer list is closed and the control's tab is
// brought to the front, then the layouts settle.
void reveal(QWidget *widget);

// Clicks the named button under parent with the mouse; fails the test when it is missing, hidden or
// disabled.
void click(QObject *parent, const char *name);

// Types the text into the named line edit, replacing what it held.
void type(QObject *parent, const char *name, const QString &text);

} // namespace SelectionUiSupport
