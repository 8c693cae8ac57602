#pragma once

#include <QStringList>

#include "selectdialog.h"

class MyTmpFile;
class MyWrdFile;

// Replays a stored template of the current box, stage by stage; the result of all stages is left in
// subset 0 and written as a list file under the template's name.
class TemplateDialog : public SelectDialog
{
    Q_OBJECT

public:
    TemplateDialog(AnyBox *box, QFrame *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void retranslateThis() override;
    QString remarkToResemble(const QString &remark) const;

public slots:
    void changeTemplate(int row);
    void pressStartButton() override;

private:
    QStringList m_names;
    MyWrdFile *m_wrdFile = nullptr;
    MyTmpFile *m_tmpFile = nullptr;
};
