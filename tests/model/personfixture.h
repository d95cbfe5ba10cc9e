#pragma once
// Shared set-up of the person tests: Ontario's plug-in is the test plug-in
// that makes provincial forms, loaded from a temporary folder.
#include "cmultiprovstaxmgr.h"
#include "ctaxdata_form.h"
#include "dependantinfostruct.h"
#include "individualtaxdata.h"
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QtTest>

class PersonFixture
{
public:
    bool setUp()
    {
        if (!m_dir.isValid())
            return false;
        m_plugin = m_dir.filePath(QStringLiteral("libProvON.so"));
        if (!QFile::link(QStringLiteral(BQ_PERSON_PLUGIN), m_plugin))
            return false;
        CMultiProvsTaxMgr::setLibraryFolder(m_dir.path());
        // held loaded, so that its counters outlive the persons that unload it
        m_keep.setFileName(m_plugin);
        return m_keep.load();
    }
    void tearDown()
    {
        m_keep.unload();
        CMultiProvsTaxMgr::setLibraryFolder(QString());
    }

    // A person living in Ontario with the plug-in loaded.
    void inOntario(IndividualTaxData &p)
    {
        p.storeReadProvince(9);
        QVERIFY(p.loadProvincePlugin());
    }

    // A counter of the test plug-in (its library stays loaded while a person holds it).
    int pluginCounter(const char *name)
    {
        auto fn = reinterpret_cast<int (*)()>(m_keep.resolve(name));
        return fn ? fn() : -1;
    }

    DependantInfoStruct deps;

private:
    QTemporaryDir m_dir;
    QString m_plugin;
    QLibrary m_keep;
};

// Types used by the tests: 3 Schedule 2 (single), 12 T776 (multiple, SFD),
// 24/25 ON428/ON479 (provincial, 25 the partner of 24), 93 the T1 summary,
// 109 (multiple, made by the plug-in).
