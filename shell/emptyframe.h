#pragma once

#include <QFrame>

class AnyBox;

// Stands in the central area for a working frame that has no content of its own yet.
class EmptyFrame : public QFrame
{
    Q_OBJECT

public:
    EmptyFrame(AnyBox *box, QFrame *parent);

    AnyBox *box() const { return m_box; }

private:
    AnyBox *m_box;
};
