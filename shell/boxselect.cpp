#include "boxselect.h"

#include <QEvent>

#include "anybox.h"

BoxSelect::BoxSelect(AnyBox *box, QFrame *parent)
    : QFrame(parent)
    , m_box(box)
{
    setupUi(this);
    setObjectName(QStringLiteral("BoxSelect"));
    boxPixmap->setPixmap(m_box->boxPixmap());
    title->setText(m_box->welcomeLabel());
}

void BoxSelect::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        // The form's text is only a placeholder; the box set keeps the translated welcome text.
        title->setText(m_box->welcomeLabel());
    }
    QFrame::changeEvent(event);
}
