#include "mytmpfile.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <functional>
#include <utility>

#include "anybox.h"
#include "category.h"
#include "constants.h"
#include "criterion.h"
#include "mywrdfile.h"
#include "remark.h"

namespace {

// The task field behind each of the tags "A:" to "G:", in tag order.
QString MyTmpFile::task::*const TAGGED_FIELDS[] = {&MyTmpFile::task::session, &MyTmpFile::task::remark,
                                                   &MyTmpFile::task::hardcopy, &MyTmpFile::task::category,
                                                   &MyTmpFile::task::keyword, &MyTmpFile::task::caption,
                                                   &MyTmpFile::task::date};
const int TAGGED_COUNT = 7;
const int SEARCH_TAG = 7;
const int PLUS_TAG = 8;

const QString NO_DESCRIPTION = QStringLiteral("---");
const QString DEFAULT_DATE_FORMAT = QStringLiteral("dd.MM.yyyy");
const QString OPEN_END = QStringLiteral("...");
const int POSITIONS = 6;

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c.category() == QChar::Separator_Line
        || c.category() == QChar::Separator_Paragraph || c == QChar(0x0b) || c == QChar(0x0c) || c == QChar(0x85);
}

// A criterion text must stay on its line: a line break in it could start a header of its own.
QString oneLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (isLineBreak(c))
            c = QLatin1Char(' ');
    }
    return line;
}

bool isDecimal(const QString &text, unsigned *value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    bool ok = false;
    *value = text.toUInt(&ok, 10);
    return ok && digits.match(text).hasMatch();
}

bool isSession(const QString &item)
{
    unsigned value = 0;
    return isDecimal(item, &value) && value != 0;
}

bool isHardcopy(const QString &item)
{
    unsigned value = 0;
    return isDecimal(item, &value);
}

bool isRemark(const QString &item)
{
    return Remark(item).Ok();
}

} // namespace

MyTmpFile::MyTmpFile(const QString &name, MyUnit *parent)
    : MyFile(name, parent)
    , m_tags({QStringLiteral("A:"), QStringLiteral("B:"), QStringLiteral("C:"), QStringLiteral("D:"),
              QStringLiteral("E:"), QStringLiteral("F:"), QStringLiteral("G:"), QStringLiteral(":search"),
              QStringLiteral(":plus")})
{
    m_wrdFile = dynamic_cast<MyWrdFile *>(unit(NAME_WRD_FILE));
}

MyWrdFile *MyTmpFile::vocabulary()
{
    // The vocabulary may have joined the tree after this file.
    if (!m_wrdFile)
        m_wrdFile = dynamic_cast<MyWrdFile *>(unit(NAME_WRD_FILE));
    return m_wrdFile;
}

void MyTmpFile::loadTemplates(const QString &box)
{
    m_templates.clear();
    m_describes.clear();
    m_owners.clear();
    QStringList lines;
    if (!readLines(lines))
        return;

    bool open = false;
    QString name;
    QList<task> tasks;
    task current;
    for (const QString &text : qAsConst(lines)) {
        const QString line = text.simplified();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('<')) && line.endsWith(QLatin1Char('>'))) {
            if (open)
                m_templates.insert(name, tasks);
            open = false;
            const QStringList parts = line.mid(1, line.size() - 2).split(QLatin1Char(':'));
            if (parts.size() != 3 || parts.at(0).trimmed() != box || parts.at(1).trimmed().isEmpty())
                continue;
            name = parts.at(1).trimmed();
            const QString description = parts.at(2).trimmed();
            m_describes.insert(name, description.isEmpty() ? NO_DESCRIPTION : description);
            m_owners.insert(name, box);
            tasks.clear();
            current = task();
            open = true;
            continue;
        }
        if (!open)
            continue;
        int tag = 0;
        while (tag < m_tags.size() && !line.startsWith(m_tags.at(tag)))
            ++tag;
        if (tag < TAGGED_COUNT) {
            current.*TAGGED_FIELDS[tag] = line.mid(m_tags.at(tag).size()).trimmed();
        } else if (tag == PLUS_TAG) {
            current.plus = true;
        } else if (tag == SEARCH_TAG) {
            tasks.append(current);
            current = task();
        }
    }
    // A task that was never closed by ":search" is incomplete and is dropped.
    if (open)
        m_templates.insert(name, tasks);
}

bool MyTmpFile::validHeaderText(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char(':') || c == QLatin1Char('<') || c == QLatin1Char('>') || isLineBreak(c))
            return false;
    }
    return true;
}

bool MyTmpFile::addTask(const QString &owner, const QString &name, const QString &description,
                        const QList<task> &tasks)
{
    const QString simpleOwner = owner.simplified();
    const QString simpleName = name.simplified();
    QString simpleDescription = description.simplified();
    if (simpleOwner.isEmpty() || simpleName.isEmpty() || !validHeaderText(owner) || !validHeaderText(name)
        || !validHeaderText(description))
        return false;
    if (simpleDescription.isEmpty())
        simpleDescription = NO_DESCRIPTION;

    // The maps keep what a later load would read back.
    QList<task> written;
    for (const task &t : tasks) {
        task line = t;
        for (int tag = 0; tag < TAGGED_COUNT; ++tag)
            line.*TAGGED_FIELDS[tag] = oneLine(t.*TAGGED_FIELDS[tag]);
        written.append(line);
    }
    m_templates.insert(simpleName, written);
    m_describes.insert(simpleName, simpleDescription);
    m_owners.insert(simpleName, simpleOwner);

    QString text;
    QTextStream out(&text);
    out << '<' << simpleOwner << ':' << simpleName << ':' << simpleDescription << '>' << '\n';
    for (const task &t : written) {
        if (t.plus)
            out << '\t' << m_tags.at(PLUS_TAG) << '\n';
        for (int tag = 0; tag < TAGGED_COUNT; ++tag)
            out << "\t\t" << m_tags.at(tag) << t.*TAGGED_FIELDS[tag] << '\n';
        out << '\t' << m_tags.at(SEARCH_TAG) << '\n';
    }
    out << '\n';
    out.flush();
    return appendText(text);
}

int MyTmpFile::templatesCount(const QString &box) const
{
    int count = 0;
    for (auto it = m_templates.cbegin(); it != m_templates.cend(); ++it) {
        if (m_owners.value(it.key()) == box)
            ++count;
    }
    return count;
}

// Splits one criterion as the selector does, tests each non-empty item and builds its display
// text with the invalid items struck through.
bool MyTmpFile::checkItems(View view, const QString &text, bool keepBlanks,
                           const std::function<bool(int, const QString &)> &valid)
{
    bool negated = false;
    const bool positional = view == ViewCategory;
    const QStringList items = Criterion::split(text, keepBlanks, positional, &negated);
    bool ok = true;
    QStringList shown;
    for (int i = 0; i < items.size(); ++i) {
        const QString &item = items.at(i);
        if (item.isEmpty() || valid(i, item)) {
            shown << item.toHtmlEscaped();
        } else {
            shown << QStringLiteral("<s>") + item.toHtmlEscaped() + QStringLiteral("</s>");
            ok = false;
        }
    }
    // A category text of empty positions only says nothing.
    if (positional && items.join(QString()).isEmpty())
        shown.clear();
    m_views[view] = shown.isEmpty() ? QString() : (negated ? QStringLiteral("~ ") : QString()) + shown.join(", ");
    return ok;
}

bool MyTmpFile::checkTask(const QString &box, const task &t)
{
    const AnyBox *owner = dynamic_cast<AnyBox *>(unit(box));
    // A box this file cannot find is checked against the default model and date format.
    const Category category = owner ? owner->category() : Category();
    const QString dateFormat = owner && !owner->dateFormat().isEmpty() ? owner->dateFormat() : DEFAULT_DATE_FORMAT;

    bool ok = checkItems(ViewRemark, t.remark, false, [](int, const QString &item) { return isRemark(item); });
    ok = checkItems(ViewSession, t.session, false, [](int, const QString &item) { return isSession(item); }) && ok;
    ok = checkItems(ViewHardcopy, t.hardcopy, false, [](int, const QString &item) { return isHardcopy(item); })
        && ok;
    ok = checkCategory(t.category, category) && ok;
    ok = checkKeywords(t.keyword) && ok;
    ok = checkDates(t.date, dateFormat) && ok;
    m_views[ViewCaption] = t.caption.trimmed().toHtmlEscaped();
    return ok;
}

bool MyTmpFile::checkCategory(const QString &text, const Category &category)
{
    QStringList which = category.listSubCategoryValues_A() + category.listSubCategoryValues_B();
    which.removeAll(QString());
    const QStringList axes[POSITIONS] = {which,
                                         category.listSubCategoryValues_C(),
                                         category.listSubCategoryValues_D(),
                                         category.listSubCategoryValues_E(),
                                         category.listSubCategoryValues_F(),
                                         category.listSubCategoryValues_G()};
    return checkItems(ViewCategory, text, false, [&axes](int position, const QString &item) {
        if (position >= POSITIONS)
            return false;
        const QStringList names = position == 0
            ? Criterion::unsignedParts(item)
            : item.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (const QString &name : names) {
            if (!axes[position].contains(name))
                return false;
        }
        return true;
    });
}

bool MyTmpFile::checkKeywords(const QString &text)
{
    MyWrdFile *words = vocabulary();
    return checkItems(ViewKeyword, text, true, [words](int, const QString &item) {
        const QStringList parts = Criterion::unsignedParts(item);
        for (const QString &word : parts) {
            if (!words || !words->wordExist(word))
                return false;
        }
        return true;
    });
}

bool MyTmpFile::checkDates(const QString &text, const QString &dateFormat)
{
    return checkItems(ViewDate, text, false, [&dateFormat](int, const QString &item) {
        const QStringList parts = item.split(QLatin1Char('-'));
        if (parts.size() == 1)
            return QDate::fromString(parts.at(0), dateFormat).isValid();
        if (parts.size() > 2)
            return true;
        const QDate first = QDate::fromString(parts.at(0), dateFormat);
        const QDate second = QDate::fromString(parts.at(1), dateFormat);
        if (first.isValid() && second.isValid())
            return first <= second;
        return (parts.at(0) == OPEN_END && second.isValid()) || (first.isValid() && parts.at(1) == OPEN_END);
    });
}

QString MyTmpFile::viewTask(const QString &name, bool *ok)
{
    static const QString table = QStringLiteral("<table width = 100%>");
    static const QString tableEnd = QStringLiteral("</table>");
    static const QString row = QStringLiteral("<tr> <td width = 20%> <b> %1 </b> </td> <td> %2 </td> </tr>");

    QString html = table + QStringLiteral("<tr> <td width = 20%> <b>") + tr("Name") + QStringLiteral("</b> </td> <td>")
        + name.toHtmlEscaped() + QStringLiteral("</td> </tr> ") + QStringLiteral("<tr> <td> <b>") + tr("Description")
        + QStringLiteral("</b> </td> <td>") + m_describes.value(name).toHtmlEscaped()
        + QStringLiteral("</td> </tr> ") + tableEnd;
    // A template this file does not hold cannot be run.
    if (!m_templates.contains(name) && ok)
        *ok = false;

    const QList<task> tasks = m_templates.value(name);
    const QString owner = own(name);
    int stage = 0;
    for (int i = 0; i < tasks.size(); ++i) {
        const task &t = tasks.at(i);
        if (!checkTask(owner, t) && ok)
            *ok = false;
        if (i == 0 || t.plus) {
            html += table + QStringLiteral("<tr> <td align = right> <b>") + tr("Stage") + QLatin1Char(' ')
                + QString::number(++stage) + QStringLiteral("</b> </td> </tr>") + tableEnd + QStringLiteral("<hr />");
        } else {
            html += table + QStringLiteral("<tr> <td width = 10% align = right>") + tr("specify")
                + QStringLiteral("... </td> <td> </td> </tr>") + tableEnd;
        }
        const std::pair<QString, View> rows[] = {{tr("Remark"), ViewRemark},     {tr("Category"), ViewCategory},
                                                 {tr("Keyword"), ViewKeyword},   {tr("Date"), ViewDate},
                                                 {tr("Session"), ViewSession},   {tr("Hardcopy"), ViewHardcopy},
                                                 {tr("Caption"), ViewCaption}};
        html += table;
        for (const auto &shown : rows) {
            if (!m_views[shown.second].isEmpty())
                html += row.arg(shown.first, m_views[shown.second]);
        }
        html += tableEnd;
    }
    return html;
}
