#pragma once

#include <QByteArray>
#include <QString>

// One catalogue record: ten text fields joined by "~" on one line.
//  0 session, 1 remark, 2 resemble link, 3 checksum, 4 hardcopy count, 5 category value,
//  6 keyword keys, 7 original file name, 8 caption (title,author), 9 date.
// A box holds an entry per stored object, so the record keeps its fields as the one joined line in
// UTF-8, as the catalogue file holds it (half the size of the decoded text, and a loaded line needs no
// decoding), and finds and decodes a field on demand. A loaded entry shares the text of its whole file
// with the other entries of that file (no allocation per line); changing a field gives it a line of
// its own.
class Entry
{
public:
    // The fields in their order on the line.
    enum Field {
        SessionField = 0,
        RemarkField = 1,
        ResembleField = 2, // the remark of the group's prime
        ChecksumField = 3,
        HardcopyField = 4,
        CategoryField = 5,
        KeywordField = 6, // keyword keys joined by ","
        OriginalField = 7,
        CaptionField = 8, // title "," author
        DateField = 9,
    };
    static const int FIELD_COUNT = 10;

    Entry() = default;
    Entry(const QString &line);
    // The entry of one line of a catalogue file as it lies on disk (UTF-8, no line end).
    static Entry fromUtf8(const QByteArray &line);
    // The same for the line of size bytes at offset in text, which the entry shares.
    static Entry fromUtf8(const QByteArray &text, int offset, int size);

    void setEntry(const QString &line);
    bool Ok() const { return m_ok; }
    bool test() const;

    QString getField(int index) const;
    bool setField(int index, const QString &text);
    QString getAllFields() const;
    // Appends the text form in UTF-8, as a catalogue file stores it; nothing when the entry is not valid.
    void appendLine(QByteArray &text) const;

    QString simpleName() const;
    QString remarkFileName() const;
    QString originalFileName() const;

    // Number of fields the record has, valid or not.
    int fieldCount() const { return m_count; }

private:
    void setLine(const QByteArray &text, int offset, int size);
    const char *line() const { return m_text.constData() + m_offset; }
    bool bounds(int index, int &start, int &end) const;
    QString field(int index) const;

    // The line is the m_size bytes at m_offset of m_text.
    QByteArray m_text;
    int m_offset = 0;
    int m_size = 0;
    int m_count = 0;
    bool m_ok = false;
};
