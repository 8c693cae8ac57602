#include "tessary.h"

#include "unittree.h"

Tessary::Tessary(MySettings *settings, CatalogueAhead *ahead)
    : m_tree(new UnitTree(settings, this, ahead))
{
}

Tessary::~Tessary() = default;

BaseFolder *Tessary::baseFolder() const
{
    return m_tree->baseFolder();
}

bool Tessary::initStatus(QString &status)
{
    return m_tree->initStatus(status);
}

void Tessary::updateSettings()
{
    m_tree->updateSettings();
}

void Tessary::setWelcomeLabels()
{
    m_tree->setWelcomeLabels();
}
