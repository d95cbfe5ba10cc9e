#include "cpersonalsettings.h"
#include "mydatastream.h"

CPersonalSettings::~CPersonalSettings() = default;

void CPersonalSettings::setSelection(bool isSpouse, int category, int key)
{
    m_currentPerson = isSpouse ? 1 : 0;
    (isSpouse ? m_spouseCategory : m_selfCategory) = category;
    (isSpouse ? m_spouseKey : m_selfKey) = key;
}

void CPersonalSettings::getCurrentSelection(int &person, int &category, int &key) const
{
    person = m_currentPerson;
    getSelection(m_currentPerson == 1, category, key);
}

void CPersonalSettings::getSelection(bool isSpouse, int &category, int &key) const
{
    category = isSpouse ? m_spouseCategory : m_selfCategory;
    key = isSpouse ? m_spouseKey : m_selfKey;
}

bool CPersonalSettings::serialize(MyDataStream &ar)
{
    if (ar.IsStoring()) {
        ar << qint32(1) << qint32(m_currentPerson) << qint32(m_selfCategory) << qint32(m_spouseCategory)
           << qint32(m_selfKey) << qint32(m_spouseKey);
        return ar.ok();
    }
    qint32 version = 0;
    qint32 v[5] = {};
    ar >> version >> v[0] >> v[1] >> v[2] >> v[3] >> v[4];
    if (!ar.ok() || version != 1)
        return false;
    m_currentPerson = v[0];
    m_selfCategory = v[1];
    m_spouseCategory = v[2];
    m_selfKey = v[3];
    m_spouseKey = v[4];
    return true;
}

bool CPersonalSettings::operator==(const CPersonalSettings &o) const
{
    return m_currentPerson == o.m_currentPerson && m_selfCategory == o.m_selfCategory
        && m_spouseCategory == o.m_spouseCategory && m_selfKey == o.m_selfKey && m_spouseKey == o.m_spouseKey;
}
