#include "emptyframe.h"

EmptyFrame::EmptyFrame(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
{
}
